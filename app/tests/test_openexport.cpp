#include "apptestsupport.h"
#include "bmpfile.h"
#include "designrender.h"
#include "qtfiledialogs.h"
#include "testfiles.h"
#include "tnumlabel.h"
#include "tpanel.h"
#include "tspinedit.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/stat.h>

namespace {
QImage readBmp(const QString& path) {
    QImage image;
    image.loadFromData(readFile(path), "BMP");
    return image.convertToFormat(QImage::Format_RGB32);
}

// Pixels that differ between a and b, inside and outside rect.
std::pair<int, int> differences(const QImage& a, const QImage& b, const QRect& rect) {
    int inside = 0, outside = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) ++(rect.contains(x, y) ? inside : outside);
    return {inside, outside};
}
} // namespace

class TestOpenExport : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<StartedProgram> program;
    TQvl* qvl = nullptr;
    QTemporaryDir dir;

    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }

private slots:
    void init() {
        program = std::make_unique<StartedProgram>();
        QVERIFY(program->waitUntilDrawn());
        qvl = &program->qvl();
    }
    void cleanup() { program.reset(); }

    void saveWritesTheFieldsInFileOrder() {
        qvl->setDimensions(RampDimensions{55, 150, 200, 160, 300, 145, 90, 40});
        program->dialogs->answers << path("design.qvl");
        ErrorRecorder errors;
        qvl->Enregistrersous1->trigger();
        QCOMPARE(errors.messages, QStringList());
        QCOMPARE(readFile(path("design.qvl")), QByteArray("55 150 200 160 300 90 145 40\r\n"));
    }

    void saveThenOpenRoundTrip() {
        const RampDimensions design{75, 160, 95, 180, 250, 130, 80, 65};
        qvl->setDimensions(design);
        program->dialogs->answers << path("round.qvl") << path("round.qvl");
        qvl->Enregistrersous1->trigger();
        qvl->setDimensions(RampDimensions{});
        qvl->tracerClick();
        const QString totalBefore = qvl->nllt->text();

        qvl->Ouvrir1->trigger();
        QCOMPARE(qvl->dimensions(), design);
        QCOMPARE(qvl->selpf->text(), QStringLiteral("75"));
        // Opening ran Tracer on the new values.
        QVERIFY(qvl->nllt->text() != totalBefore);
        QCOMPARE(qvl->nlpf->text(), QStringLiteral("75"));
        QCOMPARE(qvl->profil->BottomAxis()->Maximum(), qvl->nllt->Value());
        QCOMPARE(qvl->profil->Series(0)->PointCount() >= 1000, true);
    }

    void openingBadFilesChangesNothing_data() {
        QTest::addColumn<QByteArray>("contents"); // empty: the file does not exist
        QTest::addColumn<QString>("message");
        QTest::newRow("missing file") << QByteArray() << "Fichier introuvable";
        QTest::newRow("bad token")
            << QByteArray("60 140 x 140 244 70 140 60\r\n") << "Saisie numérique incorrecte";
        QTest::newRow("glued numbers")
            << QByteArray("60;140 70 140 244 70 140 60\r\n") << "Saisie numérique incorrecte";
    }
    void openingBadFilesChangesNothing() {
        QFETCH(QByteArray, contents);
        QFETCH(QString, message);
        qvl->tracerClick();
        const RampDimensions before{61, 141, 71, 141, 245, 141, 71, 61};
        qvl->setDimensions(before);
        const QString file = path("bad.qvl");
        QFile::remove(file);
        if (!contents.isEmpty()) writeFile(file, contents);
        program->dialogs->answers << file;
        ErrorRecorder errors;
        qvl->Ouvrir1->trigger();
        QCOMPARE(errors.messages, QStringList{message});
        QCOMPARE(qvl->dimensions(), before);
        QCOMPARE(qvl->nllt->text(), QStringLiteral("502"));
        QCOMPARE(qvl->profil->BottomAxis()->Maximum(), 502.0);
    }

    void openingAShortFileZeroesTheRest() {
        writeFile(path("short.qvl"), "60 140");
        program->dialogs->answers << path("short.qvl");
        ErrorRecorder errors;
        qvl->Ouvrir1->trigger();
        QCOMPARE(errors.messages, QStringList());
        QCOMPARE(qvl->dimensions(), (RampDimensions{60, 140, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(qvl->nllt->text(), QStringLiteral("60"));
    }

    void cancelledDialogsDoNothing() {
        // Run in an empty current folder: nothing may land there either.
        QTemporaryDir empty;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(empty.path());
        ErrorRecorder errors;
        qvl->Ouvrir1->trigger();
        qvl->Enregistrersous1->trigger();
        qvl->Exporterimage1->trigger();
        QCOMPARE(program->dialogs->asked, (QStringList{"open", "save", "export"}));
        QCOMPARE(errors.messages, QStringList());
        QCOMPARE(QDir(empty.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).size(), 0);
        QCOMPARE(qvl->nllt->text(), QStringLiteral("0"));
        QDir::setCurrent(previous);
    }

    void exportWritesTheChartArea() {
        qvl->tracerClick();
        program->dialogs->answers << path("without.bmp");
        qvl->Exporterimage1->trigger();
        QTest::mouseClick(qvl->cbdonnees, Qt::LeftButton);
        program->dialogs->answers << path("with.bmp");
        qvl->Exporterimage1->trigger();

        const QByteArray bytes = readFile(path("with.bmp"));
        QCOMPARE(bytes.size(), 54 + 900 * 3 * 465);
        QCOMPARE(bytes.left(2), QByteArray("BM"));
        const QImage without = readBmp(path("without.bmp"));
        const QImage with = readBmp(path("with.bmp"));
        QCOMPARE(with.size(), QSize(900, 465));
        QCOMPARE(with, qvl->captureGraph().convertToFormat(QImage::Format_RGB32));

        // Only the data panel's rectangle differs, and it holds the panel's silver.
        const QRect panel = qvl->donnees->geometry();
        const auto [inside, outside] = differences(with, without, panel);
        QCOMPARE(outside, 0);
        QVERIFY(inside > 1000);
        QCOMPARE(with.pixel(865, 74), qRgb(192, 192, 192));
    }

    // The picture is taken before the dialog: what changes while it is open is
    // not in the file.
    void pictureIsTakenBeforeTheDialog() {
        qvl->tracerClick();
        const QImage before = qvl->captureGraph().convertToFormat(QImage::Format_RGB32);
        program->dialogs->whileOpen = [&] { qvl->donnees->show(); };
        program->dialogs->answers << path("before.bmp");
        qvl->Exporterimage1->trigger();
        QCOMPARE(readBmp(path("before.bmp")), before);
    }

    void pictureSizeDoesNotFollowTheWindow() {
        qvl->tracerClick();
        const QImage big = qvl->captureGraph().convertToFormat(QImage::Format_RGB32);
        qvl->resize(300, 200);
        QTest::qWait(20);
        program->dialogs->answers << path("small.bmp");
        qvl->Exporterimage1->trigger();
        QCOMPARE(readBmp(path("small.bmp")), big);
    }

    void exportBeforeTracerWritesTheEmptyChart() {
        program->dialogs->answers << path("empty.bmp");
        qvl->Exporterimage1->trigger();
        const QImage image = readBmp(path("empty.bmp"));
        QCOMPARE(image.size(), QSize(900, 465));
        // The title field is in the picture at its place: silver behind its text.
        QCOMPARE(image.pixel(440, 2), qRgb(192, 192, 192));
    }

    // The window opens and replaces regular files only: a pipe without a
    // writer or reader would hold it until another program came.
    void pipesAreRefused_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("name");
        QTest::newRow("open") << "open"
                              << "pipe.qvl";
        QTest::newRow("save") << "save"
                              << "pipe.qvl";
        QTest::newRow("export image") << "export"
                                      << "pipe.bmp";
    }
    void pipesAreRefused() {
        QFETCH(QString, command);
        QFETCH(QString, name);
        const QString fifo = dir.filePath(name);
        QFile::remove(fifo);
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
        const RampDimensions before{61, 141, 71, 141, 245, 141, 71, 61};
        qvl->setDimensions(before);
        program->dialogs->answers << fifo;
        ErrorRecorder errors;
        (command == "open"   ? qvl->Ouvrir1
         : command == "save" ? qvl->Enregistrersous1
                             : qvl->Exporterimage1)
            ->trigger();
        QCOMPARE(errors.messages, QStringList{fifo + " n'est pas un fichier ordinaire"});
        QCOMPARE(qvl->dimensions(), before);
        QVERIFY(!QFileInfo(fifo).isFile());
    }

    // Qt's dialog reads double quotes in a typed name as a list of names:
    // the name is taken as typed, in the dialog's folder.
    void quotedNameLandsWhereTyped_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("chosen"); // in the dialog's folder
        QTest::newRow("quotes") << R"(with "dq" inside)"
                                << R"(with "dq" inside.qvl)";
        QTest::newRow("quotes and extension") << R"("dq".qvl)"
                                              << R"("dq".qvl)";
        QTest::newRow("full path") << "@/"
                                      R"(with "dq" inside.qvl)"
                                   << R"(with "dq" inside.qvl)";
        QTest::newRow("plain") << "plain"
                               << "plain.qvl";
    }
    void quotedNameLandsWhereTyped() {
        QFETCH(QString, typed);
        QFETCH(QString, chosen);
        const auto dialog = QtFileDialogs::makeSaveDialog1(nullptr);
        dialog->setDirectory(dir.path());
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(edit);
        edit->setText(typed.replace("@", dir.path()));
        // As the dialog's Save button does.
        QVERIFY(QMetaObject::invokeMethod(dialog.get(), "accept"));
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(QtFileDialogs::chosenPath(*dialog), dir.filePath(chosen));
    }

    void exportFailureIsReported() {
        const QString target = path("absent/picture.bmp");
        program->dialogs->answers << target;
        ErrorRecorder errors;
        qvl->Exporterimage1->trigger();
        QCOMPARE(errors.messages, QStringList{"Impossible de créer le fichier " + target});
        QVERIFY(!QFile::exists(target));
    }

    // The batch rendering gives the picture that opening and exporting give.
    void renderedDesignMatchesTheExport() {
        writeFile(path("wall.qvl"), "60 150 200 140 244 70 140 60\r\n");
        program->dialogs->answers << path("wall.qvl") << path("wall.bmp");
        qvl->Ouvrir1->trigger();
        qvl->Exporterimage1->trigger();
        const QImage exported = readBmp(path("wall.bmp"));
        QCOMPARE(renderDesign(path("wall.qvl")).image.convertToFormat(QImage::Format_RGB32),
                 exported);

        QCOMPARE(renderDesignToBmp(path("wall.qvl"), path("rendered.bmp")), QString());
        QCOMPARE(readFile(path("rendered.bmp")), readFile(path("wall.bmp")));
    }

    // A refused design still gives the picture of the state reached (here the
    // empty chart), with the error beside it; a file error gives nothing.
    void renderReportsTracerAndFileErrors() {
        writeFile(path("zero.qvl"), "0 0 0 0 0 0 0 0\r\n");
        const DesignPicture refused = renderDesign(path("zero.qvl"));
        QCOMPARE(refused.tracerError, invalidDimensionsMessage());
        QCOMPARE(refused.image.convertToFormat(QImage::Format_RGB32),
                 qvl->captureGraph().convertToFormat(QImage::Format_RGB32));

        writeFile(path("bad.qvl"), "60 x\r\n");
        QString message;
        try {
            renderDesign(path("bad.qvl"));
        } catch (const QuarvelError& e) {
            message = e.message();
        }
        QCOMPARE(message, QStringLiteral("Saisie numérique incorrecte"));
    }

    void renderOptionsChangeThePicture() {
        writeFile(path("d.qvl"), "60 140 70 140 244 70 140 60\r\n");
        const QImage plain = renderDesign(path("d.qvl")).image;
        DesignRenderOptions flat;
        flat.view3D = false;
        DesignRenderOptions data;
        data.showData = true;
        DesignRenderOptions titled;
        titled.title = QStringLiteral("Rampe du jardin, version longue");
        const QImage withData = renderDesign(path("d.qvl"), data).image;
        const auto [inside, outside] = differences(withData, plain, QRect(160, 24, 713, 113));
        QCOMPARE(outside, 0);
        QVERIFY(inside > 0);
        QVERIFY(renderDesign(path("d.qvl"), flat).image != plain);
        const QImage withTitle = renderDesign(path("d.qvl"), titled).image;
        QVERIFY(withTitle != plain);
        QCOMPARE(withTitle.size(), QSize(900, 465));
    }

    void startupPlotSizeIsTheShownChartsOne() {
        const QSize size = startupPlotSize();
        QVERIFY(size.width() > 0 && size.height() > 0);
        QCOMPARE(size, QSize(qvl->profil->PlotWidth(), qvl->profil->PlotHeight()));
    }

    void dialogSettings_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("filters");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<bool>("save");
        QTest::newRow("open") << 0 << "OpenDialog1" << QStringList{"quarvel (*.qvl)", "tous (*)"}
                              << "" << false;
        QTest::newRow("save") << 1 << "SaveDialog1" << QStringList{"quarvel (*.qvl)", "tous (*)"}
                              << "qvl" << true;
        QTest::newRow("export") << 2 << "SaveDialog2" << QStringList{"image (*.bmp)", "tous (*)"}
                                << "bmp" << true;
    }
    void dialogSettings() {
        QFETCH(int, which);
        QFETCH(QString, name);
        QFETCH(QStringList, filters);
        QFETCH(QString, suffix);
        QFETCH(bool, save);
        const auto dialog = which == 0   ? QtFileDialogs::makeOpenDialog1(nullptr)
                            : which == 1 ? QtFileDialogs::makeSaveDialog1(nullptr)
                                         : QtFileDialogs::makeSaveDialog2(nullptr);
        QCOMPARE(dialog->objectName(), name);
        QCOMPARE(dialog->nameFilters(), filters);
        // The filters show by their labels only.
        QVERIFY(dialog->testOption(QFileDialog::HideNameFilterDetails));
        QCOMPARE(dialog->selectedNameFilter(), filters.front().section(QLatin1Char(' '), 0, 0));
        QCOMPARE(dialog->defaultSuffix(), suffix);
        QCOMPARE(dialog->acceptMode(), save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        QCOMPARE(dialog->fileMode(), QFileDialog::AnyFile);
        QVERIFY(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    }

    // Typing a bare name into the real dialog gives the default extension.
    void typedNameGetsTheDefaultExtension_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("design") << 1 << "rampe"
                                << "rampe.qvl";
        QTest::newRow("image") << 2 << "photo"
                               << "photo.bmp";
        QTest::newRow("image with extension") << 2 << "photo.png"
                                              << "photo.png";
        QTest::newRow("missing design to open") << 0 << "absente.qvl"
                                                << "absente.qvl";
    }
    void typedNameGetsTheDefaultExtension() {
        QFETCH(int, which);
        QFETCH(QString, typed);
        QFETCH(QString, chosen);
        QTimer typist;
        typist.setInterval(20);
        connect(&typist, &QTimer::timeout, &typist, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            typist.stop();
            dialog->setDirectory(dir.path());
            auto* nameField = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(nameField);
            nameField->setText(typed);
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        });
        typist.start();
        QtFileDialogs dialogs;
        const auto result = which == 0   ? dialogs.openDesignPath(nullptr)
                            : which == 1 ? dialogs.saveDesignPath(nullptr)
                                         : dialogs.exportImagePath(nullptr);
        QVERIFY(result);
        QCOMPARE(QFileInfo(*result).fileName(), chosen);
        QCOMPARE(QFileInfo(*result).absolutePath(), QFileInfo(dir.path()).absoluteFilePath());
    }
};

QTEST_MAIN(TestOpenExport)
#include "test_openexport.moc"
