#pragma once

#include "Bench.h"

#include <QProcess>
#include <QStandardPaths>

namespace velmor::testing {

// The program itself on a virtual X display, driven as the operator drives it. Needs Xvfb and
// xdotool; skipped without them.
class OnDisplay : public Bench {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable("Xvfb").isEmpty() ||
            QStandardPaths::findExecutable("xdotool").isEmpty())
            GTEST_SKIP() << "needs Xvfb and xdotool";
        // -noreset: by default the server starts afresh whenever its last client leaves, and a
        // program connecting just then, while xdotool polls for its window, is turned away.
        xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                            "-noreset"});
        ASSERT_TRUE(eventually(
            [&] { return xvfb.state() == QProcess::NotRunning || xvfb.canReadLine(); }, 10000));
        const QString number = QString::fromLatin1(xvfb.readLine()).trimmed();
        ASSERT_FALSE(number.isEmpty()) << "Xvfb did not start";
        display = ":" + number;
    }

    void TearDown() override {
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished(5000);
        }
        if (xvfb.state() != QProcess::NotRunning) {
            xvfb.terminate();
            xvfb.waitForFinished(5000);
        }
        Bench::TearDown();
    }

    QString xdotool(const QStringList& arguments) {
        QProcess tool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display);
        tool.setProcessEnvironment(env);
        tool.start("xdotool", arguments);
        tool.waitForFinished(10000);
        return QString::fromLatin1(tool.readAllStandardOutput()).trimmed();
    }

    // The first visible window whose title matches, once it is there.
    QString window(const QString& titlePattern) {
        QString id;
        eventually(
            [&] {
                id = xdotool({"search", "--onlyvisible", "--name", titlePattern})
                         .section('\n', 0, 0);
                return !id.isEmpty();
            },
            programPatienceMs);
        return id;
    }

    bool visible(const QString& titlePattern) {
        return !xdotool({"search", "--onlyvisible", "--name", titlePattern}).isEmpty();
    }

    QProcess xvfb;
    QProcess program;
    QString display;
};

} // namespace velmor::testing
