#include "OutputGauge.h"

#include "OutcomeColour.h"
#include "Reading.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>

namespace velmor {

OutputGauge::OutputGauge(QString name, const UnitOutput& output, QWidget* parent)
    : QWidget(parent), name_(std::move(name)), output_(output) {
    setMinimumHeight(48);
}

void OutputGauge::setLimits(const Limits& limits) {
    limits_ = limits;
    update();
}

void OutputGauge::setVolts(std::optional<double> volts) {
    volts_ = volts;
    update();
}

QSize OutputGauge::sizeHint() const {
    return {520, 56};
}

void OutputGauge::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QFont big = font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    p.setFont(big);
    const int textWidth = 260;
    const QString value = volts_ ? QCoreApplication::translate("velmor::OutputGauge", "%1 В")
                                       .arg(shownVolts(output_, *volts_))
                                 : QCoreApplication::translate("velmor::OutputGauge", "— В");
    p.setPen(volts_ ? outcomeColour(output_.endOf(*volts_) != RangeEnd::Inside
                                        ? Outcome::Fail
                                        : judge(*volts_, limits_))
                    : palette().color(QPalette::Disabled, QPalette::WindowText));
    p.drawText(QRect(0, 0, textWidth, height()), Qt::AlignVCenter | Qt::AlignLeft,
               name_ + QStringLiteral("  ") + value);
    if (!limits_.low || !limits_.high)
        return;
    // The scale runs a limits' width beyond each limit, so a reading outside still shows.
    const double low = *limits_.low, high = *limits_.high, width = high - low;
    const double from = low - width / 2, to = high + width / 2;
    const QRectF bar(textWidth, height() * 0.3, this->width() - textWidth - 8, height() * 0.4);
    const auto x = [&](double v) {
        return bar.left() + (std::clamp(v, from, to) - from) / (to - from) * bar.width();
    };
    const auto band = [&](double a, double b, Outcome o) {
        p.fillRect(QRectF(QPointF(x(a), bar.top()), QPointF(x(b), bar.bottom())), outcomeColour(o));
    };
    band(from, low, Outcome::Fail);
    band(low, limits_.guardLow.value_or(low), Outcome::Marginal);
    band(limits_.guardLow.value_or(low), limits_.guardHigh.value_or(high), Outcome::Pass);
    band(limits_.guardHigh.value_or(high), high, Outcome::Marginal);
    band(high, to, Outcome::Fail);
    if (volts_) {
        p.setPen(QPen(palette().color(QPalette::WindowText), 3));
        const double at = x(*volts_);
        p.drawLine(QPointF(at, bar.top() - 6), QPointF(at, bar.bottom() + 6));
    }
}

} // namespace velmor
