// SPDX-License-Identifier: GPL-3.0-or-later
// The interface language: Russian (the source texts, always available) or
// English (translations/brevimo_en.ts, built into the program).
//
// Texts are translated where they are shown, with the Russian text as the
// key: template captions and list items under kTemplateContext, messages
// (calc error texts, page messages) under kMessageContext. A message built
// with numbers in it is looked up as the printf pattern it was made from, so
// one entry serves every value. Without a translation a text stays as it is.
//
// A text shown through SetTranslated is kept in the language chosen: on a
// language change (QEvent::LanguageChange) Retranslate puts the new one in,
// unless the program has put another text there since.
#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QMenu;
class QObject;
class QWidget;

namespace brevimo {

inline constexpr char kTemplateContext[] = "brevimo::res";
inline constexpr char kMessageContext[] = "brevimo";

enum class Language { Russian, English };

// A template caption or list item (UTF-8) in the current language.
QString TrTemplate(const char* text);
// A message or page text in the current language: found as it is, or as a
// pattern with its numbers filled in after translation.
QString TrMessage(const QString& text);
// Any marked text in the current language (kMessageContext: as TrMessage).
QString Tr(const char* context, const QString& source);

// What SetTranslated sets: the text (caption, title, action text), the
// accessible name or the tool tip. (Fields are named by NameFields.)
enum class TrRole { Text, AccessibleName, ToolTip };

// Shows source translated on object (label, button, group box, action, or a
// window's title) and keeps it translated on language changes.
void SetTranslated(QObject* object, const char* context, const QString& source,
                   TrRole role = TrRole::Text);
// The same for a source text marked with QT_TRANSLATE_NOOP (UTF-8).
inline void SetTranslated(QObject* object, const char* context, const char* source,
                          TrRole role = TrRole::Text) {
  SetTranslated(object, context, QString::fromUtf8(source), role);
}
// The same for the items of a drop-down list, in template context.
void SetTranslatedItems(QComboBox* combo, const QStringList& sources);
// The tab caption of a page host: kept translated by Retranslate.
void SetTabSource(QWidget* host, const char* caption);
// The source text behind what a widget shows, when it was set through
// SetTranslated and is still shown; otherwise shown itself.
QString SourceText(const QObject* object, const QString& shown);

// Puts the current language into every text under root set through
// SetTranslated, into tab captions, and refits built dialogs to the new
// captions.
void Retranslate(QObject* root);
// Called by Retranslate after the texts under root are in the new language.
using RetranslateHook = void (*)(QWidget* root);
void AddRetranslateHook(RetranslateHook hook);
// Retranslates window (and what it holds) on every language change.
void InstallRetranslation(QWidget* window);

Language CurrentLanguage();
// Loads (or for Russian, removes) the translation, and puts Qt's own texts
// (a field's context menu, file dialogs, standard buttons) in the same
// language; false when the English translation cannot be loaded, which
// leaves the program in Russian.
bool SetLanguage(Language language);
// Where Qt's translations (qtbase_ru.qm, qtbase_en.qm) are looked for: Qt's
// own folder, then translations/ beside the program (a deployment that
// ships them there).
QStringList QtTranslationDirs();
// The first of dirs that holds Qt's translation for the language, as a file
// path; empty when none does.
QString QtTranslationFile(Language language, const QStringList& dirs);
// The saved choice if any, else English under an English system locale,
// else Russian.
Language StartupLanguage();
// Remembers the choice for the next start; false when it could not be saved.
bool SaveLanguage(Language language);
// The message that the choice, kept in file, will not be remembered; in the
// interface language.
QString SettingNotSavedMessage(const QString& file);
// The file (or registry key) the choice is kept in.
QString SettingsFileName();

} // namespace brevimo
