#include "tracer.h"

#include <QtTest>

Q_DECLARE_METATYPE(RampDimensions)
Q_DECLARE_METATYPE(TracerNotice)

#include <bit>
#include <cfenv>
#include <climits>
#include <cmath>

namespace {

using F = TracerField;

const QString flatShort =
    QStringLiteral("Attention :  votre longueur de plat semble trop petite compte "
                   "tenu des dimensions des courbes.");
const QString flatLong =
    QStringLiteral("Attention :  votre longueur de plat semble trop grande compte "
                   "tenu des dimensions des courbes.");
const QString radiusShort =
    QStringLiteral("Attention :  votre longueur de rayon semble trop petite "
                   "compte tenu de la hauteur de la courbe.");
const QString radiusLong = QStringLiteral("Attention :  votre longueur de rayon semble trop grande "
                                          "compte tenu de la hauteur de la courbe.");

// Notices as short strings, "window/label:text" or "window/field=value".
QStringList noticesOf(const TracerRun& run) {
    QStringList out;
    for (const TracerEffect& e : run.effects) {
        if (const auto* n = std::get_if<NoticeText>(&e)) {
            const TracerNoticeNames names = tracerName(n->notice);
            out << names.window + u'/' + names.control + u':' + n->text;
        } else if (const auto* v = std::get_if<NoticeValue>(&e)) {
            const TracerNoticeNames names = tracerName(v->notice);
            out << names.window + u'/' + names.control + u'=' + QString::number(double(v->value));
        }
    }
    return out;
}

std::vector<TracerField> fieldsOf(const TracerRun& run) {
    std::vector<TracerField> out;
    for (const TracerEffect& e : run.effects)
        if (const auto* f = std::get_if<FieldValue>(&e)) out.push_back(f->field);
    return out;
}

long double fieldValue(const TracerRun& run, TracerField field) {
    for (const TracerEffect& e : run.effects)
        if (const auto* f = std::get_if<FieldValue>(&e); f && f->field == field) return f->value;
    return -12345.0L;
}

const std::vector<ProfilePoint>* pointsOf(const TracerRun& run) {
    for (const TracerEffect& e : run.effects)
        if (const auto* p = std::get_if<AddPoints>(&e)) return &p->points;
    return nullptr;
}

// The chart set-up and points as a readable sequence.
QStringList chartEffectsOf(const TracerRun& run) {
    auto axisName = [](TracerAxis a) {
        return a == TracerAxis::Bottom ? QLatin1String("bottom") : QLatin1String("left");
    };
    QStringList out;
    for (const TracerEffect& e : run.effects) {
        if (std::holds_alternative<ClearSeries>(e))
            out << QStringLiteral("clear");
        else if (const auto* a = std::get_if<AxisAutomatic>(&e))
            out << QStringLiteral("%1.automatic=%2").arg(axisName(a->axis)).arg(a->automatic);
        else if (const auto* m = std::get_if<AxisMaximum>(&e))
            out << QStringLiteral("%1.maximum=%2").arg(axisName(m->axis)).arg(m->value, 0, 'g', 17);
        else if (const auto* m = std::get_if<AxisMinimum>(&e))
            out << QStringLiteral("%1.minimum=%2").arg(axisName(m->axis)).arg(m->value, 0, 'g', 17);
        else if (std::holds_alternative<AddPoints>(e))
            out << QStringLiteral("points");
    }
    return out;
}

// A plain evaluation in extended precision, written independently of the
// program's code, used to check the points bit for bit.
qint32 referenceGround(qint32 r, qint32 h) {
    if (h > r) return r;
    const long double root = sqrtl((long double)(r * r - (r - h) * (r - h)));
    return qint32(llrintl(root));
}

std::vector<ProfilePoint> referenceProfile(const RampDimensions& d) {
    const int g1 = referenceGround(d.R1, d.H1);
    const int g2 = referenceGround(d.R2, d.H2);
    const int total = d.P1 + g1 + d.F + g2 + d.P2;
    const double s = (double)((long double)total / 1000.0L);
    const int b1 = d.P1, b2 = b1 + g1, b3 = b2 + d.F, b4 = b3 + g2, b5 = b4 + d.P2;
    std::vector<ProfilePoint> pts;
    double t = 0.0;
    auto next = [&] { t = (double)((long double)t + (long double)s); };
    for (; b1 > t; next())
        pts.push_back({t, (double)d.H1});
    for (; b2 > t; next()) {
        const long double dx = (long double)t - b2;
        pts.push_back(
            {t, (double)((long double)d.R1 - sqrtl((long double)(d.R1 * d.R1) - dx * dx))});
    }
    for (; b3 > t; next())
        pts.push_back({t, 0.0});
    for (; b4 > t; next()) {
        const long double dx = (long double)t - b3;
        pts.push_back(
            {t, (double)((long double)d.R2 - sqrtl((long double)(d.R2 * d.R2) - dx * dx))});
    }
    for (; b5 > t; next())
        pts.push_back({t, (double)d.H2});
    return pts;
}

// The same in double only: what a careless port would compute.
std::vector<ProfilePoint> doubleOnlyProfile(const RampDimensions& d) {
    const int g1 = referenceGround(d.R1, d.H1);
    const int total = d.P1 + g1 + d.F + referenceGround(d.R2, d.H2) + d.P2;
    const double s = total / 1000.0;
    const int b2 = d.P1 + g1;
    std::vector<ProfilePoint> pts;
    double t = 0.0;
    for (; d.P1 > t; t += s)
        pts.push_back({t, (double)d.H1});
    for (; b2 > t; t += s)
        pts.push_back({t, d.R1 - std::sqrt(double(d.R1 * d.R1) - (t - b2) * (t - b2))});
    return pts;
}

bool sameBits(double a, double b) {
    return std::bit_cast<quint64>(a) == std::bit_cast<quint64>(b);
}

} // namespace

