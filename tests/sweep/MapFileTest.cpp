#include "MapFile.h"

#include <gtest/gtest.h>

using namespace velmor;

namespace {

QString pathOf(const QString& name) {
    const auto result = mapFilePath("/opt/bench/Graf", name);
    const auto* path = std::get_if<MapPath>(&result);
    return path ? path->path : QString();
}

bool refused(const QString& name) {
    return std::holds_alternative<MapNameRefused>(mapFilePath("/opt/bench/Graf", name));
}

TEST(MapFileTest, nameGoesIntoTheGrafFolderAsTypedLessBlanksAroundItsParts) {
    EXPECT_EQ(pathOf("1"), "/opt/bench/Graf/1.bmp");
    EXPECT_EQ(pathOf(" run 2 "), "/opt/bench/Graf/run 2.bmp");
    const auto spaced = std::get<MapPath>(mapFilePath("/opt/bench/Graf", " may \\ psu 1\t"));
    EXPECT_EQ(spaced.path, "/opt/bench/Graf/may/psu 1.bmp");
    EXPECT_EQ(spaced.relative, "may/psu 1.bmp");
    EXPECT_EQ(spaced.name, "may\\psu 1"); // what the summary calls it
    EXPECT_EQ(pathOf("карта"), "/opt/bench/Graf/карта.bmp");
    EXPECT_EQ(pathOf("may\\psu1"), "/opt/bench/Graf/may/psu1.bmp");
    EXPECT_EQ(pathOf("a..b"), "/opt/bench/Graf/a..b.bmp");
}

TEST(MapFileTest, emptyNamesAndNamesLeavingTheFolderAreRefused) {
    for (const char* name : {"", "  ", "sub\\", "sub\\ ", "..\\escape", "sub/../../escape", "..",
                             " .. ", "/tmp/map", " /tmp/map", ".", " . ", "a\\.\\b"})
        EXPECT_TRUE(refused(QString::fromUtf8(name))) << name;
}

} // namespace
