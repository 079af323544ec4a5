#include "bookpdfcheck.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {

constexpr double mmPerPoint = 25.4 / 72;
// Boxes come from font metrics written to two decimals of a point; closer
// than this is touching, not overlapping.
constexpr double overlapTolerance = 0.1;
constexpr double edgeTolerance = 0.1;
// A word joins a line when their boxes share this part of the lower one's
// height.
constexpr double sameLineShare = 0.5;
// Headings are this much taller than the body's most common text.
constexpr double headingRatio = 1.2;
constexpr double sameSizeRatio = 0.03;
// The ink check's resolution and what counts as ink.
constexpr int inkDpi = 40;
constexpr int inkLevel = 250;
// A right-aligned page number stands this close to the text's right edge.
constexpr double numberEdgeTolerance = 1;

std::optional<QByteArray> run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput();
}

double attribute(const QXmlStreamAttributes& attributes, QLatin1StringView name) {
    return attributes.value(name).toDouble();
}

std::vector<PdfLine> linesOf(std::vector<PdfWord> words) {
    std::sort(words.begin(), words.end(),
              [](const PdfWord& a, const PdfWord& b) { return a.box.top() < b.box.top(); });
    std::vector<PdfLine> lines;
    for (PdfWord& word : words) {
        PdfLine* line = nullptr;
        for (auto it = lines.rbegin(); it != lines.rend() && !line; ++it) {
            const double shared = std::min(it->box.bottom(), word.box.bottom()) -
                                  std::max(it->box.top(), word.box.top());
            if (shared > sameLineShare * std::min(it->box.height(), word.box.height())) line = &*it;
        }
        if (!line) {
            lines.emplace_back();
            line = &lines.back();
            line->box = word.box;
        }
        line->box = line->box.united(word.box);
        line->wordHeight = std::max(line->wordHeight, word.box.height());
        line->words.push_back(std::move(word));
    }
    for (PdfLine& line : lines) {
        std::sort(line.words.begin(), line.words.end(),
                  [](const PdfWord& a, const PdfWord& b) { return a.box.left() < b.box.left(); });
        QStringList texts;
        for (const PdfWord& w : line.words)
            texts << w.text;
        line.text = texts.join(u' ');
    }
    std::sort(lines.begin(), lines.end(),
              [](const PdfLine& a, const PdfLine& b) { return a.box.top() < b.box.top(); });
    return lines;
}

QString onPage(int page, const QString& what) {
    return QStringLiteral("page %1: %2").arg(page + 1).arg(what);
}

void checkWords(const std::vector<PdfPage>& pages, double margin, QStringList& problems) {
    for (size_t p = 0; p < pages.size(); ++p) {
        const PdfPage& page = pages[p];
        const QRectF allowed = QRectF(QPointF(0, 0), page.size)
                                   .adjusted(margin - edgeTolerance, margin - edgeTolerance,
                                             edgeTolerance - margin, edgeTolerance - margin);
        for (size_t i = 0; i < page.words.size(); ++i) {
            const PdfWord& a = page.words[i];
            if (!allowed.contains(a.box))
                problems << onPage(int(p), QStringLiteral("\"%1\" in the margin or off the page "
                                                          "(%2, %3 mm)")
                                               .arg(a.text)
                                               .arg(a.box.left(), 0, 'f', 1)
                                               .arg(a.box.top(), 0, 'f', 1));
            for (size_t j = i + 1; j < page.words.size(); ++j) {
                const QRectF common = a.box.intersected(page.words[j].box);
                if (common.width() > overlapTolerance && common.height() > overlapTolerance)
                    problems << onPage(
                        int(p),
                        QStringLiteral("\"%1\" overlaps \"%2\"").arg(a.text, page.words[j].text));
            }
        }
    }
}

void checkPageNumbers(const std::vector<PdfPage>& pages, const QRegularExpression& pattern,
                      QStringList& problems) {
    for (size_t p = 0; p < pages.size(); ++p) {
        const auto& lines = pages[p].lines;
        const QRegularExpressionMatch match =
            lines.empty() ? QRegularExpressionMatch() : pattern.match(lines.back().text);
        if (!match.hasMatch() || match.captured(1).toInt() != int(p) + 1 ||
            match.captured(2).toInt() != int(pages.size()))
            problems << onPage(int(p), QStringLiteral("last line \"%1\" is not its number of %2")
                                           .arg(lines.empty() ? QString() : lines.back().text)
                                           .arg(pages.size()));
    }
}

