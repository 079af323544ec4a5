#include "ordinaryuser.h"
#include "qvlfile.h"

#include <QtTest>

#include <cerrno>
#include <climits>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

Q_DECLARE_METATYPE(RampDimensions)

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return "<unreadable>";
    return f.readAll();
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush();
}

ino_t inodeOf(const QString& path) {
    struct stat st;
    return stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

// The code and message of the FileError f throws, or -1.
template <class F> std::pair<int, QString> fileErrorOf(F&& f) {
    try {
        f();
    } catch (const FileError& e) {
        return {e.code(), e.message()};
    }
    return {-1, QString()};
}

} // namespace

class TestQvlFile : public QObject {
    Q_OBJECT

private slots:
    void parse_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<RampDimensions>("dims");
        const QByteArray z32(32, '0');
        QTest::newRow("defaults") << QByteArray("60 140 70 140 244 70 140 60\r\n")
                                  << RampDimensions{};
        QTest::newRow("file order")
            << QByteArray("1 2 3 4 5 6 7 8\r\n")
            << RampDimensions{.P1 = 1, .R1 = 2, .H1 = 3, .F = 4, .W = 5, .R2 = 7, .H2 = 6, .P2 = 8};
        QTest::newRow("no line end")
            << QByteArray("1 2 3 4 5 6 7 8")
            << RampDimensions{.P1 = 1, .R1 = 2, .H1 = 3, .F = 4, .W = 5, .R2 = 7, .H2 = 6, .P2 = 8};
        QTest::newRow("spread over lines")
            << QByteArray("1\n2\r\n3\n\n4 5\r\n6\n7\n8\r\n")
            << RampDimensions{.P1 = 1, .R1 = 2, .H1 = 3, .F = 4, .W = 5, .R2 = 7, .H2 = 6, .P2 = 8};
        QTest::newRow("tabs and runs of blanks")
            << QByteArray("  1\t2   3\t\t4 \t 5 6 7 8")
            << RampDimensions{.P1 = 1, .R1 = 2, .H1 = 3, .F = 4, .W = 5, .R2 = 7, .H2 = 6, .P2 = 8};
        QTest::newRow("control characters are blanks")
            << QByteArray("1\x01"
                          "2\x1f"
                          "3\x0b"
                          "4\x0c"
                          "5\x00"
                          "6\x7"
                          "7\x1b"
                          "8",
                          15)
            << RampDimensions{.P1 = 1, .R1 = 2, .H1 = 3, .F = 4, .W = 5, .R2 = 7, .H2 = 6, .P2 = 8};
        QTest::newRow("carriage return alone separates")
            << QByteArray("1\r2\r3\r4\r5\r6\r7\r8\r")
            << RampDimensions{.P1 = 1, .R1 = 2, .H1 = 3, .F = 4, .W = 5, .R2 = 7, .H2 = 6, .P2 = 8};
        QTest::newRow("signs") << QByteArray("-5 +5 -0 0 -2147483648 2147483647 7 8")
                               << RampDimensions{.P1 = -5,
                                                 .R1 = 5,
                                                 .H1 = 0,
                                                 .F = 0,
                                                 .W = INT_MIN,
                                                 .R2 = 7,
                                                 .H2 = INT_MAX,
                                                 .P2 = 8};
        QTest::newRow("hexadecimal")
            << QByteArray("$10 0x10 x1f 0XFF $FFFFFFFF 6 7 8")
            << RampDimensions{
                   .P1 = 16, .R1 = 16, .H1 = 31, .F = 255, .W = -1, .R2 = 7, .H2 = 6, .P2 = 8};
        QTest::newRow("short file")
            << QByteArray("60 140")
            << RampDimensions{.H1 = 0, .F = 0, .W = 0, .R2 = 0, .H2 = 0, .P2 = 0};
        QTest::newRow("short file with line end")
            << QByteArray("60 140\r\n")
            << RampDimensions{.H1 = 0, .F = 0, .W = 0, .R2 = 0, .H2 = 0, .P2 = 0};
        QTest::newRow("empty")
            << QByteArray()
            << RampDimensions{.P1 = 0, .R1 = 0, .H1 = 0, .F = 0, .W = 0, .R2 = 0, .H2 = 0, .P2 = 0};
        QTest::newRow("blanks only")
            << QByteArray(" \r\n\t\r\n")
            << RampDimensions{.P1 = 0, .R1 = 0, .H1 = 0, .F = 0, .W = 0, .R2 = 0, .H2 = 0, .P2 = 0};
        QTest::newRow("ctrl-z ends the data")
            << QByteArray("1 2 3\x1a"
                          "4 5 6 7 8")
            << RampDimensions{.P1 = 1, .R1 = 2, .H1 = 3, .F = 0, .W = 0, .R2 = 0, .H2 = 0, .P2 = 0};
        QTest::newRow("ctrl-z inside a token")
            << QByteArray("12\x1a"
                          "34 5")
            << RampDimensions{
                   .P1 = 12, .R1 = 0, .H1 = 0, .F = 0, .W = 0, .R2 = 0, .H2 = 0, .P2 = 0};
        QTest::newRow("ctrl-z hides a bad token")
            << QByteArray("1 2\x1a"
                          "x y z")
            << RampDimensions{.P1 = 1, .R1 = 2, .H1 = 0, .F = 0, .W = 0, .R2 = 0, .H2 = 0, .P2 = 0};
        QTest::newRow("33rd character starts the next token")
            << (z32 + "5 6")
            << RampDimensions{.P1 = 0, .R1 = 5, .H1 = 6, .F = 0, .W = 0, .R2 = 0, .H2 = 0, .P2 = 0};
        QTest::newRow("32 characters are one token")
            << (QByteArray(31, '0') + "9 6")
            << RampDimensions{.P1 = 9, .R1 = 6, .H1 = 0, .F = 0, .W = 0, .R2 = 0, .H2 = 0, .P2 = 0};
        QTest::newRow("64 characters are two tokens")
            << (z32 + QByteArray(31, '0') + "7" + " 3")
            << RampDimensions{.P1 = 0, .R1 = 7, .H1 = 3, .F = 0, .W = 0, .R2 = 0, .H2 = 0, .P2 = 0};
        QTest::newRow("rest of the line never read")
            << QByteArray("1 2 3 4 5 6 7 8 junk ; x\r\nmore junk")
            << RampDimensions{.P1 = 1, .R1 = 2, .H1 = 3, .F = 4, .W = 5, .R2 = 7, .H2 = 6, .P2 = 8};
        QTest::newRow("later lines never read")
            << QByteArray("1 2 3 4\n5 6 7 8\nx 9 9 9 9 9 9 9\n")
            << RampDimensions{.P1 = 1, .R1 = 2, .H1 = 3, .F = 4, .W = 5, .R2 = 7, .H2 = 6, .P2 = 8};
        QTest::newRow("ninth number ignored")
            << QByteArray("1 2 3 4 5 6 7 8 9")
            << RampDimensions{.P1 = 1, .R1 = 2, .H1 = 3, .F = 4, .W = 5, .R2 = 7, .H2 = 6, .P2 = 8};
    }

    void parse() {
        QFETCH(QByteArray, bytes);
        QFETCH(RampDimensions, dims);
        RampDimensions got;
        const auto error = fileErrorOf([&] { got = parseQvl(bytes); });
        QCOMPARE(error.first, -1);
        QVERIFY(got == dims);
    }

    void badNumber_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("letter as third") << QByteArray("60 140 x 140 244 70 140 60\r\n");
        QTest::newRow("semicolon joins") << QByteArray("60;140 70 140 244 70 140 60");
        QTest::newRow("comma joins") << QByteArray("60,5 140");
        QTest::newRow("decimal point") << QByteArray("60.5 140");
        QTest::newRow("last number") << QByteArray("1 2 3 4 5 6 7 z");
        QTest::newRow("too large") << QByteArray("2147483648");
        QTest::newRow("hex with sign") << QByteArray("-$10");
        QTest::newRow("33rd character bad") << (QByteArray(32, '0') + "x");
        QTest::newRow("non-ascii") << QByteArray("1 2 \xe9");
        QTest::newRow("bad first, good rest") << QByteArray("a 1 2 3 4 5 6 7");
    }

    void badNumber() {
        QFETCH(QByteArray, bytes);
        const auto error = fileErrorOf([&] { parseQvl(bytes); });
        QCOMPARE(error.first, 106);
        QCOMPARE(error.second, QStringLiteral("Saisie numérique incorrecte"));
    }

    void format_data() {
        QTest::addColumn<RampDimensions>("dims");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("defaults") << RampDimensions{}
                                  << QByteArray("60 140 70 140 244 70 140 60\r\n");
        QTest::newRow("file order")
            << RampDimensions{.P1 = 1, .R1 = 2, .H1 = 3, .F = 4, .W = 5, .R2 = 7, .H2 = 6, .P2 = 8}
            << QByteArray("1 2 3 4 5 6 7 8\r\n");
        QTest::newRow("negative and extremes")
            << RampDimensions{.P1 = -5,
                              .R1 = 0,
                              .H1 = INT_MIN,
                              .F = INT_MAX,
                              .W = -1,
                              .R2 = 100,
                              .H2 = 10,
                              .P2 = 0}
            << QByteArray("-5 0 -2147483648 2147483647 -1 10 100 0\r\n");
    }

    void format() {
        QFETCH(RampDimensions, dims);
        QFETCH(QByteArray, bytes);
        QCOMPARE(formatQvl(dims), bytes);
        QVERIFY(parseQvl(bytes) == dims);
    }

    void saveAndReopen_data() {
        QTest::addColumn<RampDimensions>("dims");
        QTest::newRow("defaults") << RampDimensions{};
        QTest::newRow("uneven") << RampDimensions{
            .P1 = 30, .R1 = 183, .H1 = 97, .F = 211, .W = 100, .R2 = 77, .H2 = 35, .P2 = 12};
        QTest::newRow("extremes") << RampDimensions{.P1 = INT_MIN,
                                                    .R1 = INT_MAX,
                                                    .H1 = -1,
                                                    .F = 0,
                                                    .W = 46340,
                                                    .R2 = 1,
                                                    .H2 = -46340,
                                                    .P2 = INT_MIN};
    }

    void saveAndReopen() {
        QFETCH(RampDimensions, dims);
        QTemporaryDir dir;
        const QString path = dir.filePath("design.qvl");
        writeQvlFile(path, dims);
        QCOMPARE(readAll(path), formatQvl(dims));
        QVERIFY(readQvlFile(path) == dims);
        // Saving again over it replaces the content and leaves no other file.
        writeQvlFile(path, RampDimensions{});
        QVERIFY(readQvlFile(path) == RampDimensions{});
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"design.qvl"});
    }

    void readErrors() {
        QTemporaryDir dir;
        auto missing = fileErrorOf([&] { readQvlFile(dir.filePath("missing.qvl")); });
        QCOMPARE(missing.first, 2);
        QCOMPARE(missing.second, QStringLiteral("Fichier introuvable"));
        auto noFolder = fileErrorOf([&] { readQvlFile(dir.filePath("nofolder/design.qvl")); });
        QCOMPARE(noFolder.first, 3);
        QCOMPARE(noFolder.second, QStringLiteral("Nom de fichier incorrect"));
        QVERIFY(writeBytes(dir.filePath("plain"), "1"));
        auto throughFile = fileErrorOf([&] { readQvlFile(dir.filePath("plain/design.qvl")); });
        QCOMPARE(throughFile.first, 3);
        auto folder = fileErrorOf([&] { readQvlFile(dir.path()); });
        QCOMPARE(folder.first, 5);
        QCOMPARE(folder.second, QStringLiteral("Accès au fichier refusé"));
        QVERIFY(writeBytes(dir.filePath("bad.qvl"), "60 140 x 140 244 70 140 60\r\n"));
        QCOMPARE(fileErrorOf([&] { readQvlFile(dir.filePath("bad.qvl")); }).first, 106);
    }

    // The reader works a block at a time: a long run of blanks before the
    // numbers, and a big tail after them, change nothing.
    void readLongFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("long.qvl");
        QByteArray bytes = QByteArray(5000, ' ') + "1 2 3\r\n" + QByteArray(3000, '\n') +
                           "4 5 6 7 8 tail\r\n" + QByteArray(100000, 'x');
        QVERIFY(writeBytes(path, bytes));
        const RampDimensions read = readQvlFile(path);
        QVERIFY(
            read ==
            RampDimensions({.P1 = 1, .R1 = 2, .H1 = 3, .F = 4, .W = 5, .R2 = 7, .H2 = 6, .P2 = 8}));
    }

    // An endless source of blanks ends like an empty file instead of
    // keeping the program in the blank-skipping loop for ever.
    void endlessBlanksEndAsEmpty() {
        if (!QFileInfo::exists("/dev/zero")) QSKIP("no /dev/zero here");
        const RampDimensions read = readQvlFile("/dev/zero");
        QVERIFY(
            read ==
            RampDimensions({.P1 = 0, .R1 = 0, .H1 = 0, .F = 0, .W = 0, .R2 = 0, .H2 = 0, .P2 = 0}));
    }

    // The window opens regular files only, at once: a pipe without a writer
    // would hold it. The batch tool reads a pipe (a shell's process
    // substitution is one).
    void pipesAndDevices() {
        QTemporaryDir dir;
        const QString fifo = dir.filePath("design.qvl");
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
        for (const QString& path : {fifo, QStringLiteral("/dev/zero")}) {
            QString message;
            try {
                readQvlFile(path, FileKinds::RegularOnly);
            } catch (const QuarvelError& e) {
                message = e.message();
            }
            QCOMPARE(message, path + " n'est pas un fichier ordinaire");
        }
        std::thread writer([&] { writeBytes(fifo, "1 2 3 4 5 6 7 8\r\n"); });
        const RampDimensions read = readQvlFile(fifo, FileKinds::Any);
        writer.join();
        QVERIFY(
            read ==
            RampDimensions({.P1 = 1, .R1 = 2, .H1 = 3, .F = 4, .W = 5, .R2 = 7, .H2 = 6, .P2 = 8}));
    }

    void writeErrors() {
        QTemporaryDir dir;
        auto noFolder = fileErrorOf([&] { writeQvlFile(dir.filePath("nofolder/d.qvl"), {}); });
        QCOMPARE(noFolder.first, 3);
        QCOMPARE(noFolder.second, QStringLiteral("Nom de fichier incorrect"));
        // A folder in the way is refused and stays a folder.
        QVERIFY(QDir(dir.path()).mkdir("taken.qvl"));
        auto folder = fileErrorOf([&] { writeQvlFile(dir.filePath("taken.qvl"), {}); });
        QCOMPARE(folder.first, 5);
        QVERIFY(QFileInfo(dir.filePath("taken.qvl")).isDir());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"taken.qvl"});
    }

    void fullDeviceReportsErrno() {
        if (!QFileInfo::exists("/dev/full")) QSKIP("no /dev/full on this system");
        const auto full = fileErrorOf([&] { writeQvlFile("/dev/full", {}); });
        QCOMPARE(full.first, ENOSPC);
        QCOMPARE(full.second, QStringLiteral("Plus de place sur le disque"));
        QVERIFY(QFileInfo("/dev/full").exists() && !QFileInfo("/dev/full").isFile());
    }

    // A save that fails half-way (here: the process may not write files
    // beyond 8 bytes) keeps the design that was there.
    void failedSaveKeepsOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("design.qvl");
        const QByteArray old = "1 2 3 4 5 6 7 8\r\n";
        QVERIFY(writeBytes(path, old));

        struct rlimit saved;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        struct rlimit small = saved;
        small.rlim_cur = 8;
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const auto error = fileErrorOf([&] { writeQvlFile(path, RampDimensions{}); });
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        QCOMPARE(error.first, EFBIG);
        QCOMPARE(error.second, QStringLiteral("Erreur E/S %1").arg(EFBIG));
        QCOMPARE(readAll(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"design.qvl"});
    }

    void saveKeepsPermissionsAndLinks() {
        QTemporaryDir dir;
        const QString path = dir.filePath("design.qvl");
        QVERIFY(writeBytes(path, "0\r\n"));
        QCOMPARE(chmod(QFile::encodeName(path).constData(), 0640), 0);
        writeQvlFile(path, RampDimensions{});
        struct stat st;
        QCOMPARE(stat(QFile::encodeName(path).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 07777), 0640);

        const QString link = dir.filePath("link.qvl");
        QVERIFY(QFile::link(path, link));
        writeQvlFile(
            link,
            RampDimensions{.P1 = 1, .R1 = 2, .H1 = 3, .F = 4, .W = 5, .R2 = 7, .H2 = 6, .P2 = 8});
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(readAll(path), QByteArray("1 2 3 4 5 6 7 8\r\n"));
    }

    // The longest name the system allows is saved too: the temporary file
    // next to it must not need a longer one.
    void saveUnderLongestName() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QString(251, u'd') + ".qvl");
        const auto error = fileErrorOf([&] { writeQvlFile(path, RampDimensions{}); });
        QCOMPARE(error.first, -1);
        QCOMPARE(readAll(path), formatQvl(RampDimensions{}));
    }

    // A design the user may not write to is refused, not replaced by renaming
    // the new content over it. Run as an ordinary user (root may write to it).
    void saveRefusesWriteProtectedDesign() {
        QTemporaryDir dir;
        QCOMPARE(chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
        const QString path = dir.filePath("design.qvl");
        const QByteArray old = "1 2 3 4 5 6 7 8\r\n";
        QVERIFY(writeBytes(path, old));
        QCOMPARE(chmod(QFile::encodeName(path).constData(), 0444), 0);

        const bool asRoot = geteuid() == 0;
        if (asRoot && (setresgid(65534, 65534, 0) != 0 || setresuid(65534, 65534, 0) != 0)) {
            setresgid(0, 0, 0);
            QSKIP("cannot act as an ordinary user here");
        }
        const auto error = fileErrorOf([&] { writeQvlFile(path, RampDimensions{}); });
        if (asRoot) {
            QCOMPARE(setresuid(0, 0, 0), 0);
            QCOMPARE(setresgid(0, 0, 0), 0);
        }
        QCOMPARE(error.first, 5);
        QCOMPARE(error.second, QStringLiteral("Accès au fichier refusé"));
        QCOMPARE(readAll(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"design.qvl"});
    }

    // A shared folder the user may not create files in, holding a design the
    // user may write: the save rewrites it in place rather than refuse it.
    void saveInProtectedFolderRewritesInPlace() {
        QTemporaryDir dir;
        const QString path = dir.filePath("design.qvl");
        QVERIFY(writeBytes(path, "1 2 3 4 5 6 7 8\r\n"));
        QCOMPARE(chmod(QFile::encodeName(path).constData(), 0666), 0);
        QCOMPARE(chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
        const ino_t before = inodeOf(path);
        std::pair<int, QString> error{0, QStringLiteral("not run")};
        if (!asOrdinaryUser(
                [&] { error = fileErrorOf([&] { writeQvlFile(path, RampDimensions{}); }); }))
            QSKIP("cannot act as an ordinary user here");
        QCOMPARE(error.second, QString());
        QCOMPARE(readAll(path), formatQvl(RampDimensions{}));
        QCOMPARE(inodeOf(path), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"design.qvl"});
    }

    // Rewritten in place, a design that cannot take the new content whole
    // gets its old content back.
    void failedRewriteInPlaceRestoresTheDesign() {
        QTemporaryDir dir;
        const QString path = dir.filePath("design.qvl");
        const QByteArray old = "1 2 3 4 5 6 7 8\r\n";
        QVERIFY(writeBytes(path, old));
        QCOMPARE(chmod(QFile::encodeName(path).constData(), 0666), 0);
        QCOMPARE(chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
        struct rlimit saved;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        std::pair<int, QString> error{0, QStringLiteral("not run")};
        const bool ran = asOrdinaryUser([&] {
            struct rlimit small = saved;
            small.rlim_cur = 20;
            setrlimit(RLIMIT_FSIZE, &small);
            error = fileErrorOf([&] {
                writeQvlFile(path, RampDimensions{.P1 = INT_MIN,
                                                  .R1 = INT_MIN,
                                                  .H1 = 3,
                                                  .F = 4,
                                                  .W = 5,
                                                  .R2 = 7,
                                                  .H2 = 6,
                                                  .P2 = 8});
            });
            setrlimit(RLIMIT_FSIZE, &saved);
        });
        std::signal(SIGXFSZ, previousHandler);
        if (!ran) QSKIP("cannot act as an ordinary user here");
        QCOMPARE(error.first, EFBIG);
        QCOMPARE(readAll(path), old);
    }

    // Several hard links to one design stay one file after a save.
    void hardLinksStayOneFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("design.qvl");
        const QString other = dir.filePath("copy.qvl");
        QVERIFY(writeBytes(path, "0\r\n"));
        QCOMPARE(link(QFile::encodeName(path).constData(), QFile::encodeName(other).constData()),
                 0);
        writeQvlFile(
            path,
            RampDimensions{.P1 = 1, .R1 = 2, .H1 = 3, .F = 4, .W = 5, .R2 = 7, .H2 = 6, .P2 = 8});
        QCOMPARE(readAll(other), QByteArray("1 2 3 4 5 6 7 8\r\n"));
        QCOMPARE(inodeOf(path), inodeOf(other));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 (QStringList{"copy.qvl", "design.qvl"}));
    }

    // Root saving another user's design gives it back to that user.
    void saveKeepsOwnerAndGroup() {
        if (geteuid() != 0) QSKIP("only root may give a file to another owner");
        QTemporaryDir dir;
        const QString path = dir.filePath("design.qvl");
        const QByteArray name = QFile::encodeName(path);
        QVERIFY(writeBytes(path, "0\r\n"));
        QCOMPARE(chown(name.constData(), 65534, 65534), 0);
        QCOMPARE(chmod(name.constData(), 0640), 0);
        const ino_t before = inodeOf(path);
        writeQvlFile(path, RampDimensions{});
        struct stat st;
        QCOMPARE(stat(name.constData(), &st), 0);
        QVERIFY(st.st_ino != before); // replaced, not rewritten
        QCOMPARE(int(st.st_uid), 65534);
        QCOMPARE(int(st.st_gid), 65534);
        QCOMPARE(int(st.st_mode & 07777), 0640);
    }

    void errnoMapping_data() {
        QTest::addColumn<int>("errnoValue");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("EMFILE") << EMFILE << 4 << "Trop de fichiers ouverts";
        QTest::newRow("ENFILE") << ENFILE << 4 << "Trop de fichiers ouverts";
        QTest::newRow("EACCES") << EACCES << 5 << "Accès au fichier refusé";
        QTest::newRow("EPERM") << EPERM << 5 << "Accès au fichier refusé";
        QTest::newRow("ENOTDIR") << ENOTDIR << 3 << "Nom de fichier incorrect";
        QTest::newRow("ENAMETOOLONG") << ENAMETOOLONG << 3 << "Nom de fichier incorrect";
        // The common failures of a save, in words, each with its own number.
        QTest::newRow("EROFS") << EROFS << EROFS << "Disque en lecture seule";
        // EIO is 5 on Linux, yet no access question.
        QTest::newRow("EIO") << EIO << EIO << "Erreur de lecture ou d'écriture sur le disque";
        QTest::newRow("ENOSPC") << ENOSPC << ENOSPC << "Plus de place sur le disque";
        QTest::newRow("EDQUOT") << EDQUOT << EDQUOT << "Quota de disque dépassé";
        QTest::newRow("EBUSY") << EBUSY << EBUSY << QStringLiteral("Erreur E/S %1").arg(EBUSY);
    }

    void errnoMapping() {
        QFETCH(int, errnoValue);
        QFETCH(int, code);
        QFETCH(QString, message);
        const FileError e = FileError::fromErrno(errnoValue, QDir::tempPath() + "/x.qvl");
        QCOMPARE(e.code(), code);
        QCOMPARE(e.message(), message);
    }
};

QTEST_APPLESS_MAIN(TestQvlFile)
#include "test_qvlfile.moc"
