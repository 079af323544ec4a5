#include "bookdocument.h"

#include "booktext.h"
#include "fixedhashseed.h"
#include "quarvelerror.h"
#include "sinkdevice.h"
#include "tablecolumns.h"

#include <algorithm>
#include <QPainter>
#include <QPdfWriter>

namespace {

// The page's furniture within the margins: the running title's line and a
// rule under it above the body, the page number's line below it.
constexpr double headerHeight = 8;
constexpr double headerRule = 5;
constexpr double footerHeight = 7;

const TextStyle bodyStyle{3.5};
const TextStyle furnitureStyle{2.8};
const TextStyle titleStyle{10, true};
const TextStyle chapterStyle{6.5, true};
const TextStyle sectionStyle{4.6, true};
const TextStyle tableStyle{3.2};
const TextStyle tableBoldStyle{3.2, true};
const TextStyle captionStyle{3, false, true};

// Vertical spacing, mm.
constexpr double bodyLineGap = 1;
constexpr double paragraphSpace = 2.5;
constexpr double titleAfter = 8;
constexpr double chapterAfter = 4;
constexpr double sectionBefore = 5;
constexpr double sectionAfter = 2;
constexpr double blockSpace = 4; // above tables, drawings, pictures
constexpr double captionGap = 1.5;
constexpr double bulletIndent = 5;
constexpr double itemSpace = 1;

// Tables.
constexpr double cellPaddingX = 1.5;
constexpr double cellPaddingY = 0.9;
constexpr double ruleWidth = 0.15;
const QColor ruleColour(150, 150, 150);
const QColor headerFill(232, 232, 232);
const QColor furnitureColour(90, 90, 90);

// The contents list: the page numbers' column and the leader's dots.
constexpr double contentsNumberWidth = 12;
constexpr double contentsLeaderGap = 2;
constexpr double contentsEntrySpace = 1.2;

// The PDF stores whole points: the page is as large as those.
constexpr double pointsPerMm = 72 / 25.4;

QRectF deviceRect(double left, double top, double width, double height) {
    return {left * bookPixelsPerMm, top * bookPixelsPerMm, width * bookPixelsPerMm,
            height * bookPixelsPerMm};
}

QPageSize pageSizeOf(BookPaper paper) {
    return QPageSize(paper == BookPaper::Letter ? QPageSize::Letter : QPageSize::A4);
}

// A fine rule across (left..right) at y, mm.
void drawRule(QPainter& painter, double left, double right, double y) {
    painter.setPen(QPen(ruleColour, ruleWidth * bookPixelsPerMm));
    painter.drawLine(QPointF(left, y) * bookPixelsPerMm, QPointF(right, y) * bookPixelsPerMm);
    painter.setPen(Qt::black);
}

// A table's cells laid out in their columns.
struct TableLayout {
    std::vector<double> widths;
    std::vector<BookText> header;
    std::vector<std::vector<BookText>> rows;
};

double rowHeight(const std::vector<BookText>& cells) {
    double height = cells.front().lineHeight();
    for (const BookText& c : cells)
        height = std::max(height, c.height());
    return height + 2 * cellPaddingY;
}

void drawRow(QPainter& painter, const std::vector<BookText>& cells,
             const std::vector<double>& widths, double left, double top) {
    double x = left;
    for (size_t c = 0; c < cells.size(); ++c) {
        cells[c].draw(painter, x + cellPaddingX, top + cellPaddingY);
        x += widths[c];
    }
}

} // namespace

BookDocument::BookDocument(BookPaper paper, QString runningTitle)
    : m_pageSize(pageSizeOf(paper))
    , m_paper(QSizeF(m_pageSize.sizePoints()) / pointsPerMm)
    , m_runningTitle(std::move(runningTitle)) {}

QRectF BookDocument::body() const {
    return QRectF(margin, margin + headerHeight, m_paper.width() - 2 * margin,
                  m_paper.height() - 2 * margin - headerHeight - footerHeight);
}

void BookDocument::add(PageSlice slice, Draw draw) {
    if (m_breakNext) slice.breakBefore = true;
    m_breakNext = false;
    m_pieces.push_back({slice, std::move(draw)});
}

void BookDocument::title(const QString& text) {
    const BookText laid(text, titleStyle, textWidth());
    add({laid.height() + titleAfter, 0}, [laid](QPainter& p, double left, double top,
                                                const DrawContext&) { laid.draw(p, left, top); });
}

