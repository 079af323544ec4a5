#include "ordinaryuser.h"
#include "outputfile.h"
#include "quarvelerror.h"
#include "qvlfile.h"
#include "smalldisk.h"

#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

ino_t inodeOf(const QString& path) {
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

QString errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const QuarvelError& e) {
        return e.message();
    }
    return {};
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden |
                                  QDir::NoDotAndDotDot);
}

} // namespace

class TestOutputFile : public QObject {
    Q_OBJECT
private slots:
    void writesAndReplaces();
    void refusedPathLeavesNothing_data();
    void refusedPathLeavesNothing();
    void folderWithoutWriteAccessRewritesInPlace();
    void failedRewriteRestoresTheOldContent();
    void hardLinksStayOneFile();
    void replacingKeepsOwnerAndGroup();
    void anotherUsersFileRewritesInPlace();
    void failedSmallWriteKeepsTheOldFile_data();
    void failedSmallWriteKeepsTheOldFile();
    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();
    void specialFiles_data();
    void specialFiles();
};

void TestOutputFile::writesAndReplaces() {
    QTemporaryDir dir;
    const QString path = dir.filePath("panels.dxf");
    writeOutputFile(path, "first", FileKinds::Any);
    QCOMPARE(readAll(path), QByteArray("first"));
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    writeOutputFile(path, "second, longer", FileKinds::Any);
    QCOMPARE(readAll(path), QByteArray("second, longer"));
    QCOMPARE(QFileInfo(path).permissions(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                QFileDevice::ReadUser | QFileDevice::WriteUser |
                                                QFileDevice::ReadGroup);
    QCOMPARE(entries(dir.path()), QStringList{"panels.dxf"});
}

void TestOutputFile::refusedPathLeavesNothing_data() {
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing folder") << "nowhere/panels.pdf"
                                    << "Impossible de créer le fichier ";
    QTest::newRow("a folder") << "."
                              << "Impossible de créer le fichier ";
}

void TestOutputFile::refusedPathLeavesNothing() {
    QFETCH(QString, relative);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath(relative);
    QVERIFY(errorOf([&] { writeOutputFile(path, "x", FileKinds::Any); }).startsWith(message));
    QCOMPARE(entries(dir.path()), QStringList());
}

void TestOutputFile::folderWithoutWriteAccessRewritesInPlace() {
    // A shared folder the user may not create files in, holding a file the
    // user may write: the save must not be refused, and the file stays the
    // same file (links and identity kept).
    QTemporaryDir dir;
    const QString path = dir.filePath("template.pdf");
    QVERIFY(writeBytes(path, "old content"));
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0666), 0);
    QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    const ino_t before = inodeOf(path);
    QString error = "not run";
    if (!asOrdinaryUser(
            [&] { error = errorOf([&] { writeOutputFile(path, "new", FileKinds::Any); }); }))
        QSKIP("cannot act as an ordinary user here");
    QCOMPARE(error, QString());
    QCOMPARE(readAll(path), QByteArray("new"));
    QCOMPARE(inodeOf(path), before);
    QCOMPARE(entries(dir.path()), QStringList{"template.pdf"});
}

void TestOutputFile::failedRewriteRestoresTheOldContent() {
    QTemporaryDir dir;
    const QString path = dir.filePath("template.pdf");
    const QByteArray old(1000, 'o');
    QVERIFY(writeBytes(path, old));
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0666), 0);
    QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    // A file size limit makes the rewrite fail half-way.
    std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit saved;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    QString error = "not run";
    const bool ran = asOrdinaryUser([&] {
        struct rlimit small = saved;
        small.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &small);
        error = errorOf([&] { writeOutputFile(path, QByteArray(10000, 'n'), FileKinds::Any); });
        setrlimit(RLIMIT_FSIZE, &saved);
    });
    std::signal(SIGXFSZ, SIG_DFL);
    if (!ran) QSKIP("cannot act as an ordinary user here");
    QCOMPARE(error, QStringLiteral("Erreur d'écriture dans le flux"));
    QCOMPARE(readAll(path), old);
}

void TestOutputFile::hardLinksStayOneFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("cut.dxf");
    const QString other = dir.filePath("copy for the workshop.dxf");
    QVERIFY(writeBytes(path, "old content"));
    QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(other).constData()), 0);
    writeOutputFile(path, "new", FileKinds::Any);
    QCOMPARE(readAll(other), QByteArray("new"));
    QCOMPARE(inodeOf(path), inodeOf(other));
    QCOMPARE(entries(dir.path()), (QStringList{"copy for the workshop.dxf", "cut.dxf"}));
}

void TestOutputFile::replacingKeepsOwnerAndGroup() {
    if (geteuid() != 0) QSKIP("only root may give a file to another owner");
    QTemporaryDir dir;
    const QString path = dir.filePath("cut.svg");
    const QByteArray name = QFile::encodeName(path);
    QVERIFY(writeBytes(path, "old content"));
    QCOMPARE(::chown(name.constData(), 65534, 65534), 0);
    QCOMPARE(::chmod(name.constData(), 0640), 0);
    const ino_t before = inodeOf(path);
    writeOutputFile(path, "new", FileKinds::Any);
    struct stat st;
    QCOMPARE(::stat(name.constData(), &st), 0);
    QVERIFY(st.st_ino != before); // replaced, not rewritten
    QCOMPARE(int(st.st_uid), 65534);
    QCOMPARE(int(st.st_gid), 65534);
    QCOMPARE(int(st.st_mode & 07777), 0640);
    QCOMPARE(readAll(path), QByteArray("new"));
}

