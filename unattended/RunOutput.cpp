#include "RunOutput.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>

namespace velmor {

namespace {

// This file's texts, looked up in the catalogue under "RunOutput".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(RunOutput)
};

} // namespace

bool outputJustLost(std::FILE* stream, bool& lost) {
    if (lost)
        return false;
    errno = 0;
    if (std::fflush(stream) == 0 && !std::ferror(stream))
        return false;
    const QString reason = QString::fromLocal8Bit(std::strerror(errno != 0 ? errno : EIO));
    lost = true;
    std::fprintf(
        stderr, "velmor-test: %s\n",
        qPrintable(Text::tr("the output cannot be written (%1); the run is stopped").arg(reason)));
    std::fflush(stderr);
    return true;
}

} // namespace velmor