void BookDocument::heading(const QString& text, int level) {
    const bool chapter = level == 1;
    const BookText laid(text, chapter ? chapterStyle : sectionStyle, textWidth());
    PageSlice slice{laid.height() + (chapter ? chapterAfter : sectionAfter),
                    chapter ? 0 : sectionBefore};
    slice.glueToNext = true;
    slice.breakBefore = chapter;
    if (chapter) {
        m_chapters.push_back(int(m_pieces.size()));
        m_chapterTitles << text;
    }
    add(slice, [laid](QPainter& p, double left, double top, const DrawContext&) {
        laid.draw(p, left, top);
    });
}

void BookDocument::chapter(const QString& text) {
    heading(text, 1);
}

void BookDocument::section(const QString& text) {
    heading(text, 2);
}

// One slice per line, the first two and the last two glued so that no line
// stands alone at a page's foot or head. `first` draws what goes with the
// first line (a bullet).
void BookDocument::textLines(const BookText& text, double spaceBefore, double indent, Draw first) {
    const int n = text.lineCount();
    for (int i = 0; i < n; ++i) {
        PageSlice slice{text.lineHeight() + (i + 1 < n ? text.lineGap() : 0),
                        i == 0 ? spaceBefore : 0};
        slice.glueToNext = i + 1 < n && (i == 0 || i == n - 2);
        add(slice, [text, i, indent, first](QPainter& p, double left, double top,
                                            const DrawContext& context) {
            if (i == 0 && first) first(p, left, top, context);
            text.draw(p, left + indent, top, i, 1);
        });
    }
}

void BookDocument::paragraph(const QString& text) {
    textLines(BookText(text, bodyStyle, textWidth(), Qt::AlignLeft, bodyLineGap), paragraphSpace, 0,
              {});
}

void BookDocument::bullets(const QStringList& items) {
    const BookText bullet(QStringLiteral("•"), bodyStyle, bulletIndent);
    for (qsizetype i = 0; i < items.size(); ++i)
        textLines(
            BookText(items[i], bodyStyle, textWidth() - bulletIndent, Qt::AlignLeft, bodyLineGap),
            i == 0 ? paragraphSpace : itemSpace, bulletIndent,
            [bullet](QPainter& p, double left, double top, const DrawContext&) {
                bullet.draw(p, left + 1, top);
            });
}

void BookDocument::table(const BookTable& table) {
    const size_t columns = table.columns.size();
    if (columns == 0) throw QuarvelError(tr("Tableau sans colonnes"));
    std::vector<ColumnNeed> needs(columns);
    auto need = [&](size_t c, const QString& text, const TextStyle& style) {
        needs[c].natural =
            std::max(needs[c].natural, BookText::naturalWidth(text, style) + 2 * cellPaddingX);
        needs[c].least =
            std::max(needs[c].least, BookText::widestWord(text, style) + 2 * cellPaddingX);
    };
    for (size_t c = 0; c < columns; ++c)
        need(c, table.columns[c].heading, tableBoldStyle);
    for (const BookRow& row : table.rows) {
        if (size_t(row.cells.size()) > columns)
            throw QuarvelError(tr("Ligne de tableau de %1 cellules pour %2 colonnes")
                                   .arg(row.cells.size())
                                   .arg(columns));
        for (qsizetype c = 0; c < row.cells.size(); ++c)
            need(size_t(c), row.cells[c], row.bold ? tableBoldStyle : tableStyle);
    }

    auto layout = std::make_shared<TableLayout>();
    layout->widths = fitColumnWidths(needs, textWidth());
    auto cells = [&](const QStringList& texts, const TextStyle& style) {
        std::vector<BookText> laid;
        for (size_t c = 0; c < columns; ++c)
            laid.emplace_back(qsizetype(c) < texts.size() ? texts[qsizetype(c)] : QString(), style,
                              layout->widths[c] - 2 * cellPaddingX, table.columns[c].alignment);
        return laid;
    };
    QStringList headings;
    for (const BookColumn& c : table.columns)
        headings << c.heading;
    layout->header = cells(headings, tableBoldStyle);
    for (const BookRow& row : table.rows)
        layout->rows.push_back(cells(row.cells, row.bold ? tableBoldStyle : tableStyle));

    double tableWidth = 0;
    for (double w : layout->widths)
        tableWidth += w;
    const int header = int(m_pieces.size());
    PageSlice headerSlice{rowHeight(layout->header), blockSpace};
    headerSlice.glueToNext = !layout->rows.empty();
    add(headerSlice,
        [layout, tableWidth](QPainter& p, double left, double top, const DrawContext&) {
            const double height = rowHeight(layout->header);
            p.fillRect(deviceRect(left, top, tableWidth, height), headerFill);
            drawRow(p, layout->header, layout->widths, left, top);
            drawRule(p, left, left + tableWidth, top + height);
        });
    for (size_t r = 0; r < layout->rows.size(); ++r) {
        PageSlice slice{rowHeight(layout->rows[r]), 0};
        slice.header = header;
        add(slice,
            [layout, tableWidth, r](QPainter& p, double left, double top, const DrawContext&) {
                drawRow(p, layout->rows[r], layout->widths, left, top);
                drawRule(p, left, left + tableWidth, top + rowHeight(layout->rows[r]));
            });
    }
}