class TestTracer : public QObject {
    Q_OBJECT

private slots:
    void defaultsWorkedValues() {
        const TracerRun run = runTracer(RampDimensions{}, 761, 335);
        QVERIFY2(run.completed(), qPrintable(run.error));
        QCOMPARE(noticesOf(run), QStringList());
        QCOMPARE(run.derived.G1, 121);
        QCOMPARE(run.derived.G2, 121);
        QCOMPARE(run.derived.T, 502);
        QCOMPARE(run.derived.A1, 146);
        QCOMPARE(run.derived.A2, 146);
        QVERIFY(std::abs(run.derived.theta1 - 1.046326) < 1e-6);
        QCOMPARE(run.derived.s, 0.502);
        QCOMPARE(fieldValue(run, F::TotalLength), 502.0L);
        QCOMPARE(fieldValue(run, F::LeftArcLength), 146.0L);
        const auto* pts = pointsOf(run);
        QVERIFY(pts);
        QCOMPARE(pts->size(), std::size_t(1000));
        QCOMPARE(pts->front(), (ProfilePoint{0.0, 70.0}));
        QCOMPARE((*pts)[1], (ProfilePoint{0.502, 70.0}));
        QVERIFY(std::abs(pts->back().x - 501.498) < 1e-9);
        QCOMPARE(pts->back().y, 70.0);
    }

    void effectOrder() {
        const TracerRun run = runTracer(RampDimensions{}, 761, 335);
        const std::vector<TracerField> expected{F::LeftGroundLength,
                                                F::RightGroundLength,
                                                F::TotalLength,
                                                F::LeftArcLength,
                                                F::RightArcLength,
                                                F::DataLeftDeck,
                                                F::DataRightDeck,
                                                F::DataLeftHeight,
                                                F::DataRightHeight,
                                                F::DataTotalLength,
                                                F::DataLeftGroundLength,
                                                F::DataRightGroundLength,
                                                F::DataFlat,
                                                F::DataWidth,
                                                F::DataLeftArcLength,
                                                F::DataRightArcLength,
                                                F::DataLeftRadius,
                                                F::DataRightRadius};
        QCOMPARE(fieldsOf(run), expected);
        const double leftMax = double((long double)335 * 502.0L / 761.0L);
        const QStringList chart{QStringLiteral("clear"),
                                QStringLiteral("bottom.automatic=0"),
                                QStringLiteral("bottom.maximum=502"),
                                QStringLiteral("bottom.minimum=0"),
                                QStringLiteral("left.automatic=0"),
                                QStringLiteral("left.maximum=%1").arg(leftMax, 0, 'g', 17),
                                QStringLiteral("left.minimum=0"),
                                QStringLiteral("points")};
        QCOMPARE(chartEffectsOf(run), chart);
        // Notices come first, then fields, then the chart: the set-up follows the
        // last field, and nothing follows the points.
        int lastField = -1, firstChart = -1;
        for (int i = 0; i < int(run.effects.size()); ++i) {
            if (std::holds_alternative<FieldValue>(run.effects[i])) lastField = i;
            if (std::holds_alternative<ClearSeries>(run.effects[i]) && firstChart < 0)
                firstChart = i;
        }
        QCOMPARE(firstChart, lastField + 1);
        QVERIFY(std::holds_alternative<AddPoints>(run.effects.back()));
    }

