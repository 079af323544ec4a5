#include "ordinaryuser.h"
#include "outputfile.h"
#include "quarvelerror.h"

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
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
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
};

void TestOutputFile::writesAndReplaces() {
    QTemporaryDir dir;
    const QString path = dir.filePath("panels.dxf");
    writeOutputFile(path, "first");
    QCOMPARE(readAll(path), QByteArray("first"));
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    writeOutputFile(path, "second, longer");
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
    QVERIFY(errorOf([&] { writeOutputFile(path, "x"); }).startsWith(message));
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
    if (!asOrdinaryUser([&] { error = errorOf([&] { writeOutputFile(path, "new"); }); }))
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
        error = errorOf([&] { writeOutputFile(path, QByteArray(10000, 'n')); });
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
    writeOutputFile(path, "new");
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
    writeOutputFile(path, "new");
    struct stat st;
    QCOMPARE(::stat(name.constData(), &st), 0);
    QVERIFY(st.st_ino != before); // replaced, not rewritten
    QCOMPARE(int(st.st_uid), 65534);
    QCOMPARE(int(st.st_gid), 65534);
    QCOMPARE(int(st.st_mode & 07777), 0640);
    QCOMPARE(readAll(path), QByteArray("new"));
}

QTEST_GUILESS_MAIN(TestOutputFile)
#include "test_outputfile.moc"
