#include "apptestsupport.h"
#include "buildbook.h"
#include "cutfile.h"
#include "cutlist.h"
#include "modelbuilder.h"
#include "modelexport.h"
#include "planwindow.h"
#include "qtfiledialogs.h"
#include "smalldisk.h"
#include "templatepdf.h"
#include "testfiles.h"
#include "tspinedit.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

Q_DECLARE_METATYPE(TemplatePaper)
Q_DECLARE_METATYPE(CutFormat)

namespace {
// Qt 6.4 writes the time of writing into every PDF and offers no way to fix it.
QByteArray withoutCreationDate(QByteArray pdf) {
    static const QRegularExpression date(QStringLiteral("/CreationDate \\([^)]*\\)"));
    return QString::fromLatin1(pdf).replace(date, QStringLiteral("/CreationDate ()")).toLatin1();
}

const RampDimensions askew{80, 180, 120, 200, 300, 140, 70, 50};
} // namespace

class TestConstructionExport : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<StartedProgram> program;
    TQvl* qvl = nullptr;
    std::unique_ptr<QTemporaryDir> dir;

    QString path(const QString& name) const { return dir->filePath(name); }

private slots:
    void init() {
        program = std::make_unique<StartedProgram>();
        QVERIFY(program->waitUntilDrawn());
        qvl = &program->qvl();
        dir = std::make_unique<QTemporaryDir>();
    }
    void cleanup() {
        program.reset();
        dir.reset();
    }

    void templatesFromTheMenu_data() {
        QTest::addColumn<int>("paperIndex");
        QTest::addColumn<TemplatePaper>("paper");
        QTest::addColumn<QString>("settings");
        QTest::newRow("A4, defaults") << 0 << TemplatePaper::A4 << "";
        QTest::newRow("Letter, three layers") << 1 << TemplatePaper::Letter << "surface=6,6,6";
        QTest::newRow("A3, no coping") << 2 << TemplatePaper::A3 << "coping=0";
        QTest::newRow("full size") << 3 << TemplatePaper::Full << "panel=19";
    }
    void templatesFromTheMenu() {
        QFETCH(int, paperIndex);
        QFETCH(TemplatePaper, paper);
        QFETCH(QString, settings);
        const ConstructionSettings chosen = parseConstructionLine(settings.toUtf8());
        qvl->setDimensions(askew);
        qvl->setConstructionSettings(chosen);
        qvl->setTemplatePaperIndex(paperIndex);
        program->dialogs->answers << path("gabarits.pdf");
        ErrorRecorder errors;
        qvl->templatesAction->trigger();
        QCOMPARE(errors.messages, QStringList());
        QCOMPARE(program->dialogs->asked, QStringList{"templates"});
        const QByteArray written = readFile(path("gabarits.pdf"));
        QVERIFY(written.startsWith("%PDF-"));
        QCOMPARE(withoutCreationDate(written),
                 withoutCreationDate(templatePdf(buildConstructionPlan(askew, chosen), paper)));
    }

    void cutFileFromTheMenu_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<CutFormat>("format");
        QTest::newRow("DXF") << "flancs.dxf" << CutFormat::Dxf;
        QTest::newRow("SVG") << "flancs.svg" << CutFormat::Svg;
        QTest::newRow("upper-case extension") << "FLANCS.SVG" << CutFormat::Svg;
    }
    void cutFileFromTheMenu() {
        QFETCH(QString, name);
        QFETCH(CutFormat, format);
        ConstructionSettings chosen;
        setConstructionSetting(chosen, u"kerf", u"6");
        qvl->setDimensions(askew);
        qvl->setConstructionSettings(chosen);
        program->dialogs->answers << path(name);
        ErrorRecorder errors;
        qvl->cutFileAction->trigger();
        QCOMPARE(errors.messages, QStringList());
        QCOMPARE(readFile(path(name)),
                 cutFileBytes(buildConstructionPlan(askew, chosen), format, false));
    }

    // The menu writes the model the batch tool writes: glTF, or OBJ with
    // its material library beside it.
    void modelFromTheMenu() {
        qvl->setDimensions(askew);
        program->dialogs->answers << path("rampe.glb") << path("rampe.obj");
        ErrorRecorder errors;
        qvl->modelAction->trigger();
        qvl->modelAction->trigger();
        QCOMPARE(errors.messages, QStringList());
        QCOMPARE(program->dialogs->asked, (QStringList{"model", "model"}));
        const RampModel model = buildRampModel(buildConstructionPlan(askew, {}));
        QCOMPARE(readFile(path("rampe.glb")), modelGlb(model));
        const ObjFiles obj = modelObj(model, QStringLiteral("rampe.mtl"));
        QCOMPARE(readFile(path("rampe.obj")), obj.obj);
        QCOMPARE(readFile(path("rampe.mtl")), obj.mtl);
    }

    // The book the batch tool writes: from the menu on the templates' paper
    // (Letter) with the stored prices, from the plan window with its prices.
    void bookFromTheMenuAndThePlanWindow() {
        qvl->setDimensions(askew);
        qvl->setTemplatePaperIndex(1);
        ErrorRecorder errors;
        program->dialogs->answers << path("livret.pdf");
        qvl->bookAction->trigger();
        const ConstructionPlan plan = buildConstructionPlan(askew, {});
        QCOMPARE(withoutCreationDate(readFile(path("livret.pdf"))),
                 withoutCreationDate(buildBook(plan, {}, BookPaper::Letter).pdf()));

        qvl->setTemplatePaperIndex(0);
        qvl->constructionPlanAction->trigger();
        PriceTable prices;
        prices.sheet = 9000;
        prices.currency = QStringLiteral("CHF");
        qvl->planWindow()->setPrices(prices);
        program->dialogs->answers << path("livret2.pdf");
        QTest::mouseClick(qvl->planWindow()->bookButton(), Qt::LeftButton);
        QCOMPARE(errors.messages, QStringList());
        QCOMPARE(program->dialogs->asked, (QStringList{"book", "book"}));
        QCOMPARE(withoutCreationDate(readFile(path("livret2.pdf"))),
                 withoutCreationDate(buildBook(plan, prices, BookPaper::A4).pdf()));
    }

    void cutFileNeedsItsExtension() {
        program->dialogs->answers << path("flancs.txt");
        ErrorRecorder errors;
        qvl->cutFileAction->trigger();
        QCOMPARE(errors.messages, QStringList{"Le nom du fichier doit finir par .dxf ou .svg : " +
                                              path("flancs.txt")});
        QVERIFY(!QFile::exists(path("flancs.txt")));
    }

    // A name of another kind (a design typed into an export's dialog) is
    // refused: the design stays as it was.
    void exportsRefuseNamesOfAnotherKind_data() {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("extensions");
        QTest::newRow("templates") << "templates"
                                   << ".pdf";
        QTest::newRow("cut file") << "cut"
                                  << ".dxf ou .svg";
        QTest::newRow("cut list") << "csv"
                                  << ".csv";
        QTest::newRow("picture") << "picture"
                                 << ".bmp";
        QTest::newRow("model") << "model"
                               << ".glb ou .obj";
    }
    void exportsRefuseNamesOfAnotherKind() {
        QFETCH(QString, which);
        QFETCH(QString, extensions);
        const QByteArray design = "60 140 70 140 244 70 140 60\r\n";
        writeFile(path("rampe.qvl"), design);
        qvl->constructionPlanAction->trigger();
        program->dialogs->answers << path("rampe.qvl");
        ErrorRecorder errors;
        if (which == "templates") qvl->templatesAction->trigger();
        if (which == "cut") qvl->cutFileAction->trigger();
        if (which == "csv") QTest::mouseClick(qvl->planWindow()->csvButton(), Qt::LeftButton);
        if (which == "picture") qvl->Exporterimage1->trigger();
        if (which == "model") qvl->modelAction->trigger();
        QCOMPARE(errors.messages, QStringList{"Le nom du fichier doit finir par " + extensions +
                                              " : " + path("rampe.qvl")});
        QCOMPARE(readFile(path("rampe.qvl")), design);
    }

    // A full disk goes to the error box in words, the old file kept.
    void fullDiskIsReported_data() {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("name");
        QTest::newRow("cut file") << "cut"
                                  << "flancs.dxf";
        QTest::newRow("cut list") << "csv"
                                  << "liste.csv";
    }
    void fullDiskIsReported() {
        QFETCH(QString, which);
        QFETCH(QString, name);
        SmallDisk disk;
        if (!disk.mounted()) QSKIP(qPrintable(disk.reason()));
        const QString target = disk.filePath(name);
        writeFile(target, "old content");
        QVERIFY(disk.fill());
        qvl->constructionPlanAction->trigger();
        program->dialogs->answers << target;
        ErrorRecorder errors;
        if (which == "cut") qvl->cutFileAction->trigger();
        if (which == "csv") QTest::mouseClick(qvl->planWindow()->csvButton(), Qt::LeftButton);
        QCOMPARE(errors.messages, QStringList{"Plus de place sur le disque"});
        QCOMPARE(readFile(target), QByteArray("old content"));
    }

    // Nothing to export: the error box before any dialog.
    void refusedDimensionsAskForNoFile_data() {
        QTest::addColumn<bool>("templates");
        QTest::newRow("templates") << true;
        QTest::newRow("cut file") << false;
    }
    void refusedDimensionsAskForNoFile() {
        QFETCH(bool, templates);
        qvl->setDimensions(RampDimensions{0, 0, 0, 0, 0, 0, 0, 0});
        ErrorRecorder errors;
        (templates ? qvl->templatesAction : qvl->cutFileAction)->trigger();
        QCOMPARE(errors.messages, QStringList{invalidDimensionsMessage()});
        QCOMPARE(program->dialogs->asked, QStringList());
    }

    // The plan window's buttons write the plan it shows.
    void planWindowButtons() {
        ConstructionSettings chosen;
        setConstructionSetting(chosen, u"surface", u"6,6,6");
        qvl->setDimensions(askew);
        qvl->setConstructionSettings(chosen);
        qvl->setTemplatePaperIndex(2);
        qvl->constructionPlanAction->trigger();
        PlanWindow* window = qvl->planWindow();
        QVERIFY(window);
        const ConstructionPlan plan = buildConstructionPlan(askew, chosen);
        // Changed fields are not the plan on show until Tracer runs.
        qvl->ser->SetValue(200);

        program->dialogs->answers << path("liste.csv") << path("g.pdf") << path("f.svg");
        ErrorRecorder errors;
        QTest::mouseClick(window->csvButton(), Qt::LeftButton);
        QTest::mouseClick(window->templatesButton(), Qt::LeftButton);
        QTest::mouseClick(window->cutFileButton(), Qt::LeftButton);
        QCOMPARE(errors.messages, QStringList());
        QCOMPARE(program->dialogs->asked, (QStringList{"csv", "templates", "cut"}));
        QCOMPARE(readFile(path("liste.csv")), planCsv(plan));
        QVERIFY(readFile(path("liste.csv")).startsWith("article,quantit"));
        QCOMPARE(withoutCreationDate(readFile(path("g.pdf"))),
                 withoutCreationDate(templatePdf(plan, TemplatePaper::A3)));
        QCOMPARE(readFile(path("f.svg")), cutFileBytes(plan, CutFormat::Svg, false));
    }

    void cancelledDialogWritesNothing() {
        ErrorRecorder errors;
        qvl->templatesAction->trigger();
        qvl->cutFileAction->trigger();
        QCOMPARE(errors.messages, QStringList());
        QCOMPARE(program->dialogs->asked, (QStringList{"templates", "cut"}));
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList());
    }

    void failedWriteGoesToTheErrorBox() {
        program->dialogs->answers << path("missing/folder/f.dxf");
        ErrorRecorder errors;
        qvl->cutFileAction->trigger();
        QCOMPARE(errors.messages.size(), 1);
        QVERIFY(errors.messages.front().contains(path("missing/folder/f.dxf")));
    }

    void dialogs_data() {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QStringList>("filters");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("templates") << "templates" << QStringList{"PDF (*.pdf)"} << "pdf";
        QTest::newRow("cut file") << "cut" << QStringList{"DXF (*.dxf)", "SVG (*.svg)"} << "dxf";
        QTest::newRow("cut list") << "csv" << QStringList{"CSV (*.csv)"} << "csv";
    }
    void dialogs() {
        QFETCH(QString, which);
        QFETCH(QStringList, filters);
        QFETCH(QString, suffix);
        const auto dialog = which == u"templates" ? QtFileDialogs::makeTemplatesDialog(nullptr)
                            : which == u"cut"     ? QtFileDialogs::makeCutFileDialog(nullptr)
                                                  : QtFileDialogs::makeCutListDialog(nullptr);
        QCOMPARE(dialog->nameFilters(), filters);
        // The filters' details are hidden, as in the design dialogs.
        QVERIFY(filters.front().startsWith(dialog->selectedNameFilter() + " ("));
        QCOMPARE(dialog->defaultSuffix(), suffix);
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
    }

    // A name typed without extension takes the chosen filter's.
    void cutFileExtensionFollowsTheFilter() {
        const auto dialog = QtFileDialogs::makeCutFileDialog(nullptr);
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        QVERIFY(types);
        // As a user's choice, which the combo box signals both ways.
        types->setCurrentIndex(1);
        emit types->activated(1);
        emit types->textActivated(types->itemText(1));
        QCOMPARE(dialog->defaultSuffix(), QStringLiteral("svg"));
        types->setCurrentIndex(0);
        emit types->activated(0);
        emit types->textActivated(types->itemText(0));
        QCOMPARE(dialog->defaultSuffix(), QStringLiteral("dxf"));
    }

    void filterExtension_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("extension");
        QTest::newRow("svg") << "SVG (*.svg)"
                             << "svg";
        QTest::newRow("dxf") << "DXF (*.dxf)"
                             << "dxf";
        QTest::newRow("every file") << "tous (*)"
                                    << "";
        QTest::newRow("two patterns") << "images (*.png *.bmp)"
                                      << "";
    }
    void filterExtension() {
        QFETCH(QString, filter);
        QFETCH(QString, extension);
        QCOMPARE(QtFileDialogs::filterExtension(filter), extension);
    }
};

QTEST_MAIN(TestConstructionExport)
#include "test_constructionexport.moc"