    void dataPanelValues() {
        const RampDimensions d = RampDimensions{
            .P1 = 30, .R1 = 183, .H1 = 97, .F = 211, .W = 100, .R2 = 77, .H2 = 35, .P2 = 12};
        const TracerRun run = runTracer(d, 761, 335);
        QVERIFY(run.completed());
        QCOMPARE(fieldValue(run, F::DataLeftDeck), 30.0L);
        QCOMPARE(fieldValue(run, F::DataRightDeck), 12.0L);
        QCOMPARE(fieldValue(run, F::DataLeftHeight), 97.0L);
        QCOMPARE(fieldValue(run, F::DataRightHeight), 35.0L);
        QCOMPARE(fieldValue(run, F::DataFlat), 211.0L);
        QCOMPARE(fieldValue(run, F::DataWidth), 100.0L);
        QCOMPARE(fieldValue(run, F::DataLeftRadius), 183.0L);
        QCOMPARE(fieldValue(run, F::DataRightRadius), 77.0L);
        QCOMPARE(fieldValue(run, F::DataLeftGroundLength), fieldValue(run, F::LeftGroundLength));
        QCOMPARE(fieldValue(run, F::DataRightGroundLength), fieldValue(run, F::RightGroundLength));
        QCOMPARE(fieldValue(run, F::DataLeftArcLength), fieldValue(run, F::LeftArcLength));
        QCOMPARE(fieldValue(run, F::DataRightArcLength), fieldValue(run, F::RightArcLength));
        QCOMPARE(fieldValue(run, F::DataTotalLength), fieldValue(run, F::TotalLength));
        // G = round(sqrt(183^2 - 86^2)) = round(161.53...) and round(sqrt(77^2 - 42^2)).
        QCOMPARE(fieldValue(run, F::LeftGroundLength), 162.0L);
        QCOMPARE(fieldValue(run, F::RightGroundLength), 65.0L);
        QCOMPARE(fieldValue(run, F::TotalLength), 30.0L + 162 + 211 + 65 + 12);
    }

    void notices_data() {
        QTest::addColumn<RampDimensions>("dims");
        QTest::addColumn<QStringList>("notices");
        const QString plat = QStringLiteral("errplat/lplat:");
        const QString left = QStringLiteral("errrayon/lrayon:");
        const QString right = QStringLiteral("errrayon2/lrayon2:");
        QTest::newRow("defaults") << RampDimensions{} << QStringList{};
        QTest::newRow("flat on 0.75 R1") << RampDimensions{.F = 105} << QStringList{};
        QTest::newRow("flat below 0.75 R1")
            << RampDimensions{.F = 104} << QStringList{plat + flatShort};
        QTest::newRow("flat on 1.5 R1") << RampDimensions{.F = 210} << QStringList{};
        QTest::newRow("flat above 1.5 R1")
            << RampDimensions{.F = 211} << QStringList{plat + flatLong};
        QTest::newRow("flat checked against the left radius only")
            << RampDimensions{.R2 = 400, .H2 = 200} << QStringList{};
        QTest::newRow("wall R1 150 H1 200")
            << RampDimensions{.R1 = 150, .H1 = 200} << QStringList{QStringLiteral("fer/nlw=50")};
        QTest::newRow("H equal to R")
            << RampDimensions{.H1 = 140} << QStringList{left + radiusShort};
        QTest::newRow("H one more than R")
            << RampDimensions{.H2 = 141} << QStringList{QStringLiteral("fer2/nlw2=1")};
        QTest::newRow("right height 0")
            << RampDimensions{.H2 = 0} << QStringList{right + radiusLong};
        QTest::newRow("left height 0") << RampDimensions{.H1 = 0} << QStringList{left + radiusLong};
        QTest::newRow("R on 1.5 H") << RampDimensions{.R1 = 150, .H1 = 100} << QStringList{};
        QTest::newRow("R below 1.5 H")
            << RampDimensions{.R1 = 149, .H1 = 100} << QStringList{left + radiusShort};
        QTest::newRow("R on 2.2 H (50)") << RampDimensions{.R2 = 110, .H2 = 50} << QStringList{};
        QTest::newRow("R on 2.2 H (5)") << RampDimensions{.R2 = 11, .H2 = 5} << QStringList{};
        QTest::newRow("R on 2.2 H (35)") << RampDimensions{.R2 = 77, .H2 = 35} << QStringList{};
        QTest::newRow("R on 2.2 H (21060)")
            << RampDimensions{.R2 = 46332, .H2 = 21060} << QStringList{};
        QTest::newRow("R above 2.2 H")
            << RampDimensions{.R2 = 111, .H2 = 50} << QStringList{right + radiusLong};
        QTest::newRow("all at once, in order")
            << RampDimensions{.R1 = 150, .H1 = 200, .F = 10, .R2 = 100, .H2 = 10}
            << QStringList{plat + flatShort, QStringLiteral("fer/nlw=50"), right + radiusLong};
        QTest::newRow("two walls")
            << RampDimensions{.P1 = 0,
                              .R1 = 100,
                              .H1 = 300,
                              .F = 100,
                              .W = 0,
                              .R2 = 50,
                              .H2 = 75,
                              .P2 = 0}
            << QStringList{QStringLiteral("fer/nlw=200"), QStringLiteral("fer2/nlw2=25")};
    }

