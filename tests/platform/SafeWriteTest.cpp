#include "SafeWrite.h"
#include "FileContents.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace velmor {
namespace {

using velmor::testing::fileContents;

void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A folder to write into, with a victim's file outside it.
class SafeWriteTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir(dir.path()).mkpath("Graf/may"));
        ASSERT_TRUE(QDir(dir.path()).mkdir("victim"));
        write(victim, "the victim's own file");
    }

    QStringList listing(const QString& sub = "Graf") const {
        return QDir(dir.filePath(sub)).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    }

    QTemporaryDir dir;
    const QString folder = dir.filePath("Graf");
    const QString victim = dir.filePath("victim/file");
};

TEST_F(SafeWriteTest, writesAllFilesAndReplacesEarlierOnesWithNothingLeftOver) {
    write(folder + "/may/a.csv", "earlier");
    EXPECT_EQ(writeFilesInFolder(folder, {{"may/a.bmp", "BM1"}, {"may/a.csv", "x,y\n"}}),
              std::nullopt);
    EXPECT_EQ(fileContents(folder + "/may/a.bmp"), "BM1");
    EXPECT_EQ(fileContents(folder + "/may/a.csv"), "x,y\n");
    EXPECT_EQ(listing("Graf/may"), (QStringList{".", "..", "a.bmp", "a.csv"}));
}

TEST_F(SafeWriteTest, aLinkPlantedAtANameIsRefusedAndNothingIsWritten) {
    ASSERT_TRUE(QFile::link(victim, folder + "/1.csv"));
    const auto error = writeFilesInFolder(folder, {{"1.bmp", "BM"}, {"1.csv", "data"}});
    ASSERT_TRUE(error);
    EXPECT_TRUE(error->startsWith("Не удаётся сохранить " + folder + "/1.csv: "))
        << error->toStdString();
    EXPECT_TRUE(error->contains("символическая ссылка")) << error->toStdString();
    EXPECT_EQ(fileContents(victim), "the victim's own file");
    EXPECT_EQ(listing(), (QStringList{".", "..", "1.csv", "may"})) << "no BMP, no temporary file";
    EXPECT_TRUE(QFileInfo(folder + "/1.csv").isSymLink());
}

TEST_F(SafeWriteTest, aLinkedFolderOnTheWayIsRefusedAndNothingIsWrittenBeyondIt) {
    ASSERT_TRUE(QFile::link(dir.filePath("victim"), folder + "/link"));
    const auto error = writeFilesInFolder(folder, {{"link/planted.bmp", "BM"}});
    ASSERT_TRUE(error);
    EXPECT_TRUE(error->contains(folder + "/link — символическая ссылка")) << error->toStdString();
    EXPECT_EQ(listing("victim"), (QStringList{".", "..", "file"}));
}

TEST_F(SafeWriteTest, aFolderStandingAtALaterNameStopsEveryFileBeforeAnyIsPutInPlace) {
    write(folder + "/m.bmp", "earlier map");
    ASSERT_TRUE(QDir(folder).mkdir("m.txt"));
    const auto error = writeFilesInFolder(folder, {{"m.bmp", "BM new"}, {"m.txt", "summary"}});
    ASSERT_TRUE(error);
    EXPECT_TRUE(error->startsWith("Не удаётся сохранить " + folder + "/m.txt: "))
        << error->toStdString();
    EXPECT_EQ(fileContents(folder + "/m.bmp"), "earlier map");
    EXPECT_EQ(listing(), (QStringList{".", "..", "m.bmp", "m.txt", "may"}));
}

} // namespace
} // namespace velmor
