#include "Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <optional>

namespace velmor {

bool useRussianQtTexts(QCoreApplication& app) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    bool all = true;
    for (const char* catalogue : {"qtbase", "qtserialport"}) {
        auto* translator = new QTranslator(&app);
        if (translator->load(QLocale(QLocale::Russian, QLocale::Russia),
                             QString::fromLatin1(catalogue), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
        } else {
            delete translator;
            all = false;
        }
    }
    return all;
}

Language chosenLanguage(const QStringList& arguments) {
    const QString option = QStringLiteral("--language");
    std::optional<QString> named;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == option && i + 1 < arguments.size())
            named = arguments[++i];
        else if (arguments[i].startsWith(option + QLatin1Char('=')))
            named = arguments[i].mid(option.size() + 1);
    }
    if (named && isLanguageName(*named))
        return *named == QLatin1String("en") ? Language::English : Language::Russian;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString locale = qEnvironmentVariable(variable);
        if (!locale.isEmpty())
            return locale.startsWith(QLatin1String("en")) ? Language::English : Language::Russian;
    }
    return Language::Russian;
}

bool isLanguageName(const QString& name) {
    return name == QLatin1String("ru") || name == QLatin1String("en");
}

QString languageRefused(const QString& value) {
    return QCoreApplication::translate("velmor::Language",
                                       "--language takes ru (Russian) or en (English), not \"%1\"")
        .arg(value);
}

void useProgramTexts(QCoreApplication& app, Language language, bool withWindows) {
    if (language == Language::English && withWindows)
        return;
    auto* translator = new QTranslator(&app);
    const QString catalogue =
        language == Language::Russian ? QStringLiteral("velmor_ru") : QStringLiteral("velmor_en");
    // Built into the program, so a build tree and an installed copy find it alike.
    if (translator->load(catalogue, QStringLiteral(":/translations")))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace velmor
