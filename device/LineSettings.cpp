#include "LineSettings.h"

namespace velmor {

namespace {

QChar parityLetter(Parity parity) {
    switch (parity) {
    case Parity::None:
        return u'N';
    case Parity::Even:
        return u'E';
    case Parity::Odd:
        return u'O';
    case Parity::Mark:
        return u'M';
    case Parity::Space:
        return u'S';
    }
    return u'?';
}

} // namespace

QString lineSettingsText(const LineSettings& settings) {
    return QStringLiteral("%1,%2,%3,%4")
        .arg(settings.baud)
        .arg(parityLetter(settings.parity))
        .arg(settings.dataBits)
        .arg(settings.stopBits);
}

} // namespace velmor
