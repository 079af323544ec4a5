#include "plancommand.h"
#include "tracecommand.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

// quarvel-cli: the program's computations without its windows. The commands
// that only compute (plan, cut, trace with --plot) run here, in a process
// that loads Qt Core alone and so starts fast; those that draw or measure
// fonts (render, template, trace without --plot, the usage text) are handed
// to quarvel-cli-gui beside this program, with the same arguments.

namespace {

bool writeAll(std::FILE* stream, const QByteArray& bytes) {
    if (bytes.isEmpty()) return true;
    return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream) ==
               size_t(bytes.size()) &&
           std::fflush(stream) == 0;
}

int finish(const CommandResult& result) {
    writeAll(stderr, result.err);
    if (!writeAll(stdout, result.out)) {
        std::fprintf(stderr, "Erreur E/S %d.\n", errno);
        return 2;
    }
    return result.status;
}

[[noreturn]] void runDrawingProgram(char** argv) {
    const QByteArray path = QFile::encodeName(QCoreApplication::applicationDirPath() +
                                              QStringLiteral("/quarvel-cli-gui"));
    argv[0] = const_cast<char*>(path.constData());
    ::execv(path.constData(), argv);
    std::fprintf(stderr, "quarvel-cli: cannot start %s: %s\n", path.constData(),
                 std::strerror(errno));
    std::exit(2);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    const QString command = args.isEmpty() ? QString() : args.takeFirst();
    if (command == u"plan") return finish(planCommand(args));
    if (command == u"cut") return finish(cutCommand(args));
    if (command == u"trace" && args.contains(QStringLiteral("--plot"))) {
        // The default plot size is only needed for a usage message: let the
        // drawing program, which measures it, print that one.
        const CommandResult result = traceCommand(args);
        if (result.status != 2) return finish(result);
    }
    runDrawingProgram(argv);
}
