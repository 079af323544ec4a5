#include "buildbook.h"

#include "bookdiagrams.h"
#include "bookframing.h"
#include "buildlistrows.h"
#include "constructionwords.h"
#include "cutlist.h"
#include "decimaltext.h"
#include "modelbuilder.h"
#include "modelpicture.h"
#include "printedlengths.h"

#include <map>
#include <memory>
#include <QCoreApplication>
#include <QHash>

namespace {

struct BuildBook {
    Q_DECLARE_TR_FUNCTIONS(BuildBook)
};

// Pictures in pixels (about 130 and 150 dpi on the page), and the width in
// mm a step's picture is printed at; the cover's is the text's width.
const QSize coverPictureSize{900, 600};
const QSize stepPictureSize{720, 480};
constexpr double stepPictureWidth = 120;
// A framing view and its caption take at most this share of a page's body.
constexpr double framingRoomShare = 0.8;
// The step after which the frame stands whole, before the surface.
constexpr int frameDoneStep = 4;
// A deck higher than this (cm) wants a guardrail.
constexpr int guardrailHeight = 100;
// The step that sets the sections together: it adds no part.
constexpr int sectionsStep = 5;
constexpr double boardDiagramWidthShare = 1; // the longest stock fills the body

// A size, its thickness last: "2440 × 1220 × 18", "8' × 4' × 23/32\"".
QString sizeText(double a, double b, double thickness, LengthUnit unit) {
    QStringList parts;
    for (double v : {a, b})
        if (v > 0) parts << lengthCell(v, unit);
    if (thickness > 0) parts << thicknessCell(thickness, unit);
    return parts.join(QStringLiteral(" × "));
}

QString moneyText(long long cents, const QString& currency) {
    return decimalsForPeople(centsText(cents)) + u' ' + currency;
}

// Each cost line's quantity summed by kind.
double quantityOf(const PlanCost& cost, CostKind kind) {
    double total = 0;
    for (const CostLine& line : cost.lines)
        if (line.kind == kind && line.item != QLatin1String("glue")) total += line.quantity;
    return total;
}

// A setting's values as people read them: "89 × 38" (one value), "2400",
// "3000"; "-" for a side of back left to the deck. In inches sections by
// their size on sale, each value to 1/16 in or, for a thickness, 1/32.
QStringList settingValueTexts(const ConstructionSettings& settings,
                              const ConstructionSettingRow& row, LengthUnit unit) {
    const QString text = constructionSettingText(settings, QString::fromLatin1(row.key));
    const bool pair = row.kind == SettingKind::Pair;
    const QStringList values = text.split(pair ? u'x' : u',');
    if (pair && row.thickness && values.size() == 2)
        return {sectionCell(values[0].toDouble(), values[1].toDouble(), unit)};
    QStringList shown;
    for (const QString& value : values) {
        bool number = false;
        const double mm = value.toDouble(&number);
        shown << decimalsForPeople(!number ? value : settingLengthText(mm, row.thickness, unit));
    }
    if (pair) return {shown.join(QStringLiteral(" × "))};
    return shown;
}

// The settings table: a row per setting, one per side for each side's.
BookTable settingsTable(const ConstructionSettings& settings, LengthUnit unit) {
    BookTable table{{{BuildBook::tr("Réglage")}, {BuildBook::tr("Valeur"), Qt::AlignRight}}, {}};
    for (const ConstructionSettingRow& row : constructionSettingRows()) {
        const QStringList values = settingValueTexts(settings, row, unit);
        if (row.kind == SettingKind::Sides)
            for (int side = 0; side < int(values.size()); ++side)
                table.rows.push_back({{constructionSettingCaption(row, side, unit), values[side]}});
        else
            table.rows.push_back(
                {{constructionSettingCaption(row, 0, unit), values.join(QStringLiteral(" ; "))}});
    }
    return table;
}

// The model's pictures, each drawn when its page is painted, all into one
// buffer of pixels: a book holds no picture of its own, and writing one
// touches the memory of its largest picture only (fresh memory is what a
// one-off run pays for most). The PDF takes each picture as it is painted.
class BookPictures {
public:
    explicit BookPictures(const RampModel& model)
        : m_pictures(model) {}

