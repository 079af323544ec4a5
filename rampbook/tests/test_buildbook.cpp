#include "bookpdfcheck.h"
#include "lengthunits.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <map>

// quarvel-cli book as a builder runs it, read back with poppler-utils: the
// layout's promises, the shopping list against plan --json's prices, one
// picture of the model per assembly step.

namespace {

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Run runProgram(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.closeWriteChannel();
    if (!p.waitForFinished(120000)) return {};
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

Run runCli(const QStringList& args) {
    return runProgram(QStringLiteral(QUARVEL_CLI_PATH), args);
}

const QRegularExpression priceAtEnd(QStringLiteral("(\\d+,\\d\\d) €$"));

// The shopping list's lines, from its chapter heading to its total.
QStringList shoppingLines(const std::vector<PdfPage>& pages) {
    QStringList lines;
    bool inList = false;
    for (const PdfPage& page : pages)
        for (const PdfLine& line : page.lines) {
            if (line.text == u"Liste d'achats" && line.wordHeight > 4) inList = true;
            if (!inList) continue;
            lines << line.text;
            if (line.text.startsWith(u"Total ")) return lines;
        }
    return lines;
}

// plan --json's price (a number) as the book writes it: "200,93".
QString frenchPrice(const QJsonValue& value) {
    return QString::number(value.toDouble(), 'f', 2).replace(u'.', u',');
}

// The page (from 1) each image stands on, as pdfimages lists them.
QList<int> imagePages(const QString& pdf) {
    const Run run = runProgram(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    QList<int> pages;
    const QList<QByteArray> lines = run.out.split('\n');
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QList<QByteArray> fields = lines[i].simplified().split(' ');
        if (fields.size() > 2 && fields[2] == "image") pages << fields[0].toInt();
    }
    return pages;
}

int pageWith(const std::vector<PdfPage>& pages, const QString& start) {
    for (std::size_t i = 0; i < pages.size(); ++i)
        for (const PdfLine& line : pages[i].lines)
            if (line.text.startsWith(start)) return int(i) + 1;
    return 0;
}

} // namespace

class TestBuildBook : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void book_data();
    void book();
    void bookInInches();
    void unwritable_data();
    void unwritable();

private:
    QTemporaryDir m_dir;
};

void TestBuildBook::initTestCase() {
    QVERIFY(m_dir.isValid());
    const std::pair<const char*, QByteArray> designs[] = {
        {"default.qvl", "60 140 70 140 244 70 140 60\r\n"},
        {"wall.qvl", "60 150 200 140 244 70 140 60\r\n"},
        // Twice as wide, high and long: more sheets, boards and surface pieces.
        {"large.qvl", "120 300 250 400 488 250 300 120\r\n"}};
    for (const auto& [name, bytes] : designs) {
        QFile f(m_dir.filePath(QLatin1String(name)));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }
}

void TestBuildBook::book_data() {
    QTest::addColumn<QString>("design");
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QString>("paper");
    const QString a4 = QStringLiteral("a4");
    const QString defaultDesign = QStringLiteral("default.qvl");
    QTest::newRow("default A4") << defaultDesign << QStringList() << a4;
    QTest::newRow("default Letter") << defaultDesign << QStringList() << QStringLiteral("letter");
    QTest::newRow("wall, split panels") << QStringLiteral("wall.qvl") << QStringList() << a4;
    QTest::newRow("large") << QStringLiteral("large.qvl") << QStringList() << a4;
    QTest::newRow("deck frames on legs")
        << defaultDesign << QStringList{QStringLiteral("--back"), QStringLiteral("300,300")} << a4;
}

