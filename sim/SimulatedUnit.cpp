#include "SimulatedUnit.h"

#include "LineSettings.h"
#include "PseudoTerminal.h"

#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace velmor::sim {

namespace {

// How often the unit looks whether a program has opened the port, while none holds it.
constexpr int listenerWatchMs = 20;
// How long the unit waits before it tries again when no new pseudo-terminal can be made.
constexpr int restoreRetryMs = 1000;

// When the nth byte (from 1) of bytes that began to leave at startNs is wholly on the wire.
qint64 byteDoneNs(qint64 startNs, qint64 n) {
    return startNs + n * bitsPerByte(unitLineSettings) * 1000000000LL / unitLineSettings.baud;
}

// How many bytes that began to leave at startNs are wholly on the wire at nowNs.
qint64 bytesDone(qint64 startNs, qint64 nowNs) {
    return (nowNs - startNs) * unitLineSettings.baud /
           (bitsPerByte(unitLineSettings) * 1000000000LL);
}

} // namespace

SimulatedUnit::SimulatedUnit(QObject* parent)
    : QObject(parent), lineTimer_(this), unsolicited_(this), listenerWatch_(this), dropTimer_(this),
      restoreTimer_(this), replayTimer_(this) {
    clock_.start();
    unsolicited_.setTimerType(Qt::PreciseTimer);
    unsolicited_.setInterval(unsolicitedMs_);
    connect(&unsolicited_, &QTimer::timeout, this, &SimulatedUnit::reply);
    listenerWatch_.setInterval(listenerWatchMs);
    connect(&listenerWatch_, &QTimer::timeout, this, &SimulatedUnit::watchForListener);
    dropTimer_.setInterval(dropEveryMs);
    connect(&dropTimer_, &QTimer::timeout, this, [this] {
        if (isLinkUp())
            dropLink(dropForMs);
    });
    restoreTimer_.setSingleShot(true);
    connect(&restoreTimer_, &QTimer::timeout, this, &SimulatedUnit::restoreLink);
    lineTimer_.setSingleShot(true);
    lineTimer_.setTimerType(Qt::PreciseTimer);
    connect(&lineTimer_, &QTimer::timeout, this, &SimulatedUnit::flushUnsent);
    replayTimer_.setSingleShot(true);
    replayTimer_.setTimerType(Qt::PreciseTimer);
    connect(&replayTimer_, &QTimer::timeout, this, &SimulatedUnit::playDueChunks);
}

SimulatedUnit::~SimulatedUnit() {
    detach();
}

std::optional<QString> SimulatedUnit::start(const QString& linkPath) {
    if (isLinkUp() || restoreTimer_.isActive())
        return QStringLiteral("the simulated unit is already running on %1").arg(devicePath());
    auto opened = openPtyMaster();
    if (auto* error = std::get_if<QString>(&opened))
        return QStringLiteral("Cannot make a pseudo-terminal: %1").arg(*error);
    const PtyMaster pty = std::get<PtyMaster>(opened);
    if (!linkPath.isEmpty()) {
        if (auto error = pointSymlink(linkPath, pty.slavePath)) {
            ::close(pty.fd);
            return QStringLiteral("Cannot make the link: %1").arg(*error);
        }
    }
    linkPath_ = linkPath;
    attach(pty.fd, pty.slavePath);
    return std::nullopt;
}

void SimulatedUnit::setFaultMode(FaultMode mode) {
    mode_ = mode;
    if (mode == FaultMode::Drop)
        dropTimer_.start();
    else
        dropTimer_.stop();
}

void SimulatedUnit::setUnsolicitedInterval(int milliseconds) {
    unsolicitedMs_ = std::max(milliseconds, 0);
    if (unsolicitedMs_ == 0 || replaying_) {
        unsolicited_.stop();
        return;
    }
    unsolicited_.setInterval(unsolicitedMs_);
    if (listener_)
        unsolicited_.start();
}

void SimulatedUnit::dropLink(int milliseconds) {
    if (!isLinkUp())
        return;
    detach();
    emit linkDropped();
    restoreTimer_.start(std::max(milliseconds, 0));
}

void SimulatedUnit::setReplay(Replay replay) {
    replay_ = std::move(replay);
    replaying_ = true;
    nextSegment_ = 0;
    unsolicited_.stop();
    if (listener_)
        playNextSegment();
}

void SimulatedUnit::playNextSegment() {
    nextChunk_ = 0;
    if (nextSegment_ >= replay_.segments.size())
        return; // the recording is over: the unit falls silent
    ++nextSegment_;
    segmentClock_.start();
    playDueChunks();
}

void SimulatedUnit::playDueChunks() {
    if (!listener_ || nextSegment_ == 0)
        return;
    const ReplaySegment& segment = replay_.segments[nextSegment_ - 1];
    while (nextChunk_ < segment.size() && segment[nextChunk_].atMs <= segmentClock_.elapsed())
        send(segment[nextChunk_++].bytes);
    if (nextChunk_ < segment.size())
        replayTimer_.start(static_cast<int>(segment[nextChunk_].atMs - segmentClock_.elapsed()));
}

void SimulatedUnit::send(const QByteArray& bytes) {
    queue(bytes, true);
}

void SimulatedUnit::queue(const QByteArray& bytes, bool flood) {
    if (!listener_ || bytes.isEmpty())
        return;
    if (unsent_.size() + bytes.size() > maxUnsentBytes)
        return;
    if (unsent_.isEmpty()) { // the line is idle: these bytes begin to leave now
        lineStartNs_ = clock_.nsecsElapsed();
        lineSent_ = 0;
    }
    unsent_ += bytes;
    flood_ = flood_ || flood;
    flushUnsent();
}

