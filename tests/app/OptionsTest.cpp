#include "Options.h"

#include <gtest/gtest.h>

using namespace velmor;

namespace {

TEST(OptionsTest, portAndTraceGivenTwiceOrEmptyAreRefused) {
    for (const QStringList& bad :
         {QStringList{"--port", "/dev/ttyS1", "--port", "/dev/ttyS2"}, QStringList{"--port="},
          QStringList{"--port", ""}, QStringList{"--trace", "a", "--trace", "b"},
          QStringList{"--trace", ""}}) {
        int exitCode = -1;
        ::testing::internal::CaptureStderr();
        EXPECT_FALSE(parseOptions(QStringList{"velmor-test"} + bad, &exitCode))
            << bad.join(' ').toStdString();
        const std::string told = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(exitCode, 2);
        EXPECT_TRUE(told.find("given twice") != std::string::npos ||
                    told.find("needs a name") != std::string::npos)
            << told;
    }
    int exitCode = -1;
    const auto options = parseOptions({"velmor-test", "--port", "/dev/ttyUSB0"}, &exitCode);
    ASSERT_TRUE(options);
    EXPECT_EQ(options->port1Device, "/dev/ttyUSB0");
}

} // namespace
