#include "../../core/tests/ordinaryuser.h"
#include "bmpfile.h"
#include "quarvelerror.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <functional>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {
quint32 u32(const QByteArray& b, int at) {
    quint32 v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | quint8(b[at + i]);
    return v;
}

quint16 u16(const QByteArray& b, int at) {
    return quint16(quint8(b[at]) | (quint8(b[at + 1]) << 8));
}

// Accepts at most `room` bytes, then refuses every write.
class ShortDevice : public QIODevice {
public:
    explicit ShortDevice(qint64 room)
        : m_room(room) {
        open(QIODevice::WriteOnly);
    }
    QByteArray written;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 len) override {
        const qint64 n = qMin(len, m_room - qint64(written.size()));
        if (n <= 0) return -1;
        written.append(data, n);
        return n;
    }

private:
    qint64 m_room;
};

QString messageOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const QuarvelError& e) {
        return e.message();
    }
    return QString();
}
bool writeOld(const QString& path) {
    QFile old(path);
    return old.open(QIODevice::WriteOnly) && old.write("old contents") == 12;
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

ino_t inodeOf(const QString& path) {
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

QStringList entriesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// Runs f with files limited to limit bytes (writing past it fails instead
// of killing the process).
void withFileSizeLimit(rlim_t limit, const std::function<void()>& f) {
    std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit saved;
    getrlimit(RLIMIT_FSIZE, &saved);
    struct rlimit small = saved;
    small.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &small);
    f();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, SIG_DFL);
}

QImage patterned(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x % 251, y % 241, (x * 7 + y) % 256));
    return image;
}

} // namespace

