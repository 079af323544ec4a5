#include "timberlist.h"

#include "constructionplan.h"
#include "framelines.h"

#include <algorithm>
#include <cmath>
#include <QCoreApplication>
#include <QStringList>

namespace {

using Section = std::array<double, 2>;

Section sectionOf(double a, double b) {
    return {std::max(a, b), std::min(a, b)};
}

bool sameLength(double a, double b) {
    return std::llround(a * 10) == std::llround(b * 10);
}

class Gathering {
public:
    void add(Section section, const char* article, double length, int count) {
        if (count <= 0) return;
        auto s = std::find_if(m_sections.begin(), m_sections.end(), [&](const TimberSection& t) {
            return sameLength(t.section[0], section[0]) && sameLength(t.section[1], section[1]);
        });
        if (s == m_sections.end()) s = m_sections.insert(m_sections.end(), {section, {}, {}});
        const QString key = QLatin1String(article);
        auto p = std::find_if(s->pieces.begin(), s->pieces.end(), [&](const TimberPiece& t) {
            return t.article == key && sameLength(t.length, length);
        });
        if (p == s->pieces.end())
            s->pieces.push_back({key, length, count});
        else
            p->count += count;
    }
    void add(Section section, const char* article, const std::vector<LengthCount>& lengths) {
        for (const LengthCount& l : lengths)
            add(section, article, l.length, l.count);
    }
    void addStringers(Section section, const char* article, const Stringers& s) {
        add(section, article, s.pieceLength(), s.count * s.piecesEach());
    }

    std::vector<TimberSection> sections() const { return m_sections; }

private:
    std::vector<TimberSection> m_sections;
};

void addDeckFrame(Gathering& g, const DeckFrame& f, Section rib, Section ground, Section post) {
    if (f.kind == DeckFrameKind::ground) {
        g.addStringers(ground, "deck_stringer", f.stringers);
        g.add(ground, "deck_joist", f.joists.lengths);
        return;
    }
    g.addStringers(rib, "deck_stringer", f.stringers);
    for (const Rim* rim : {&f.backRim, &f.frontRim, &f.panelRim})
        g.add(rib, "rim", rim->pieces.lengths);
    g.add(rib, "deck_joist", f.joists.lengths);
    g.add(post, "leg", f.legs.length, f.legs.count);
    g.add(rib, "brace", f.braces);
}

[[noreturn]] void refuseLongPiece(const ConstructionSettings& s, const TimberPiece& piece) {
    throw ConstructionSettingError(
        QCoreApplication::translate("TimberList",
                                    "Réglage de construction incorrect : stock=%1 (%2 de %3 mm : "
                                    "aucune longueur en vente n'est assez longue)")
            .arg(constructionSettingText(s, u"stock"), timberArticleName(piece.article).toLower(),
                 formatLength(piece.length).replace(u'.', u',')));
}

} // namespace

std::vector<TimberSection> timberPieces(const ConstructionPlan& plan) {
    const ConstructionSettings& s = plan.settings;
    const Section rib = sectionOf(s.ribWidth, s.ribDepth);
    // The flat's frame is the rib timber on edge, ripped when `flat` is lower.
    const double e = onEdgeThickness(s);
    const Section ground = s.flat <= onEdgeDepth(s) ? rib : sectionOf(s.flat, e);
    const Section post = sectionOf(s.postWidth, s.postDepth);
    Gathering g;
    for (const auto& curve : plan.curves)
        if (curve) g.add(rib, "rib", curve->ribs.length, curve->ribs.pieces);
    for (const auto* deck : {&plan.leftDeck, &plan.rightDeck}) {
        if (!*deck) continue;
        g.add(rib, "deck_joist", (*deck)->length, (*deck)->pieces - (*deck)->copingBlocks);
        g.add(rib, "coping_block", (*deck)->length, (*deck)->copingBlocks);
    }
    for (const auto& frame : plan.deckFrames)
        if (frame) addDeckFrame(g, *frame, rib, ground, post);
    if (const auto& flat = plan.flatFrame) {
        g.addStringers(ground, "flat_stringer",
                       {flat->stringers, flat->length, flat->section, flat->joints});
        g.add(ground, "flat_joist", plan.flat->lengths);
    }
    return g.sections();
}

std::vector<TimberSection> planTimber(const ConstructionPlan& plan) {
    const ConstructionSettings& s = plan.settings;
    const double longest = s.stock.empty() ? 0 : *std::max_element(s.stock.begin(), s.stock.end());
    std::vector<TimberSection> sections = timberPieces(plan);
    // Like the nesting's limit: a plan of more pieces than any ramp has is
    // refused rather than cut board by board for minutes.
    long long pieces = 0;
    for (const TimberSection& section : sections)
        for (const TimberPiece& piece : section.pieces)
            pieces += piece.count;
    if (pieces > maxTimberPieces)
        throw QuarvelError(QCoreApplication::translate("TimberList",
                                                       "Trop de pièces de bois à couper : %1 (%2 "
                                                       "au plus)")
                               .arg(pieces)
                               .arg(maxTimberPieces));
    for (TimberSection& section : sections) {
        for (const TimberPiece& piece : section.pieces)
            if (std::llround(piece.length * 10) > std::llround(longest * 10))
                refuseLongPiece(s, piece);
        section.cutting = cutTimber(section.pieces, s.stock, s.kerf);
    }
    return sections;
}

std::vector<TimberBoard> boardsByLength(const TimberCutting& cutting) {
    std::vector<TimberBoard> boards;
    const auto sameCuts = [](const TimberBoard& a, const TimberBoard& b) {
        return sameLength(a.stock, b.stock) &&
               std::equal(a.cuts.begin(), a.cuts.end(), b.cuts.begin(), b.cuts.end(),
                          [](const TimberCut& x, const TimberCut& y) {
                              return sameLength(x.length, y.length);
                          });
    };
    for (const TimberBoard& board : cutting.boards) {
        auto same = std::find_if(boards.begin(), boards.end(),
                                 [&](const TimberBoard& b) { return sameCuts(b, board); });
        if (same != boards.end()) {
            same->count += board.count;
            continue;
        }
        boards.push_back(board);
        for (TimberCut& cut : boards.back().cuts)
            cut.article.clear();
    }
    return boards;
}

QString timberArticleName(const QString& article) {
    static const std::pair<const char*, const char*> names[] = {
        {"rib", QT_TRANSLATE_NOOP("TimberList", "Tasseau")},
        {"deck_joist", QT_TRANSLATE_NOOP("TimberList", "Solive de plate-forme")},
        {"coping_block", QT_TRANSLATE_NOOP("TimberList", "Cale de coping")},
        {"rim", QT_TRANSLATE_NOOP("TimberList", "Lisse")},
        {"deck_stringer", QT_TRANSLATE_NOOP("TimberList", "Longeron de plate-forme")},
        {"leg", QT_TRANSLATE_NOOP("TimberList", "Pied")},
        {"brace", QT_TRANSLATE_NOOP("TimberList", "Écharpe")},
        {"flat_stringer", QT_TRANSLATE_NOOP("TimberList", "Longeron du plat")},
        {"flat_joist", QT_TRANSLATE_NOOP("TimberList", "Solive du plat")},
    };
    for (const auto& [key, name] : names)
        if (article == QLatin1String(key)) return QCoreApplication::translate("TimberList", name);
    return article;
}