void TestBuildBook::book() {
    QFETCH(QString, design);
    QFETCH(QStringList, settings);
    QFETCH(QString, paper);
    if (!popplerAvailable()) QSKIP("poppler-utils is not installed");
    const QString designPath = m_dir.filePath(design);
    const QString pdf = m_dir.filePath(QStringLiteral("book.pdf"));
    const Run book = runCli(QStringList{QStringLiteral("book"), QStringLiteral("--paper"), paper} +
                            settings + QStringList{designPath, pdf});
    QVERIFY2(book.status == 0, book.err.constData());

    BookPdfExpectations expected;
    expected.contentsTitle = QStringLiteral("Sommaire");
    expected.tables.push_back(
        {QStringLiteral("Article Qté Dimensions (mm) Détail Prix"),
         QRegularExpression(QStringLiteral("^(?!Total|Coût).* \\d+,\\d\\d €$"))});
    const QStringList problems = bookPdfProblems(pdf, expected);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));

    // Every priced line of the plan, in its order, and the total.
    const Run plan = runCli(QStringList{QStringLiteral("plan"), QStringLiteral("--json")} +
                            settings + QStringList{designPath});
    QCOMPARE(plan.status, 0);
    const QJsonObject cost = QJsonDocument::fromJson(plan.out).object()[u"cost"].toObject();
    QStringList planPrices;
    for (const QJsonValue& line : cost[u"lines"].toArray())
        planPrices << frenchPrice(line.toObject()[u"price"]);
    const std::vector<PdfPage> pages = readPdfPages(pdf);
    const QStringList lines = shoppingLines(pages);
    QVERIFY(!lines.isEmpty());
    QStringList bookPrices;
    for (const QString& line : lines.mid(0, lines.size() - 1)) {
        const QRegularExpressionMatch m = priceAtEnd.match(line);
        if (m.hasMatch()) bookPrices << m.captured(1);
    }
    QCOMPARE(bookPrices, planPrices);
    QCOMPARE(priceAtEnd.match(lines.last()).captured(1), frenchPrice(cost[u"total"]));

    // A diagram for every nested sheet, and every board counted by stock length.
    const QJsonObject json = QJsonDocument::fromJson(plan.out).object();
    const int sheets = json[u"sheets"].toObject()[u"count"].toInt();
    QVERIFY(sheets > 0);
    for (int k = 1; k <= sheets; ++k)
        QVERIFY(pageWith(pages, QStringLiteral("Feuille %1 sur %2").arg(k).arg(sheets)) > 0);
    std::map<QString, int> planBoards;
    for (const QJsonValue& section : json[u"timber"].toArray())
        for (const QJsonValue& board : section.toObject()[u"boards"].toArray())
            planBoards[QString::number(board.toObject()[u"stock"].toDouble())] +=
                board.toObject()[u"count"].toInt();
    std::map<QString, int> bookBoards;
    static const QRegularExpression boardLine(QStringLiteral("^(\\d+) × planche de (\\S+) mm"));
    for (const PdfPage& page : pages)
        for (const PdfLine& line : page.lines)
            if (const auto m = boardLine.match(line.text); m.hasMatch())
                bookBoards[m.captured(2).replace(u',', u'.')] += m.captured(1).toInt();
    QVERIFY(!planBoards.empty());
    QCOMPARE(bookBoards, planBoards);

    // The cover's picture and one on each assembly step's page; the frame
    // from above and from the side are drawings, on a page of their own.
    const QList<int> imagesOn = imagePages(pdf);
    QCOMPARE(imagesOn.size(), 1 + 7);
    const int framingPage = pageWith(pages, QStringLiteral("Vue de dessus"));
    QVERIFY(framingPage > 0);
    QCOMPARE(pageWith(pages, QStringLiteral("Vue de côté")), framingPage);
    QVERIFY(!imagesOn.contains(framingPage));
    QCOMPARE(imagesOn.first(), 1);
    for (int step = 1; step <= 7; ++step) {
        const int page = pageWith(pages, QStringLiteral("Étape %1 :").arg(step));
        QVERIFY2(page > 0, qPrintable(QStringLiteral("step %1").arg(step)));
        QCOMPARE(pageWith(pages, QStringLiteral("La rampe après l'étape %1").arg(step)), page);
        QCOMPARE(imagesOn[step], page);
    }
}

