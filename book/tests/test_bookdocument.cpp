#include "bookdocument.h"
#include "bookpdfcheck.h"
#include "quarvelerror.h"
#include "sampledocument.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return {};
    return path;
}

QByteArray withoutCreationDate(QByteArray pdf) {
    static const QRegularExpression date(QStringLiteral("/CreationDate \\([^)]*\\)"));
    return QString::fromLatin1(pdf).replace(date, QStringLiteral("/CreationDate ()")).toLatin1();
}

} // namespace

class TestBookDocument : public QObject {
    Q_OBJECT

private slots:
    void sampleKeepsItsPromises_data();
    void sampleKeepsItsPromises();
    void sameBytesEachTime();
    void drawingsInMillimetres();
    void labelsOverTextFound();
    void refusals_data();
    void refusals();
};

void TestBookDocument::sampleKeepsItsPromises_data() {
    QTest::addColumn<BookPaper>("paper");
    QTest::addColumn<int>("chapters");
    QTest::addColumn<QSizeF>("paperSize");
    QTest::newRow("A4") << BookPaper::A4 << 8 << QSizeF(209.9, 297.0);
    QTest::newRow("Letter") << BookPaper::Letter << 3 << QSizeF(215.9, 279.4);
}

void TestBookDocument::sampleKeepsItsPromises() {
    QFETCH(BookPaper, paper);
    QFETCH(int, chapters);
    QFETCH(QSizeF, paperSize);
    if (!popplerAvailable()) QSKIP("poppler-utils is not installed");
    const BookDocument book = sampleDocument(paper, chapters);
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("sample.pdf"), book.pdf());
    QVERIFY(!path.isEmpty());

    BookPdfExpectations expected;
    expected.contentsTitle = QStringLiteral("Sommaire");
    expected.tables.push_back({QString::fromUtf16(sampleTableHeader),
                               QRegularExpression(QString::fromUtf16(sampleRowPattern))});
    const QStringList problems = bookPdfProblems(path, expected);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.mid(0, 30).join(u'\n')));

    const std::vector<PdfPage> pages = readPdfPages(path);
    const BookDocument::Pages placed = book.pages();
    QCOMPARE(int(pages.size()), placed.count);
    QCOMPARE(qRound(pages[0].size.width() * 10), qRound(paperSize.width() * 10));
    QCOMPARE(qRound(pages[0].size.height() * 10), qRound(paperSize.height() * 10));
    // The cover has no running title; the chapters open their pages, under it.
    QCOMPARE(pages[0].lines[0].text, QStringLiteral("Rampe d'essai"));
    QCOMPARE(int(placed.chapters.size()), chapters);
    for (int page : placed.chapters)
        QVERIFY(pages[size_t(page - 1)].lines[1].text.startsWith(QStringLiteral("Chapitre ")));

    int headingRows = 0;
    for (size_t p = 0; p < pages.size(); ++p) {
        const auto& lines = pages[p].lines;
        auto onThisPage = [&](const QString& text) {
            return std::any_of(lines.begin(), lines.end(),
                               [&](const PdfLine& l) { return l.text == text; });
        };
        headingRows += onThisPage(QString::fromUtf16(sampleTableHeader));
        // A kept-together paragraph and drawing share a page.
        for (const PdfLine& line : lines) {
            const auto board =
                QRegularExpression(QStringLiteral("^Planche (\\d) : ")).match(line.text);
            if (board.hasMatch())
                QVERIFY2(
                    onThisPage(QStringLiteral("Planche %1, échelle 1:10").arg(board.captured(1))),
                    qPrintable(line.text));
        }
        // The forced break.
        if (onThisPage(QStringLiteral("Une page nouvelle commence ici.")))
            QCOMPARE(lines[1].text, QStringLiteral("Une page nouvelle commence ici."));
    }
    // Some table went on over pages.
    QVERIFY(headingRows > chapters);
}

void TestBookDocument::sameBytesEachTime() {
    const QByteArray first = sampleDocument(BookPaper::A4, 2).pdf();
    const QByteArray second = sampleDocument(BookPaper::A4, 2).pdf();
    QVERIFY(first.contains("/CreationDate"));
    QCOMPARE(withoutCreationDate(first), withoutCreationDate(second));
    QVERIFY(withoutCreationDate(sampleDocument(BookPaper::Letter, 2).pdf()) !=
            withoutCreationDate(first));
}

