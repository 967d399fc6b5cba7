#pragma once

#include "Frames.h"

#include <QObject>
#include <QProcess>

#include <optional>
#include <vector>

namespace velmor::bench {

// A frame as the simulated unit logged it, with its receive time on the unit's clock.
struct LoggedFrame {
    qint64 atMicroseconds = 0;
    ControlFrame frame;
};

// Makes a child process end when the bench does, even when the bench stops half-way.
void endWithParent(QProcess& process);

// One line of `velmor-unit-sim --log`: "<ms, 3 decimals> ms  01 FF FD FF  switch 1, ...".
std::optional<LoggedFrame> parseLogLine(const QByteArray& line);

// The simulated unit in a process of its own, so that the program under test has its event
// loop to itself and the frame times come from an independent clock.
class UnitProcess final : public QObject {
    Q_OBJECT
public:
    ~UnitProcess() override;

    // Starts the unit, with the options given, and waits for the device it offers; returns an
    // error text or nothing.
    std::optional<QString> start(const QString& program, const QStringList& options = {});
    QString devicePath() const { return devicePath_; }
    const std::vector<LoggedFrame>& frames() const { return frames_; }

signals:
    void framesLogged();

private:
    void readLog();

    QProcess process_;
    QByteArray pending_;
    QString devicePath_;
    std::vector<LoggedFrame> frames_;
};

} // namespace velmor::bench
