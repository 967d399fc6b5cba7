#include "CalibrationPointRun.h"

#include <QCoreApplication>

namespace velmor {

namespace {

struct PointRunText {
    Q_DECLARE_TR_FUNCTIONS(CalibrationPointRun)
};

} // namespace

CalibrationPointRun::CalibrationPointRun(Input input, const PortFactory& makePort, QObject* parent)
    : QObject(parent), step_(input), run_(step_, makePort, linkTimeoutSeconds) {
    connect(&run_, &TestRun::ticked, this, &CalibrationPointRun::progressed);
    connect(&run_, &TestRun::linkChanged, this,
            [this](const std::optional<QString>& reason) { lost_ = reason; });
    connect(&run_, &TestRun::finished, this, [this](RunEnd end) {
        if (end == RunEnd::Completed && step_.point())
            point_ = step_.point();
        else
            failure_ = end == RunEnd::LinkLost
                           ? PointRunText::tr("calibration stopped: no reply from the unit (%1)")
                                 .arg(lost_.value_or(QString()))
                           : PointRunText::tr("calibration stopped");
        emit finished();
    });
}

std::optional<QString> CalibrationPointRun::start() {
    return run_.start();
}

} // namespace velmor

#include "moc_CalibrationPointRun.cpp"
