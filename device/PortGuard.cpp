#include "PortGuard.h"

#include "Frames.h"

#include <algorithm>
#include <vector>

namespace velmor {

namespace {

class GuardedPort;

constexpr int flushTimeoutMs = 2000;

void loadsOff(SerialPort& port, int timeoutMs) {
    sendFrame(port, allOffFrame);
    port.waitForWritten(timeoutMs);
    port.close();
}

} // namespace

struct PortGuard::Watched {
    std::vector<GuardedPort*> ports;
    bool closedForGood = false;
};

namespace {

class GuardedPort final : public SerialPort {
public:
    GuardedPort(std::unique_ptr<SerialPort> inner, std::shared_ptr<PortGuard::Watched> watched)
        : inner_(std::move(inner)), watched_(std::move(watched)) {
        watched_->ports.push_back(this);
    }
    // A window closed by its frame goes with its port: the unit is left with the loads off.
    ~GuardedPort() override {
        std::erase(watched_->ports, this);
        if (inner_->isOpen())
            loadsOff(*inner_, flushTimeoutMs);
    }

    std::optional<QString> open(int portNumber, const LineSettings& lineSettings) override {
        if (watched_->closedForGood)
            return QStringLiteral("Cannot open the serial port: the program is ending");
        return inner_->open(portNumber, lineSettings);
    }
    bool writeByte(quint8 byte) override {
        return !watched_->closedForGood && inner_->writeByte(byte);
    }
    QByteArray readAll() override { return inner_->readAll(); }
    void dropInput() override { inner_->dropInput(); }
    void holdInput(bool held) override { inner_->holdInput(held); }
    void close() override { inner_->close(); }
    bool isOpen() const override { return inner_->isOpen(); }
    bool waitForWritten(int timeoutMs) override { return inner_->waitForWritten(timeoutMs); }
    std::optional<QString> lostReason() const override { return inner_->lostReason(); }
    QString device() const override { return inner_->device(); }

    SerialPort& inner() { return *inner_; }

private:
    std::unique_ptr<SerialPort> inner_;
    std::shared_ptr<PortGuard::Watched> watched_;
};

} // namespace

PortGuard::PortGuard() : watched_(std::make_shared<Watched>()) {}

PortFactory PortGuard::watch(PortFactory inner) const {
    return [inner = std::move(inner), watched = watched_]() -> std::unique_ptr<SerialPort> {
        return std::make_unique<GuardedPort>(inner(), watched);
    };
}

int PortGuard::loadsOffAndClose(int timeoutMs) {
    watched_->closedForGood = true;
    int open = 0;
    for (GuardedPort* port : watched_->ports) {
        SerialPort& inner = port->inner();
        if (!inner.isOpen())
            continue;
        ++open;
        loadsOff(inner, timeoutMs);
    }
    return open;
}

} // namespace velmor
