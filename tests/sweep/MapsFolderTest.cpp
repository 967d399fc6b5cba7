#include "MapsFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace velmor;

namespace {

TEST(MapsFolderTest, besideAWritableProgramElseInTheUsersDataFolder) {
    EXPECT_EQ(chooseMapsFolder("/home/ann/bench/bin", true, "/home/ann/.local/share/velmor-test"),
              (MapsFolder{"/home/ann/bench/bin/Graf", false}));
    EXPECT_EQ(chooseMapsFolder("/usr/lib/velmor-test", false, "/home/ann/.local/share/velmor-test"),
              (MapsFolder{"/home/ann/.local/share/velmor-test/Graf", true}));
}

TEST(MapsFolderTest, theUsersFolderIsMadeUserOnlyOnFirstUseAndAFolderBesideTheProgramNever) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const MapsFolder user{home.filePath("share/velmor-test/Graf"), true};
    ASSERT_EQ(prepareMapsFolder(user), std::nullopt);
    const auto userOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    for (const char* made : {"share", "share/velmor-test", "share/velmor-test/Graf"}) {
        const auto permissions = QFileInfo(home.filePath(made)).permissions();
        EXPECT_EQ(permissions & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser), userOnly)
            << made;
    }
    EXPECT_EQ(prepareMapsFolder(user), std::nullopt) << "there already";

    const MapsFolder beside{home.filePath("bin/Graf"), false};
    EXPECT_EQ(prepareMapsFolder(beside), std::nullopt);
    EXPECT_FALSE(QDir(home.filePath("bin")).exists());

    const MapsFolder blocked{home.filePath("file/Graf"), true};
    QFile file(home.filePath("file"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const auto error = prepareMapsFolder(blocked);
    ASSERT_TRUE(error);
    EXPECT_TRUE(error->contains(home.filePath("file"))) << error->toStdString();
}

} // namespace
