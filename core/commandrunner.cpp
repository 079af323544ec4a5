#include "commandrunner.h"

#include <cstdio>

namespace {
CommandErrorHandler& installedHandler() {
    static CommandErrorHandler handler;
    return handler;
}
} // namespace

CommandErrorHandler setCommandErrorHandler(CommandErrorHandler handler) {
    return std::exchange(installedHandler(), std::move(handler));
}

void reportCommandError(const QString& message) {
    if (const auto& handler = installedHandler()) {
        handler(message);
        return;
    }
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}