    QImage draw(const PictureOptions& options) {
        const int width = options.size.width(), height = options.size.height();
        m_pixels.resize(std::max(m_pixels.size(), std::size_t(width) * std::size_t(height)));
        QImage image(reinterpret_cast<uchar*>(m_pixels.data()), width, height,
                     width * int(sizeof(QRgb)), QImage::Format_RGB32);
        m_pictures.drawInto(image, options);
        return image;
    }

private:
    ModelPicture m_pictures;
    std::vector<QRgb> m_pixels;
};

using SharedPictures = std::shared_ptr<BookPictures>;

void picture(BookDocument& book, const SharedPictures& pictures, const PictureOptions& options,
             double width, const QString& caption) {
    const QSizeF size(width, width * options.size.height() / options.size.width());
    book.drawing(
        size,
        [pictures, options](BookCanvas& canvas) {
            canvas.painter().drawImage(QRectF(QPointF(0, 0), canvas.size()),
                                       pictures->draw(options));
        },
        caption);
}

void cover(BookDocument& book, const ConstructionPlan& plan, const PlanCost& cost,
           const RampModel& model, const SharedPictures& pictures, LengthUnit unit) {
    auto cm = [unit](int value) { return designLengthWords(value, unit); };
    book.title(BuildBook::tr("Livret de construction"));
    const RampDimensions& d = plan.dims;
    book.paragraph(
        BuildBook::tr("Rampe : deck gauche %1, rayon %2, hauteur %3 ; plat %4 ; "
                      "rayon %5, hauteur %6, deck droit %7 ; largeur %8.")
            .arg(cm(d.P1), cm(d.R1), cm(d.H1), cm(d.F), cm(d.R2), cm(d.H2), cm(d.P2), cm(d.W)));
    PictureOptions options;
    options.size = coverPictureSize;
    picture(book, pictures, options, book.textWidth(), BuildBook::tr("La rampe terminée"));

    const QVector3D size = modelBounds(model).size();
    BookTable totals{{{BuildBook::tr("Rampe terminée")}, {QString(), Qt::AlignRight}}, {}};
    totals.rows.push_back({{BuildBook::tr("Longueur hors tout"), lengthWords(size.x(), unit)}});
    totals.rows.push_back({{BuildBook::tr("Largeur"), lengthWords(size.y(), unit)}});
    totals.rows.push_back({{BuildBook::tr("Hauteur"), lengthWords(size.z(), unit)}});
    totals.rows.push_back(
        {{BuildBook::tr("Feuilles"), QString::number(quantityOf(cost, CostKind::sheet))}});
    totals.rows.push_back(
        {{BuildBook::tr("Planches"), QString::number(quantityOf(cost, CostKind::board))}});
    totals.rows.push_back(
        {{BuildBook::tr("Fixations"), QString::number(quantityOf(cost, CostKind::fastener))}});
    totals.rows.push_back({{BuildBook::tr("Coût"), moneyText(cost.cents, cost.currency)}, true});
    book.table(totals);

    book.table(settingsTable(plan.settings, unit));
    book.paragraph(
        BuildBook::tr("Les gabarits des flancs à taille réelle s'impriment à part (quarvel-cli "
                      "template), à l'échelle 1 : ce livret n'en reproduit pas les tracés."));
    book.pageBreak();
    book.contents();
}

void shoppingList(BookDocument& book, const ConstructionPlan& plan, const PlanCost& cost,
                  LengthUnit unit) {
    book.chapter(BuildBook::tr("Liste d'achats"));
    std::vector<CutListRow> rows;
    addShoppingRows(plan, cost, rows, unit);
    BookTable table{{{BuildBook::tr("Article")},
                     {BuildBook::tr("Qté"), Qt::AlignRight},
                     {BuildBook::tr("Dimensions (%1)").arg(unitName(unit)), Qt::AlignRight},
                     {BuildBook::tr("Détail")},
                     {BuildBook::tr("Prix"), Qt::AlignRight}},
                    {}};
    for (const CutListRow& row : rows)
        table.rows.push_back(
            {{row.article, QString::number(row.quantity),
              sizeText(row.length, row.width, row.thickness, unit), decimalsForPeople(row.remark),
              row.cents ? moneyText(*row.cents, cost.currency) : QString()}});
    table.rows.push_back(
        {{BuildBook::tr("Total"), {}, {}, {}, moneyText(cost.cents, cost.currency)}, true});
    book.table(table);
    if (cost.indicative)
        book.paragraph(
            BuildBook::tr("Prix indicatifs (magasin de bricolage, 2026) : donnez les vôtres "
                          "avec --prices FICHIER."));
}

QString stepTitle(int step) {
    static const char* const titles[] = {
        QT_TRANSLATE_NOOP("BuildBook", "Découper les flancs et leurs éclisses"),
        QT_TRANSLATE_NOOP("BuildBook", "Monter les flancs et les tasseaux de chaque courbe"),
        QT_TRANSLATE_NOOP("BuildBook", "Monter le cadre du plat"),
        QT_TRANSLATE_NOOP("BuildBook", "Monter les cadres des decks et leurs pieds"),
        QT_TRANSLATE_NOOP("BuildBook", "Assembler les sections"),
        QT_TRANSLATE_NOOP("BuildBook", "Poser la surface, de la couche du bas vers le haut"),
        QT_TRANSLATE_NOOP("BuildBook", "Poser le coping"),
    };
    return BuildBook::tr("Étape %1 : %2").arg(step).arg(BuildBook::tr(titles[step - firstStep]));
}

// The step in which a builder sets each kind of fastener.
bool fastenerInStep(FastenerItem item, int step) {
    switch (item) {
    case FastenerItem::spliceScrew:
    case FastenerItem::glue:
        return step == 1;
    case FastenerItem::frameScrew:
    case FastenerItem::toeScrew:
        return step == 2 || step == 3;
    case FastenerItem::bolt:
        return step == 5;
    case FastenerItem::bracket:
    case FastenerItem::bracketScrew:
    case FastenerItem::braceScrew:
        return step == 4;
    case FastenerItem::surfaceScrew:
        return step == 6;
    case FastenerItem::lagScrew:
        return step == 7;
    }
    return false;
}

// The step's parts counted by their cut-list article, in the model's order.
// The people's cut-list article of each French part article the model's
// parts carry.
QHash<QString, QString> articleTexts(const ConstructionPlan& plan, LengthUnit unit) {
    QHash<QString, QString> texts;
    for (const CutListRow& row : cutListRows(plan, {}, unit))
        if (!row.part.isEmpty()) texts.insert(row.part, row.article);
    return texts;
}

QStringList stepParts(const ConstructionPlan& plan, const RampModel& model, int step,
                      LengthUnit unit) {
    const QHash<QString, QString> texts = articleTexts(plan, unit);
    std::vector<std::pair<QString, int>> counts;
    for (const ModelPart& part : model.parts) {
        if (part.step != step) continue;
        auto found = std::find_if(counts.begin(), counts.end(),
                                  [&](const auto& c) { return c.first == part.article; });
        if (found == counts.end())
            counts.emplace_back(part.article, 1);
        else
            ++found->second;
    }
    QStringList items;
    for (const auto& [article, count] : counts)
        items << BuildBook::tr("%1 × %2").arg(count).arg(texts.value(article, article));
    return items;
}

void assembly(BookDocument& book, const ConstructionPlan& plan, const RampModel& model,
              const SharedPictures& pictures, LengthUnit unit) {
    book.chapter(BuildBook::tr("Montage"));
    for (int step = firstStep; step <= lastStep; ++step) {
        book.beginKeepTogether();
        book.section(stepTitle(step));
        PictureOptions options;
        options.size = stepPictureSize;
        options.shown = partsUpToStep(model, step);
        options.highlighted = partsOfStep(model, step);
        picture(book, pictures, options, stepPictureWidth,
                BuildBook::tr("La rampe après l'étape %1").arg(step));
        book.endKeepTogether();
        const QStringList parts = stepParts(plan, model, step, unit);
        if (parts.isEmpty())
            book.paragraph(
                step == sectionsStep
                    ? BuildBook::tr("Aucune pièce nouvelle : les sections se posent de niveau "
                                    "et d'équerre, puis se vissent ensemble.")
                    : BuildBook::tr("Rien à faire à cette étape pour cette rampe."));
        else
            book.bullets(parts);
        QStringList fasteners;
        for (const FastenerCount& f : plan.fasteners)
            if (fastenerInStep(f.item, step) && f.count > 0)
                fasteners << BuildBook::tr("%1 : %2").arg(fastenerName(f)).arg(f.count);
        if (!fasteners.isEmpty()) {
            book.paragraph(BuildBook::tr("Fixations :"));
            book.bullets(fasteners);
        }
    }
}

void sheetDiagrams(BookDocument& book, const ConstructionPlan& plan, LengthUnit unit) {
    auto mm = [unit](double value) { return lengthCell(value, unit); };
    const auto& sheets = plan.panelSheets.layout;
    if (sheets.empty()) return;
    book.chapter(BuildBook::tr("Découpe des feuilles"));
    book.paragraph(
        BuildBook::tr("Les flancs et les éclisses sur les feuilles de %1, à l'échelle ; les "
                      "numéros renvoient à la liste sous chaque feuille.")
            .arg(numberWithUnit(sizeText(plan.settings.sheetLong, plan.settings.sheetShort,
                                         plan.settings.panel, unit),
                                unit)));
    const QSizeF size = sheetDiagramSize(plan.settings, book.textWidth());
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        book.beginKeepTogether();
        book.section(BuildBook::tr("Feuille %1 sur %2").arg(i + 1).arg(sheets.size()));
        const SheetLayout* sheet = &sheets[i];
        book.drawing(size,
                     [&plan, sheet, unit](BookCanvas& c) { drawSheet(c, plan, *sheet, unit); });
        BookTable legend{
            {{BuildBook::tr("N°"), Qt::AlignRight},
             {BuildBook::tr("Pièce")},
             {BuildBook::tr("Coin bas gauche (%1)").arg(unitName(unit)), Qt::AlignRight},
             {BuildBook::tr("Encombrement (%1)").arg(unitName(unit)), Qt::AlignRight}},
            {}};
        for (std::size_t k = 0; k < sheet->parts.size(); ++k) {
            const PlacedPart& part = sheet->parts[k];
            const QRectF box = boundingBox(placedOutline(plan, part));
            legend.rows.push_back(
                {{QString::number(k + 1), placedPartArticle(plan, part),
                  BuildBook::tr("%1 ; %2").arg(mm(part.x), mm(part.y)),
                  BuildBook::tr("%1 × %2").arg(mm(box.width()), mm(box.height()))}});
        }
        book.table(legend);
        book.endKeepTogether();
    }
}

