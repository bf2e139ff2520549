// SPDX-License-Identifier: GPL-3.0-or-later
#include "translation.h"

#include "calc/message_translation.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTranslator>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace brevimo {
namespace {

// Dynamic properties that remember what a text was made from.
constexpr char kContextProp[] = "brevimoTrContext";
constexpr char kItemsProp[] = "brevimoTrItems";
constexpr char kTabProp[] = "brevimoTrTab";

constexpr char kSettingsKey[] = "language";
constexpr char kEnglishFile[] = ":/i18n/brevimo_en.qm";

struct State {
  QTranslator translator;
  bool installed = false;
  // Qt's own texts, in the language they were loaded for.
  QTranslator qtTranslator;
  bool qtInstalled = false;
  Language qtLanguage = Language::Russian;
};

State& Current() {
  static State state;
  return state;
}

std::vector<RetranslateHook>& RetranslateHooks() {
  static std::vector<RetranslateHook> hooks;
  return hooks;
}

QSettings Settings() { return QSettings(QStringLiteral("Brevimo"), QStringLiteral("Brevimo")); }

QString Lookup(const char* context, const QString& source) {
  const QByteArray key = source.toUtf8();
  return QCoreApplication::translate(context, key.constData());
}

// The text an object shows, and a way to set it.
QString GetText(const QObject* object) {
  if (auto* action = qobject_cast<const QAction*>(object)) return action->text();
  if (auto* label = qobject_cast<const QLabel*>(object)) return label->text();
  if (auto* button = qobject_cast<const QAbstractButton*>(object)) return button->text();
  if (auto* box = qobject_cast<const QGroupBox*>(object)) return box->title();
  if (auto* menu = qobject_cast<const QMenu*>(object)) return menu->title();
  if (auto* widget = qobject_cast<const QWidget*>(object)) return widget->windowTitle();
  return {};
}

void PutText(QObject* object, const QString& text) {
  if (auto* action = qobject_cast<QAction*>(object))
    action->setText(text);
  else if (auto* label = qobject_cast<QLabel*>(object))
    label->setText(text);
  else if (auto* button = qobject_cast<QAbstractButton*>(object))
    button->setText(text);
  else if (auto* box = qobject_cast<QGroupBox*>(object))
    box->setTitle(text);
  else if (auto* menu = qobject_cast<QMenu*>(object))
    menu->setTitle(text);
  else if (auto* widget = qobject_cast<QWidget*>(object))
    widget->setWindowTitle(text);
}

QString GetAccessibleName(const QObject* object) {
  if (auto* widget = qobject_cast<const QWidget*>(object)) return widget->accessibleName();
  return {};
}

void PutAccessibleName(QObject* object, const QString& text) {
  if (auto* widget = qobject_cast<QWidget*>(object)) widget->setAccessibleName(text);
}

QString GetToolTip(const QObject* object) {
  if (auto* widget = qobject_cast<const QWidget*>(object)) return widget->toolTip();
  return {};
}

void PutToolTip(QObject* object, const QString& text) {
  if (auto* widget = qobject_cast<QWidget*>(object)) widget->setToolTip(text);
}

// One translated text of an object: the properties that keep its source and
// what was shown, and how it is read and set.
struct Role {
  const char* sourceProp;
  const char* shownProp;
  QString (*get)(const QObject*);
  void (*put)(QObject*, const QString&);
};

constexpr Role kText{"brevimoTrSource", "brevimoTrShown", GetText, PutText};
constexpr Role kAccessibleName{"brevimoTrAccSource", "brevimoTrAccShown", GetAccessibleName,
                               PutAccessibleName};
constexpr Role kToolTip{"brevimoTrTipSource", "brevimoTrTipShown", GetToolTip, PutToolTip};

const Role& RoleOf(TrRole role) {
  switch (role) {
  case TrRole::Text:
    return kText;
  case TrRole::ToolTip:
    return kToolTip;
  default:
    return kAccessibleName;
  }
}

// Shows source in the role, in the object's context and the current
// language, and remembers what was shown.
void Show(QObject* object, const Role& role, const QString& source) {
  const QByteArray context = object->property(kContextProp).toByteArray();
  const QString text = Tr(context.constData(), source);
  object->setProperty(role.shownProp, text);
  role.put(object, text);
}

// Renews one role of an object when it still shows what was put there.
void Renew(QObject* object, const Role& role) {
  const QVariant source = object->property(role.sourceProp);
  if (!source.isValid() || role.get(object) != object->property(role.shownProp).toString()) return;
  Show(object, role, source.toString());
}

void RetranslateObject(QObject* object) {
  for (const Role* role : {&kText, &kAccessibleName, &kToolTip})
    Renew(object, *role);
  if (auto* combo = qobject_cast<QComboBox*>(object)) {
    const QStringList sources = combo->property(kItemsProp).toStringList();
    for (int i = 0; i < sources.size() && i < combo->count(); ++i)
      combo->setItemText(i, TrTemplate(sources[i].toUtf8().constData()));
  }
  // Qt names a tab bar's scroll buttons when it makes them (the left one
  // first) and never again: they follow the language here.
  if (auto* bar = qobject_cast<QTabBar*>(object)) {
    const QList<QToolButton*> scroll =
        bar->findChildren<QToolButton*>(QString(), Qt::FindDirectChildrenOnly);
    // Qt's own texts, from Qt's catalogue (not ours: no literal here).
    static const char* const names[] = {"Scroll Left", "Scroll Right"};
    if (scroll.size() == 2)
      for (int i = 0; i < 2; ++i)
        scroll[i]->setAccessibleName(QCoreApplication::translate("QTabBar", names[i]));
  }
  if (auto* tabs = qobject_cast<QTabWidget*>(object)) {
    for (int i = 0; i < tabs->count(); ++i) {
      const QVariant caption = tabs->widget(i)->property(kTabProp);
      if (caption.isValid()) tabs->setTabText(i, Tr(kTemplateContext, caption.toString()));
    }
  }
}

class Retranslator : public QObject {
public:
  explicit Retranslator(QObject* parent) : QObject(parent) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::LanguageChange && watched == parent()) Retranslate(watched);
    return false;
  }
};

} // namespace