    void notices() {
        QFETCH(RampDimensions, dims);
        QFETCH(QStringList, notices);
        const TracerRun run = runTracer(dims, 761, 335);
        QVERIFY2(run.completed(), qPrintable(run.error));
        QCOMPARE(noticesOf(run), notices);
        // Every notice is raised before the total length is shown.
        int totalShown = -1, lastNotice = -1;
        for (int i = 0; i < int(run.effects.size()); ++i) {
            const TracerEffect& e = run.effects[i];
            if (const auto* f = std::get_if<FieldValue>(&e); f && f->field == F::TotalLength)
                totalShown = i;
            if (std::holds_alternative<NoticeText>(e) || std::holds_alternative<NoticeValue>(e))
                lastNotice = i;
        }
        QVERIFY(totalShown >= 0);
        QVERIFY(lastNotice < totalShown);
    }

    void curveValues_data() {
        QTest::addColumn<RampDimensions>("dims");
        QTest::addColumn<int>("g1");
        QTest::addColumn<int>("g2");
        QTest::addColumn<int>("total");
        QTest::addColumn<qint64>("a1");
        QTest::addColumn<qint64>("a2");
        QTest::newRow("defaults") << RampDimensions{} << 121 << 121 << 502 << qint64(146)
                                  << qint64(146);
        QTest::newRow("wall 150/200") << RampDimensions{.R1 = 150, .H1 = 200} << 150 << 121 << 531
                                      << qint64(284) << qint64(146);
        // H = R: a quarter circle, A = round(pi/2 R) = round(219.91).
        QTest::newRow("H equal R")
            << RampDimensions{.H1 = 140} << 140 << 121 << 521 << qint64(220) << qint64(146);
        // H = R + 1: G = R, A = round(R (pi/2 + atan(1/R))) = round(220.91).
        QTest::newRow("H one above R")
            << RampDimensions{.H1 = 141} << 140 << 121 << 521 << qint64(221) << qint64(146);
        QTest::newRow("right height 0")
            << RampDimensions{.H2 = 0} << 121 << 0 << 381 << qint64(146) << qint64(0);
        QTest::newRow("left radius 0")
            << RampDimensions{.R1 = 0, .H1 = 0} << 0 << 121 << 381 << qint64(0) << qint64(146);
        QTest::newRow("wall on radius 0")
            << RampDimensions{.R1 = 0, .H1 = 30} << 0 << 121 << 381 << qint64(0) << qint64(146);
        QTest::newRow("largest quarter circles")
            << RampDimensions{.P1 = 46340,
                              .R1 = 46340,
                              .H1 = 46340,
                              .F = 46340,
                              .W = 46340,
                              .R2 = 46340,
                              .H2 = 46340,
                              .P2 = 46340}
            << 46340 << 46340 << 231700 << qint64(72791) << qint64(72791);
    }

    void curveValues() {
        QFETCH(RampDimensions, dims);
        QFETCH(int, g1);
        QFETCH(int, g2);
        QFETCH(int, total);
        QFETCH(qint64, a1);
        QFETCH(qint64, a2);
        const TracerRun run = runTracer(dims, 761, 335);
        QVERIFY2(run.completed(), qPrintable(run.error));
        QCOMPARE(run.derived.G1, g1);
        QCOMPARE(run.derived.G2, g2);
        QCOMPARE(run.derived.T, total);
        QCOMPARE(run.derived.A1, a1);
        QCOMPARE(run.derived.A2, a2);
        QCOMPARE(fieldValue(run, F::LeftArcLength), (long double)a1);
        QCOMPARE(fieldValue(run, F::DataRightArcLength), (long double)a2);
        QCOMPARE(fieldValue(run, F::RightArcLength), (long double)a2);
        if (g2 == 0) QCOMPARE(run.derived.theta2, 0.0);
        if (dims.H1 == dims.R1 && dims.R1 > 0)
            QCOMPARE(run.derived.theta1, double(1.5707963267948966193L));
    }

