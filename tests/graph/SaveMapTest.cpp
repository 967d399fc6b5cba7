#include "AnswerPrompt.h"
#include "GrafWindow.h"

#include "Sweep.h"
#include "Twips.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace velmor;
using namespace velmor::testing;

namespace {

QString uniqueName(const char* stem) {
    return QStringLiteral("%1-%2").arg(stem).arg(QCoreApplication::applicationPid());
}

// A finished one-row sweep whose five cells show the classes 0 to 4.
class SaveMapTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(grafFolder()).exists());
        ASSERT_FALSE(w.form->load());
        w.form->onSaveError([this](const QString& message) { errors << message; });
        w.button("Command3")->click();
        for (const int b2 : {128, 121, 143, 150, 155, 128}) {
            w.port->queueReply(bytes({0, b2, 128, 128}));
            w.form->tick();
        }
        ASSERT_TRUE(w.button("Command5")->isEnabled());
    }

    void TearDown() override {
        for (const QString& file : created)
            removeMapFiles(file);
    }

    // A saved map is four files: the bitmap, its cross-load data, its summary and its report.
    static void removeMapFiles(const QString& bmp) {
        const QString stem = bmp.chopped(4);
        for (const char* extension : {".bmp", ".csv", ".txt", ".pdf"})
            QFile::remove(stem + extension);
    }

    QString grafFolder() const { return w.mapsFolder.path; }

    QString expectCreated(const QString& relative) {
        created << grafFolder() + "/" + relative;
        return created.last();
    }

    GrafWindow w{0, 10, 255};
    QStringList errors;
    QStringList created;
};

TEST_F(SaveMapTest, savesTheWholeInteriorWithTheExactClassColoursReplacingAnEarlierFile) {
    const QString name = uniqueName("graph-save");
    const QString file = expectCreated(name + ".bmp");
    {
        QFile earlier(file);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("an earlier map");
    }
    const auto seen = answerPrompt(name);
    w.button("Command5")->click();
    EXPECT_EQ(seen->title, "Ввод");
    EXPECT_EQ(seen->message, "Введите имя файла (без расширения)");
    EXPECT_EQ(seen->preset, "1");
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();

    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray header = saved.read(30);
    EXPECT_EQ(header.left(2), "BM");
    EXPECT_EQ(static_cast<int>(header[28]), 24); // bits per pixel
    saved.close();

    const QImage map(file, "BMP");
    ASSERT_FALSE(map.isNull());
    EXPECT_EQ(map.size(), w.picture1()->image().size());
    const QColor expected[] = {
        {0, 255, 0}, {186, 255, 49}, {255, 255, 0}, {255, 128, 0}, {255, 0, 0}};
    for (int column = 0; column < 5; ++column) {
        const TwipBox box = cellBox(column, 0);
        EXPECT_EQ(map.pixelColor(velmor::toPixels((box.x1 + box.x2) / 2, (box.y1 + box.y2) / 2)),
                  expected[column])
            << "column " << column;
    }
    EXPECT_EQ(map.pixelColor(0, 0), QColor(0, 0, 0)); // the background where nothing is drawn
}

TEST_F(SaveMapTest, cancelSavesNothing) {
    const QStringList before = QDir(grafFolder()).entryList(QDir::Files | QDir::Hidden);
    answerPrompt(std::nullopt);
    w.button("Command5")->click();
    EXPECT_EQ(QDir(grafFolder()).entryList(QDir::Files | QDir::Hidden), before);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(SaveMapTest, emptyNameAndNamesLeavingTheFolderAreRefusedWithAMessage) {
    const QString escape = uniqueName("graph-escape");
    for (const QString& name : {QString(), "..\\" + escape, QDir::tempPath() + "/" + escape}) {
        errors.clear();
        answerPrompt(name);
        w.button("Command5")->click();
        EXPECT_EQ(errors.size(), 1) << name.toStdString();
    }
    EXPECT_FALSE(QFile::exists(grafFolder() + "/.bmp"));
    EXPECT_FALSE(QFile::exists(w.dir.filePath(escape + ".bmp")));
    EXPECT_FALSE(QFile::exists(QDir::tempPath() + "/" + escape + ".bmp"));
}

TEST_F(SaveMapTest, backslashAddressesAnExistingSubfolder) {
    const QString sub = uniqueName("graph-sub");
    ASSERT_TRUE(QDir(grafFolder()).mkdir(sub));
    const QString file = expectCreated(sub + "/map.bmp");
    answerPrompt(sub + "\\map");
    w.button("Command5")->click();
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_TRUE(errors.isEmpty());
    removeMapFiles(file);
    EXPECT_TRUE(QDir(grafFolder()).rmdir(sub));
}

// Another user's links in the Graf folder: the victim's file stays as it was.
TEST_F(SaveMapTest, linksPlantedAtTheNameOrOnTheWayAreRefusedNotWrittenThrough) {
    QTemporaryDir elsewhere;
    const QString victim = elsewhere.filePath("file");
    {
        QFile file(victim);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("the victim's own file");
    }
    ASSERT_TRUE(QFile::link(victim, grafFolder() + "/1.bmp"));
    ASSERT_TRUE(QFile::link(elsewhere.path(), grafFolder() + "/link"));
    for (const char* name : {"1", "link\\planted"}) {
        errors.clear();
        answerPrompt(QString::fromLatin1(name));
        w.button("Command5")->click();
        ASSERT_EQ(errors.size(), 1) << name;
        EXPECT_TRUE(errors.first().contains("символическая ссылка"))
            << errors.first().toStdString();
    }
    QFile file(victim);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "the victim's own file");
    EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"file"});
    EXPECT_EQ(QDir(grafFolder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{"1.bmp", "link"}));
}

TEST_F(SaveMapTest, failedSaveNamesTheFileAndTheReasonAndChangesNothing) {
    const QString missing = uniqueName("graph-missing");
    const QImage map = w.picture1()->image();
    answerPrompt(missing + "\\map");
    w.button("Command5")->click();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.first().contains(missing + "/map.bmp")) << errors.first().toStdString();
    EXPECT_TRUE(errors.first().contains("No such file or directory"))
        << errors.first().toStdString();
    EXPECT_FALSE(QDir(grafFolder()).exists(missing)); // the folder is not created
    EXPECT_EQ(w.picture1()->image(), map);
    EXPECT_TRUE(w.button("Command5")->isEnabled());
    EXPECT_EQ(w.state.load5Step, 1);
}

} // namespace
