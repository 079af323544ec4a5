#include "bookpagination.h"

#include "quarvelerror.h"

#include <QCoreApplication>

namespace {

// Heights are sums of font metrics; a hair's difference is no overflow.
constexpr double fitTolerance = 1e-6;

class Paginator {
    Q_DECLARE_TR_FUNCTIONS(BookDocument)

public:
    Paginator(const std::vector<PageSlice>& slices, double bodyHeight)
        : m_slices(slices)
        , m_bodyHeight(bodyHeight) {}

    std::vector<SlicePlacement> run() {
        const int n = int(m_slices.size());
        for (int i = 0; i < n;) {
            if (m_slices[i].breakBefore) newPageUnlessEmpty();
            int last = i;
            while (last + 1 < n && m_slices[last].glueToNext && !m_slices[last + 1].breakBefore)
                ++last;
            if (!m_empty && !fits(m_y + runHeight(i, last, false)) &&
                fits(runHeight(i, last, true)))
                newPage();
            for (int k = i; k <= last; ++k)
                place(k);
            i = last + 1;
        }
        return std::move(m_placements);
    }

private:
    bool fits(double bottom) const { return bottom <= m_bodyHeight + fitTolerance; }

    double headerHeight(int k) const {
        const int h = m_slices[k].header;
        return h >= 0 ? m_slices[h].height : 0;
    }

    // The height slices first..last take from the current position, or from
    // the top of an empty page.
    double runHeight(int first, int last, bool onEmptyPage) const {
        double height = onEmptyPage ? headerHeight(first) : m_slices[first].spaceBefore;
        for (int k = first; k <= last; ++k)
            height += (k > first ? m_slices[k].spaceBefore : 0) + m_slices[k].height;
        return height;
    }

    void place(int k) {
        const PageSlice& s = m_slices[k];
        if (!m_empty && !fits(m_y + s.spaceBefore + s.height)) newPage();
        double top = m_empty ? 0 : m_y + s.spaceBefore;
        if (m_empty && s.header >= 0) {
            m_placements.push_back({s.header, m_page, 0});
            top = m_slices[s.header].height;
        }
        if (!fits(top + s.height))
            throw QuarvelError(tr("Un élément du livret est plus haut qu'une page (%1 mm)")
                                   .arg(QString::number(top + s.height, 'f', 0)));
        m_placements.push_back({k, m_page, top});
        m_y = top + s.height;
        m_empty = false;
    }

    void newPage() {
        ++m_page;
        m_y = 0;
        m_empty = true;
    }
    void newPageUnlessEmpty() {
        if (!m_empty) newPage();
    }

    const std::vector<PageSlice>& m_slices;
    const double m_bodyHeight;
    std::vector<SlicePlacement> m_placements;
    int m_page = 0;
    double m_y = 0;
    bool m_empty = true;
};

} // namespace

std::vector<SlicePlacement> paginate(const std::vector<PageSlice>& slices, double bodyHeight) {
    return Paginator(slices, bodyHeight).run();
}
