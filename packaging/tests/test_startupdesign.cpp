// `quarvel FILE`: the design named on the command line opens at start-up as
// Fichier › Ouvrir would open it.

#include "apptestsupport.h"
#include "designfile.h"
#include "startupdesign.h"
#include "tnumlabel.h"

#include <QFile>
#include <QTemporaryDir>

namespace {
void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

// Every field Tracer fills, as displayed.
QStringList resultTexts(TQvl& qvl) {
    QStringList texts;
    for (const TNumLabel* label : {qvl.nllc, qvl.nllsc, qvl.nllt, qvl.nllc2, qvl.nllsc2, qvl.nlpf,
                                   qvl.nlp, qvl.nlpf2, qvl.nlh, qvl.nlr, qvl.nllc3, qvl.nlsc3,
                                   qvl.nlh2, qvl.nlr2, qvl.nllc4, qvl.nlsc4, qvl.nll, qvl.nlt2})
        texts << label->text();
    return texts;
}

// Which warning windows are up, by object name.
QStringList shownWarnings(ProgramWindows& windows) {
    QStringList shown;
    for (const QWidget* w : std::initializer_list<const QWidget*>{
             &windows.fer, &windows.fer2, &windows.errrayon, &windows.errplat, &windows.errrayon2})
        if (w->isVisible()) shown << w->objectName();
    return shown;
}

QImage chartArea(TQvl& qvl) {
    return qvl.captureGraph().convertToFormat(QImage::Format_RGB32);
}
} // namespace

class TestStartupDesign : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;

private slots:
    void designPathIsTheFirstArgument_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("path"); // empty: no design
        QTest::newRow("no argument") << QStringList{"quarvel"} << QString();
        QTest::newRow("one file") << QStringList{"quarvel", "/tmp/a b.qvl"} << "/tmp/a b.qvl";
        QTest::newRow("two files") << QStringList{"quarvel", "a.qvl", "b.qvl"} << "a.qvl";
    }
    void designPathIsTheFirstArgument() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, path);
        const auto found = designPathArgument(arguments);
        QCOMPARE(found.has_value(), !path.isEmpty());
        if (found) QCOMPARE(*found, path);
    }

    void opensAsOuvrirDoes_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QStringList>("warnings");
        QTest::newRow("start-up design")
            << QByteArray("60 140 70 140 244 70 140 60\r\n") << "502" << QStringList();
        // Left curve 200 high on a 150 radius: a 50 cm wall on top of the quarter circle.
        QTest::newRow("wall on the left")
            << QByteArray("60 150 200 140 244 70 140 60\r\n") << "531" << QStringList{"fer"};
        QTest::newRow("short flat")
            << QByteArray("80 140 70 60 244 70 140 80\r\n") << "462" << QStringList{"errplat"};
        QTest::newRow("construction settings")
            << QByteArray("60 140 70 140 244 70 140 60\r\nconstruction: surface=6,6,6 panel=19\r\n")
            << "502" << QStringList();
    }
    void opensAsOuvrirDoes() {
        QFETCH(QByteArray, contents);
        QFETCH(QString, total);
        QFETCH(QStringList, warnings);
        const QString file = dir.filePath(QStringLiteral("design.qvl"));
        writeFile(file, contents);
        ErrorRecorder errors;

        // As main() leaves it when the event loop starts: shown, not yet painted.
        StartedProgram atStartUp;
        QVERIFY(openDesignAtStartUp(atStartUp.qvl(), file));

        StartedProgram byMenu;
        QVERIFY(byMenu.waitUntilDrawn());
        byMenu.dialogs->answers << file;
        byMenu.qvl().Ouvrir1->trigger();

        QCOMPARE(errors.messages, QStringList());
        const Design design = parseDesign(contents);
        QCOMPARE(atStartUp.qvl().dimensions(), design.dims);
        QCOMPARE(atStartUp.qvl().constructionSettings(), design.settings);
        QCOMPARE(atStartUp.qvl().nllt->text(), total);
        QCOMPARE(shownWarnings(*atStartUp.windows), warnings);

        QCOMPARE(byMenu.qvl().dimensions(), design.dims);
        QCOMPARE(resultTexts(atStartUp.qvl()), resultTexts(byMenu.qvl()));
        QCOMPARE(shownWarnings(*byMenu.windows), warnings);
        // The same axes and the same drawing, before and after the first real paint.
        const QImage menuPicture = chartArea(byMenu.qvl());
        QCOMPARE(chartArea(atStartUp.qvl()), menuPicture);
        QVERIFY(atStartUp.waitUntilDrawn());
        QCOMPARE(chartArea(atStartUp.qvl()), menuPicture);
    }

    void fileErrorLeavesTheStartUpValues_data() {
        QTest::addColumn<QByteArray>("contents"); // empty: the file does not exist
        QTest::addColumn<QString>("message");
        QTest::newRow("missing file") << QByteArray() << "Fichier introuvable";
        QTest::newRow("bad number")
            << QByteArray("60 140 x 140 244 70 140 60\r\n") << "Saisie numérique incorrecte";
        QTest::newRow("bad construction line")
            << QByteArray("90 140 70 140 244 70 140 60\r\nconstruction: panel=50\r\n")
            << "Réglage de construction incorrect : panel=50 (9 à 40)";
    }
    void fileErrorLeavesTheStartUpValues() {
        QFETCH(QByteArray, contents);
        QFETCH(QString, message);
        const QString file = dir.filePath(QStringLiteral("bad.qvl"));
        QFile::remove(file);
        if (!contents.isEmpty()) writeFile(file, contents);

        StartedProgram untouched;
        QVERIFY(untouched.waitUntilDrawn());
        const QImage startPicture = chartArea(untouched.qvl());

        ErrorRecorder errors;
        StartedProgram program;
        QVERIFY(!openDesignAtStartUp(program.qvl(), file));
        QCOMPARE(errors.messages, QStringList{message});
        QCOMPARE(program.qvl().dimensions(), RampDimensions{});
        QCOMPARE(program.qvl().constructionSettings(), ConstructionSettings{});
        QCOMPARE(resultTexts(program.qvl()), resultTexts(untouched.qvl()));
        QCOMPARE(chartArea(program.qvl()), startPicture);

        // The program goes on: Tracer works on the start-up values.
        program.qvl().tracerClick();
        QCOMPARE(errors.messages, QStringList{message});
        QCOMPARE(program.qvl().nllt->text(), QStringLiteral("502"));
    }
};

QTEST_MAIN(TestStartupDesign)
#include "test_startupdesign.moc"