// "2 × planche de 4800 mm : 3 × Tasseau 567,5 ; Solive du plat 1400 ; chute 72":
// the board's pieces in order, alike neighbours counted together.
QString boardCaption(const TimberBoard& board, LengthUnit unit) {
    auto mm = [unit](double value) { return lengthCell(value, unit); };
    QStringList cuts;
    const auto& c = board.cuts;
    for (std::size_t i = 0; i < c.size();) {
        std::size_t next = i + 1;
        while (next < c.size() && c[next].article == c[i].article && c[next].length == c[i].length)
            ++next;
        const QString piece =
            BuildBook::tr("%1 %2").arg(timberArticleName(c[i].article), mm(c[i].length));
        cuts << (next - i > 1 ? BuildBook::tr("%1 × %2").arg(next - i).arg(piece) : piece);
        i = next;
    }
    return BuildBook::tr("%1 × planche de %2 : %3 ; chute %4")
        .arg(board.count)
        .arg(lengthWords(board.stock, unit), cuts.join(QStringLiteral(" ; ")), mm(board.offcut));
}

void boardDiagrams(BookDocument& book, const ConstructionPlan& plan, LengthUnit unit) {
    if (plan.timber.empty()) return;
    book.chapter(BuildBook::tr("Découpe des planches"));
    book.paragraph(
        BuildBook::tr("Chaque planche à l'échelle, ses morceaux dans l'ordre de la coupe "
                      "(longueurs en %1, trait de scie de %2), la chute hachurée.")
            .arg(unitName(unit), thicknessWords(plan.settings.kerf, unit)));
    for (const TimberSection& section : plan.timber) {
        book.section(BuildBook::tr("Section %1")
                         .arg(sectionWords(section.section[0], section.section[1], unit)));
        double longest = 0;
        for (const TimberBoard& board : section.cutting.boards)
            longest = std::max(longest, board.stock);
        for (const TimberBoard& board : section.cutting.boards) {
            const double kerf = plan.settings.kerf;
            book.drawing(
                QSizeF(book.textWidth() * boardDiagramWidthShare, boardDiagramHeight),
                [board, longest, kerf, unit](BookCanvas& c) {
                    drawBoard(c, board, longest, kerf, unit);
                },
                boardCaption(board, unit));
        }
    }
}

