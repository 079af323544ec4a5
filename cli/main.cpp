#include "commandoutput.h"
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
    if (command == u"plan") return finishCommand(planCommand(args));
    if (command == u"cut") return finishCommand(cutCommand(args));
    if (command == u"trace" && args.contains(QStringLiteral("--plot"))) {
        // The default plot size is only needed for the usage text: let the
        // drawing program, which measures it, print that one. A design
        // already read from standard input is never read twice.
        auto parsed = parseTraceArguments(args);
        if (const auto* arguments = std::get_if<TraceArguments>(&parsed))
            return finishCommand(runTrace(*arguments));
    }
    runDrawingProgram(argv);
}