QString TrTemplate(const char* text) { return QCoreApplication::translate(kTemplateContext, text); }

QString TrMessage(const QString& text) {
  const QString translated = Lookup(kMessageContext, text);
  if (translated != text || text.isEmpty()) return translated;
  // A message printf made from a translated pattern.
  const std::string message = TranslateMessage(
      text.toStdString(), [](std::string_view source) -> std::optional<std::string> {
        const QString pattern = QString::fromUtf8(source.data(), qsizetype(source.size()));
        const QString english = Lookup(kMessageContext, pattern);
        if (english == pattern) return std::nullopt;
        return english.toStdString();
      });
  return QString::fromStdString(message);
}

QString Tr(const char* context, const QString& source) {
  if (qstrcmp(context, kMessageContext) == 0) return TrMessage(source);
  return Lookup(context, source);
}

void SetTranslated(QObject* object, const char* context, const QString& source, TrRole role) {
  const Role& r = RoleOf(role);
  object->setProperty(kContextProp, QByteArray(context));
  object->setProperty(r.sourceProp, source);
  Show(object, r, source);
}

void SetTranslatedItems(QComboBox* combo, const QStringList& sources) {
  combo->setProperty(kItemsProp, sources);
  RetranslateObject(combo);
}

void SetTabSource(QWidget* host, const char* caption) {
  host->setProperty(kTabProp, QString::fromUtf8(caption));
}

QString SourceText(const QObject* object, const QString& shown) {
  const QVariant source = object->property(kText.sourceProp);
  if (source.isValid() && shown == object->property(kText.shownProp).toString())
    return source.toString();
  return shown;
}

void Retranslate(QObject* root) {
  RetranslateObject(root);
  const QList<QObject*> objects = root->findChildren<QObject*>();
  for (QObject* object : objects)
    RetranslateObject(object);
  // Captions have new lengths: those who keep widgets after them (the
  // dialog builder) fit them anew.
  if (auto* widget = qobject_cast<QWidget*>(root))
    for (RetranslateHook hook : RetranslateHooks())
      hook(widget);
}

void AddRetranslateHook(RetranslateHook hook) {
  auto& hooks = RetranslateHooks();
  if (std::find(hooks.begin(), hooks.end(), hook) == hooks.end()) hooks.push_back(hook);
}

QString SettingsFileName() { return Settings().fileName(); }

void InstallRetranslation(QWidget* window) { window->installEventFilter(new Retranslator(window)); }

Language CurrentLanguage() { return Current().installed ? Language::English : Language::Russian; }

QStringList QtTranslationDirs() {
  return {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
          QCoreApplication::applicationDirPath() + QStringLiteral("/translations")};
}

QString QtTranslationFile(Language language, const QStringList& dirs) {
  const QString name = language == Language::English ? QStringLiteral("qtbase_en.qm")
                                                     : QStringLiteral("qtbase_ru.qm");
  for (const QString& dir : dirs) {
    const QFileInfo file(QDir(dir), name);
    if (!dir.isEmpty() && file.isFile()) return file.filePath();
  }
  return {};
}

namespace {

// Qt's texts follow the program's: Russian ones under the Russian interface,
// Qt's own (English) under the English one. Without Qt's catalogue Qt shows
// its English texts.
void LoadQtTranslation(State& state, Language language) {
  if (state.qtInstalled && state.qtLanguage == language) return;
  if (state.qtInstalled) QCoreApplication::removeTranslator(&state.qtTranslator);
  state.qtInstalled = false;
  state.qtLanguage = language;
  const QString file = QtTranslationFile(language, QtTranslationDirs());
  if (!file.isEmpty() && state.qtTranslator.load(file))
    state.qtInstalled = QCoreApplication::installTranslator(&state.qtTranslator);
}

} // namespace

bool SetLanguage(Language language) {
  State& state = Current();
  if (language == Language::English && !state.installed) {
    if (!state.translator.load(QString::fromLatin1(kEnglishFile))) return false;
    state.installed = QCoreApplication::installTranslator(&state.translator);
    if (!state.installed) return false;
  } else if (language == Language::Russian && state.installed) {
    QCoreApplication::removeTranslator(&state.translator);
    state.installed = false;
  }
  LoadQtTranslation(state, language);
  return true;
}

Language StartupLanguage() {
  const QString saved = Settings().value(QString::fromLatin1(kSettingsKey)).toString();
  if (saved == QStringLiteral("en")) return Language::English;
  if (saved == QStringLiteral("ru")) return Language::Russian;
  return QLocale::system().language() == QLocale::English ? Language::English : Language::Russian;
}

bool SaveLanguage(Language language) {
  const QString value = language == Language::English ? QStringLiteral("en") : QStringLiteral("ru");
  QSettings settings = Settings();
  settings.setValue(QString::fromLatin1(kSettingsKey), value);
  settings.sync();
  return settings.status() == QSettings::NoError;
}

QString SettingNotSavedMessage(const QString& file) {
  return TrMessage(QStringLiteral(QT_TRANSLATE_NOOP(
                       "brevimo", "Язык переключен, но выбор не сохранен: файл %1 не записан. "
                                  "При следующем запуске он не будет восстановлен.")))
      .arg(QDir::toNativeSeparators(file));
}

} // namespace brevimo