QString runName(SurfaceRun run) {
    switch (run) {
    case SurfaceRun::leftDeck:
        return BuildBook::tr("plate-forme gauche");
    case SurfaceRun::riding:
        return BuildBook::tr("roulage");
    case SurfaceRun::rightDeck:
        return BuildBook::tr("plate-forme droite");
    }
    return {};
}

// The layer's sheets, each strip of pieces cut from one sheet's short side,
// as many times as sheets cover the ramp's width.
void surfaceSheets(BookDocument& book, const ConstructionPlan& plan, const SurfaceLayerPlan& layer,
                   LengthUnit unit) {
    if (layer.strips.empty()) return;
    QStringList across;
    for (double width : layer.across)
        across << lengthCell(width, unit);
    const double height = layerSheetsHeight(layer, plan.settings, book.textWidth());
    const SurfaceLayerPlan* laid = &layer;
    const ConstructionSettings* settings = &plan.settings;
    book.drawing(
        QSizeF(book.textWidth(), height),
        [laid, settings](BookCanvas& c) { drawLayerSheets(c, *laid, *settings); },
        BuildBook::tr("%1 feuilles en tout : chaque bande ci-dessus, coupée dans le petit côté "
                      "d'une feuille, pour chaque largeur (%2)")
            .arg(layer.sheets)
            .arg(numberWithUnit(across.join(QStringLiteral(" ; ")), unit)));
}

