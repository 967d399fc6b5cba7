#include "FaultMode.h"

#include <array>
#include <utility>

namespace velmor::sim {

namespace {

constexpr std::array<std::pair<FaultMode, const char*>, 7> names{{
    {FaultMode::Normal, "normal"},
    {FaultMode::Silent, "silent"},
    {FaultMode::Short, "short"},
    {FaultMode::Blank, "blank"},
    {FaultMode::Random, "random"},
    {FaultMode::Burst, "burst"},
    {FaultMode::Drop, "drop"},
}};

} // namespace

QString faultModeName(FaultMode mode) {
    for (const auto& [m, name] : names)
        if (m == mode)
            return QString::fromLatin1(name);
    return {};
}

std::optional<FaultMode> parseFaultMode(const QString& name) {
    for (const auto& [m, n] : names)
        if (name.compare(QLatin1String(n), Qt::CaseInsensitive) == 0)
            return m;
    return std::nullopt;
}

QStringList faultModeNames() {
    QStringList list;
    for (const auto& entry : names)
        list << QString::fromLatin1(entry.second);
    return list;
}

QByteArray ReplyShaper::shape(FaultMode mode, const ReplyFrame& reply) {
    switch (mode) {
    case FaultMode::Normal:
    case FaultMode::Drop:
        return replyBytes(reply);
    case FaultMode::Silent:
        return {};
    case FaultMode::Short:
        shortLength_ = shortLength_ % 3 + 1;
        return replyBytes(reply).left(shortLength_);
    case FaultMode::Blank:
        return QByteArrayLiteral(" ");
    case FaultMode::Random: {
        std::uniform_int_distribution<int> length(1, randomReplyMaxBytes);
        std::uniform_int_distribution<int> byte(0, 255);
        QByteArray bytes(length(random_), '\0');
        for (char& b : bytes)
            b = static_cast<char>(byte(random_));
        return bytes;
    }
    case FaultMode::Burst:
        return replyBytes(reply).repeated(burstBytes / 4);
    }
    return {};
}

} // namespace velmor::sim
