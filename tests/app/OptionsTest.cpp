#include "Options.h"
#include "UnitOptions.h"

#include <QFile>
#include <QTemporaryDir>

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

// What a barcode scanner types is taken; a control character (which could drive the terminal the
// message goes to), a 65th character or nothing is refused naming the option or the file's line,
// and the command line's fields win over the file's.
TEST(OptionsTest, unitModelAndOperatorAreCheckedOnTheCommandLineAndInTheConfigFile) {
    const QString longest(maxIdentityLength, QLatin1Char('7'));
    int exitCode = -1;
    const auto options = parseOptions(
        {"velmor-test", "--unit", longest, "--model", "ATX 500, rev. B", "--operator", "Пётр"},
        &exitCode);
    ASSERT_TRUE(options);
    EXPECT_EQ(options->unit, (UnitIdentity{longest, "ATX 500, rev. B", "Пётр"}));

    for (const auto& [bad, told] :
         {std::pair{QStringList{"--unit", "PSU\x1b[2J"}, "--unit: a serial number is 1 to 64 "
                                                         "printable characters; this one has "
                                                         "the unprintable character U+001B at "
                                                         "character 4"},
          std::pair{QStringList{"--unit", longest + "8"}, "--unit: a serial number is 1 to 64 "
                                                          "printable characters; this one has "
                                                          "65 characters"},
          std::pair{QStringList{"--model", "\t"}, "--model: a model name is"},
          std::pair{QStringList{"--operator="}, "this one is empty"},
          std::pair{QStringList{"--unit", "A", "--unit", "B"}, "--unit given twice"}}) {
        exitCode = -1;
        ::testing::internal::CaptureStderr();
        EXPECT_FALSE(parseOptions(QStringList{"velmor-test"} + bad, &exitCode));
        const std::string stderrText = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(exitCode, 2);
        EXPECT_NE(stderrText.find(told), std::string::npos) << stderrText;
        EXPECT_EQ(stderrText.find('\x1b'), std::string::npos) << "printed raw";
    }

    QTemporaryDir dir;
    const QString config = dir.filePath("velmor-test.conf");
    const auto write = [&config](const QByteArray& text) {
        QFile file(config);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    write("results=off\r\nunit = PSU-0815\r\n[General]\r\nmodel=ATX "
          "500\r\n[other]\r\noperator=x\r\n");
    const auto configured = configuredUnit(config);
    ASSERT_TRUE(std::holds_alternative<UnitIdentity>(configured));
    EXPECT_EQ(std::get<UnitIdentity>(configured), (UnitIdentity{"PSU-0815", "ATX 500", ""}));
    EXPECT_EQ(givenOver({"", "", "Ivanov"}, std::get<UnitIdentity>(configured)),
              (UnitIdentity{"PSU-0815", "ATX 500", "Ivanov"}));
    write("results=off\noperator=Ivanov\x07\n");
    const auto refused = configuredUnit(config);
    ASSERT_TRUE(std::holds_alternative<QString>(refused));
    EXPECT_TRUE(std::get<QString>(refused).startsWith(config + ", line 2 (operator=): an operator"))
        << std::get<QString>(refused).toStdString();
}

// The look at the arguments before there is an application reads them as the parser does: a
// value is not an option, and every spelling of help is text only.
TEST(OptionsTest, theLookBeforeStartingReadsTheArgumentsAsTheParserDoes) {
    const auto args = [](QStringList rest) { return QStringList{"velmor-test"} + rest; };
    EXPECT_TRUE(wantsUnattendedSweep(args({"--sweep=a"})));
    EXPECT_TRUE(wantsUnattendedSweep(args({"--port", "/dev/ttyS1", "--sweep", "a"})));
    EXPECT_FALSE(wantsUnattendedSweep(args({"--trace", "--sweep"}))); // a trace file's name
    EXPECT_FALSE(wantsUnattendedSweep(args({"--unit", "--sweep"})));
    for (const char* text : {"-h", "--help", "--help-all", "-v", "--version", "--list-ports"})
        EXPECT_TRUE(wantsTextOnly(args({"--sweep", "a", QString::fromLatin1(text)}))) << text;
    EXPECT_FALSE(wantsTextOnly(args({"--operator", "--help"})));

    // --help-all is help too, not a silent start of nothing.
    int exitCode = -1;
    ::testing::internal::CaptureStdout();
    EXPECT_FALSE(parseOptions(args({"--help-all"}), &exitCode));
    const std::string help = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(exitCode, 0);
    EXPECT_NE(help.find("--link-timeout <SECONDS>"), std::string::npos) << help;
}

} // namespace