void surfaceLayers(BookDocument& book, const ConstructionPlan& plan, LengthUnit unit) {
    auto mm = [unit](double value) { return lengthCell(value, unit); };
    const auto& layers = plan.surface.layers;
    if (layers.empty()) return;
    book.chapter(BuildBook::tr("La surface, couche par couche"));
    book.paragraph(
        BuildBook::tr("Chaque couche d'une plate-forme à l'autre, à l'échelle, en commençant "
                      "par celle du bas : ses morceaux et leurs longueurs (%1), un triangle sous "
                      "chaque joint pour le tasseau ou la solive qui le porte. Chaque morceau "
                      "couvre toute la largeur de la rampe.")
            .arg(unitName(unit)));
    for (int i = int(layers.size()) - 1; i >= 0; --i) {
        const SurfaceLayerPlan& layer = layers[std::size_t(i)];
        book.beginKeepTogether();
        book.section(BuildBook::tr("%1 (%2, de bas en haut : %3 sur %4)")
                         .arg(surfaceLayerArticle(i), thicknessWords(layer.thickness, unit))
                         .arg(int(layers.size()) - i)
                         .arg(layers.size()));
        const SurfaceLayerPlan* laid = &layer;
        book.drawing(QSizeF(book.textWidth(), layerDiagramHeight),
                     [laid, unit](BookCanvas& c) { drawLayer(c, *laid, unit); });
        BookTable pieces{
            {{BuildBook::tr("N°"), Qt::AlignRight},
             {BuildBook::tr("Partie")},
             {BuildBook::tr("Depuis l'arrière gauche (%1)").arg(unitName(unit)), Qt::AlignRight},
             {BuildBook::tr("Longueur (%1)").arg(unitName(unit)), Qt::AlignRight}},
            {}};
        const std::vector<int> numbers = layerPieceNumbers(layer);
        pieces.rows.resize(layer.pieces.size());
        for (std::size_t k = 0; k < layer.pieces.size(); ++k) {
            const SurfacePiece& piece = layer.pieces[k];
            pieces.rows[std::size_t(numbers[k] - 1)] = {
                {QString::number(numbers[k]), runName(piece.run), mm(pieceStart(layer, piece)),
                 mm(piece.length)}};
        }
        book.table(pieces);
        book.endKeepTogether();
        surfaceSheets(book, plan, layer, unit);
    }
}