void BookDocument::drawing(QSizeF size, BookPaint paint, const QString& caption) {
    const BookText laid(caption, captionStyle, textWidth(), Qt::AlignHCenter);
    const double captionHeight = caption.isEmpty() ? 0 : captionGap + laid.height();
    if (size.width() > textWidth() || size.height() + captionHeight > textHeight())
        throw QuarvelError(tr("Dessin trop grand pour la page : %1 × %2 mm")
                               .arg(QString::number(size.width(), 'f', 0),
                                    QString::number(size.height(), 'f', 0)));
    const double width = textWidth();
    add({size.height() + captionHeight, blockSpace},
        [=](QPainter& p, double left, double top, const DrawContext&) {
            {
                BookCanvas canvas(p, QPointF(left + (width - size.width()) / 2, top), size);
                paint(canvas);
            }
            laid.draw(p, left, top + size.height() + captionGap);
        });
}

void BookDocument::picture(const QImage& image, double width, const QString& caption) {
    if (image.isNull() || image.width() == 0) throw QuarvelError(tr("Image vide"));
    const QSizeF size(width, width * image.height() / image.width());
    drawing(
        size,
        [image](BookCanvas& canvas) {
            canvas.painter().drawImage(QRectF(QPointF(0, 0), canvas.size()), image);
        },
        caption);
}

void BookDocument::contents() {
    m_contentsAt = int(m_pieces.size());
    m_contentsBreak = m_breakNext;
    m_breakNext = false;
}

void BookDocument::pageBreak() {
    m_breakNext = true;
}

void BookDocument::beginKeepTogether() {
    m_groupStart = int(m_pieces.size());
}

void BookDocument::endKeepTogether() {
    if (m_groupStart < 0) return;
    for (int k = m_groupStart; k + 1 < int(m_pieces.size()); ++k)
        m_pieces[size_t(k)].slice.glueToNext = true;
    m_groupStart = -1;
}

// The contents list's title and one slice per chapter: its title, a dotted
// leader and its page number, read when drawn.
std::vector<BookDocument::Piece> BookDocument::contentsPieces() const {
    std::vector<Piece> pieces;
    const BookText heading(tr("Sommaire"), sectionStyle, textWidth());
    PageSlice headingSlice{heading.height() + sectionAfter, sectionBefore};
    headingSlice.glueToNext = !m_chapterTitles.isEmpty();
    headingSlice.breakBefore = m_contentsBreak;
    pieces.push_back({headingSlice, [heading](QPainter& p, double left, double top,
                                              const DrawContext&) { heading.draw(p, left, top); }});
    const double titleWidth = textWidth() - contentsNumberWidth - contentsLeaderGap;
    const double width = textWidth();
    for (qsizetype i = 0; i < m_chapterTitles.size(); ++i) {
        const BookText entry(m_chapterTitles[i], bodyStyle, titleWidth, Qt::AlignLeft, bodyLineGap);
        pieces.push_back(
            {{entry.height(), contentsEntrySpace},
             [entry, i, titleWidth, width](QPainter& p, double left, double top,
                                           const DrawContext& context) {
                 entry.draw(p, left, top);
                 const double lastTop = top + entry.height() - entry.lineHeight();
                 const BookText number(QString::number(context.chapterPages[size_t(i)]), bodyStyle,
                                       contentsNumberWidth, Qt::AlignRight);
                 number.draw(p, left + width - contentsNumberWidth, lastTop);
                 const double baseline = lastTop + 0.75 * entry.lineHeight();
                 p.setPen(QPen(ruleColour, 0.3 * bookPixelsPerMm, Qt::DotLine));
                 p.drawLine(QPointF(left + entry.lastLineRight() + contentsLeaderGap, baseline) *
                                bookPixelsPerMm,
                            QPointF(left + titleWidth, baseline) * bookPixelsPerMm);
                 p.setPen(Qt::black);
             }});
    }
    return pieces;
}