void TestOutputFile::anotherUsersFileRewritesInPlace() {
    // A file the user may write but does not own, in a folder open to all:
    // a new file renamed over it would belong to the user, so it is
    // rewritten in place and keeps its owner.
    if (geteuid() != 0) QSKIP("only root can make a file owned by another user here");
    QTemporaryDir dir;
    QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
    const QString path = dir.filePath("cut.dxf");
    QVERIFY(writeBytes(path, "old content"));
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0666), 0);
    const ino_t before = inodeOf(path);
    QString error = "not run";
    if (!asOrdinaryUser(
            [&] { error = errorOf([&] { writeOutputFile(path, "new", FileKinds::Any); }); }))
        QSKIP("cannot act as an ordinary user here");
    QCOMPARE(error, QString());
    QCOMPARE(readAll(path), QByteArray("new"));
    QCOMPARE(inodeOf(path), before);
    QCOMPARE(QFileInfo(path).ownerId(), 0u);
}

// A write refused half-way (here: the process may not write files beyond
// 100 bytes) leaves the old file, even for an output smaller than any
// buffer on the way.
void TestOutputFile::failedSmallWriteKeepsTheOldFile_data() {
    QTest::addColumn<bool>("streamed");
    QTest::newRow("whole") << false;
    QTest::newRow("streamed") << true;
}

void TestOutputFile::failedSmallWriteKeepsTheOldFile() {
    QFETCH(bool, streamed);
    QTemporaryDir dir;
    const QString path = dir.filePath("panels.svg");
    QVERIFY(writeBytes(path, "old content"));
    const QByteArray bytes(1000, 'n');
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit saved;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit small = saved;
    small.rlim_cur = 100;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const QString error = errorOf([&] {
        if (!streamed) return writeOutputFile(path, bytes, FileKinds::Any);
        writeStreamedOutputFile(
            path,
            [&](const OutputSink& sink) {
                for (int i = 0; i < 10; ++i)
                    sink(QByteArrayView(bytes).sliced(100 * i, 100));
            },
            FileKinds::Any);
    });
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    QCOMPARE(error, QStringLiteral("Erreur d'écriture dans le flux"));
    QCOMPARE(readAll(path), QByteArray("old content"));
    QCOMPARE(entries(dir.path()), QStringList{"panels.svg"});
}

// On a full disk every kind of save fails in words, keeps the old file and
// leaves no new one behind.
void TestOutputFile::fullDiskKeepsTheOldFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("existing");
    QTest::newRow("small output over a file") << "output" << 300 << true;
    QTest::newRow("small new output") << "output" << 300 << false;
    QTest::newRow("output larger than the disk") << "output" << 200000 << true;
    QTest::newRow("streamed output") << "streamed" << 300 << true;
    QTest::newRow("design") << "design" << 0 << true;
}

void TestOutputFile::fullDiskKeepsTheOldFile() {
    QFETCH(QString, kind);
    QFETCH(int, size);
    QFETCH(bool, existing);
    SmallDisk disk;
    if (!disk.mounted()) QSKIP(qPrintable(disk.reason()));
    const QString path = disk.filePath("old.dxf");
    if (existing) QVERIFY(writeBytes(path, "old content"));
    QVERIFY(disk.fill());
    const QByteArray bytes(size, 'n');
    const QString error = errorOf([&] {
        if (kind == "output") return writeOutputFile(path, bytes, FileKinds::Any);
        if (kind == "design") return writeQvlFile(path, RampDimensions{});
        writeStreamedOutputFile(
            path, [&](const OutputSink& sink) { sink(bytes); }, FileKinds::Any);
    });
    QCOMPARE(error, QStringLiteral("Plus de place sur le disque"));
    if (existing) QCOMPARE(readAll(path), QByteArray("old content"));
    QCOMPARE(entries(disk.path()),
             (existing ? QStringList{"filler", "old.dxf"} : QStringList{"filler"}));
}

// The window replaces regular files only: a pipe without a reader would hold
// it. The batch tool writes to a device as to any file.
void TestOutputFile::specialFiles_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("regularOnly");
    QTest::addColumn<QString>("message");
    QTest::newRow("pipe, window") << "@fifo" << true << "@fifo n'est pas un fichier ordinaire";
    QTest::newRow("device, window")
        << "/dev/null" << true << "/dev/null n'est pas un fichier ordinaire";
    QTest::newRow("full device, batch tool")
        << "/dev/full" << false << "Plus de place sur le disque";
    QTest::newRow("device, batch tool") << "/dev/null" << false << "";
}

void TestOutputFile::specialFiles() {
    QFETCH(QString, path);
    QFETCH(bool, regularOnly);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString fifo = dir.filePath("panels.dxf");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    path.replace("@fifo", fifo);
    message.replace("@fifo", fifo);
    if (!path.startsWith(dir.path()) && !QFileInfo::exists(path)) QSKIP("no such device here");
    const FileKinds kinds = regularOnly ? FileKinds::RegularOnly : FileKinds::Any;
    QCOMPARE(errorOf([&] { writeOutputFile(path, "new", kinds); }), message);
    QVERIFY(!QFileInfo(path).isFile());
    QCOMPARE(entries(dir.path()), QStringList{"panels.dxf"});
}

QTEST_GUILESS_MAIN(TestOutputFile)
#include "test_outputfile.moc"
