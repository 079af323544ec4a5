#include "commandoutput.h"
#include "commandroutes.h"
#include "language.h"
#include "plancommand.h"
#include "tracecommand.h"

#include <QCoreApplication>
#include <QStringList>

// quarvel-cli-core, started by quarvel-cli: the commands that only compute
// (commandroutes.h), in a process that loads Qt Core alone and so starts fast.
// Any other command is handed to quarvel-cli-gui beside it, with the same
// arguments, before Qt is even started.

int main(int argc, char** argv) {
    if (programFor(argc, argv) != CliProgram::Core) return becomeProgram(CliProgram::Gui, argv);
    QCoreApplication app(argc, argv);
    installLanguage();
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    const QString command = args.takeFirst();
    if (command == u"plan") return finishCommand(planCommand(args));
    if (command == u"cut") return finishCommand(cutCommand(args));
    // trace with --plot. Its usage text names the default plot size, which the
    // drawing program measures: that one prints it. A design already read
    // from standard input is never read twice.
    auto parsed = parseTraceArguments(args);
    if (const auto* arguments = std::get_if<TraceArguments>(&parsed))
        return finishCommand(runTrace(*arguments));
    return becomeProgram(CliProgram::Gui, argv);
}
