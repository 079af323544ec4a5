#include "qvlfile.h"
#include "posixfile.h"
#include "safesave.h"
#include "wholenumber.h"

#include <cerrno>
#include <unistd.h>

namespace {

constexpr int endOfData = -1;
constexpr char ctrlZ = 26;
constexpr int maxTokenLength = 32;

class BytesSource {
public:
    explicit BytesSource(QByteArrayView bytes)
        : m_bytes(bytes) {}
    int peek() const {
        if (m_pos >= m_bytes.size() || m_bytes[m_pos] == ctrlZ) return endOfData;
        return static_cast<unsigned char>(m_bytes[m_pos]);
    }
    void next() { ++m_pos; }
    int error() const { return 0; }

private:
    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
};

// Reads the file a block at a time, only as far as the reader asks. A design
// is one short line; past maxReadBytes the data counts as ended, so that an
// endless source (a device such as /dev/zero, a never-ending pipe) cannot
// hang the program in the blank-skipping loop.
constexpr qint64 maxReadBytes = qint64(16) * 1024 * 1024;

class FileSource {
public:
    explicit FileSource(PosixFile& file)
        : m_file(file) {}
    int peek() {
        if (m_pos == m_size && !fill()) return endOfData;
        if (m_buffer[m_pos] == ctrlZ) return endOfData;
        return static_cast<unsigned char>(m_buffer[m_pos]);
    }
    void next() { ++m_pos; }
    int error() const { return m_error; }

private:
    bool fill() {
        if (m_ended || m_total >= maxReadBytes) return false;
        const ssize_t n = m_file.read(m_buffer, sizeof m_buffer);
        if (n <= 0) {
            if (n < 0) m_error = errno;
            m_ended = true;
            return false;
        }
        m_pos = 0;
        m_size = n;
        m_total += n;
        return true;
    }

    PosixFile& m_file;
    char m_buffer[512];
    ssize_t m_pos = 0;
    ssize_t m_size = 0;
    bool m_ended = false;
    int m_error = 0;
    qint64 m_total = 0;
};

struct ParseResult {
    RampDimensions dims;
    QByteArray secondLine; // without its line end
    // The first failure met, checked only once everything is read: an errno
    // value from reading the file, or FileError::invalidNumber.
    int errnoValue = 0;
    bool badNumber = false;
};

// One number: blanks skipped, then a token of at most 32 non-blank
// characters. At the end of the data the number is 0.
template <class Source> qint32 readNumber(Source& source, bool& badNumber) {
    int c = source.peek();
    while (c != endOfData && c <= 32) {
        source.next();
        c = source.peek();
    }
    if (c == endOfData) return 0;
    QString token;
    while (c != endOfData && c > 32 && token.size() < maxTokenLength) {
        token.append(QChar(char16_t(c))); // bytes above 127 as Latin-1: never a digit
        source.next();
        c = source.peek();
    }
    const std::optional<qint32> value = textToInt32(token);
    if (!value) {
        badNumber = true;
        return 0;
    }
    return *value;
}

// The rest of the line, up to and including its line feed.
template <class Source> void skipLine(Source& source) {
    for (int c = source.peek(); c != endOfData; c = source.peek()) {
        source.next();
        if (c == '\n') return;
    }
}

// The next line, without its CR LF; a line longer than any setting line
// could be is cut short (the reader of the line refuses it then).
constexpr qsizetype maxSecondLine = 4096;
template <class Source> void readLine(Source& source, QByteArray& line) {
    for (int c = source.peek(); c != endOfData && c != '\n'; c = source.peek()) {
        source.next();
        if (line.size() <= maxSecondLine) line.append(char(c));
    }
    if (line.endsWith('\r')) line.chop(1);
}

template <class Source> ParseResult parse(Source& source) {
    ParseResult result;
    RampDimensions& d = result.dims;
    const auto noteFailures = [&](bool bad) {
        if (result.badNumber || result.errnoValue) return;
        if (bad)
            result.badNumber = true;
        else
            result.errnoValue = source.error();
    };
    for (qint32* field : {&d.P1, &d.R1, &d.H1, &d.F, &d.W, &d.H2, &d.R2, &d.P2}) {
        bool bad = false;
        *field = readNumber(source, bad);
        noteFailures(bad);
    }
    skipLine(source);
    readLine(source, result.secondLine);
    noteFailures(false);
    return result;
}

} // namespace

QByteArray formatQvl(const RampDimensions& d) {
    QByteArray line;
    const qint32 values[] = {d.P1, d.R1, d.H1, d.F, d.W, d.H2, d.R2, d.P2};
    for (std::size_t i = 0; i < std::size(values); ++i) {
        if (i > 0) line.append(' ');
        line.append(QByteArray::number(values[i]));
    }
    line.append("\r\n");
    return line;
}

RampDimensions parseQvl(QByteArrayView bytes) {
    return parseQvlContent(bytes).dims;
}

QvlContent parseQvlContent(QByteArrayView bytes) {
    BytesSource source(bytes);
    const ParseResult result = parse(source);
    if (result.badNumber) throw FileError(FileError::invalidNumber);
    return {result.dims, result.secondLine};
}

RampDimensions readQvlFile(const QString& path, FileKinds kinds) {
    return readQvlContent(path, kinds).dims;
}

namespace {

QvlContent readFrom(PosixFile& file, const QString& path) {
    FileSource source(file);
    const ParseResult result = parse(source);
    if (result.errnoValue) throw FileError::fromErrno(result.errnoValue, path);
    if (result.badNumber) throw FileError(FileError::invalidNumber);
    if (const int err = file.close()) throw FileError::fromErrno(err, path);
    return {result.dims, result.secondLine};
}

} // namespace

QvlContent readQvlContent(const QString& path, FileKinds kinds) {
    PosixFile file = PosixFile::openForReading(path, kinds);
    return readFrom(file, path);
}

QvlContent readQvlStandardInput() {
    const QString name = QStringLiteral("-");
    // A copy of the descriptor, so that closing it leaves standard input open.
    PosixFile input(::dup(STDIN_FILENO));
    if (!input.isOpen()) throw FileError::fromErrno(errno, name);
    return readFrom(input, name);
}

void writeQvlFile(const QString& path, const RampDimensions& dims, FileKinds kinds) {
    writeDesignBytes(path, formatQvl(dims), kinds);
}

void writeDesignBytes(const QString& path, const QByteArray& bytes, FileKinds kinds) {
    try {
        saveFile(
            path, [&bytes](const OutputSink& sink) { sink(bytes); }, kinds);
    } catch (const SaveFailure& failure) {
        if (failure.stage() == SaveFailure::NotRegular) throw notRegularFileError(path);
        throw FileError::fromErrno(failure.errnoValue(), path);
    }
}