    void pointsBitExact_data() {
        QTest::addColumn<RampDimensions>("dims");
        QTest::newRow("defaults") << RampDimensions{};
        QTest::newRow("wall") << RampDimensions{.R1 = 150, .H1 = 200};
        QTest::newRow("right height 0") << RampDimensions{.H2 = 0};
        QTest::newRow("uneven") << RampDimensions{
            .P1 = 30, .R1 = 183, .H1 = 97, .F = 211, .W = 100, .R2 = 77, .H2 = 35, .P2 = 0};
        QTest::newRow("odd total")
            << RampDimensions{.P1 = 1, .R1 = 3, .H1 = 2, .F = 7, .W = 0, .R2 = 5, .H2 = 4, .P2 = 1};
        QTest::newRow("largest") << RampDimensions{.P1 = 46340,
                                                   .R1 = 46340,
                                                   .H1 = 46000,
                                                   .F = 46340,
                                                   .W = 1,
                                                   .R2 = 46339,
                                                   .H2 = 12345,
                                                   .P2 = 46340};
        QTest::newRow("deck only")
            << RampDimensions{.P1 = 1, .R1 = 0, .H1 = 0, .F = 0, .W = 0, .R2 = 0, .H2 = 0, .P2 = 0};
        QTest::newRow("largest total") << RampDimensions{.P1 = 46340,
                                                         .R1 = 46340,
                                                         .H1 = 46340,
                                                         .F = 46340,
                                                         .W = 46340,
                                                         .R2 = 46340,
                                                         .H2 = 46340,
                                                         .P2 = 46340};
    }

    void pointsBitExact() {
        QFETCH(RampDimensions, dims);
        const TracerRun run = runTracer(dims, 761, 335);
        QVERIFY2(run.completed(), qPrintable(run.error));
        const auto* pts = pointsOf(run);
        QVERIFY(pts);
        const std::vector<ProfilePoint> expected = referenceProfile(dims);
        QCOMPARE(pts->size(), expected.size());
        QVERIFY(pts->size() == 1000 || pts->size() == 1001);
        for (std::size_t i = 0; i < expected.size(); ++i) {
            if (!sameBits((*pts)[i].x, expected[i].x) || !sameBits((*pts)[i].y, expected[i].y))
                QFAIL(qPrintable(QStringLiteral("point %1: (%2, %3) instead of (%4, %5)")
                                     .arg(i)
                                     .arg((*pts)[i].x, 0, 'g', 17)
                                     .arg((*pts)[i].y, 0, 'g', 17)
                                     .arg(expected[i].x, 0, 'g', 17)
                                     .arg(expected[i].y, 0, 'g', 17)));
        }
        // No point at a bound and x strictly increasing.
        for (std::size_t i = 1; i < pts->size(); ++i)
            QVERIFY((*pts)[i].x > (*pts)[i - 1].x);
        QVERIFY(pts->back().x < run.derived.T);
    }

    // Many totals, so that the running sum meets every rounding case of its
    // step: deck and flat points only, checked bit for bit.
    void runningSumSweep() {
        for (qint32 total = 1; total <= 3000; ++total) {
            const RampDimensions d = RampDimensions{.P1 = total / 3,
                                                    .R1 = 0,
                                                    .H1 = 0,
                                                    .F = total - total / 3 - total / 7,
                                                    .W = 0,
                                                    .R2 = 0,
                                                    .H2 = 0,
                                                    .P2 = total / 7};
            const TracerRun run = runTracer(d, 761, 335);
            QVERIFY(run.completed());
            const std::vector<ProfilePoint> expected = referenceProfile(d);
            const auto& got = *pointsOf(run);
            QCOMPARE(got.size(), expected.size());
            for (std::size_t i = 0; i < got.size(); ++i)
                if (!sameBits(got[i].x, expected[i].x) || !sameBits(got[i].y, expected[i].y))
                    QFAIL(qPrintable(QStringLiteral("total %1, point %2").arg(total).arg(i)));
        }
        for (qint32 total : {46340, 92679, 123457, 139018}) {
            const RampDimensions d = RampDimensions{.P1 = total / 3,
                                                    .R1 = 0,
                                                    .H1 = 0,
                                                    .F = total / 3,
                                                    .W = 0,
                                                    .R2 = 0,
                                                    .H2 = 0,
                                                    .P2 = total - 2 * (total / 3)};
            const TracerRun run = runTracer(d, 761, 335);
            QVERIFY2(run.completed(), qPrintable(run.error));
            QCOMPARE(*pointsOf(run), referenceProfile(d));
        }
    }

