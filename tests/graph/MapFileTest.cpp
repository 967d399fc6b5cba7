#include "MapFile.h"

#include <gtest/gtest.h>

using namespace velmor;

namespace {

QString pathOf(const QString& name) {
    const auto result = mapFilePath("/opt/bench", name);
    const auto* path = std::get_if<MapPath>(&result);
    return path ? path->path : QString();
}

bool refused(const QString& name) {
    return std::holds_alternative<MapNameRefused>(mapFilePath("/opt/bench", name));
}

TEST(MapFileTest, nameGoesIntoTheGrafFolderAsTyped) {
    EXPECT_EQ(pathOf("1"), "/opt/bench/Graf/1.bmp");
    EXPECT_EQ(pathOf(" run 2 "), "/opt/bench/Graf/ run 2 .bmp"); // not trimmed
    EXPECT_EQ(pathOf("карта"), "/opt/bench/Graf/карта.bmp");
    EXPECT_EQ(pathOf("may\\psu1"), "/opt/bench/Graf/may/psu1.bmp");
    EXPECT_EQ(pathOf("a..b"), "/opt/bench/Graf/a..b.bmp");
}

TEST(MapFileTest, emptyNamesAndNamesLeavingTheFolderAreRefused) {
    for (const char* name : {"", "sub\\", "..\\escape", "sub/../../escape", "..", "/tmp/map"})
        EXPECT_TRUE(refused(QString::fromUtf8(name))) << name;
}

} // namespace
