#include "tracer.h"

#include "compilerbuiltins.h"

#include <cfenv>
#include <cmath>
#include <limits>
#include <memory>
#include <optional>
#include <QCoreApplication>
#include <QtNumeric>

namespace {

constexpr long double halfPi = 1.5707963267948966193L;

const QString flatTooShort = QStringLiteral(
    QT_TRANSLATE_NOOP("Tracer", "Attention :  votre longueur de plat semble trop petite "
                                "compte tenu des dimensions des courbes."));
const QString flatTooLong = QStringLiteral(
    QT_TRANSLATE_NOOP("Tracer", "Attention :  votre longueur de plat semble trop grande "
                                "compte tenu des dimensions des courbes."));
const QString radiusTooShort =
    QStringLiteral(QT_TRANSLATE_NOOP("Tracer", "Attention :  votre longueur de rayon semble trop "
                                               "petite compte tenu de la hauteur de la courbe."));
const QString radiusTooLong =
    QStringLiteral(QT_TRANSLATE_NOOP("Tracer", "Attention :  votre longueur de rayon semble trop "
                                               "grande compte tenu de la hauteur de la courbe."));

// Raised inside the computation to abandon the run at that point.
struct Abandon {
    QString message;
};

constexpr int watchedFloatFlags = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

// The caller's floating-point status flags are kept aside during a run, so
// that only the run's own operations are tested, and put back afterwards; the
// run always rounds to nearest, whatever mode the caller left.
class FloatEnvironmentScope {
public:
    FloatEnvironmentScope() {
        fegetexceptflag(&m_saved, FE_ALL_EXCEPT);
        // Only the watched flags are ever tested; clearing costs far more than
        // testing, and they are seldom raised.
        if (fetestexcept(watchedFloatFlags) != 0) feclearexcept(watchedFloatFlags);
        m_rounding = fegetround();
        if (m_rounding != FE_TONEAREST) fesetround(FE_TONEAREST);
    }
    ~FloatEnvironmentScope() {
        if (m_rounding != FE_TONEAREST) fesetround(m_rounding);
        fesetexceptflag(&m_saved, FE_ALL_EXCEPT);
    }
    FloatEnvironmentScope(const FloatEnvironmentScope&) = delete;
    FloatEnvironmentScope& operator=(const FloatEnvironmentScope&) = delete;

private:
    fexcept_t m_saved;
    int m_rounding;
};

void checkFloat() {
    const int raised = fetestexcept(watchedFloatFlags);
    if (raised == 0) return;
    if (raised & FE_INVALID)
        throw Abandon{QStringLiteral(
            QT_TRANSLATE_NOOP("Tracer", "Opération en virgule flottante incorrecte"))};
    if (raised & FE_DIVBYZERO)
        throw Abandon{
            QStringLiteral(QT_TRANSLATE_NOOP("Tracer", "Division par zéro en virgule flottante"))};
    throw Abandon{QStringLiteral(QT_TRANSLATE_NOOP("Tracer", "Débordement en virgule flottante"))};
}

qint32 add(qint32 a, qint32 b) {
    qint32 r;
    if (qAddOverflow(a, b, &r))
        throw Abandon{QStringLiteral(QT_TRANSLATE_NOOP("Tracer", "Débordement d'entier"))};
    return r;
}

qint32 sub(qint32 a, qint32 b) {
    qint32 r;
    if (qSubOverflow(a, b, &r))
        throw Abandon{QStringLiteral(QT_TRANSLATE_NOOP("Tracer", "Débordement d'entier"))};
    return r;
}

// The low 32 bits of the product, without overflow check.
qint32 square(qint32 a) {
    return qint32(quint32(a) * quint32(a));
}

// To nearest, ties to even (the default rounding mode).
qint64 round64(long double x) {
    long long r = llrintl(x);
    keepComputed(r);
    checkFloat();
    return r;
}

qint32 rangeChecked(qint64 v) {
    if (v < INT32_MIN || v > INT32_MAX)
        throw Abandon{
            QStringLiteral(QT_TRANSLATE_NOOP("Tracer", "Erreur de vérification d'étendue"))};
    return qint32(v);
}

// The horizontal extent of a curve that is not a wall: round(sqrt(R^2 - (R - H)^2)).
qint32 groundLength(qint32 r, qint32 h) {
    const qint32 arg = sub(square(r), square(sub(r, h)));
    long double root = sqrtl(static_cast<long double>(arg));
    keepComputed(root);
    checkFloat();
    return rangeChecked(round64(root));
}

struct Arc {
    double theta = 0.0;
    qint64 length = 0;
};

Arc arcOf(qint32 g, qint32 r, qint32 h) {
    Arc arc;
    if (g <= 0) return arc;
    long double q = static_cast<long double>(sub(r, h)) / static_cast<long double>(g);
    keepComputed(q);
    checkFloat();
    double theta = static_cast<double>(halfPi - atanl(q));
    keepComputed(theta);
    checkFloat();
    arc.theta = theta;
    arc.length = round64(static_cast<long double>(r) * theta);
    return arc;
}

bool dimensionsInRange(const RampDimensions& d) {
    for (qint32 v : {d.P1, d.R1, d.H1, d.F, d.W, d.R2, d.H2, d.P2})
        if (v < 0 || v > maxRampDimension) return false;
    return true;
}

qint32 groundLengthOfCurve(qint32 r, qint32 h) {
    return h > r ? r : groundLength(r, h);
}

struct GroundLengths {
    qint32 left;
    qint32 right;
};

// t advances by s. The rule is the sum in extended precision rounded to a
// double; for accepted dimensions that is the plain double sum, always
// finite, so no other path is needed:
// - s = double(T / 1000) with 1 <= T <= 5 * maxRampDimension (a ground
//   length never exceeds its radius), so T < 1001 s.
// - A sum is only taken from a t below a bound, and no bound exceeds T:
//   t < 1001 s, and t + s < 1002 s < 2^11 s.
// - t is 0 or at least s, so it is a multiple of the last bit of s,
//   2^(e - 52) for s in [2^e, 2^(e + 1)). The exact t + s, a multiple of
//   it below 2^(e + 12), has at most 64 significant bits: the extended
//   sum is exact, and rounding it once to a double is the double sum.
// - It is finite: below 1002 * 232.
// TestTracer::runningSumStaysExact checks this for every total.
static_assert(std::numeric_limits<long double>::digits >= 64);
inline double advance(double t, double s) {
    return t + s;
}

// The sampling loops keep t in a register and call nothing: every step waits
// for the one before, so a spill of t or a call would hold up all of them.
// The bounds are whole numbers, exact in a double: comparing t with them in
// double is comparing in extended precision.

// Points of height y from t while t is below bound; returns past the last one.
ProfilePoint* deckPoints(ProfilePoint* out, double& t, double s, qint32 bound, qint32 height) {
    const double end = bound;
    const double y = height;
    double x = t;
    for (; end > x; x = advance(x, s))
        std::construct_at(out++, ProfilePoint{x, y});
    t = x;
    return out;
}

// Points of the lower arc of the circle of radius r centred at (centreX, r),
// from t while t is below bound; returns past the last one. The heights are
// always finite, within 0..r: the loops before leave t at or past the arc's
// start, so |dx| never exceeds the ground length, itself at most r; rounding
// is monotonic and r and r^2 are exact, so dx^2 <= r^2 and the root is real.
ProfilePoint* curvePoints(ProfilePoint* out, double& t, double s, qint32 bound, qint32 centreX,
                          qint32 r) {
    const long double rr = r;
    const long double rSquared = square(r);
    const long double cx = centreX;
    const double end = bound;
    double x = t;
    for (; end > x; x = advance(x, s)) {
        const long double dx = x - cx;
        const double y = static_cast<double>(rr - sqrtl(rSquared - dx * dx));
        std::construct_at(out++, ProfilePoint{x, y});
    }
    t = x;
    return out;
}

// Room for the points of a run, left unset: they are written once, as
// computed, then copied into the effect whole.
union SampleBuffer {
    SampleBuffer() {}
    ProfilePoint points[tracerSampleCount + 1];
};

class Tracer {
public:
    Tracer(TracerRun& run, const RampDimensions& dims, GroundLengths ground, int plotWidth,
           int plotHeight)
        : m_run(run)
        , m_d(dims)
        , m_ground(ground)
        , m_plotWidth(plotWidth)
        , m_plotHeight(plotHeight) {}