    // The running sum is taken in double: for every total a run can have, that
    // is the extended sum rounded to a double, as the proof in tracer.cpp says.
    void runningSumStaysExact() {
        constexpr qint32 largestTotal = 5 * maxRampDimension;
        for (qint32 total = 1; total <= largestTotal; ++total) {
            const double s = double((long double)total / 1000.0L);
            // Sums are taken below the total only, so from t < 1001 s.
            if (!((long double)total < 1001.0L * s))
                QFAIL(
                    qPrintable(QStringLiteral("total %1: step %2").arg(total).arg(s, 0, 'g', 17)));
            if (total % 7 != 0 && total < largestTotal - 1000) continue;
            double plain = 0.0;
            double extended = 0.0;
            while (total > plain) {
                plain += s;
                extended = double((long double)extended + s);
                if (!sameBits(plain, extended))
                    QFAIL(qPrintable(QStringLiteral("total %1 at %2").arg(total).arg(plain)));
            }
        }
    }

    // The 32-bit overflow checks the computation relies on: Qt's, on 32-bit
    // operands, with the wrapped value left in the result.
    void overflowChecks_data() {
        QTest::addColumn<qint32>("a");
        QTest::addColumn<qint32>("b");
        QTest::addColumn<bool>("sumOverflows");
        QTest::addColumn<qint32>("sum");
        QTest::addColumn<bool>("differenceOverflows");
        QTest::addColumn<qint32>("difference");
        QTest::newRow("small") << 502 << 121 << false << 623 << false << 381;
        QTest::newRow("largest sum")
            << INT_MAX - 1 << 1 << false << INT_MAX << false << INT_MAX - 2;
        QTest::newRow("one past the top")
            << INT_MAX << 1 << true << INT_MIN << false << INT_MAX - 1;
        QTest::newRow("one past the bottom")
            << INT_MIN << -1 << true << INT_MAX << false << INT_MIN + 1;
        QTest::newRow("minus the bottom") << 0 << INT_MIN << false << INT_MIN << true << INT_MIN;
        QTest::newRow("-1 minus the bottom")
            << -1 << INT_MIN << true << INT_MAX << false << INT_MAX;
        QTest::newRow("top minus bottom") << INT_MAX << INT_MIN << false << -1 << true << -1;
    }

    void overflowChecks() {
        QFETCH(qint32, a);
        QFETCH(qint32, b);
        QFETCH(bool, sumOverflows);
        QFETCH(qint32, sum);
        QFETCH(bool, differenceOverflows);
        QFETCH(qint32, difference);
        qint32 result = 0;
        QCOMPARE(qAddOverflow(a, b, &result), sumOverflows);
        QCOMPARE(result, sum);
        QCOMPARE(qSubOverflow(a, b, &result), differenceOverflows);
        QCOMPARE(result, difference);
    }

    // The object names: what the window's controls are called and what
    // quarvel-cli trace prints.
    void fieldNames_data() {
        QTest::addColumn<int>("field");
        const char* const names[] = {"nllc",  "nllc2", "nllt",  "nllsc", "nllsc2", "nlpf",
                                     "nlpf2", "nlh",   "nlh2",  "nlt2",  "nllc3",  "nllc4",
                                     "nlp",   "nll",   "nlsc3", "nlsc4", "nlr",    "nlr2"};
        static_assert(std::size(names) == tracerFieldCount);
        for (int i = 0; i < tracerFieldCount; ++i)
            QTest::newRow(names[i]) << i;
    }

    void fieldNames() {
        QFETCH(int, field);
        QCOMPARE(QString(tracerName(TracerField(field))),
                 QString::fromLatin1(QTest::currentDataTag()));
    }

    void noticeNames_data() {
        QTest::addColumn<TracerNotice>("notice");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::newRow("flat") << TracerNotice::FlatLength << QStringLiteral("errplat")
                              << QStringLiteral("lplat");
        QTest::newRow("left radius")
            << TracerNotice::LeftRadius << QStringLiteral("errrayon") << QStringLiteral("lrayon");
        QTest::newRow("right radius") << TracerNotice::RightRadius << QStringLiteral("errrayon2")
                                      << QStringLiteral("lrayon2");
        QTest::newRow("left wall")
            << TracerNotice::LeftWall << QStringLiteral("fer") << QStringLiteral("nlw");
        QTest::newRow("right wall")
            << TracerNotice::RightWall << QStringLiteral("fer2") << QStringLiteral("nlw2");
    }

    void noticeNames() {
        QFETCH(TracerNotice, notice);
        QFETCH(QString, window);
        QFETCH(QString, control);
        QCOMPARE(QString(tracerName(notice).window), window);
        QCOMPARE(QString(tracerName(notice).control), control);
    }

