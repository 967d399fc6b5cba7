#include "Language.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

TEST(RussianQtTextsTest, theDialogsButtonsAndThePortsReasonsReadRussian) {
    QCoreApplication& app = *QCoreApplication::instance();
    ASSERT_TRUE(ui::useRussianQtTexts(app)) << "Debian package qt6-translations-l10n";
    const QDialogButtonBox prompt(QDialogButtonBox::Ok | QDialogButtonBox::Cancel); // "OK" as it is
    EXPECT_EQ(prompt.button(QDialogButtonBox::Cancel)->text(), "Отмена");
    // What the port says when another program holds it.
    const QString held = "Permission error while locking the device";
    EXPECT_NE(QCoreApplication::translate("QSerialPort", held.toUtf8()), held);
    qDeleteAll(app.findChildren<QTranslator*>()); // the other tests of this program see Qt's own
}

} // namespace
