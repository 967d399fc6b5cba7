// What the operator sees while records cannot be stored: one note in the window titles.
#include "Recording.h"
#include "RecordsTest.h"
#include "TitleNote.h"

#include <QTest>
#include <QWidget>

using namespace velmor::results;
using namespace velmor::testing;

namespace {

TEST(RecordingTitleTest,
     storeTroubleShowsInEveryTitleKeepsThroughTitleChangesAndBadUrlsAreRefused) {
    PrivateHome home;
    QWidget window;
    window.setWindowTitle(QStringLiteral("Velmor test"));
    window.show();
    // A store that cannot be created: the bench goes on, the titles say so.
    auto started = Recording::start(QStringLiteral("sqlite:/proc/velmor/results.sqlite"), "p");
    ASSERT_TRUE(std::holds_alternative<std::unique_ptr<Recording>>(started));
    const auto& recording = std::get<std::unique_ptr<Recording>>(started);
    ASSERT_TRUE(recording);
    ui::TitleNote waiting(troubleNote());
    recording->onTrouble([&](bool shown) { waiting.show(shown); });
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return window.windowTitle() == QStringLiteral("Velmor test") + troubleNote(); },
        10000))
        << window.windowTitle().toStdString();
    window.setWindowTitle(QStringLiteral("Velmor test — порт недоступен")); // a lost port
    EXPECT_EQ(window.windowTitle(),
              QStringLiteral("Velmor test — порт недоступен") + troubleNote());

    EXPECT_FALSE(
        std::get<std::unique_ptr<Recording>>(Recording::start(QStringLiteral("off"), "p")));
    const auto bad = Recording::start(QStringLiteral("mysql://db/results"), "p");
    ASSERT_TRUE(std::holds_alternative<QString>(bad));
    EXPECT_TRUE(std::get<QString>(bad).contains("is not a results URL"));
}

} // namespace