// The height of most words: the body text's.
double bodyWordHeight(const std::vector<PdfPage>& pages) {
    std::vector<double> heights;
    for (const PdfPage& page : pages)
        for (const PdfWord& w : page.words)
            heights.push_back(w.box.height());
    if (heights.empty()) return 0;
    std::nth_element(heights.begin(), heights.begin() + heights.size() / 2, heights.end());
    return heights[heights.size() / 2];
}

struct Heading {
    QString text;
    double size = 0;
};

// A page's headings: consecutive lines of one size above the body's, as
// one text each.
std::vector<Heading> headingsOf(const PdfPage& page, double bodyHeight) {
    std::vector<Heading> headings;
    bool continuing = false;
    for (const PdfLine& line : page.lines) {
        const bool heading = line.wordHeight > headingRatio * bodyHeight;
        if (heading && continuing &&
            std::abs(headings.back().size - line.wordHeight) < sameSizeRatio * line.wordHeight)
            headings.back().text += u' ' + line.text;
        else if (heading)
            headings.push_back({line.text, line.wordHeight});
        continuing = heading;
    }
    return headings;
}

struct ContentsEntry {
    QString title;
    int page = 0;
};

// The entries after the contents title, up to the first page with a
// heading of its own; the last page the list takes.
std::vector<ContentsEntry> contentsEntries(const std::vector<PdfPage>& pages, const QString& title,
                                           double margin, double bodyHeight, int& lastPage) {
    std::vector<ContentsEntry> entries;
    lastPage = -1;
    QString pending;
    for (size_t p = 0; p < pages.size(); ++p) {
        const PdfPage& page = pages[p];
        size_t first = 0;
        if (lastPage < 0) {
            auto it = std::find_if(page.lines.begin(), page.lines.end(),
                                   [&](const PdfLine& l) { return l.text == title; });
            if (it == page.lines.end()) continue;
            first = size_t(it - page.lines.begin()) + 1;
        } else if (!headingsOf(page, bodyHeight).empty()) {
            break;
        }
        lastPage = int(p);
        const double right = page.size.width() - margin;
        // The page's last line is its number.
        for (size_t i = first; i + 1 < page.lines.size(); ++i) {
            const PdfLine& line = page.lines[i];
            const PdfWord& last = line.words.back();
            bool isNumber = false;
            const int number = last.text.toInt(&isNumber);
            const QString words = line.text.left(line.text.size() - last.text.size()).trimmed();
            pending += (pending.isEmpty() || words.isEmpty() ? QString() : QStringLiteral(" ")) +
                       (isNumber ? words : line.text);
            if (isNumber && std::abs(last.box.right() - right) < numberEdgeTolerance) {
                entries.push_back({pending, number});
                pending.clear();
            }
        }
    }
    return entries;
}

void checkContents(const std::vector<PdfPage>& pages, const QString& title, double margin,
                   QStringList& problems) {
    const double bodyHeight = bodyWordHeight(pages);
    int lastPage = -1;
    const std::vector<ContentsEntry> entries =
        contentsEntries(pages, title, margin, bodyHeight, lastPage);
    if (lastPage < 0) {
        problems << QStringLiteral("no contents list titled \"%1\"").arg(title);
        return;
    }
    double chapterSize = 0;
    for (const ContentsEntry& e : entries) {
        const bool inBook = e.page > lastPage + 1 && e.page <= int(pages.size());
        std::vector<Heading> there;
        if (inBook) there = headingsOf(pages[size_t(e.page - 1)], bodyHeight);
        auto found = std::find_if(there.begin(), there.end(),
                                  [&](const Heading& h) { return h.text == e.title; });
        if (found == there.end())
            problems << QStringLiteral("contents: \"%1\" is not a heading of page %2")
                            .arg(e.title)
                            .arg(e.page);
        else
            chapterSize = std::max(chapterSize, found->size);
    }
    // Every heading of the chapters' size is listed, with its page.
    for (size_t p = size_t(lastPage) + 1; p < pages.size(); ++p)
        for (const Heading& h : headingsOf(pages[p], bodyHeight)) {
            if (std::abs(h.size - chapterSize) > sameSizeRatio * chapterSize) continue;
            const bool listed = std::any_of(entries.begin(), entries.end(), [&](const auto& e) {
                return e.title == h.text && e.page == int(p) + 1;
            });
            if (!listed)
                problems << onPage(int(p), QStringLiteral("heading \"%1\" missing from the "
                                                          "contents")
                                               .arg(h.text));
        }
}