    void run() {
        // At most one notice for the flat and one per curve, every field once,
        // seven chart effects: one allocation.
        m_run.effects.reserve(3 + tracerFieldCount + 7);
        flatCheck();
        DerivedValues& v = m_run.derived;
        curve(m_d.R1, m_d.H1, m_ground.left, TracerNotice::LeftWall, TracerField::LeftGroundLength,
              TracerNotice::LeftRadius, v.wall1, v.V1, v.G1);
        curve(m_d.R2, m_d.H2, m_ground.right, TracerNotice::RightWall,
              TracerField::RightGroundLength, TracerNotice::RightRadius, v.wall2, v.V2, v.G2);

        v.T = add(add(add(add(m_d.P1, v.G1), m_d.F), v.G2), m_d.P2);
        field(TracerField::TotalLength, v.T);

        const Arc left = arcOf(v.G1, m_d.R1, m_d.H1);
        v.theta1 = left.theta;
        v.A1 = left.length;
        field(TracerField::LeftArcLength, static_cast<long double>(v.A1));
        const Arc right = arcOf(v.G2, m_d.R2, m_d.H2);
        v.theta2 = right.theta;
        v.A2 = right.length;
        field(TracerField::RightArcLength, static_cast<long double>(v.A2));

        dataPanel();
        chartSetUp();
        sample();
    }

private:
    void flatCheck() {
        const long double f = m_d.F;
        const long double r1 = m_d.R1;
        if (f < 0.75L * r1)
            m_run.effects.emplace_back(NoticeText{TracerNotice::FlatLength, flatTooShort});
        else if (f > 1.5L * r1)
            m_run.effects.emplace_back(NoticeText{TracerNotice::FlatLength, flatTooLong});
    }