    // Guards the precision requirement itself: on the default design a double
    // evaluation lands on different last bits somewhere.
    void doublePrecisionWouldDiffer() {
        const TracerRun run = runTracer(RampDimensions{}, 761, 335);
        const auto* pts = pointsOf(run);
        QVERIFY(pts);
        const std::vector<ProfilePoint> plain = doubleOnlyProfile(RampDimensions{});
        bool differs = false;
        for (std::size_t i = 0; i < plain.size() && i < pts->size(); ++i)
            differs =
                differs || !sameBits(plain[i].x, (*pts)[i].x) || !sameBits(plain[i].y, (*pts)[i].y);
        QVERIFY(differs);
    }

    void repeatedRunsAreIdentical() {
        const RampDimensions d = RampDimensions{
            .P1 = 30, .R1 = 183, .H1 = 97, .F = 211, .W = 100, .R2 = 77, .H2 = 35, .P2 = 12};
        const TracerRun a = runTracer(d, 700, 300);
        const TracerRun b = runTracer(d, 700, 300);
        QCOMPARE(chartEffectsOf(a), chartEffectsOf(b));
        QCOMPARE(*pointsOf(a), *pointsOf(b));
        QCOMPARE(fieldsOf(a), fieldsOf(b));
        // Each run starts the series afresh.
        QCOMPARE(chartEffectsOf(a).count(QStringLiteral("clear")), 1);
    }

    void refusedDimensions_data() {
        QTest::addColumn<RampDimensions>("dims");
        QTest::newRow("all zero") << RampDimensions{
            .P1 = 0, .R1 = 0, .H1 = 0, .F = 0, .W = 0, .R2 = 0, .H2 = 0, .P2 = 0};
        QTest::newRow("zero length, width set")
            << RampDimensions{.P1 = 0, .R1 = 0, .H1 = 0, .F = 0, .R2 = 0, .H2 = 0, .P2 = 0};
        QTest::newRow("heights only") << RampDimensions{.P1 = 0, .R1 = 0, .F = 0, .R2 = 0, .P2 = 0};
        QTest::newRow("all INT_MIN") << RampDimensions{.P1 = INT_MIN,
                                                       .R1 = INT_MIN,
                                                       .H1 = INT_MIN,
                                                       .F = INT_MIN,
                                                       .W = INT_MIN,
                                                       .R2 = INT_MIN,
                                                       .H2 = INT_MIN,
                                                       .P2 = INT_MIN};
        QTest::newRow("all INT_MAX") << RampDimensions{.P1 = INT_MAX,
                                                       .R1 = INT_MAX,
                                                       .H1 = INT_MAX,
                                                       .F = INT_MAX,
                                                       .W = INT_MAX,
                                                       .R2 = INT_MAX,
                                                       .H2 = INT_MAX,
                                                       .P2 = INT_MAX};
        QTest::newRow("mixed extremes") << RampDimensions{.P1 = INT_MAX,
                                                          .R1 = INT_MIN,
                                                          .H1 = 0,
                                                          .F = INT_MAX,
                                                          .W = -1,
                                                          .R2 = INT_MIN,
                                                          .H2 = INT_MAX,
                                                          .P2 = 1};
        QTest::newRow("one negative deck") << RampDimensions{.P1 = -1};
        QTest::newRow("negative width") << RampDimensions{.W = -244};
        QTest::newRow("negative height") << RampDimensions{.H2 = -70};
        QTest::newRow("just above the limit") << RampDimensions{.R2 = 46341};
        QTest::newRow("width above the limit") << RampDimensions{.W = 46341};
    }

    void refusedDimensions() {
        QFETCH(RampDimensions, dims);
        const TracerRun run = runTracer(dims, 761, 335);
        QCOMPARE(run.effects.size(), std::size_t(0));
        QCOMPARE(run.error,
                 QStringLiteral("Dimensions incorrectes : chaque longueur doit être comprise "
                                "entre 0 et 46340 cm et la longueur totale doit être "
                                "positive"));
        QVERIFY(!run.completed());
    }

    // Every dimension at the limit: nothing can overflow, the run completes.
    void limitsAccepted() {
        const TracerRun run = runTracer(RampDimensions{.P1 = 46340,
                                                       .R1 = 46340,
                                                       .H1 = 1,
                                                       .F = 46340,
                                                       .W = 46340,
                                                       .R2 = 46340,
                                                       .H2 = 0,
                                                       .P2 = 46340},
                                        761, 335);
        QVERIFY2(run.completed(), qPrintable(run.error));
        QCOMPARE(run.derived.G1, 304); // round(sqrt(46340^2 - 46339^2)) = round(304.43)
        QCOMPARE(run.derived.T, 46340 * 3 + 304);
        QVERIFY(pointsOf(run)->size() >= 1000);
    }

