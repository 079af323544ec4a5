#include "commandoutput.h"

#include "fileerror.h"
#include "messagetext.h"

#include <cerrno>
#include <cstdio>

namespace {

// Writes bytes and flushes them; returns 0 or the errno of the failure.
int writeAll(std::FILE* stream, const QByteArray& bytes) {
    if (bytes.isEmpty()) return 0;
    errno = 0;
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream) != size_t(bytes.size()) ||
        std::fflush(stream) != 0)
        return errno != 0 ? errno : EIO;
    return 0;
}

} // namespace

int finishCommand(const CommandResult& result) {
    writeAll(stderr, result.err);
    if (const int err = writeAll(stdout, result.out)) {
        const QString why = FileError::fromErrno(err, QStringLiteral("-")).message();
        writeAll(stderr, withFinalPeriod(why).toUtf8() + '\n');
        return 2;
    }
    return result.status;
}
