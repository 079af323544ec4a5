#include "bookcommand.h"
#include "commandoutput.h"
#include "commandroutes.h"
#include "designrender.h"
#include "language.h"
#include "modelcommand.h"
#include "plancommand.h"
#include "rendercommand.h"
#include "templatecommand.h"
#include "tracecommand.h"

#include <QApplication>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#ifdef __GLIBC__
#include <malloc.h>
#endif

// quarvel-cli-gui: the batch commands that draw (render, template, model,
// picture, book, and trace measuring its default plot size on a lone chart),
// started by quarvel-cli for them (commandroutes.h); it runs every other command as well. Each
// command of the routing table has its row in the table below.

namespace {

struct Subcommand {
    const char* name;
    QByteArray (*usage)();
    CommandResult (*run)(const QStringList& args);
};

// trace's default plotting rectangle: the one the main window's chart lays
// out at start-up, from a lone chart laid out without painting (once, when
// first needed).
PlotSize chartPlotSize() {
    static const PlotSize size = [] {
        const QSize s = startupPlotSize();
        return PlotSize{s.width(), s.height()};
    }();
    return size;
}

QByteArray traceUsageWithChart() {
    return traceUsage(chartPlotSize());
}

CommandResult traceWithChart(const QStringList& args) {
    return traceCommand(args, chartPlotSize());
}

const Subcommand subcommands[] = {
    {"trace", traceUsageWithChart, traceWithChart},
    {"render", renderUsage, renderCommand},
    {"plan", planUsage, planCommand},
    {"template", templateUsage, templateCommand},
    {"cut", cutUsage, cutCommand},
    {"model", modelUsage, modelCommand},
    {"picture", pictureUsage, pictureCommand},
    {"book", bookUsage, bookCommand},
};

const Subcommand* subcommandNamed(QStringView name) {
    for (const Subcommand& c : subcommands)
        if (name == QLatin1String(c.name)) return &c;
    return nullptr;
}

// The commands in the routing table's order.
QByteArray usageText() {
    QByteArray text = "usage:\n";
    for (const CommandRoute& route : commandRoutes)
        text += "  " + subcommandNamed(QString::fromLatin1(route.command))->usage();
    text += "  quarvel-cli --help\n";
    return text;
}

// The output streams carry only the program's own texts: Qt's notes about
// the off-screen platform (no runtime folder, no window raising...) are
// dropped; its critical and fatal messages still reach standard error.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

// A batch run is short: the memory it frees is kept for its next use
// rather than handed back to the system and taken again, page by page (a
// book's pages each take and free the PDF writer's compression buffers).
// Fresh memory is what a one-off run pays for most.
void keepFreedMemory() {
#ifdef __GLIBC__
    constexpr int keptBytes = 64 << 20;
    constexpr int largestFromHeap = 32 << 20;
    mallopt(M_TRIM_THRESHOLD, keptBytes);
    mallopt(M_MMAP_THRESHOLD, largestFromHeap);
#endif
}

} // namespace

int main(int argc, char** argv) {
    keepFreedMemory();
    qInstallMessageHandler(quietQtMessages);
    // The chart and the pictures are drawn off screen: no display is needed,
    // and none is used unless a platform is chosen explicitly.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installLanguage();
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();

    if (args.isEmpty()) return finishCommand(CommandResult{2, {}, usageText()});
    if (args.first() == u"--help" || args.first() == u"-h" || args.first() == u"help")
        return finishCommand(CommandResult{0, usageText(), {}});
    const Subcommand* command = subcommandNamed(args.first());
    if (!command)
        return finishCommand(
            CommandResult{2, {}, "unknown command: " + args.first().toUtf8() + '\n' + usageText()});
    args.removeFirst();
    // Everything is written and flushed (a picture or template has been
    // committed to disk): the program ends without tearing down the windows,
    // fonts and platform one by one, which a batch run would only wait for.
    std::_Exit(finishCommand(command->run(args)));
}
