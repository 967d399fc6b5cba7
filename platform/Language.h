#pragma once

#include <QStringList>

class QCoreApplication;

namespace velmor {

// Qt's own texts in Russian, as every other text of the windows: the dialogs' buttons, the
// context menus and the serial port's error reasons. The translations come from the folder Qt
// reports for them. False when one of them is not installed; those texts then stay English.
bool useRussianQtTexts(QCoreApplication& app);

// The language of a run's reports and command-line messages. The windows' own texts are Russian
// whatever it is.
enum class Language { Russian, English };

// "--language ru|en" (or --language=…) on the command line, else English where the locale that
// rules messages (the first of LC_ALL, LC_MESSAGES and LANG that is set) starts with "en", else
// Russian. A value other than ru or en is left to the option parser to refuse; until then the
// locale rules, so the refusal comes in its language.
Language chosenLanguage(const QStringList& arguments);

// True for "ru" and "en", the values --language takes.
bool isLanguageName(const QString& name);

// The refusal of any other value, in the run's language.
QString languageRefused(const QString& value);

// Installs the program's own catalogue for the language, from the program's resources: in Russian
// the reports and messages whose source text is English; in English, for a run without windows,
// the messages it shares with the windows, whose source text is Russian. Windows keep them as
// they are.
void useProgramTexts(QCoreApplication& app, Language language, bool withWindows);

} // namespace velmor