class TestBmpFile : public QObject {
    Q_OBJECT
private slots:
    void headerFields_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("rowBytes");
        QTest::newRow("chart area") << 900 << 465 << 2700;
        QTest::newRow("one pixel, padded") << 1 << 1 << 4;
        QTest::newRow("three wide, padded") << 3 << 2 << 12;
        QTest::newRow("four wide, exact") << 4 << 3 << 12;
    }
    void headerFields() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, rowBytes);
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::white);
        const QByteArray b = encodeBmp24(image);
        const quint32 imageSize = quint32(rowBytes * height);
        QCOMPARE(b.size(), qsizetype(54 + imageSize));
        QCOMPARE(b.left(2), QByteArray("BM"));
        QCOMPARE(u32(b, 2), 54 + imageSize);
        QCOMPARE(u16(b, 6), quint16(0));
        QCOMPARE(u16(b, 8), quint16(0));
        QCOMPARE(u32(b, 10), 54u);
        QCOMPARE(u32(b, 14), 40u);
        QCOMPARE(u32(b, 18), quint32(width));
        QCOMPARE(u32(b, 22), quint32(height));
        QCOMPARE(u16(b, 26), quint16(1));
        QCOMPARE(u16(b, 28), quint16(24));
        QCOMPARE(u32(b, 30), 0u);
        QCOMPARE(u32(b, 34), imageSize);
    }

    // Rows are stored bottom row first, pixels as blue, green, red, rows padded
    // with zero bytes.
    void pixelRowsBottomUp() {
        QImage image(3, 2, QImage::Format_RGB32);
        image.setPixel(0, 0, qRgb(1, 2, 3));
        image.setPixel(1, 0, qRgb(4, 5, 6));
        image.setPixel(2, 0, qRgb(7, 8, 9));
        image.setPixel(0, 1, qRgb(10, 11, 12));
        image.setPixel(1, 1, qRgb(13, 14, 15));
        image.setPixel(2, 1, qRgb(16, 17, 18));
        const QByteArray b = encodeBmp24(image);
        const QByteArray bottom("\x0c\x0b\x0a\x0f\x0e\x0d\x12\x11\x10\0\0\0", 12);
        const QByteArray top("\x03\x02\x01\x06\x05\x04\x09\x08\x07\0\0\0", 12);
        QCOMPARE(b.mid(54, 12), bottom);
        QCOMPARE(b.mid(66, 12), top);
    }

    // An independent reader gets the same picture back, for a format with alpha too.
    void readsBackThroughQImage() {
        QImage image(900, 465, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        for (int y = 0; y < 465; y += 7)
            for (int x = 0; x < 900; x += 5)
                image.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
        QImage back;
        QVERIFY(back.loadFromData(encodeBmp24(image), "BMP"));
        QCOMPARE(back.size(), QSize(900, 465));
        QCOMPARE(back.convertToFormat(QImage::Format_RGB32),
                 image.convertToFormat(QImage::Format_RGB32));
    }

    // The file goes out as its headers, then whole rows in pieces of at most
    // 64 KiB (one row when a row alone is longer), never whole in memory.
    void streamedInBoundedPieces_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("pieces");
        QTest::addColumn<int>("largestRowPiece");
        // 24 rows of 2700 bytes to a piece: 19 whole pieces and 9 rows left.
        QTest::newRow("chart area") << 900 << 465 << 1 + 20 << 24 * 2700;
        QTest::newRow("rows over 64 KiB") << 30000 << 3 << 1 + 3 << 90000;
        QTest::newRow("one pixel") << 1 << 1 << 1 + 1 << 4;
        QTest::newRow("empty picture") << 0 << 0 << 1 << 0;
    }
    void streamedInBoundedPieces() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, pieces);
        QFETCH(int, largestRowPiece);
        const QImage image = patterned(width, height);
        const qsizetype rowSize = (qsizetype(width) * 3 + 3) / 4 * 4;
        QList<qsizetype> sizes;
        QByteArray whole;
        produceBmp24(image, [&](QByteArrayView piece) {
            sizes << piece.size();
            whole.append(piece);
        });
        QCOMPARE(sizes.size(), qsizetype(pieces));
        QCOMPARE(sizes.first(), qsizetype(54));
        qsizetype largest = 0;
        for (qsizetype i = 1; i < sizes.size(); ++i) {
            QCOMPARE(sizes[i] % rowSize, qsizetype(0));
            largest = std::max(largest, sizes[i]);
        }
        QCOMPARE(largest, qsizetype(largestRowPiece));
        QCOMPARE(whole.size(), 54 + rowSize * height);
        QCOMPARE(u32(whole, 2), quint32(whole.size()));
        if (height == 0) return;
        QImage back;
        QVERIFY(back.loadFromData(whole, "BMP"));
        QCOMPARE(back.convertToFormat(QImage::Format_RGB32), image);
    }

    void shortWriteIsAnError_data() {
        QTest::addColumn<int>("room");
        QTest::newRow("nothing") << 0;
        QTest::newRow("header only") << 54;
        QTest::newRow("one byte short") << 99;
    }
    void shortWriteIsAnError() {
        QFETCH(int, room);
        ShortDevice device(room);
        const QByteArray data(100, 'x');
        QCOMPARE(messageOf([&] { writeAllToDevice(device, data); }),
                 QStringLiteral("Erreur d'écriture dans le flux"));
        QCOMPARE(device.written.size(), qsizetype(room));
    }

    void fullWriteSucceeds() {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        const QByteArray data(5000, 'y');
        writeAllToDevice(buffer, data);
        QCOMPARE(buffer.data(), data);
    }

    void writesTheFileAndReplacesAnOldOne() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("rampe.bmp"));
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old contents, longer than nothing");
        }
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(qRgb(200, 100, 50));
        writeBmpFile(path, image, FileKinds::Any);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), encodeBmp24(image));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("rampe.bmp")});
    }

    void missingFolderCannotBeCreated() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("absent/rampe.bmp"));
        QImage image(2, 2, QImage::Format_RGB32);
        QCOMPARE(messageOf([&] { writeBmpFile(path, image, FileKinds::Any); }),
                 QStringLiteral("Impossible de créer le fichier ") + path);
        QVERIFY(!QFile::exists(path));
    }

    // A target that cannot be replaced fails and leaves no stray file behind.
    void folderInTheWayIsAnError() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("rampe.bmp"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("rampe.bmp")));
        QImage image(2, 2, QImage::Format_RGB32);
        QCOMPARE(messageOf([&] { writeBmpFile(path, image, FileKinds::Any); }),
                 QStringLiteral("Impossible de créer le fichier ") + path);
        QVERIFY(QFileInfo(path).isDir());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
    }
    // A pipe or device named as the target is written to, not replaced by a
    // regular file.
    void specialFileIsWrittenInPlace() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("pipe.bmp"));
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        QImage image(3, 2, QImage::Format_RGB32);
        image.fill(qRgb(1, 2, 3));
        // Shared with the reader, which may outlive this test if the pipe is lost.
        const auto received = std::make_shared<QByteArray>();
        std::thread reader([path, received] {
            QFile pipe(path);
            if (pipe.open(QIODevice::ReadOnly)) *received = pipe.readAll();
        });
        const QString message = messageOf([&] { writeBmpFile(path, image, FileKinds::Any); });
        if (!QFileInfo(path).isFile()) {
            reader.join();
        } else {
            // The pipe was replaced: free the reader still waiting on it.
            reader.detach();
        }
        QCOMPARE(message, QString());
        QVERIFY(!QFileInfo(path).isFile());
        QCOMPARE(*received, encodeBmp24(image));
    }

    // A write-protected picture is refused, as opening it for writing would be.
    void writeProtectedFileIsRefused() {
        if (::geteuid() == 0) QSKIP("the superuser may write to any file");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("rampe.bmp"));
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("kept");
        }
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
        QImage image(2, 2, QImage::Format_RGB32);
        QCOMPARE(messageOf([&] { writeBmpFile(path, image, FileKinds::Any); }),
                 QStringLiteral("Impossible de créer le fichier ") + path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("kept"));
    }

    // A shared folder the user may not create files in, holding a picture the
    // user may write: rewritten in place rather than refused.
    void protectedFolderRewritesInPlace() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("rampe.bmp"));
        const QByteArray name = QFile::encodeName(path);
        QVERIFY(writeOld(path));
        QCOMPARE(::chmod(name.constData(), 0666), 0);
        QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
        const ino_t before = inodeOf(path);
        QImage image(3, 2, QImage::Format_RGB32);
        image.fill(qRgb(10, 20, 30));
        QString error = QStringLiteral("not run");
        if (!asOrdinaryUser(
                [&] { error = messageOf([&] { writeBmpFile(path, image, FileKinds::Any); }); }))
            QSKIP("cannot act as an ordinary user here");
        QCOMPARE(error, QString());
        QCOMPARE(contentOf(path), encodeBmp24(image));
        QCOMPARE(inodeOf(path), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("rampe.bmp")});
    }

    void hardLinksStayOneFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("rampe.bmp"));
        const QString other = dir.filePath(QStringLiteral("poster.bmp"));
        QVERIFY(writeOld(path));
        QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(other).constData()),
                 0);
        QImage image(2, 2, QImage::Format_RGB32);
        image.fill(qRgb(1, 2, 3));
        writeBmpFile(path, image, FileKinds::Any);
        QCOMPARE(contentOf(other), encodeBmp24(image));
        QCOMPARE(inodeOf(path), inodeOf(other));
    }

    // A picture that fills the disk half-way leaves the old file whole and no
    // temporary file behind.
    void failedStreamedWriteKeepsTheOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("rampe.bmp"));
        QVERIFY(writeOld(path));
        const ino_t before = inodeOf(path);
        QString error = QStringLiteral("not run");
        withFileSizeLimit(200000, [&] {
            error = messageOf([&] { writeBmpFile(path, patterned(900, 465), FileKinds::Any); });
        });
        QCOMPARE(error, QStringLiteral("Erreur d'écriture dans le flux"));
        QCOMPARE(contentOf(path), QByteArray("old contents"));
        QCOMPARE(inodeOf(path), before);
        QCOMPARE(entriesOf(dir.path()), QStringList{QStringLiteral("rampe.bmp")});
    }

    // The same failure where the file is rewritten in place: the old content
    // is written back.
    void failedInPlaceWriteRestoresTheOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("rampe.bmp"));
        const QString other = dir.filePath(QStringLiteral("poster.bmp"));
        QVERIFY(writeOld(path));
        QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(other).constData()),
                 0);
        QString error = QStringLiteral("not run");
        withFileSizeLimit(200000, [&] {
            error = messageOf([&] { writeBmpFile(path, patterned(900, 465), FileKinds::Any); });
        });
        QCOMPARE(error, QStringLiteral("Erreur d'écriture dans le flux"));
        QCOMPARE(contentOf(other), QByteArray("old contents"));
        QCOMPARE(inodeOf(path), inodeOf(other));
    }

    // What the producer throws reaches the caller; the old file stays, and
    // nothing else is left in the folder.
    void producerFailureKeepsTheOldFile_data() {
        QTest::addColumn<bool>("hardLinked");
        QTest::newRow("replaced file") << false;
        QTest::newRow("rewritten in place") << true;
    }
    void producerFailureKeepsTheOldFile() {
        QFETCH(bool, hardLinked);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("rampe.bmp"));
        QVERIFY(writeOld(path));
        if (hardLinked)
            QCOMPARE(::link(QFile::encodeName(path).constData(),
                            QFile::encodeName(dir.filePath(QStringLiteral("b.bmp"))).constData()),
                     0);
        const QString error = messageOf([&] {
            writeStreamedOutputFile(
                path,
                [](const OutputSink& sink) {
                    sink(QByteArray(100000, 'n'));
                    throw QuarvelError(QStringLiteral("Image interrompue"));
                },
                FileKinds::Any);
        });
        QCOMPARE(error, QStringLiteral("Image interrompue"));
        QCOMPARE(contentOf(path), QByteArray("old contents"));
        QCOMPARE(entriesOf(dir.path()).size(), hardLinked ? 2 : 1);
    }

    void replacingKeepsOwnerAndGroup() {
        if (::geteuid() != 0) QSKIP("only root may give a file to another owner");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("rampe.bmp"));
        const QByteArray name = QFile::encodeName(path);
        QVERIFY(writeOld(path));
        QCOMPARE(::chown(name.constData(), 65534, 65534), 0);
        QCOMPARE(::chmod(name.constData(), 0604), 0);
        const ino_t before = inodeOf(path);
        writeBmpFile(path, QImage(2, 2, QImage::Format_RGB32), FileKinds::Any);
        struct stat st;
        QCOMPARE(::stat(name.constData(), &st), 0);
        QVERIFY(st.st_ino != before); // replaced, not rewritten
        QCOMPARE(int(st.st_uid), 65534);
        QCOMPARE(int(st.st_gid), 65534);
        QCOMPARE(int(st.st_mode & 07777), 0604);
    }
};

QTEST_GUILESS_MAIN(TestBmpFile)
#include "test_bmpfile.moc"