void checkTables(const std::vector<PdfPage>& pages,
                 const std::vector<BookPdfExpectations::RepeatedHeader>& tables,
                 QStringList& problems) {
    for (const auto& table : tables) {
        bool anyRow = false;
        for (size_t p = 0; p < pages.size(); ++p) {
            const auto& lines = pages[p].lines;
            int header = -1;
            bool rowBelow = false;
            for (size_t i = 0; i < lines.size(); ++i) {
                if (lines[i].text == table.header) {
                    if (header >= 0 && !rowBelow) break;
                    header = int(i);
                    rowBelow = false;
                } else if (table.row.match(lines[i].text).hasMatch()) {
                    anyRow = true;
                    if (header < 0) {
                        problems << onPage(int(p), QStringLiteral("row \"%1\" without the "
                                                                  "heading \"%2\" above it")
                                                       .arg(lines[i].text, table.header));
                        break;
                    }
                    rowBelow = true;
                }
            }
            if (header >= 0 && !rowBelow)
                problems << onPage(
                    int(p),
                    QStringLiteral("heading \"%1\" without a row under it").arg(table.header));
        }
        if (!anyRow)
            problems << QStringLiteral("no row of the table headed \"%1\"").arg(table.header);
    }
}

// Ink within the margins, on the pages rendered in grey.
void checkInk(const QString& pdfPath, const std::vector<PdfPage>& pages, double margin,
              QStringList& problems) {
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    if (!dir.isValid() ||
        !run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(inkDpi),
                                          QStringLiteral("-gray"), pdfPath, prefix})) {
        problems << QStringLiteral("pdftoppm failed on %1").arg(pdfPath);
        return;
    }
    const QStringList files =
        QDir(dir.path()).entryList({QStringLiteral("page*.pgm")}, QDir::Files, QDir::Name);
    if (files.size() != qsizetype(pages.size())) {
        problems
            << QStringLiteral("pdftoppm wrote %1 pages of %2").arg(files.size()).arg(pages.size());
        return;
    }
    const double pixelsPerMm = inkDpi / 25.4;
    for (qsizetype p = 0; p < files.size(); ++p) {
        const QImage image(dir.filePath(files[p]));
        // Pixels wholly within the margin; the one astride its edge may
        // take the antialiased edge of what is printed inside.
        const int inner = int(std::floor(margin * pixelsPerMm)) - 1;
        int inked = 0;
        for (int y = 0; y < image.height(); ++y) {
            const uchar* row = image.constScanLine(y);
            const bool band = y < inner || y >= image.height() - inner;
            for (int x = 0; x < image.width(); ++x)
                if ((band || x < inner || x >= image.width() - inner) && row[x] < inkLevel) ++inked;
        }
        if (inked > 0)
            problems << onPage(
                int(p),
                QStringLiteral("%1 inked pixels in the margins at %2 dpi").arg(inked).arg(inkDpi));
    }
}

} // namespace

std::vector<PdfPage> readPdfPages(const QString& pdfPath) {
    const std::optional<QByteArray> xhtml =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")});
    std::vector<PdfPage> pages;
    if (!xhtml) return pages;
    QXmlStreamReader xml(*xhtml);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == u"page") {
            pages.push_back({QSizeF(attribute(a, QLatin1StringView("width")),
                                    attribute(a, QLatin1StringView("height"))) *
                                 mmPerPoint,
                             {},
                             {}});
        } else if (xml.name() == u"word" && !pages.empty()) {
            const QRectF box(QPointF(attribute(a, QLatin1StringView("xMin")),
                                     attribute(a, QLatin1StringView("yMin"))) *
                                 mmPerPoint,
                             QPointF(attribute(a, QLatin1StringView("xMax")),
                                     attribute(a, QLatin1StringView("yMax"))) *
                                 mmPerPoint);
            pages.back().words.push_back({xml.readElementText(), box});
        }
    }
    if (xml.hasError()) return {};
    for (PdfPage& page : pages)
        page.lines = linesOf(page.words);
    return pages;
}

QStringList bookPdfProblems(const QString& pdfPath, const BookPdfExpectations& expected) {
    const std::vector<PdfPage> pages = readPdfPages(pdfPath);
    if (pages.empty()) return {QStringLiteral("pdftotext read no page from %1").arg(pdfPath)};
    QStringList problems;
    checkWords(pages, expected.margin, problems);
    checkPageNumbers(pages, expected.pageNumber, problems);
    if (!expected.contentsTitle.isEmpty())
        checkContents(pages, expected.contentsTitle, expected.margin, problems);
    checkTables(pages, expected.tables, problems);
    if (expected.checkInk) checkInk(pdfPath, pages, expected.margin, problems);
    return problems;
}

bool popplerAvailable() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}
