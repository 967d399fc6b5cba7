#include "Verdict.h"

#include <QCoreApplication>

namespace velmor {

namespace {

// The verdict words' texts, looked up in the catalogue under "Verdict".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Verdict)
};

} // namespace

QString verdictWord(Verdict verdict) {
    switch (verdict) {
    case Verdict::Pass:
        return Text::tr("PASS");
    case Verdict::Fail:
        return Text::tr("FAIL");
    case Verdict::None:
        return Text::tr("NO VERDICT");
    case Verdict::Incomplete:
        break;
    }
    return Text::tr("INCOMPLETE");
}

QString verdictName(Verdict verdict) {
    switch (verdict) {
    case Verdict::Pass:
        return QStringLiteral("pass");
    case Verdict::Fail:
        return QStringLiteral("fail");
    case Verdict::None:
        return QStringLiteral("none");
    case Verdict::Incomplete:
        break;
    }
    return QStringLiteral("incomplete");
}

std::optional<Verdict> verdictNamed(const QString& name) {
    for (const Verdict known : {Verdict::Pass, Verdict::Fail, Verdict::None, Verdict::Incomplete})
        if (name == verdictName(known))
            return known;
    return std::nullopt;
}

} // namespace velmor
