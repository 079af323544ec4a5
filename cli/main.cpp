#include "tracecommand.h"

#include <QCoreApplication>
#include <QStringList>

#include <cerrno>
#include <cstdio>

// quarvel-cli: the program's computations without its windows. Each
// subcommand is one row of the table below.

namespace {

struct Subcommand {
    const char* name;
    QByteArray (*usage)();
    CommandResult (*run)(const QStringList& args);
};

const Subcommand subcommands[] = {
    {"trace", traceUsage, traceCommand},
};

QByteArray usageText() {
    QByteArray text = "usage:\n";
    for (const Subcommand& c : subcommands)
        text += "  " + c.usage();
    text += "  quarvel-cli --help\n";
    return text;
}

// Writes bytes and reports whether they all reached the stream.
bool writeAll(std::FILE* stream, const QByteArray& bytes) {
    if (bytes.isEmpty()) return true;
    return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream) ==
               size_t(bytes.size()) &&
           std::fflush(stream) == 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();

    if (args.isEmpty()) {
        writeAll(stderr, usageText());
        return 2;
    }
    if (args.first() == u"--help" || args.first() == u"-h" || args.first() == u"help") {
        return writeAll(stdout, usageText()) ? 0 : 2;
    }
    for (const Subcommand& c : subcommands) {
        if (args.first() != QLatin1String(c.name)) continue;
        args.removeFirst();
        const CommandResult result = c.run(args);
        writeAll(stderr, result.err);
        if (!writeAll(stdout, result.out)) {
            std::fprintf(stderr, "Erreur E/S %d.\n", errno);
            return 2;
        }
        return result.status;
    }
    writeAll(stderr, "unknown command: " + args.first().toUtf8() + '\n' + usageText());
    return 2;
}