void SimulatedUnit::attach(int masterFd, const QString& ptyPath) {
    masterFd_ = masterFd;
    ptyPath_ = ptyPath;
    readable_ = new QSocketNotifier(masterFd_, QSocketNotifier::Read, this);
    readable_->setEnabled(false);
    connect(readable_, &QSocketNotifier::activated, this, &SimulatedUnit::readFromProgram);
    writable_ = new QSocketNotifier(masterFd_, QSocketNotifier::Write, this);
    writable_->setEnabled(false);
    connect(writable_, &QSocketNotifier::activated, this, &SimulatedUnit::flushUnsent);
    listenerWatch_.start();
}

void SimulatedUnit::detach() {
    listenerGone();
    listenerWatch_.stop();
    if (masterFd_ < 0)
        return;
    delete readable_;
    delete writable_;
    readable_ = writable_ = nullptr;
    ::close(masterFd_);
    masterFd_ = -1;
    // The device node is gone with the pseudo-terminal; so is the link to it, rather than
    // pointing at whatever pseudo-terminal gets the number next.
    if (!linkPath_.isEmpty())
        removeSymlinkTo(linkPath_, ptyPath_);
}

void SimulatedUnit::restoreLink() {
    auto opened = openPtyMaster();
    if (auto* error = std::get_if<QString>(&opened)) {
        qWarning("simulated unit: cannot make a pseudo-terminal: %s", qPrintable(*error));
        restoreTimer_.start(restoreRetryMs);
        return;
    }
    const PtyMaster pty = std::get<PtyMaster>(opened);
    if (!linkPath_.isEmpty()) {
        if (auto error = pointSymlink(linkPath_, pty.slavePath))
            qWarning("simulated unit: cannot re-point the link: %s", qPrintable(*error));
    }
    attach(pty.fd, pty.slavePath);
    emit linkRestored(ptyPath_);
}

void SimulatedUnit::watchForListener() {
    if (masterFd_ < 0 || !slaveIsOpen(masterFd_))
        return;
    listenerWatch_.stop();
    listener_ = true;
    readable_->setEnabled(true);
    if (replaying_)
        playNextSegment();
    else if (unsolicitedMs_ > 0)
        unsolicited_.start();
}

void SimulatedUnit::listenerGone() {
    // With no program on the slave side the master reads as hung up: stop listening (or the
    // notifier would fire without end), forget what was queued, and wait for the next opener.
    listener_ = false;
    if (readable_)
        readable_->setEnabled(false);
    if (writable_)
        writable_->setEnabled(false);
    unsolicited_.stop();
    replayTimer_.stop();
    lineTimer_.stop();
    assembler_.clear();
    unsent_.clear();
    flood_ = false;
    if (masterFd_ >= 0)
        listenerWatch_.start();
}

void SimulatedUnit::readFromProgram() {
    char buffer[4096];
    // A handler of frameReceived may have dropped the link meanwhile.
    while (listener_) {
        const ssize_t n = ::read(masterFd_, buffer, sizeof buffer);
        if (n > 0) {
            takeFrames(QByteArray(buffer, static_cast<qsizetype>(n)));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return;
        listenerGone(); // EIO: the program closed the port
        return;
    }
}

void SimulatedUnit::takeFrames(const QByteArray& bytes) {
    const auto frames = assembler_.feed(bytes, clock_.elapsed());
    for (const ControlFrame& frame : frames) {
        if (!listener_)
            return; // a handler of frameReceived dropped the link
        const ReceivedFrame received{clock_.nsecsElapsed() / 1000, frame};
        frames_.push_back(received);
        model_.apply(frame, clock_.elapsed());
        emit frameReceived(received);
        if (!replaying_)
            reply();
    }
    if (!frames.empty() && unsolicited_.isActive())
        unsolicited_.start(); // the next reply of its own comes a full interval after this one
}

void SimulatedUnit::reply() {
    queue(shaper_.shape(mode_, model_.reply(clock_.elapsed())), mode_ == FaultMode::Burst);
}

void SimulatedUnit::flushUnsent() {
    const qint64 due =
        flood_ ? unsent_.size()
               : std::clamp<qint64>(bytesDone(lineStartNs_, clock_.nsecsElapsed()) - lineSent_, 0,
                                    unsent_.size());
    qint64 written = 0;
    while (written < due) {
        const ssize_t n =
            ::write(masterFd_, unsent_.constData() + written, static_cast<size_t>(due - written));
        if (n > 0) {
            written += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            unsent_.remove(0, written);
            lineSent_ += written;
            writable_->setEnabled(true);
            return;
        }
        listenerGone();
        return;
    }
    unsent_.remove(0, written);
    lineSent_ += written;
    if (writable_)
        writable_->setEnabled(false);
    if (unsent_.isEmpty())
        flood_ = false;
    else
        queueNextByte();
}

void SimulatedUnit::queueNextByte() {
    const qint64 waitNs = byteDoneNs(lineStartNs_, lineSent_ + 1) - clock_.nsecsElapsed();
    lineTimer_.start(static_cast<int>(std::max<qint64>(1, (waitNs + 999999) / 1000000)));
}

} // namespace velmor::sim

#include "moc_SimulatedUnit.cpp"
