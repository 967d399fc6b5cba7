#include "Startup.h"

#include "Form1Layout.h"
#include "LinkTrace.h"
#include "Operator.h"
#include "QtSerialPort.h"

#include <QCoreApplication>

namespace velmor {

PortFactory devicePortFactory(const QString& port1Device) {
    return [port1Device]() -> std::unique_ptr<SerialPort> {
        return std::make_unique<QtSerialPort>(port1Device);
    };
}

PortFactory tracedPortFactory(PortFactory inner, const QString& tracePath) {
    auto trace = std::make_shared<LinkTrace>(tracePath, [](const QString& why) {
        ui::reportError(QCoreApplication::translate("velmor::Startup", "Трасса связи"), why);
    });
    return [inner = std::move(inner), trace]() -> std::unique_ptr<SerialPort> {
        return std::make_unique<TracingPort>(inner(), trace);
    };
}

std::unique_ptr<Form1> startManualWindow(SharedState& state, const PortFactory& makePort) {
    QString error;
    auto form = Form1::load(state, makePort, &error);
    if (!form)
        ui::reportError(form1Caption, error);
    return form;
}

} // namespace velmor
