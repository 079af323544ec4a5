#pragma once

#include "bookcanvas.h"
#include "bookpagination.h"
#include "safesave.h"

#include <functional>
#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QPageSize>
#include <QSizeF>
#include <QStringList>
#include <vector>

// A book printed as one PDF: blocks flowed down portrait pages, with the
// page furniture (a running title from page 2 on, "page n / N" at the foot
// of every page) and a contents list of the chapters with their pages.
//
// A section of the book is a function that adds blocks in reading order:
//
//     void shoppingList(BookDocument& book, const ConstructionPlan& plan) {
//         book.chapter(QCoreApplication::translate("BuildBook", "Liste d'achats"));
//         book.paragraph(...);
//         book.table(...);
//     }
//
// The cover is what comes before the first chapter: title(), a picture(),
// the totals as a table() or paragraphs, then contents().
//
// Everything is in millimetres. Text wraps to the body's width; a block that
// does not fit where it is moves to the next page, except paragraphs, lists
// and tables, which break between lines and rows (a table repeats its
// heading row on each page it continues on). Texts are the caller's, already
// translated.

enum class BookPaper { A4, Letter };

struct BookColumn {
    QString heading;
    Qt::Alignment alignment = Qt::AlignLeft;
};

struct BookRow {
    QStringList cells; // at most one per column; missing cells are empty
    bool bold = false; // e.g. a total
};

struct BookTable {
    std::vector<BookColumn> columns;
    std::vector<BookRow> rows;
};

// Paints a drawing: see BookCanvas. Kept by the document and called each
// time pdf() writes the page, so what it captures must live that long.
using BookPaint = std::function<void(BookCanvas&)>;

class BookDocument {
    Q_DECLARE_TR_FUNCTIONS(BookDocument)

public:
    // The margin left blank on every side of every page, in mm.
    static constexpr double margin = 15;

    // runningTitle heads every page but the first and titles the PDF.
    explicit BookDocument(BookPaper paper = BookPaper::A4, QString runningTitle = {});

    // The paper, and the body where blocks go (mm from the page's top-left).
    QSizeF paperSize() const { return m_paper; }
    QRectF body() const;
    // The room a drawing or picture may take, caption included.
    double textWidth() const { return body().width(); }
    double textHeight() const { return body().height(); }

    // The cover's title, large; not in the contents.
    void title(const QString& text);
    // A level-1 heading: starts a page, enters the contents list.
    void chapter(const QString& text);
    // A level-2 heading.
    void section(const QString& text);
    void paragraph(const QString& text);
    void bullets(const QStringList& items);
    // Columns as wide as their content within the body's width, cells
    // wrapped when the columns must be narrower. Throws QuarvelError for a
    // table without columns or a row with more cells than columns.
    void table(const BookTable& table);
    // A drawing of size mm, centred, never split; paint draws it. Throws
    // QuarvelError when it is wider than the body or, with its caption,
    // taller.
    void drawing(QSizeF size, BookPaint paint, const QString& caption = {});
    // An image at width mm (its height in proportion), centred, never split.
    // Throws as drawing() does, and for an empty image.
    void picture(const QImage& image, double width, const QString& caption = {});
    // The contents list, here: every chapter's title and page.
    void contents();
    // The next block starts a page.
    void pageBreak();
    // The blocks added between these two stay on one page when they fit on
    // one. Headings always stay with the block after them.
    void beginKeepTogether();
    void endKeepTogether();

    // The PDF handed to sink piece by piece as the pages are drawn, never
    // whole in memory; the same bytes every time but for its creation date.
    // Needs a QGuiApplication (fonts). Throws QuarvelError when a block is
    // taller than a page, before anything is handed over; what the sink
    // throws is passed on once the pages are drawn.
    void writePdf(const OutputSink& sink) const;
    // The whole PDF in memory.
    QByteArray pdf() const;

    // What the document has placed: the page of each chapter, from 1, and
    // the number of pages.
    struct Pages {
        std::vector<int> chapters;
        int count = 0;
    };
    Pages pages() const;

private:
    // Draws a slice with its top-left at (left, top) mm on a painter in
    // device units.
    struct DrawContext {
        const std::vector<int>& chapterPages;
    };
    using Draw = std::function<void(QPainter&, double left, double top, const DrawContext&)>;
    struct Piece {
        PageSlice slice;
        Draw draw;
    };
    struct Layout {
        std::vector<Piece> pieces;
        std::vector<SlicePlacement> placements;
        std::vector<int> chapterPages;
        int pageCount = 1;
    };

    void add(PageSlice slice, Draw draw);
    void heading(const QString& text, int level);
    void textLines(const class BookText& text, double spaceBefore, double indent, Draw first);
    std::vector<Piece> contentsPieces() const;
    Layout layout() const;
    void drawFurniture(QPainter& painter, int page, int pageCount) const;

    QPageSize m_pageSize;
    QSizeF m_paper;
    QString m_runningTitle;
    std::vector<Piece> m_pieces;
    std::vector<int> m_chapters; // their pieces
    QStringList m_chapterTitles;
    int m_contentsAt = -1; // the piece the contents list goes before
    bool m_contentsBreak = false;
    int m_groupStart = -1;
    bool m_breakNext = false;
};