void framing(BookDocument& book, const RampModel& model, LengthUnit unit) {
    book.chapter(BuildBook::tr("Ossature"));
    book.paragraph(
        BuildBook::tr("La rampe sans sa surface : les flancs, tasseaux, solives, longerons, "
                      "pieds et écharpes, vus de dessus puis de côté, à l'échelle."));
    const std::vector<bool> shown = partsUpToStep(model, frameDoneStep);
    const std::pair<FramingSide, QString> views[] = {
        {FramingSide::Above, BuildBook::tr("Vue de dessus")},
        {FramingSide::Side, BuildBook::tr("Vue de côté")}};
    for (const auto& [side, caption] : views) {
        const FramingView view = framingView(model, shown, side);
        // As wide as the text, unless that makes it taller than the room
        // left for a drawing and its caption.
        double width = book.textWidth();
        const double room = book.textHeight() * framingRoomShare;
        if (framingViewHeight(view, width) > room) width *= room / framingViewHeight(view, width);
        book.drawing(
            QSizeF(width, framingViewHeight(view, width)),
            [view, unit](BookCanvas& canvas) { drawFramingView(canvas, view, unit); }, caption);
    }
}

void groundAndWeather(BookDocument& book, const ConstructionPlan& plan) {
    book.chapter(BuildBook::tr("Sol et intempéries"));
    QStringList notes{
        BuildBook::tr(
            "Sur la terre ou l'herbe, les flancs, les longerons et les pieds reposent sur des "
            "traverses traitées ou des plots, calés pour que les pieds des courbes "
            "affleurent le plat."),
        BuildBook::tr(
            "Dehors : contreplaqué extérieur, vis traitées contre la rouille et une bâche.")};
    if (std::max(plan.dims.H1, plan.dims.H2) > guardrailHeight)
        notes << BuildBook::tr("Une plate-forme à plus de 1 m du sol demande un garde-corps.");
    book.bullets(notes);
}

} // namespace

BookDocument buildBook(const ConstructionPlan& plan, const PriceTable& prices, BookPaper paper,
                       LengthUnit unit) {
    BookDocument book(paper, BuildBook::tr("Livret de construction"));
    const PlanCost cost = planCost(plan, prices);
    const RampModel model = buildRampModel(plan);
    const SharedPictures pictures = std::make_shared<BookPictures>(model);
    cover(book, plan, cost, model, pictures, unit);
    shoppingList(book, plan, cost, unit);
    assembly(book, plan, model, pictures, unit);
    sheetDiagrams(book, plan, unit);
    boardDiagrams(book, plan, unit);
    surfaceLayers(book, plan, unit);
    framing(book, model, unit);
    groundAndWeather(book, plan);
    return book;
}
