#pragma once

#include <QRectF>
#include <QRegularExpression>
#include <QSizeF>
#include <QStringList>
#include <vector>

// A book's PDF read back with poppler-utils (pdftotext -bbox for the words,
// pdftoppm for the ink), and the layout's promises checked on it. For the
// tests of every book: write the PDF to a file, then
//
//     BookPdfExpectations expected;
//     expected.contentsTitle = "Sommaire";
//     expected.tables.push_back({"Pièce Longueur", QRegularExpression("^P\\d+ ")});
//     const QStringList problems = bookPdfProblems(path, expected);
//     QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));

struct PdfWord {
    QString text;
    QRectF box; // mm from the page's top-left corner
};

// Words whose boxes share most of their height, left to right.
struct PdfLine {
    QString text; // the words joined by single spaces
    QRectF box;
    double wordHeight = 0; // the tallest word's: the font's size
    std::vector<PdfWord> words;
};

struct PdfPage {
    QSizeF size; // mm
    std::vector<PdfWord> words;
    std::vector<PdfLine> lines; // top to bottom
};

// Every page's words; empty when pdftotext fails.
std::vector<PdfPage> readPdfPages(const QString& pdfPath);

struct BookPdfExpectations {
    // Nothing may be printed closer than this to a page's edge, mm.
    double margin = 15;
    // Each page's lowest line: its number, then the number of pages.
    QRegularExpression pageNumber{QStringLiteral("^page (\\d+) / (\\d+)$")};
    // The contents list's title; empty: the book has none. Its entries
    // (lines ending in a page number at the right edge of the text) must
    // name the pages where those headings stand, and every heading of the
    // same size after the contents must be listed.
    QString contentsTitle;
    // A table's heading row (its words as one line) and a pattern matching
    // its rows' lines: each page with one of its rows shows the heading row
    // above them, and a heading row never ends a page without a row.
    struct RepeatedHeader {
        QString header;
        QRegularExpression row;
    };
    std::vector<RepeatedHeader> tables;
    // Render the pages and look for ink in the margins (drawings, pictures).
    bool checkInk = true;
};

// What breaks the expectations, one line each ("page 3: ..."); empty when
// the PDF keeps them all. Words may not overlap one another nor leave the
// area within the margins.
QStringList bookPdfProblems(const QString& pdfPath, const BookPdfExpectations& expected);

// Whether pdftotext and pdftoppm can be run.
bool popplerAvailable();
