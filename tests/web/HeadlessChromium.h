#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <optional>

namespace velmor::testing {

// One headless Chromium for all the pages a case looks at, driven over its DevTools pipe
// (JSON messages, each ended by a NUL, on the browser's file descriptors 3 and 4): starting the
// browser costs seconds of processor time, loading a page in it milliseconds. Its profile lives
// in profileDir; closed with the object.
class HeadlessChromium {
public:
    HeadlessChromium(const QString& program, const QString& profileDir) {
        int toBrowser[2];
        int fromBrowser[2];
        if (::pipe2(toBrowser, O_CLOEXEC) != 0)
            return;
        if (::pipe2(fromBrowser, O_CLOEXEC) != 0) {
            ::close(toBrowser[0]);
            ::close(toBrowser[1]);
            return;
        }
        // Above 4, so that putting them on 3 and 4 in the browser never overwrites one by another.
        const int browserReads = aboveFour(toBrowser[0]);
        const int browserWrites = aboveFour(fromBrowser[1]);
        write_ = aboveFour(toBrowser[1]);
        read_ = aboveFour(fromBrowser[0]);
        browser_.setChildProcessModifier([browserReads, browserWrites] {
            ::dup2(browserReads, 3);
            ::dup2(browserWrites, 4);
        });
        browser_.setProgram(program);
        browser_.setArguments(
            {QStringLiteral("--headless=new"), QStringLiteral("--no-sandbox"),
             QStringLiteral("--disable-gpu"), QStringLiteral("--remote-debugging-pipe"),
             QStringLiteral("--window-size=1280,900"), QStringLiteral("--hide-scrollbars"),
             QStringLiteral("--user-data-dir=") + profileDir, QStringLiteral("about:blank")});
        browser_.start();
        ::close(browserReads);
        ::close(browserWrites);
        if (!browser_.waitForStarted())
            return;

        const QJsonObject target =
            call(QStringLiteral("Target.createTarget"),
                 {{QStringLiteral("url"), QStringLiteral("about:blank")}}, false);
        const QJsonObject attached =
            call(QStringLiteral("Target.attachToTarget"),
                 {{QStringLiteral("targetId"), target.value(QStringLiteral("targetId")).toString()},
                  {QStringLiteral("flatten"), true}},
                 false);
        session_ = attached.value(QStringLiteral("sessionId")).toString();
        if (session_.isEmpty())
            return;
        call(QStringLiteral("Page.enable"));
        call(QStringLiteral("Page.setLifecycleEventsEnabled"), {{QStringLiteral("enabled"), true}});
        call(QStringLiteral("Emulation.setDeviceMetricsOverride"),
             {{QStringLiteral("width"), 1280},
              {QStringLiteral("height"), 900},
              {QStringLiteral("deviceScaleFactor"), 1},
              {QStringLiteral("mobile"), false}});
    }

    ~HeadlessChromium() {
        if (browser_.state() != QProcess::NotRunning) {
            call(QStringLiteral("Browser.close"), {}, false);
            if (!browser_.waitForFinished(10000)) {
                browser_.kill();
                browser_.waitForFinished(5000);
            }
        }
        if (write_ >= 0)
            ::close(write_);
        if (read_ >= 0)
            ::close(read_);
    }

    HeadlessChromium(const HeadlessChromium&) = delete;
    HeadlessChromium& operator=(const HeadlessChromium&) = delete;

    // Loads the page and waits for its load event (its pictures loaded), as --dump-dom and
    // --screenshot do; false when it did not load within a minute.
    bool load(const QString& url) {
        if (session_.isEmpty())
            return false;
        const QJsonObject navigated =
            call(QStringLiteral("Page.navigate"), {{QStringLiteral("url"), url}});
        const QString loader = navigated.value(QStringLiteral("loaderId")).toString();
        if (loader.isEmpty() || navigated.contains(QStringLiteral("errorText")))
            return false;
        while (!loaded_.contains(loader))
            if (!receive())
                return false;
        return true;
    }

    // The loaded page's document as --dump-dom prints it.
    QByteArray dom() {
        const QJsonObject answer = call(
            QStringLiteral("Runtime.evaluate"),
            {{QStringLiteral("expression"), QStringLiteral("document.documentElement.outerHTML")},
             {QStringLiteral("returnByValue"), true}});
        return answer.value(QStringLiteral("result"))
            .toObject()
            .value(QStringLiteral("value"))
            .toString()
            .toUtf8();
    }

    // The loaded page drawn at 1280 × 900, as a PNG file's bytes.
    QByteArray screenshot() {
        const QJsonObject answer = call(QStringLiteral("Page.captureScreenshot"),
                                        {{QStringLiteral("format"), QStringLiteral("png")}});
        return QByteArray::fromBase64(answer.value(QStringLiteral("data")).toString().toLatin1());
    }

private:
    static int aboveFour(int fd) {
        const int moved = ::fcntl(fd, F_DUPFD_CLOEXEC, 5);
        ::close(fd);
        return moved;
    }

    // Sends one command (to the page, or to the browser itself) and waits for its answer's
    // result; empty when the browser did not answer within a minute or answered with an error.
    QJsonObject call(const QString& method, const QJsonObject& params = {}, bool toPage = true) {
        const int id = ++lastId_;
        QJsonObject message{{QStringLiteral("id"), id},
                            {QStringLiteral("method"), method},
                            {QStringLiteral("params"), params}};
        if (toPage)
            message.insert(QStringLiteral("sessionId"), session_);
        QByteArray bytes = QJsonDocument(message).toJson(QJsonDocument::Compact);
        bytes.append('\0');
        for (qsizetype sent = 0; sent < bytes.size();) {
            const ssize_t n = ::write(write_, bytes.constData() + sent, bytes.size() - sent);
            if (n <= 0)
                return {};
            sent += n;
        }
        while (true) {
            const std::optional<QJsonObject> answer = receive();
            if (!answer)
                return {};
            if (answer->value(QStringLiteral("id")).toInt() == id)
                return answer->value(QStringLiteral("result")).toObject();
        }
    }

    // The next message from the browser, noting each page load it reports; nothing when the
    // browser closed the pipe or said nothing for a minute.
    std::optional<QJsonObject> receive() {
        const QDeadlineTimer deadline(60000);
        qsizetype end;
        while ((end = pending_.indexOf('\0')) < 0) {
            pollfd readable{read_, POLLIN, 0};
            if (::poll(&readable, 1, static_cast<int>(deadline.remainingTime())) <= 0)
                return std::nullopt;
            char chunk[65536];
            const ssize_t n = ::read(read_, chunk, sizeof chunk);
            if (n <= 0)
                return std::nullopt;
            pending_.append(chunk, n);
        }
        const QJsonObject message = QJsonDocument::fromJson(pending_.left(end)).object();
        pending_.remove(0, end + 1);
        if (message.value(QStringLiteral("method")).toString() ==
            QStringLiteral("Page.lifecycleEvent")) {
            const QJsonObject event = message.value(QStringLiteral("params")).toObject();
            if (event.value(QStringLiteral("name")).toString() == QStringLiteral("load"))
                loaded_.append(event.value(QStringLiteral("loaderId")).toString());
        }
        return message;
    }

    QProcess browser_;
    int write_ = -1;
    int read_ = -1;
    int lastId_ = 0;
    QString session_;
    QByteArray pending_;
    QStringList loaded_;
};

} // namespace velmor::testing