    void curve(qint32 r, qint32 h, qint32 checkedGround, TracerNotice wallNotice,
               TracerField groundField, TracerNotice radiusNotice, bool& wall, qint32& wallHeight,
               qint32& ground) {
        if (h > r) {
            wall = true;
            wallHeight = sub(h, r);
            m_run.effects.emplace_back(
                NoticeValue{wallNotice, static_cast<long double>(wallHeight)});
            ground = r;
            field(groundField, ground);
            return;
        }
        ground = checkedGround;
        field(groundField, ground);
        const long double rr = r;
        const long double hh = h;
        if (rr < 1.5L * hh)
            m_run.effects.emplace_back(NoticeText{radiusNotice, radiusTooShort});
        else if (rr > 2.2L * hh)
            m_run.effects.emplace_back(NoticeText{radiusNotice, radiusTooLong});
    }

    void field(TracerField target, long double value) {
        m_run.effects.emplace_back(FieldValue{target, value});
    }

    void dataPanel() {
        const DerivedValues& v = m_run.derived;
        field(TracerField::DataLeftDeck, m_d.P1);
        field(TracerField::DataRightDeck, m_d.P2);
        field(TracerField::DataLeftHeight, m_d.H1);
        field(TracerField::DataRightHeight, m_d.H2);
        field(TracerField::DataTotalLength, v.T);
        field(TracerField::DataLeftGroundLength, v.G1);
        field(TracerField::DataRightGroundLength, v.G2);
        field(TracerField::DataFlat, m_d.F);
        field(TracerField::DataWidth, m_d.W);
        field(TracerField::DataLeftArcLength, static_cast<long double>(v.A1));
        field(TracerField::DataRightArcLength, static_cast<long double>(v.A2));
        field(TracerField::DataLeftRadius, m_d.R1);
        field(TracerField::DataRightRadius, m_d.R2);
    }

