#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The language a person reads, chosen from the environment as a desktop
// session sets it, in both batch programs: the one that only computes (plan)
// and the one that draws (book, read back with pdftotext).

namespace {

const QByteArray defaultDesign = "60 140 70 140 244 70 140 60\r\n";

QProcessEnvironment environment(const QStringList& assignments) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QUARVEL_LANGUAGE", "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        env.remove(QString::fromLatin1(name));
    for (const QString& a : assignments)
        env.insert(a.section(u'=', 0, 0), a.section(u'=', 1));
    return env;
}

QByteArray run(const QString& program, const QStringList& args, const QProcessEnvironment& env) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForFinished(120000) || p.exitCode() != 0) return {};
    return p.readAllStandardOutput();
}

} // namespace

class TestLanguageChoice : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString design;

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        design = dir.filePath(QStringLiteral("rampe.qvl"));
        QFile f(design);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(defaultDesign) == defaultDesign.size());
    }

    void environments_data() {
        QTest::addColumn<QStringList>("assignments");
        QTest::addColumn<bool>("english");
        QTest::newRow("LANG=en_US.UTF-8") << QStringList{"LANG=en_US.UTF-8"} << true;
        QTest::newRow("LANG=en_CA.UTF-8") << QStringList{"LANG=en_CA.UTF-8"} << true;
        QTest::newRow("LANGUAGE=de:en")
            << QStringList{"LANGUAGE=de:en", "LANG=de_DE.UTF-8"} << true;
        QTest::newRow("LANG=fr_FR.UTF-8") << QStringList{"LANG=fr_FR.UTF-8"} << false;
        QTest::newRow("LANG=C.UTF-8") << QStringList{"LANG=C.UTF-8"} << false;
        QTest::newRow("LC_ALL=POSIX") << QStringList{"LC_ALL=POSIX", "LANG=en_US.UTF-8"} << false;
        QTest::newRow("nothing set") << QStringList{} << false;
        QTest::newRow("QUARVEL_LANGUAGE=en")
            << QStringList{"QUARVEL_LANGUAGE=en", "LANG=fr_FR.UTF-8"} << true;
        QTest::newRow("QUARVEL_LANGUAGE=fr")
            << QStringList{"QUARVEL_LANGUAGE=fr", "LANG=en_US.UTF-8"} << false;
    }
    // The text table's words and its decimal separator.
    void environments() {
        QFETCH(QStringList, assignments);
        QFETCH(bool, english);
        const QByteArray text = run(QStringLiteral(QUARVEL_CLI_PATH),
                                    {QStringLiteral("plan"), design}, environment(assignments));
        QVERIFY(!text.isEmpty());
        QCOMPARE(text.contains("Lengths in millimetres."), english);
        QCOMPARE(text.contains("Longueurs en millimètres."), !english);
        QCOMPARE(text.contains("1812.4"), english);
        QCOMPARE(text.contains("1812,4"), !english);
    }

    // The book, drawn by the other program, in English under an English session.
    void bookInEnglish() {
        const QString pdf = dir.filePath(QStringLiteral("book.pdf"));
        const QProcessEnvironment env = environment({QStringLiteral("LANG=en_US.UTF-8")});
        QProcess book;
        book.setProcessEnvironment(env);
        book.start(QStringLiteral(QUARVEL_CLI_PATH), {QStringLiteral("book"), design, pdf});
        QVERIFY(book.waitForFinished(120000));
        QCOMPARE(book.exitCode(), 0);
        const QByteArray text = run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}, env);
        QVERIFY(text.contains("Shopping list"));
        QVERIFY(!text.contains("Liste d'achats"));
    }
};

QTEST_GUILESS_MAIN(TestLanguageChoice)
#include "test_languagechoice.moc"
