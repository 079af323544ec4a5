#include "qvlfile.h"
#include "inplacerewrite.h"
#include "wholenumber.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QString FileError::messageForCode(int code) {
    switch (code) {
    case fileNotFound:
        return QStringLiteral("Fichier introuvable");
    case pathNotFound:
        return QStringLiteral("Nom de fichier incorrect");
    case tooManyOpenFiles:
        return QStringLiteral("Trop de fichiers ouverts");
    case accessDenied:
        return QStringLiteral("Accès au fichier refusé");
    case invalidNumber:
        return QStringLiteral("Saisie numérique incorrecte");
    default:
        return QStringLiteral("Erreur E/S %1").arg(code);
    }
}

FileError FileError::fromErrno(int errnoValue, const QString& path) {
    switch (errnoValue) {
    case ENOENT: {
        const QFileInfo folder(QFileInfo(path).absolutePath());
        return FileError(folder.isDir() ? fileNotFound : pathNotFound);
    }
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return FileError(pathNotFound);
    case EMFILE:
    case ENFILE:
        return FileError(tooManyOpenFiles);
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return FileError(accessDenied);
    default:
        return FileError(errnoValue, QStringLiteral("Erreur E/S %1").arg(errnoValue));
    }
}

namespace {

constexpr int endOfData = -1;
constexpr char ctrlZ = 26;
constexpr int maxTokenLength = 32;

// A file descriptor closed on every path out.
class Descriptor {
public:
    explicit Descriptor(int fd)
        : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return m_fd; }
    // Closes now and returns the errno of a failed close, or 0.
    int close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

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
    explicit FileSource(int fd)
        : m_fd(fd) {}
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
        ssize_t n;
        do {
            n = ::read(m_fd, m_buffer, sizeof m_buffer);
        } while (n < 0 && errno == EINTR);
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

    int m_fd;
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

QByteArray encodedPath(const QString& path) {
    return QFile::encodeName(path);
}

// Devices and pipes cannot be replaced by renaming: they are written in place.
void writeInPlace(const QString& path, const QByteArray& bytes) {
    Descriptor fd(::open(encodedPath(path).constData(), O_WRONLY | O_TRUNC | O_CLOEXEC));
    if (fd.get() < 0) throw FileError::fromErrno(errno, path);
    if (const int err = writeAll(fd.get(), bytes)) throw FileError::fromErrno(err, path);
    if (const int err = fd.close()) throw FileError::fromErrno(err, path);
}

// A new file next to the target with a name nobody uses; 0666 less the umask,
// like any new file. The name is short whatever the target's, so that a
// target named at the system's length limit can still be saved.
int createTemporary(const QString& folder, QByteArray& tempPath) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name =
            QStringLiteral(".quarvel-%1.tmp")
                .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        tempPath = encodedPath(QDir(folder).filePath(name));
        const int fd = ::open(tempPath.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

void writeReplacing(const QString& path, const QString& target, const QByteArray& bytes,
                    const struct stat* existing) {
    const QFileInfo info(target);
    QByteArray tempPath;
    Descriptor fd(createTemporary(info.absolutePath(), tempPath));
    if (fd.get() < 0) throw FileError::fromErrno(errno, path);

    int err = writeAll(fd.get(), bytes);
    if (err == 0 && existing) {
        // Keep the owner, group and permissions of the design being replaced
        // (the owner first: a change of owner may clear mode bits).
        keepOwnerAndGroup(fd.get(), existing->st_uid, existing->st_gid);
        if (::fchmod(fd.get(), existing->st_mode & 07777) != 0) err = errno;
    }
    if (err == 0 && ::fsync(fd.get()) != 0) err = errno;
    const int closeErr = fd.close();
    if (err == 0) err = closeErr;
    if (err == 0 && ::rename(tempPath.constData(), encodedPath(target).constData()) != 0)
        err = errno;
    if (err != 0) {
        ::unlink(tempPath.constData());
        throw FileError::fromErrno(err, path);
    }
    // Best effort: the rename itself reaches the disk with the folder.
    const int folderFd =
        ::open(encodedPath(info.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
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

RampDimensions readQvlFile(const QString& path) {
    return readQvlContent(path).dims;
}

QvlContent readQvlContent(const QString& path) {
    int fdValue;
    do {
        fdValue = ::open(encodedPath(path).constData(), O_RDONLY | O_CLOEXEC);
    } while (fdValue < 0 && errno == EINTR);
    if (fdValue < 0) throw FileError::fromErrno(errno, path);
    Descriptor fd(fdValue);
    FileSource source(fd.get());
    const ParseResult result = parse(source);
    if (result.errnoValue) throw FileError::fromErrno(result.errnoValue, path);
    if (result.badNumber) throw FileError(FileError::invalidNumber);
    if (const int err = fd.close()) throw FileError::fromErrno(err, path);
    return {result.dims, result.secondLine};
}

void writeQvlFile(const QString& path, const RampDimensions& dims) {
    writeDesignBytes(path, formatQvl(dims));
}

void writeDesignBytes(const QString& path, const QByteArray& bytes) {
    // A link is followed, so that the design it points to is the one replaced.
    QString target = path;
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QString resolved = info.canonicalFilePath();
        if (!resolved.isEmpty()) target = resolved;
    }
    struct stat st;
    const bool exists = ::stat(encodedPath(target).constData(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode)) {
        writeInPlace(path, bytes);
        return;
    }
    // Renaming would replace even a design the user may not write to: refuse
    // it, as opening it for writing would.
    if (exists && S_ISREG(st.st_mode) &&
        ::faccessat(AT_FDCWD, encodedPath(target).constData(), W_OK, AT_EACCESS) != 0)
        throw FileError::fromErrno(errno, path);
    if (exists && S_ISREG(st.st_mode) && mustRewriteInPlace(target)) {
        const InPlaceRewrite rewrite = rewriteInPlace(target, bytes);
        if (rewrite.outcome != InPlaceRewrite::Written)
            throw FileError::fromErrno(rewrite.errnoValue, path);
        return;
    }
    writeReplacing(path, target, bytes, exists && S_ISREG(st.st_mode) ? &st : nullptr);
}
