#include "bookpdfcheck.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtTest>

// The checker run on small PDFs drawn here word by word: a sound book of
// three pages, and the same with one fault each, which it must report.

namespace {

constexpr double pixelsPerMm = 1200 / 25.4;
constexpr double pageWidth = 595 * 25.4 / 72; // A4 as the PDF stores it
constexpr double pageHeight = 842 * 25.4 / 72;
constexpr double right = pageWidth - 15;

enum class Fault {
    None,
    Overlap,
    WordInMargin,
    WordOffPage,
    InkInMargin,
    PageCount,
    ContentsPage,
    ContentsMissing,
    HeaderNotRepeated,
    HeaderAlone,
};

class Pages {
public:
    explicit Pages(QPainter& painter)
        : m_painter(painter) {}

    // Text of em height `size` mm, its top-left at (x, y) mm, or its right
    // end at x when alignRight.
    void text(const QString& words, double x, double y, double size = 3.5,
              bool alignRight = false) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(int(size * pixelsPerMm));
        const QFontMetricsF metrics(font);
        if (alignRight) x -= metrics.horizontalAdvance(words) / pixelsPerMm;
        m_painter.setFont(font);
        m_painter.drawText(QPointF(x * pixelsPerMm, y * pixelsPerMm + metrics.ascent()), words);
    }
    void footer(int page, int count) {
        text(QStringLiteral("page %1 / %2").arg(page).arg(count), 95, pageHeight - 19, 2.8);
    }

private:
    QPainter& m_painter;
};

QByteArray samplePdf(Fault fault) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(1200);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&writer);
    Pages pages(painter);
    const int count = fault == Fault::PageCount ? 4 : 3;

    pages.text(QStringLiteral("Sommaire"), 15, 20, 5);
    pages.text(QStringLiteral("Chapitre A"), 15, 30);
    pages.text(fault == Fault::ContentsPage ? QStringLiteral("3") : QStringLiteral("2"), right, 30,
               3.5, true);
    if (fault != Fault::ContentsMissing) {
        pages.text(QStringLiteral("Chapitre B, dont le titre tient sur deux lignes"), 15, 36);
        pages.text(QStringLiteral("du sommaire"), 15, 41);
        pages.text(QStringLiteral("3"), right, 41, 3.5, true);
    }
    pages.footer(1, count);

    writer.newPage();
    pages.text(QStringLiteral("Chapitre A"), 15, 25, 6.5);
    pages.text(QStringLiteral("Un paragraphe qui précède le tableau."), 15, 35);
    pages.text(QStringLiteral("Repère Quantité"), 15, 45, 3.2);
    for (int r = 0; r < 3; ++r)
        pages.text(QStringLiteral("R%1 %2").arg(r + 1).arg(r + 4), 15, 50 + 5 * r, 3.2);
    if (fault == Fault::Overlap) pages.text(QStringLiteral("Dessus"), 17, 51, 3.2);
    if (fault == Fault::WordInMargin) pages.text(QStringLiteral("Marge"), 8, 70);
    if (fault == Fault::WordOffPage) pages.text(QStringLiteral("Dehors"), pageWidth - 10, 80);
    if (fault == Fault::InkInMargin) {
        painter.setPen(QPen(Qt::black, 0.5 * pixelsPerMm));
        painter.drawLine(QPointF(30, 90) * pixelsPerMm, QPointF(30, pageHeight - 5) * pixelsPerMm);
    }
    if (fault == Fault::HeaderAlone) pages.text(QStringLiteral("Repère Quantité"), 15, 250, 3.2);
    pages.footer(2, count);

    writer.newPage();
    pages.text(QStringLiteral("Chapitre B, dont le titre tient sur deux lignes du"), 15, 25, 6.5);
    pages.text(QStringLiteral("sommaire"), 15, 33, 6.5);
    if (fault != Fault::HeaderNotRepeated)
        pages.text(QStringLiteral("Repère Quantité"), 15, 45, 3.2);
    pages.text(QStringLiteral("R4 1"), 15, 50, 3.2);
    pages.footer(3, count);
    painter.end();
    return buffer.data();
}

} // namespace

