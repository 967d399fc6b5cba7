// Saving a finished map where it cannot be written: a message naming the file and the reason,
// the plot and the sweep as they were, nothing half-written, an earlier map left byte for byte.
#include "AnswerPrompt.h"
#include "FileContents.h"
#include "GrafWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace velmor::testing {
namespace {

// An earlier map: bytes that no save of this plot would write.
QByteArray earlierMap() {
    QByteArray bytes("BM");
    for (int i = 0; i < 10000; ++i)
        bytes += static_cast<char>(i * 7 % 251);
    return bytes;
}

class SaveFaultTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(g.form->load());
        g.form->onSaveError([this](const QString& message) { errors << message; });
        g.runToTheEnd();
        ASSERT_TRUE(g.button("Command5")->isEnabled());
        map = g.picture1()->image();
        steps = {g.state.load12Step, g.state.load5Step};
    }

    void TearDown() override {
        for (const QString& mount : mounts) {
            QProcess::execute("umount", {mount});
            QDir().rmdir(mount);
        }
    }

    // Saves under the typed name; the one message it gave, or an empty text.
    QString saveAs(const QString& typed) {
        errors.clear();
        answerPrompt(typed);
        g.button("Command5")->click();
        EXPECT_LE(errors.size(), 1);
        return errors.value(0);
    }

    void expectNothingChanged() {
        EXPECT_EQ(g.picture1()->image(), map);
        EXPECT_EQ((std::pair{g.state.load12Step, g.state.load5Step}), steps);
        EXPECT_TRUE(g.button("Command5")->isEnabled()) << "the map can be saved elsewhere";
    }

    QString grafFolder() const { return g.mapsFolder.path; }

    // A tiny file system of its own inside the Graf folder, or a skip when mounting is not
    // permitted here.
    QString mountTinyFs(const char* stem, const char* options) {
        const QString path = grafFolder() + QStringLiteral("/%1-%2").arg(stem).arg(
                                                QCoreApplication::applicationPid());
        if (!QDir().mkpath(path))
            return {};
        if (QProcess::execute("mount", {"-t", "tmpfs", "-o", options, "tmpfs", path}) != 0) {
            QDir().rmdir(path);
            return {};
        }
        mounts << path;
        return path;
    }

    GrafWindow g{0, 2, 255}; // one cell, then the end
    QStringList errors;
    QStringList mounts;
    QImage map;
    std::pair<int, int> steps;
};

TEST_F(SaveFaultTest, readOnlyFolderIsReportedAndTheEarlierMapStaysAsItWas) {
    const QString folder = mountTinyFs("readonly", "size=256k");
    if (folder.isEmpty())
        GTEST_SKIP() << "cannot mount a file system here (needs root)";
    const QString file = folder + "/map.bmp";
    {
        QFile earlier(file);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write(earlierMap());
    }
    ASSERT_EQ(QProcess::execute("mount", {"-o", "remount,ro", folder}), 0);

    const QString told = saveAs(QFileInfo(folder).fileName() + "\\map");
    EXPECT_TRUE(told.contains(file + ": Read-only file system")) << told.toStdString();
    EXPECT_EQ(fileContents(file), earlierMap());
    expectNothingChanged();

    const QString toldNew = saveAs(QFileInfo(folder).fileName() + "\\new");
    EXPECT_TRUE(toldNew.contains(folder + "/new.bmp: Read-only file system"))
        << toldNew.toStdString();
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"map.bmp"});
    expectNothingChanged();
}

TEST_F(SaveFaultTest, fullDiskIsReportedLeavesNoPartFileAndTheEarlierMapStaysAsItWas) {
    const QString folder = mountTinyFs("full", "size=64k");
    if (folder.isEmpty())
        GTEST_SKIP() << "cannot mount a file system here (needs root)";
    const QString file = folder + "/map.bmp";
    for (const QString& earlier : {file, folder + "/map.csv"}) {
        QFile f(earlier);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(earlierMap());
    }

    const QString told = saveAs(QFileInfo(folder).fileName() + "\\map"); // 1.4 MB into 64 KiB
    EXPECT_TRUE(told.contains(file)) << told.toStdString();
    EXPECT_TRUE(told.contains("No space left on device")) << told.toStdString();
    EXPECT_EQ(fileContents(file), earlierMap());
    EXPECT_EQ(fileContents(folder + "/map.csv"), earlierMap());
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"map.bmp", "map.csv"}))
        << "nothing half-written is left to fill the disk";
    expectNothingChanged();
}

TEST_F(SaveFaultTest, namesTheFileSystemRefusesAreReportedAndWriteNothing) {
    const QStringList before = QDir(grafFolder()).entryList(QDir::Files | QDir::Hidden);
    const QString tooLong(300, QLatin1Char('m'));
    const QString withNul = QStringLiteral("map") + QChar(0) + QStringLiteral("x");
    EXPECT_TRUE(saveAs(tooLong).contains("File name too long"));
    expectNothingChanged();
    EXPECT_TRUE(saveAs(withNul).contains("NUL")) << "saved as \"map\" without a word";
    expectNothingChanged();
    EXPECT_EQ(QDir(grafFolder()).entryList(QDir::Files | QDir::Hidden), before);
}

// A Graf folder beside the program that is not there is reported and not made; the user's
// own is made on the first save, for the user alone.
TEST_F(SaveFaultTest, missingGrafFolderBesideTheProgramIsReportedAndNotCreated) {
    ASSERT_TRUE(QDir(grafFolder()).removeRecursively());
    const QString told = saveAs("1");
    EXPECT_TRUE(told.contains(grafFolder() + "/1.bmp")) << told.toStdString();
    EXPECT_TRUE(told.contains("No such file or directory")) << told.toStdString();
    EXPECT_FALSE(QDir(grafFolder()).exists());
    expectNothingChanged();
}

TEST(SaveIntoTheUsersFolderTest, firstSaveMakesTheFolderForTheUserAlone) {
    GrafWindow user{0, 2, 255, true};
    ASSERT_FALSE(user.form->load());
    user.runToTheEnd();
    ASSERT_FALSE(QDir(user.mapsFolder.path).exists());
    QStringList errors;
    user.form->onSaveError([&errors](const QString& message) { errors << message; });
    answerPrompt(QStringLiteral("1"));
    user.button("Command5")->click();
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
    EXPECT_TRUE(QFile::exists(user.mapsFolder.path + "/1.bmp"));
    for (const QString& folder : {user.mapsFolder.path, user.dir.filePath("data")})
        EXPECT_EQ(QFileInfo(folder).permissions() &
                      ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)
            << folder.toStdString();
}

} // namespace
} // namespace velmor::testing
