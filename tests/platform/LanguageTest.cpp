#include "Language.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

TEST(RussianQtTextsTest, theDialogsButtonsAndThePortsReasonsReadRussian) {
    QCoreApplication& app = *QCoreApplication::instance();
    ASSERT_TRUE(velmor::useRussianQtTexts(app)) << "Debian package qt6-translations-l10n";
    const QDialogButtonBox prompt(QDialogButtonBox::Ok | QDialogButtonBox::Cancel); // "OK" as it is
    EXPECT_EQ(prompt.button(QDialogButtonBox::Cancel)->text(), "Отмена");
    // What the port says when another program holds it.
    const QString held = "Permission error while locking the device";
    EXPECT_NE(QCoreApplication::translate("QSerialPort", held.toUtf8()), held);
    qDeleteAll(app.findChildren<QTranslator*>()); // the other tests of this program see Qt's own
}

TEST(RunLanguageTest, theCommandLineThenTheLocaleChooseRussianUnlessEnglish) {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        qunsetenv(variable);
    using velmor::Language;
    EXPECT_EQ(velmor::chosenLanguage({"velmor-test"}), Language::Russian);
    qputenv("LANG", "en_GB.UTF-8");
    EXPECT_EQ(velmor::chosenLanguage({"velmor-test"}), Language::English);
    qputenv("LC_MESSAGES", "ru_RU.UTF-8"); // rules over LANG
    EXPECT_EQ(velmor::chosenLanguage({"velmor-test"}), Language::Russian);
    qputenv("LC_ALL", "en_US.UTF-8"); // rules over both
    EXPECT_EQ(velmor::chosenLanguage({"velmor-test"}), Language::English);
    EXPECT_EQ(velmor::chosenLanguage({"velmor-test", "--language", "ru"}), Language::Russian);
    EXPECT_EQ(velmor::chosenLanguage({"velmor-test", "--language=ru"}), Language::Russian);
    // A value the parser will refuse leaves the locale's language for the refusal.
    EXPECT_EQ(velmor::chosenLanguage({"velmor-test", "--language", "de"}), Language::English);
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        qunsetenv(variable);
}

TEST(RunLanguageTest, theBuiltInCataloguesGiveRussianReportsAndEnglishCommandLineMessages) {
    QCoreApplication& app = *QCoreApplication::instance();
    const char* mapName = "Не удаётся сохранить карту без имени"; // a window's text
    velmor::useProgramTexts(app, velmor::Language::Russian, false);
    EXPECT_EQ(QCoreApplication::translate("Verdict", "FAIL"), "НЕ ГОДЕН");
    EXPECT_EQ(QCoreApplication::translate("velmor::MapFile", mapName), mapName);
    qDeleteAll(app.findChildren<QTranslator*>());
    velmor::useProgramTexts(app, velmor::Language::English, true); // the windows stay Russian
    EXPECT_EQ(QCoreApplication::translate("velmor::MapFile", mapName), mapName);
    velmor::useProgramTexts(app, velmor::Language::English, false);
    EXPECT_EQ(QCoreApplication::translate("velmor::MapFile", mapName),
              "Cannot save the map without a name");
    qDeleteAll(app.findChildren<QTranslator*>());
}

// New texts come into the catalogue unfinished (cmake --build build --target
// update_translations); each needs its Russian before it ships.
TEST(RunLanguageTest, theRussianCatalogueHasEveryTextTranslated) {
    QFile catalogue(VELMOR_RUSSIAN_CATALOGUE);
    ASSERT_TRUE(catalogue.open(QIODevice::ReadOnly));
    const QByteArray text = catalogue.readAll();
    EXPECT_GT(text.count("<message>"), 100);
    EXPECT_FALSE(text.contains("type=\"unfinished\"")) << "untranslated texts";
    EXPECT_FALSE(text.contains("<translation></translation>"));
}

} // namespace