class TestBookPdfCheck : public QObject {
    Q_OBJECT

private slots:
    void findsEachFault_data();
    void findsEachFault();
    void readsWordsWhereTheyStand();
};

void TestBookPdfCheck::findsEachFault_data() {
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("reported");
    QTest::newRow("sound") << Fault::None << QString();
    QTest::newRow("overlap") << Fault::Overlap << "page 2: \"R1\" overlaps \"Dessus\"";
    QTest::newRow("word in the margin") << Fault::WordInMargin << "page 2: \"Marge\" in the margin";
    // Poppler keeps only the letters on the page.
    QTest::newRow("word off the page") << Fault::WordOffPage << "page 2: \"Dehor\" in the margin";
    QTest::newRow("ink in the margin") << Fault::InkInMargin << "page 2: ";
    QTest::newRow("page count") << Fault::PageCount
                                << "page 1: last line \"page 1 / 4\" is not its number of 3";
    QTest::newRow("contents page")
        << Fault::ContentsPage << "contents: \"Chapitre A\" is not a heading of page 3";
    QTest::newRow("contents missing") << Fault::ContentsMissing
                                      << "page 3: heading \"Chapitre B, dont le titre tient sur "
                                         "deux lignes du sommaire\" missing from the contents";
    QTest::newRow("header not repeated")
        << Fault::HeaderNotRepeated
        << "page 3: row \"R4 1\" without the heading \"Repère Quantité\" above it";
    QTest::newRow("header alone") << Fault::HeaderAlone
                                  << "page 2: heading \"Repère Quantité\" without a row under it";
}

void TestBookPdfCheck::findsEachFault() {
    QFETCH(Fault, fault);
    QFETCH(QString, reported);
    if (!popplerAvailable()) QSKIP("poppler-utils is not installed");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("check.pdf"));
    QFile file(path);
    const QByteArray pdf = samplePdf(fault);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size());
    file.close();

    BookPdfExpectations expected;
    expected.contentsTitle = QStringLiteral("Sommaire");
    expected.tables.push_back(
        {QStringLiteral("Repère Quantité"), QRegularExpression(QStringLiteral("^R\\d+ \\d+$"))});
    const QStringList problems = bookPdfProblems(path, expected);
    if (reported.isEmpty()) {
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
        return;
    }
    // A word in the margin is ink there too: the report names it first.
    QVERIFY2(!problems.isEmpty() && problems.front().startsWith(reported),
             qPrintable(problems.join(u'\n')));
    if (fault == Fault::InkInMargin) QVERIFY(problems.front().contains(QStringLiteral("inked")));
}

// Positions in mm from the page's top-left, as drawn.
void TestBookPdfCheck::readsWordsWhereTheyStand() {
    if (!popplerAvailable()) QSKIP("poppler-utils is not installed");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("check.pdf"));
    QFile file(path);
    const QByteArray pdf = samplePdf(Fault::None);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size());
    file.close();
    const std::vector<PdfPage> pages = readPdfPages(path);
    QCOMPARE(pages.size(), size_t(3));
    QCOMPARE(qRound(pages[0].size.width() * 10), 2099);
    const PdfLine& number = pages[0].lines[1];
    QCOMPARE(number.text, QStringLiteral("Chapitre A 2"));
    QCOMPARE(qRound(number.box.top() * 10), 300);
    QCOMPARE(qRound(number.box.right() * 10), qRound(right * 10));
    // 3.5 mm type: the box spans the font's ascent and descent.
    QVERIFY(number.wordHeight > 3.5 && number.wordHeight < 4.5);
}

QTEST_MAIN(TestBookPdfCheck)
#include "test_bookpdfcheck.moc"