    void chartSetUp() {
        auto& e = m_run.effects;
        const double bottomMaximum = m_run.derived.T;
        e.emplace_back(ClearSeries{});
        e.emplace_back(AxisAutomatic{TracerAxis::Bottom, false});
        e.emplace_back(AxisMaximum{TracerAxis::Bottom, bottomMaximum});
        e.emplace_back(AxisMinimum{TracerAxis::Bottom, 0.0});
        e.emplace_back(AxisAutomatic{TracerAxis::Left, false});
        long double ratio = static_cast<long double>(m_plotHeight) *
                            static_cast<long double>(bottomMaximum) /
                            static_cast<long double>(m_plotWidth);
        keepComputed(ratio);
        checkFloat();
        double leftMaximum = static_cast<double>(ratio);
        keepComputed(leftMaximum);
        checkFloat();
        e.emplace_back(AxisMaximum{TracerAxis::Left, leftMaximum});
        e.emplace_back(AxisMinimum{TracerAxis::Left, 0.0});
    }

    void sample() {
        DerivedValues& v = m_run.derived;
        long double step = static_cast<long double>(v.T) / 1000.0L;
        keepComputed(step);
        checkFloat();
        const double s = static_cast<double>(step);
        v.s = s;
        const qint32 b1 = m_d.P1;
        const qint32 b2 = add(b1, v.G1);
        const qint32 b3 = add(b2, m_d.F);
        const qint32 b4 = add(b3, v.G2);
        const qint32 b5 = add(b4, m_d.P2);

        // Each step rounds once, so the k-th t is at least k s (1 - k 2^-53),
        // and T < 1001 s (1 - 2^-40) (see advance): the 1001st t is past T,
        // and no run has more than 1001 points.
        SampleBuffer buffer;
        ProfilePoint* out = buffer.points;
        double t = 0.0;
        out = deckPoints(out, t, s, b1, m_d.H1);
        out = curvePoints(out, t, s, b2, b2, m_d.R1);
        out = deckPoints(out, t, s, b3, 0); // the flat
        out = curvePoints(out, t, s, b4, b3, m_d.R2);
        out = deckPoints(out, t, s, b5, m_d.H2);
        AddPoints added;
        added.points.assign(buffer.points, out);
        m_run.effects.emplace_back(std::move(added));
    }

    TracerRun& m_run;
    const RampDimensions m_d;
    const GroundLengths m_ground; // as the dimension check computed them
    const int m_plotWidth;
    const int m_plotHeight;
};

} // namespace

namespace {

// Refused before anything happens: a dimension outside 0..maxRampDimension,
// or a total length that is not positive (the sampling step would be zero).
// The ground lengths read the floating-point status flags: they must be clear.
// For accepted dimensions, the ground lengths (which the run then takes as
// they are), and no watched flag left raised.
std::optional<GroundLengths> acceptedGroundLengths(const RampDimensions& d) {
    if (!dimensionsInRange(d)) return std::nullopt;
    try {
        const GroundLengths g{groundLengthOfCurve(d.R1, d.H1), groundLengthOfCurve(d.R2, d.H2)};
        const qint32 t = add(add(add(add(d.P1, g.left), d.F), g.right), d.P2);
        if (t <= 0) return std::nullopt;
        return g;
    } catch (const Abandon&) {
        return std::nullopt;
    }
}

} // namespace

bool dimensionsAcceptable(const RampDimensions& d) {
    // Callers come from anywhere (widget code may have left a flag raised):
    // check with clear flags, and leave theirs as they were.
    FloatEnvironmentScope environment;
    return acceptedGroundLengths(d).has_value();
}

QString tracerText(const QString& source) {
    return QCoreApplication::translate("Tracer", source.toUtf8().constData());
}

QString invalidDimensionsMessage() {
    return QStringLiteral(QT_TRANSLATE_NOOP(
        "Tracer", "Dimensions incorrectes : chaque longueur doit être comprise entre 0 et "
                  "46340 cm et la longueur totale doit être positive"));
}

TracerRun runTracer(const RampDimensions& dims, int plotWidth, int plotHeight) {
    TracerRun run;
    FloatEnvironmentScope environment;
    const std::optional<GroundLengths> ground = acceptedGroundLengths(dims);
    if (!ground) {
        run.error = invalidDimensionsMessage();
        return run;
    }
    try {
        Tracer(run, dims, *ground, plotWidth, plotHeight).run();
    } catch (const Abandon& abandon) {
        run.error = abandon.message;
    }
    return run;
}
