#pragma once

#include "FaultMode.h"
#include "FrameAssembler.h"
#include "Frames.h"
#include "SupplyModel.h"
#include "TraceReplay.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <optional>
#include <vector>

class QSocketNotifier;

namespace velmor::sim {

// A control frame as the unit received it.
struct ReceivedFrame {
    qint64 atMicroseconds = 0; // since the unit was made
    ControlFrame frame;
};

// The load-and-measurement unit with a simulated supply behind it, on a pseudo-terminal. The
// program opens devicePath() as its serial port. Runs on the event loop of its thread; it
// never blocks.
//
// It answers every control frame with one reply from the model, and sends a reply of its own
// every 100 ms while no frame comes (the manual window speaks only after it has heard the
// unit). Nothing is sent while no program holds the port, so a program that opens it later
// does not find old replies waiting. Its bytes leave at the line's rate, 9600 baud 8N1, each
// written once its last bit would be on the wire (a reply takes 4.17 ms); only a burst, as from
// a flooded adapter, and raw bytes sent come at once.
class SimulatedUnit : public QObject {
    Q_OBJECT
public:
    static constexpr int defaultUnsolicitedMs = 100;
    // In Drop mode the link goes away every dropEveryMs for dropForMs.
    static constexpr int dropEveryMs = 5000;
    static constexpr int dropForMs = 1000;
    // Replies beyond this many unsent bytes are lost, as in a full transmit buffer.
    static constexpr int maxUnsentBytes = 1024 * 1024;

    explicit SimulatedUnit(QObject* parent = nullptr);
    ~SimulatedUnit() override;

    // Opens the pseudo-terminal. With a link path a symlink there points at it (an earlier
    // symlink is replaced, any other file is not) and follows the unit onto each new
    // pseudo-terminal after a drop. Returns an error text, or nothing.
    std::optional<QString> start(const QString& linkPath = {});

    // What the program opens: the link path if one was given, else the pseudo-terminal.
    QString devicePath() const { return linkPath_.isEmpty() ? ptyPath_ : linkPath_; }
    QString ptyPath() const { return ptyPath_; }
    bool isLinkUp() const { return masterFd_ >= 0; }
    bool hasListener() const { return listener_; }

    void setFaultMode(FaultMode mode);
    FaultMode faultMode() const { return mode_; }

    // 0 stops the unit's own replies; it then answers frames only.
    void setUnsolicitedInterval(int milliseconds);

    // Closes the unit's side of the link, as an unplugged adapter; after the given time the
    // unit comes back on a new pseudo-terminal and re-points the symlink.
    void dropLink(int milliseconds);

    // Plays back what a real unit sent in a recorded trace instead of answering from the
    // model: each time the program opens the port the next segment of the trace starts, with
    // its recorded timing. Frames are still recorded.
    void setReplay(Replay replay);

    // Sends raw bytes to the program at once, past the model, the fault mode and the line's
    // rate (as a recording played back keeps its own timing).
    void send(const QByteArray& bytes);

    SupplyModel& model() { return model_; }
    const std::vector<ReceivedFrame>& receivedFrames() const { return frames_; }
    void clearReceivedFrames() { frames_.clear(); }

signals:
    void frameReceived(const velmor::sim::ReceivedFrame& frame);
    void linkDropped();
    void linkRestored(const QString& ptyPath);

private:
    void attach(int masterFd, const QString& ptyPath);
    void detach();
    void restoreLink();
    void watchForListener();
    void listenerGone();
    void readFromProgram();
    void takeFrames(const QByteArray& bytes);
    void reply();
    void queue(const QByteArray& bytes, bool flood);
    void flushUnsent();
    void queueNextByte();
    void playNextSegment();
    void playDueChunks();

    SupplyModel model_;
    ReplyShaper shaper_;
    FaultMode mode_ = FaultMode::Normal;

    int masterFd_ = -1;
    QString ptyPath_;
    QString linkPath_;
    bool listener_ = false;
    QSocketNotifier* readable_ = nullptr;
    QSocketNotifier* writable_ = nullptr;

    FrameAssembler assembler_;
    QByteArray unsent_;
    qint64 lineStartNs_ = 0; // when the first of the bytes now going out began to leave
    qint64 lineSent_ = 0;    // how many of them have left since
    bool flood_ = false;     // a burst is going out: as fast as the program takes it
    QTimer lineTimer_;       // the next byte's time

    int unsolicitedMs_ = defaultUnsolicitedMs;
    QTimer unsolicited_;
    QTimer listenerWatch_;
    QTimer dropTimer_;
    QTimer restoreTimer_;

    QElapsedTimer clock_;
    std::vector<ReceivedFrame> frames_;

    bool replaying_ = false;
    Replay replay_;
    std::size_t nextSegment_ = 0;
    std::size_t nextChunk_ = 0;
    QElapsedTimer segmentClock_;
    QTimer replayTimer_;
};

} // namespace velmor::sim