    void plotSizeFailures_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>("error");
        QTest::newRow("width 0") << 0 << 335 << "Division par zéro en virgule flottante";
        QTest::newRow("0 x 0") << 0 << 0 << "Opération en virgule flottante incorrecte";
    }

    void plotSizeFailures() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QString, error);
        const TracerRun run = runTracer(RampDimensions{}, width, height);
        QCOMPARE(run.error, error);
        // Everything up to the left axis' maximum happened; nothing after it.
        const QStringList chart{QStringLiteral("clear"), QStringLiteral("bottom.automatic=0"),
                                QStringLiteral("bottom.maximum=502"),
                                QStringLiteral("bottom.minimum=0"),
                                QStringLiteral("left.automatic=0")};
        QCOMPARE(chartEffectsOf(run), chart);
        QCOMPARE(fieldsOf(run).size(), 18);
    }

    void leftAxisFollowsPlotShape_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("761x335") << 761 << 335;
        QTest::newRow("square") << 400 << 400;
        QTest::newRow("tall") << 3 << 1000;
        QTest::newRow("height 0") << 500 << 0;
    }

    void leftAxisFollowsPlotShape() {
        QFETCH(int, width);
        QFETCH(int, height);
        const TracerRun run = runTracer(
            RampDimensions{
                .P1 = 10, .R1 = 100, .H1 = 50, .F = 77, .W = 1, .R2 = 90, .H2 = 40, .P2 = 3},
            width, height);
        QVERIFY(run.completed());
        const long double t = run.derived.T;
        const double expected = double((long double)height * t / (long double)width);
        const QStringList chart = chartEffectsOf(run);
        QCOMPARE(chart.at(5), QStringLiteral("left.maximum=%1").arg(expected, 0, 'g', 17));
    }

    // A rounding mode left by other code changes nothing, and is kept.
    void callerRoundingModeKept() {
        const RampDimensions d = RampDimensions{
            .P1 = 30, .R1 = 183, .H1 = 97, .F = 211, .W = 100, .R2 = 77, .H2 = 35, .P2 = 12};
        const TracerRun nearest = runTracer(d, 761, 335);
        for (int mode : {FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
            fesetround(mode);
            const TracerRun run = runTracer(d, 761, 335);
            const int after = fegetround();
            fesetround(FE_TONEAREST);
            QCOMPARE(after, mode);
            QCOMPARE(run.derived.A1, nearest.derived.A1);
            QCOMPARE(*pointsOf(run), *pointsOf(nearest));
        }
    }

    // Status flags left raised by earlier work must not fail the run, and are
    // still raised afterwards.
    void callerFloatFlagsKept() {
        feclearexcept(FE_ALL_EXCEPT);
        feraiseexcept(FE_DIVBYZERO | FE_INVALID);
        const TracerRun run = runTracer(RampDimensions{}, 761, 335);
        const int after = fetestexcept(FE_ALL_EXCEPT);
        feclearexcept(FE_ALL_EXCEPT);
        QVERIFY2(run.completed(), qPrintable(run.error));
        QCOMPARE(after & (FE_DIVBYZERO | FE_INVALID), FE_DIVBYZERO | FE_INVALID);
        QCOMPARE(after & FE_OVERFLOW, 0);
    }

    // Whoever asks, whatever flag its own code left raised: a sound design is
    // accepted, and the caller's flags are left as they were.
    void dimensionCheckIgnoresStaleFlags_data() {
        QTest::addColumn<int>("flag");
        QTest::newRow("invalid") << FE_INVALID;
        QTest::newRow("division by zero") << FE_DIVBYZERO;
        QTest::newRow("overflow") << FE_OVERFLOW;
        QTest::newRow("inexact") << FE_INEXACT;
    }
    void dimensionCheckIgnoresStaleFlags() {
        QFETCH(int, flag);
        feclearexcept(FE_ALL_EXCEPT);
        feraiseexcept(flag);
        const bool accepted = dimensionsAcceptable(RampDimensions{});
        const bool refused = !dimensionsAcceptable(RampDimensions{0, 0, 0, 0, 0, 0, 0, 0});
        const int raised = fetestexcept(FE_ALL_EXCEPT);
        feclearexcept(FE_ALL_EXCEPT);
        QVERIFY(accepted);
        QVERIFY(refused);
        QCOMPARE(raised, flag);
    }
};

QTEST_APPLESS_MAIN(TestTracer)
#include "test_tracer.moc"