// A drawing's painter is in mm from its top-left and stays vector; its
// labels stand where text() says, as poppler reads them.
void TestBookDocument::drawingsInMillimetres() {
    if (!popplerAvailable()) QSKIP("poppler-utils is not installed");
    BookDocument book(BookPaper::A4);
    const QSizeF size(100, 40);
    QRectF label;
    book.drawing(size, [&](BookCanvas& canvas) {
        canvas.painter().setPen(QPen(Qt::black, 1));
        canvas.painter().drawRect(QRectF(QPointF(0.5, 0.5), size - QSizeF(1, 1)));
        canvas.painter().scale(0.1, 0.1); // 1:10
        label = canvas.text(QStringLiteral("Cote"), QPointF(500, 200),
                            Qt::AlignHCenter | Qt::AlignTop, 4);
    });
    book.picture(samplePicture(60, 30), 50);
    QTemporaryDir dir;
    const QByteArray pdf = book.pdf();
    QCOMPARE(pdf.count("/Subtype /Image"), 1);
    const QString path = writeFile(dir, QStringLiteral("drawing.pdf"), pdf);

    const QPointF origin(book.body().left() + (book.textWidth() - size.width()) / 2,
                         book.body().top());
    QCOMPARE(qRound(label.center().x() * 10), 500);
    QCOMPARE(qRound(label.top() * 10), 200);
    const std::vector<PdfPage> pages = readPdfPages(path);
    QCOMPARE(pages.size(), size_t(1));
    const auto word = std::find_if(pages[0].words.begin(), pages[0].words.end(),
                                   [](const PdfWord& w) { return w.text == u"Cote"; });
    QVERIFY(word != pages[0].words.end());
    QVERIFY2(std::abs(word->box.center().x() - origin.x() - label.center().x()) < 0.1 &&
                 std::abs(word->box.top() - origin.y() - label.top()) < 0.1,
             qPrintable(QStringLiteral("%1, %2").arg(word->box.left()).arg(word->box.top())));

    // The frame's left side, 1 mm wide, dark at 200 dpi; white 2 mm outside.
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QStringLiteral("200"), QStringLiteral("-gray"),
                  QStringLiteral("-singlefile"), path, dir.filePath(QStringLiteral("drawing"))});
    QVERIFY(render.waitForFinished(60000) && render.exitCode() == 0);
    const QImage image(dir.filePath(QStringLiteral("drawing.pgm")));
    QVERIFY(!image.isNull());
    const double dotsPerMm = 200 / 25.4;
    auto grey = [&](double x, double y) {
        return qGray(image.pixel(int(x * dotsPerMm), int(y * dotsPerMm)));
    };
    const double middle = origin.y() + size.height() / 2;
    QVERIFY(grey(origin.x() + 0.5, middle) < 64);
    QVERIFY(grey(origin.x() + size.width() - 0.5, middle) < 64);
    QVERIFY(grey(origin.x() - 2, middle) > 250);
    QVERIFY(grey(origin.x() + size.width() + 2, middle) > 250);
    QVERIFY(grey(origin.x() + 50, origin.y() + size.height() + 2) > 250);
}

// A drawing's labels are words of the page like any other: the checker
// finds one set over another, or over a paragraph's line.
void TestBookDocument::labelsOverTextFound() {
    if (!popplerAvailable()) QSKIP("poppler-utils is not installed");
    BookDocument book(BookPaper::A4);
    book.paragraph(QStringLiteral("Au-dessus du dessin."));
    book.drawing(QSizeF(60, 20), [](BookCanvas& canvas) {
        canvas.text(QStringLiteral("1200"), QPointF(10, 10), Qt::AlignLeft | Qt::AlignVCenter);
        canvas.text(QStringLiteral("850"), QPointF(12, 11), Qt::AlignLeft | Qt::AlignVCenter);
        canvas.text(QStringLiteral("dessus"), QPointF(-50, -5), Qt::AlignLeft | Qt::AlignVCenter);
    });
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("labels.pdf"), book.pdf());
    BookPdfExpectations expected;
    expected.checkInk = false;
    const QStringList problems = bookPdfProblems(path, expected);
    // "dessus" lies across "Au-dessus" and "du".
    QCOMPARE(problems, QStringList({QStringLiteral("page 1: \"Au-dessus\" overlaps \"dessus\""),
                                    QStringLiteral("page 1: \"dessus\" overlaps \"du\""),
                                    QStringLiteral("page 1: \"1200\" overlaps \"850\"")}));
}

void TestBookDocument::refusals_data() {
    QTest::addColumn<int>("fault");
    QTest::addColumn<bool>("whenWritten");
    QTest::newRow("drawing too wide") << 0 << false;
    QTest::newRow("drawing too tall with its caption") << 1 << false;
    QTest::newRow("empty picture") << 2 << false;
    QTest::newRow("table without columns") << 3 << false;
    QTest::newRow("row with too many cells") << 4 << false;
    QTest::newRow("row taller than a page") << 5 << true;
}

void TestBookDocument::refusals() {
    QFETCH(int, fault);
    QFETCH(bool, whenWritten);
    BookDocument book(BookPaper::Letter);
    const BookPaint nothing = [](BookCanvas&) {};
    auto add = [&] {
        switch (fault) {
        case 0:
            book.drawing(QSizeF(book.textWidth() + 1, 10), nothing);
            break;
        case 1:
            book.drawing(QSizeF(10, book.textHeight() - 1), nothing, QStringLiteral("Légende"));
            break;
        case 2:
            book.picture(QImage(), 50);
            break;
        case 3:
            book.table({});
            break;
        case 4:
            book.table({{{QStringLiteral("A")}}, {{{QStringLiteral("1"), QStringLiteral("2")}}}});
            break;
        default:
            book.table({{{QStringLiteral("A")}}, {{{QStringLiteral("ligne ").repeated(3000)}}}});
        }
    };
    if (!whenWritten) {
        QVERIFY_THROWS_EXCEPTION(QuarvelError, add());
        return;
    }
    add();
    QVERIFY_THROWS_EXCEPTION(QuarvelError, book.pdf());
    // Just fitting is no fault.
    BookDocument fits(BookPaper::Letter);
    fits.drawing(QSizeF(fits.textWidth(), fits.textHeight()), nothing);
    QCOMPARE(fits.pages().count, 1);
}

QTEST_MAIN(TestBookDocument)
#include "test_bookdocument.moc"
