#include "tracer.h"

#include <cfenv>
#include <cmath>

namespace {

constexpr long double halfPi = 1.5707963267948966193L;

const QString flatTooShort =
    QStringLiteral("Attention :  votre longueur de plat semble trop petite "
                   "compte tenu des dimensions des courbes.");
const QString flatTooLong = QStringLiteral("Attention :  votre longueur de plat semble trop grande "
                                           "compte tenu des dimensions des courbes.");
const QString radiusTooShort = QStringLiteral("Attention :  votre longueur de rayon semble trop "
                                              "petite compte tenu de la hauteur de la courbe.");
const QString radiusTooLong = QStringLiteral("Attention :  votre longueur de rayon semble trop "
                                             "grande compte tenu de la hauteur de la courbe.");

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
        feclearexcept(FE_ALL_EXCEPT);
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

// The compiler knows nothing of the status flags: this makes sure a value is
// really computed before the flags are tested.
template <class T> inline void materialise(T& value) {
    asm volatile("" : "+m"(value)::"memory");
}

void checkFloat() {
    const int raised = fetestexcept(watchedFloatFlags);
    if (raised == 0) return;
    if (raised & FE_INVALID)
        throw Abandon{QStringLiteral("Opération en virgule flottante incorrecte")};
    if (raised & FE_DIVBYZERO)
        throw Abandon{QStringLiteral("Division par zéro en virgule flottante")};
    throw Abandon{QStringLiteral("Débordement en virgule flottante")};
}

// A result that came out infinite or NaN from finite inputs: a flag was raised.
[[noreturn]] void failFloat() {
    checkFloat();
    throw Abandon{QStringLiteral("Opération en virgule flottante incorrecte")};
}

qint32 add(qint32 a, qint32 b) {
    qint32 r;
    if (__builtin_add_overflow(a, b, &r)) throw Abandon{QStringLiteral("Débordement d'entier")};
    return r;
}

qint32 sub(qint32 a, qint32 b) {
    qint32 r;
    if (__builtin_sub_overflow(a, b, &r)) throw Abandon{QStringLiteral("Débordement d'entier")};
    return r;
}

// The low 32 bits of the product, without overflow check.
qint32 square(qint32 a) {
    return qint32(quint32(a) * quint32(a));
}

// To nearest, ties to even (the default rounding mode).
qint64 round64(long double x) {
    long long r = llrintl(x);
    materialise(r);
    checkFloat();
    return r;
}

qint32 rangeChecked(qint64 v) {
    if (v < INT32_MIN || v > INT32_MAX)
        throw Abandon{QStringLiteral("Erreur de vérification d'étendue")};
    return qint32(v);
}

// The horizontal extent of a curve that is not a wall: round(sqrt(R^2 - (R - H)^2)).
qint32 groundLength(qint32 r, qint32 h) {
    const qint32 arg = sub(square(r), square(sub(r, h)));
    long double root = sqrtl(static_cast<long double>(arg));
    materialise(root);
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
    materialise(q);
    checkFloat();
    double theta = static_cast<double>(halfPi - atanl(q));
    materialise(theta);
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

class Tracer {
public:
    Tracer(TracerRun& run, const RampDimensions& dims, int plotWidth, int plotHeight)
        : m_run(run)
        , m_d(dims)
        , m_plotWidth(plotWidth)
        , m_plotHeight(plotHeight) {}

    void run() {
        flatCheck();
        DerivedValues& v = m_run.derived;
        curve(m_d.R1, m_d.H1, QStringLiteral("fer"), QStringLiteral("nlw"), QStringLiteral("nllc"),
              QStringLiteral("errrayon"), QStringLiteral("lrayon"), v.wall1, v.V1, v.G1);
        curve(m_d.R2, m_d.H2, QStringLiteral("fer2"), QStringLiteral("nlw2"),
              QStringLiteral("nllc2"), QStringLiteral("errrayon2"), QStringLiteral("lrayon2"),
              v.wall2, v.V2, v.G2);

        v.T = add(add(add(add(m_d.P1, v.G1), m_d.F), v.G2), m_d.P2);
        field(QStringLiteral("nllt"), v.T);

        const Arc left = arcOf(v.G1, m_d.R1, m_d.H1);
        v.theta1 = left.theta;
        v.A1 = left.length;
        field(QStringLiteral("nllsc"), static_cast<long double>(v.A1));
        const Arc right = arcOf(v.G2, m_d.R2, m_d.H2);
        v.theta2 = right.theta;
        v.A2 = right.length;
        field(QStringLiteral("nllsc2"), static_cast<long double>(v.A2));

        dataPanel();
        chartSetUp();
        sample();
    }

private:
    void flatCheck() {
        const long double f = m_d.F;
        const long double r1 = m_d.R1;
        if (f < 0.75L * r1)
            m_run.effects.emplace_back(
                NoticeText{QStringLiteral("errplat"), QStringLiteral("lplat"), flatTooShort});
        else if (f > 1.5L * r1)
            m_run.effects.emplace_back(
                NoticeText{QStringLiteral("errplat"), QStringLiteral("lplat"), flatTooLong});
    }

    void curve(qint32 r, qint32 h, const QString& wallWindow, const QString& wallField,
               const QString& groundField, const QString& radiusWindow, const QString& radiusLabel,
               bool& wall, qint32& wallHeight, qint32& ground) {
        if (h > r) {
            wall = true;
            wallHeight = sub(h, r);
            m_run.effects.emplace_back(
                NoticeValue{wallWindow, wallField, static_cast<long double>(wallHeight)});
            ground = r;
            field(groundField, ground);
            return;
        }
        ground = groundLength(r, h);
        field(groundField, ground);
        const long double rr = r;
        const long double hh = h;
        if (rr < 1.5L * hh)
            m_run.effects.emplace_back(NoticeText{radiusWindow, radiusLabel, radiusTooShort});
        else if (rr > 2.2L * hh)
            m_run.effects.emplace_back(NoticeText{radiusWindow, radiusLabel, radiusTooLong});
    }

    void field(const QString& name, long double value) {
        m_run.effects.emplace_back(FieldValue{name, value});
    }

    void dataPanel() {
        const DerivedValues& v = m_run.derived;
        field(QStringLiteral("nlpf"), m_d.P1);
        field(QStringLiteral("nlpf2"), m_d.P2);
        field(QStringLiteral("nlh"), m_d.H1);
        field(QStringLiteral("nlh2"), m_d.H2);
        field(QStringLiteral("nlt2"), v.T);
        field(QStringLiteral("nllc3"), v.G1);
        field(QStringLiteral("nllc4"), v.G2);
        field(QStringLiteral("nlp"), m_d.F);
        field(QStringLiteral("nll"), m_d.W);
        field(QStringLiteral("nlsc3"), static_cast<long double>(v.A1));
        field(QStringLiteral("nlsc4"), static_cast<long double>(v.A2));
        field(QStringLiteral("nlr"), m_d.R1);
        field(QStringLiteral("nlr2"), m_d.R2);
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
        materialise(ratio);
        checkFloat();
        double leftMaximum = static_cast<double>(ratio);
        materialise(leftMaximum);
        checkFloat();
        e.emplace_back(AxisMaximum{TracerAxis::Left, leftMaximum});
        e.emplace_back(AxisMinimum{TracerAxis::Left, 0.0});
    }

    // t advances by s: the sum in extended precision, rounded to a double.
    static double advance(double t, double s) {
        const double next = static_cast<double>(static_cast<long double>(t) + s);
        if (!std::isfinite(next)) failFloat();
        return next;
    }

    // The same sum, faster where it cannot differ. t is always a multiple of
    // the last bit of s, so while t <= 1023 s the exact sum has at most 63
    // significant bits: the extended sum is exact, and rounding it to a double
    // gives the plain double sum. Past that (never within a run) the extended
    // evaluation is done.
    static double advanceFast(double t, double s, double exactSumLimit) {
        if (t > exactSumLimit) return advance(t, s);
        const double next = t + s;
        if (!std::isfinite(next)) failFloat();
        return next;
    }

    double deckPoints(std::vector<ProfilePoint>& points, qint32 bound, qint32 height,
                      double t) const {
        const double y = height;
        while (static_cast<long double>(bound) > t) {
            points.push_back({t, y});
            t = advanceFast(t, m_s, m_exactSumLimit);
        }
        return t;
    }

    // The lower arc of the circle of radius r centred at (centreX, r).
    double curvePoints(std::vector<ProfilePoint>& points, qint32 bound, qint32 centreX, qint32 r,
                       double t) const {
        const long double rr = r;
        const long double rSquared = square(r);
        const long double cx = centreX;
        while (static_cast<long double>(bound) > t) {
            const long double dx = t - cx;
            const double y = static_cast<double>(rr - sqrtl(rSquared - dx * dx));
            if (!std::isfinite(y)) failFloat();
            points.push_back({t, y});
            t = advance(t, m_s); // dx needs t in extended precision anyway
        }
        return t;
    }

    void sample() {
        DerivedValues& v = m_run.derived;
        long double step = static_cast<long double>(v.T) / 1000.0L;
        materialise(step);
        checkFloat();
        m_s = static_cast<double>(step);
        m_exactSumLimit = 1023.0 * m_s;
        v.s = m_s;
        const qint32 b1 = m_d.P1;
        const qint32 b2 = add(b1, v.G1);
        const qint32 b3 = add(b2, m_d.F);
        const qint32 b4 = add(b3, v.G2);
        const qint32 b5 = add(b4, m_d.P2);

        AddPoints added;
        added.points.reserve(tracerSampleCount + 2);
        try {
            double t = 0.0;
            t = deckPoints(added.points, b1, m_d.H1, t);
            t = curvePoints(added.points, b2, b2, m_d.R1, t);
            t = deckPoints(added.points, b3, 0, t); // the flat
            t = curvePoints(added.points, b4, b3, m_d.R2, t);
            deckPoints(added.points, b5, m_d.H2, t);
        } catch (const Abandon&) {
            m_run.effects.emplace_back(std::move(added));
            throw;
        }
        m_run.effects.emplace_back(std::move(added));
    }

    TracerRun& m_run;
    const RampDimensions m_d;
    const int m_plotWidth;
    const int m_plotHeight;
    double m_s = 0.0; // sampling step
    double m_exactSumLimit = 0.0;
};

} // namespace

namespace {

// Refused before anything happens: a dimension outside 0..maxRampDimension,
// or a total length that is not positive (the sampling step would be zero).
// The ground lengths read the floating-point status flags: they must be clear.
bool dimensionsAcceptableInScope(const RampDimensions& d) {
    if (!dimensionsInRange(d)) return false;
    try {
        const qint32 t = add(add(add(add(d.P1, groundLengthOfCurve(d.R1, d.H1)), d.F),
                                 groundLengthOfCurve(d.R2, d.H2)),
                             d.P2);
        return t > 0;
    } catch (const Abandon&) {
        return false;
    }
}

} // namespace

bool dimensionsAcceptable(const RampDimensions& d) {
    // Callers come from anywhere (widget code may have left a flag raised):
    // check with clear flags, and leave theirs as they were.
    FloatEnvironmentScope environment;
    return dimensionsAcceptableInScope(d);
}

QString invalidDimensionsMessage() {
    return QStringLiteral("Dimensions incorrectes : chaque longueur doit être comprise entre 0 et "
                          "46340 cm et la longueur totale doit être positive");
}

TracerRun runTracer(const RampDimensions& dims, int plotWidth, int plotHeight) {
    TracerRun run;
    FloatEnvironmentScope environment;
    if (!dimensionsAcceptableInScope(dims)) {
        run.error = invalidDimensionsMessage();
        return run;
    }
    feclearexcept(FE_ALL_EXCEPT);
    try {
        Tracer(run, dims, plotWidth, plotHeight).run();
    } catch (const Abandon& abandon) {
        run.error = abandon.message;
    }
    return run;
}
