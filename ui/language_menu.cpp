// SPDX-License-Identifier: GPL-3.0-or-later
#include "language_menu.h"

#include "message_box.h"
#include "translation.h"

#include <QActionGroup>
#include <QMenu>

namespace brevimo {

void AddLanguageMenu(QMenu* menu) {
  // The same in every language, so that a user finds it in one they cannot
  // read; each language is named in itself.
  QMenu* languages = menu->addMenu(QStringLiteral("Язык / Language"));
  languages->setObjectName(QStringLiteral("104"));
  languages->menuAction()->setObjectName(QStringLiteral("104"));
  auto* group = new QActionGroup(languages);
  const struct {
    int id;
    const char* name;
    Language language;
  } entries[] = {{105, "Русский", Language::Russian}, {106, "English", Language::English}};
  for (const auto& entry : entries) {
    QAction* action = languages->addAction(QString::fromUtf8(entry.name));
    action->setObjectName(QString::number(entry.id));
    action->setCheckable(true);
    group->addAction(action);
    const Language language = entry.language;
    QObject::connect(action, &QAction::triggered, action, [language] {
      // The switch holds for this session even when it cannot be remembered.
      if (SetLanguage(language) && !SaveLanguage(language))
        AfxMessageBox(SettingNotSavedMessage(SettingsFileName()));
    });
  }
  // The check follows the language, however it was chosen.
  QObject::connect(languages, &QMenu::aboutToShow, languages, [languages] {
    const bool english = CurrentLanguage() == Language::English;
    for (QAction* action : languages->actions())
      action->setChecked(action->objectName() == QLatin1String(english ? "106" : "105"));
  });
}

} // namespace brevimo