// In inches: the layout's promises still hold, no millimetre is left, the
// default panel's 1812.4 mm reads 5' 11 3/8", and every board's stock length
// is plan --json's to 1/16 in.
void TestBuildBook::bookInInches() {
    if (!popplerAvailable()) QSKIP("poppler-utils is not installed");
    const QString designPath = m_dir.filePath(QStringLiteral("default.qvl"));
    const QString pdf = m_dir.filePath(QStringLiteral("inches.pdf"));
    const Run book = runCli(
        {QStringLiteral("book"), QStringLiteral("--units"), QStringLiteral("in"), designPath, pdf});
    QVERIFY2(book.status == 0, book.err.constData());
    BookPdfExpectations expected;
    expected.contentsTitle = QStringLiteral("Sommaire");
    expected.tables.push_back(
        {QStringLiteral("Article Qté Dimensions (po) Détail Prix"),
         QRegularExpression(QStringLiteral("^(?!Total|Coût).* \\d+,\\d\\d €$"))});
    const QStringList problems = bookPdfProblems(pdf, expected);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));

    const std::vector<PdfPage> pages = readPdfPages(pdf);
    QVERIFY(pageWith(pages, QStringLiteral("Longueur hors tout ")) > 0);
    // No millimetre left: every caption names inches, the rib section is a 2×4.
    static const QRegularExpression millimetres(QStringLiteral("\\bmm\\b"));
    bool panelLength = false, ribSection = false;
    for (const PdfPage& page : pages)
        for (const PdfLine& line : page.lines) {
            QVERIFY2(!line.text.contains(millimetres), qPrintable(line.text));
            panelLength = panelLength || line.text.contains(QStringLiteral("5' 11 3/8\""));
            ribSection = ribSection || line.text == QStringLiteral("Section des tasseaux (po) 2×4");
        }
    QVERIFY(panelLength);
    QVERIFY(ribSection);

    const Run plan = runCli({QStringLiteral("plan"), QStringLiteral("--json"), designPath});
    QCOMPARE(plan.status, 0);
    std::map<long long, int> planBoards; // stock length in sixteenths
    for (const QJsonValue& section :
         QJsonDocument::fromJson(plan.out).object()[u"timber"].toArray())
        for (const QJsonValue& board : section.toObject()[u"boards"].toArray())
            planBoards[std::llround(board.toObject()[u"stock"].toDouble() / 25.4 * 16)] +=
                board.toObject()[u"count"].toInt();
    std::map<long long, int> bookBoards;
    static const QRegularExpression boardLine(QStringLiteral("^(\\d+) × planche de (.+?) :"));
    for (const PdfPage& page : pages)
        for (const PdfLine& line : page.lines)
            if (const auto m = boardLine.match(line.text); m.hasMatch()) {
                const auto stock = lengthFromText(m.captured(2), LengthUnit::Inches);
                QVERIFY2(stock, qPrintable(line.text));
                bookBoards[std::llround(*stock / 25.4 * 16)] += m.captured(1).toInt();
            }
    QVERIFY(!planBoards.empty());
    QCOMPARE(bookBoards, planBoards);
}

// The book goes to its file as its pages are drawn: a file that cannot take
// it is a failure said in words, and nothing is left behind.
void TestBuildBook::unwritable_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("linkedTo");
    QTest::addColumn<QString>("message");
    QTest::newRow("full device") << QStringLiteral("full.pdf") << QStringLiteral("/dev/full")
                                 << QStringLiteral("Plus de place sur le disque.");
    QTest::newRow("missing folder") << QStringLiteral("missing/book.pdf") << QString()
                                    << QStringLiteral("Impossible de créer le fichier %1.");
}

void TestBuildBook::unwritable() {
    QFETCH(QString, name);
    QFETCH(QString, linkedTo);
    QFETCH(QString, message);
    const QString path = m_dir.filePath(name);
    if (!linkedTo.isEmpty()) {
        if (!QFileInfo::exists(linkedTo)) QSKIP("no such device on this system");
        QVERIFY(QFile::link(linkedTo, path));
    }
    const Run book =
        runCli({QStringLiteral("book"), m_dir.filePath(QStringLiteral("default.qvl")), path});
    QCOMPARE(book.status, 2);
    QCOMPARE(QString::fromUtf8(book.err).trimmed(),
             QString(message).replace(QStringLiteral("%1"), path));
    if (linkedTo.isEmpty()) QVERIFY(!QFileInfo::exists(path));
}

QTEST_GUILESS_MAIN(TestBuildBook)
#include "test_buildbook.moc"