// The pieces with the contents list in its place, and where each lands.
BookDocument::Layout BookDocument::layout() const {
    Layout result;
    result.pieces = m_pieces;
    std::vector<int> chapters = m_chapters;
    if (m_contentsAt >= 0) {
        std::vector<Piece> list = contentsPieces();
        const int shift = int(list.size());
        for (Piece& piece : result.pieces)
            if (piece.slice.header >= m_contentsAt) piece.slice.header += shift;
        for (int& c : chapters)
            if (c >= m_contentsAt) c += shift;
        result.pieces.insert(result.pieces.begin() + m_contentsAt, list.begin(), list.end());
    }
    std::vector<PageSlice> slices;
    slices.reserve(result.pieces.size());
    for (const Piece& piece : result.pieces)
        slices.push_back(piece.slice);
    result.placements = paginate(slices, textHeight());

    std::vector<int> pageOf(slices.size(), 0);
    for (auto it = result.placements.rbegin(); it != result.placements.rend(); ++it)
        pageOf[size_t(it->slice)] = it->page; // its first placement
    for (int c : chapters)
        result.chapterPages.push_back(pageOf[size_t(c)] + 1);
    if (!result.placements.empty()) result.pageCount = result.placements.back().page + 1;
    return result;
}

BookDocument::Pages BookDocument::pages() const {
    const Layout laid = layout();
    return {laid.chapterPages, laid.pageCount};
}

void BookDocument::drawFurniture(QPainter& painter, int page, int pageCount) const {
    painter.setPen(furnitureColour);
    const double width = textWidth();
    if (page > 0 && !m_runningTitle.isEmpty()) {
        const QFontMetricsF metrics(bookFont(furnitureStyle));
        const QString shown =
            metrics.elidedText(m_runningTitle, Qt::ElideRight, width * bookPixelsPerMm);
        BookText(shown, furnitureStyle, width).draw(painter, margin, margin);
        drawRule(painter, margin, margin + width, margin + headerRule);
    }
    const BookText number(tr("page %1 / %2").arg(page + 1).arg(pageCount), furnitureStyle, width,
                          Qt::AlignHCenter);
    painter.setPen(furnitureColour);
    number.draw(painter, margin, m_paper.height() - margin - number.height());
    painter.setPen(Qt::black);
}

QByteArray BookDocument::pdf() const {
    QByteArray bytes;
    writePdf([&bytes](QByteArrayView piece) { bytes.append(piece); });
    return bytes;
}

void BookDocument::writePdf(const OutputSink& sink) const {
    const Layout laid = layout();
    SinkDevice device(sink);
    {
        const FixedHashSeed fixedSeed;
        QPdfWriter writer(&device);
        writer.setResolution(bookResolution);
        writer.setTitle(m_runningTitle);
        writer.setCreator(QStringLiteral("Quarvel"));
        writer.setPageSize(m_pageSize);
        writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        QPainter painter;
        if (!painter.begin(&writer)) throw QuarvelError(tr("Impossible de produire le livret PDF"));
        painter.setRenderHint(QPainter::Antialiasing);
        const DrawContext context{laid.chapterPages};
        const QRectF area = body();
        int page = 0;
        drawFurniture(painter, page, laid.pageCount);
        for (const SlicePlacement& placed : laid.placements) {
            while (page < placed.page) {
                writer.newPage();
                drawFurniture(painter, ++page, laid.pageCount);
            }
            laid.pieces[size_t(placed.slice)].draw(painter, area.left(), area.top() + placed.top,
                                                   context);
        }
        painter.end();
    }
    device.rethrowFailure();
}
