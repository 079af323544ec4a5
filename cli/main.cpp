#include "plancommand.h"
#include "tracecommand.h"

#include <QCoreApplication>
#include <QStringList>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

// quarvel-cli-core, started by quarvel-cli: the program's computations
// without its windows. The commands that only compute (plan, cut, trace with
// --plot) run here, in a process that loads Qt Core alone and so starts fast;
// those that draw or measure fonts (render, template, trace without --plot,
// the usage text) are handed to quarvel-cli-gui beside this program, with the
// same arguments (quarvel-cli sends them there directly).

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

// The drawing program beside this one, found through the running executable
// so that no QCoreApplication is needed to hand a command over.
QByteArray drawingProgramPath() {
    char self[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0) return QByteArrayLiteral("quarvel-cli-gui");
    const QByteArray exe(self, n);
    return exe.left(exe.lastIndexOf('/') + 1) + "quarvel-cli-gui";
}

[[noreturn]] void runDrawingProgram(char** argv) {
    const QByteArray path = drawingProgramPath();
    argv[0] = const_cast<char*>(path.constData());
    ::execv(path.constData(), argv);
    std::fprintf(stderr, "quarvel-cli: cannot start %s: %s\n", path.constData(),
                 std::strerror(errno));
    std::exit(2);
}

} // namespace

// Whether this process runs the command itself; the others are handed over
// before Qt is even started, as every millisecond of a batch run counts.
bool runsHere(int argc, char** argv) {
    if (argc < 2) return false;
    if (std::strcmp(argv[1], "plan") == 0 || std::strcmp(argv[1], "cut") == 0) return true;
    if (std::strcmp(argv[1], "trace") != 0) return false;
    for (int i = 2; i < argc; ++i)
        if (std::strcmp(argv[i], "--plot") == 0) return true;
    return false;
}

int main(int argc, char** argv) {
    if (!runsHere(argc, argv)) runDrawingProgram(argv);
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
