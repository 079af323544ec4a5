#include "constructionplan.h"
#include "constructionsettings.h"
#include "cutlist.h"
#include "modelbuilder.h"
#include "planjson.h"
#include "tracecommand.h"

#include <QTranslator>
#include <QtTest>

namespace {

// Every text through Qt's translation comes back marked, its placeholders
// kept: whatever a language changes shows, whatever it must not change stays.
class MarkingTranslator : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override {
        return QStringLiteral("EN<") + QString::fromUtf8(source) + u'>';
    }
    bool isEmpty() const override { return false; }
};

struct Outputs {
    QByteArray json;
    QByteArray trace;
    QStringList partNames;
    QStringList warnings;
    QStringList warningTexts;
    QByteArray text;
    QByteArray csv;
};

// Bend warnings (18 mm dry), a radius notice (160 > 2.2 × 70).
Outputs outputs() {
    RampDimensions dims;
    dims.R1 = 160;
    ConstructionSettings settings;
    setConstructionSetting(settings, u"surface", u"18");
    const ConstructionPlan plan = buildConstructionPlan(dims, settings);
    Outputs o{planJson(plan, {}),
              traceJson(dims, {800, 500}, runTracer(dims, 800, 500)),
              {},
              plan.warnings,
              planWarningTexts(plan),
              planText(plan, {}),
              planCsv(plan, {})};
    for (const ModelPart& part : buildRampModel(plan).parts)
        o.partNames << part.name << part.article;
    return o;
}

} // namespace

class TestLanguageNeutral : public QObject {
    Q_OBJECT

private slots:
    // The JSON, the trace JSON and the 3D model's part names never change
    // with the language; the text table, the CSV and the warnings for people
    // do.
    void machineTextsStayFrench() {
        const Outputs french = outputs();
        QVERIFY(!french.warnings.isEmpty());
        QCOMPARE(french.warningTexts, french.warnings);
        QVERIFY(french.trace.contains("Attention"));

        MarkingTranslator marking;
        QVERIFY(QCoreApplication::installTranslator(&marking));
        const Outputs english = outputs();
        QCoreApplication::removeTranslator(&marking);

        QCOMPARE(english.json, french.json);
        QCOMPARE(english.trace, french.trace);
        QCOMPARE(english.partNames, french.partNames);
        QCOMPARE(english.warnings, french.warnings);
        QCOMPARE(english.warningTexts.size(), french.warnings.size());
        for (const QString& w : english.warningTexts)
            QVERIFY2(w.startsWith(u"EN<"), qPrintable(w));
        QVERIFY(english.text.contains("EN<Tasseau courbe gauche>"));
        QCOMPARE(english.text.count("Tasseau courbe gauche"),
                 english.text.count("EN<Tasseau courbe gauche>"));
        QVERIFY(english.csv.startsWith("EN<article,quantit"));
    }
};

QTEST_GUILESS_MAIN(TestLanguageNeutral)
#include "test_languageneutral.moc"
