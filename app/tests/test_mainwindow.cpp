#include "apptestsupport.h"
#include "beep.h"
#include "tlabel.h"
#include "tnumlabel.h"
#include "tpanel.h"
#include "tspinedit.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>

namespace {
QWidget* findIn(QWidget* root, const QString& name) {
    if (root->objectName() == name) return root;
    return root->findChild<QWidget*>(name);
}

QWidget* windowNamed(ProgramWindows& w, const QString& name) {
    for (QWidget* candidate :
         std::initializer_list<QWidget*>{&w.Qvl, &w.fer, &w.fer2, &w.Credit, &w.aidefiche,
                                         &w.errrayon, &w.errplat, &w.errrayon2})
        if (candidate->objectName() == name) return candidate;
    return nullptr;
}

QString shown(TNumLabel* field) {
    return field->text();
}
} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<StartedProgram> program;
    TQvl* qvl = nullptr;
    int beeps = 0;

private slots:
    void init() {
        program = std::make_unique<StartedProgram>();
        QVERIFY(program->waitUntilDrawn());
        qvl = &program->qvl();
        beeps = 0;
        setBeepFunction([this] { ++beeps; });
    }
    void cleanup() {
        setBeepFunction({});
        program.reset();
    }

    // The frame is size-able both ways; the controls neither move nor stretch.
    void resizingKeepsTheControlsInPlace() {
        QWidget* graph = findIn(qvl, QStringLiteral("graph"));
        QWidget* tracer = findIn(qvl, QStringLiteral("tracer"));
        QVERIFY(graph && tracer);
        const QRect graphBefore = graph->geometry();
        const QRect tracerBefore = tracer->geometry();
        for (const QSize size : {QSize(500, 300), QSize(1200, 900)}) {
            qvl->resize(size);
            QCoreApplication::processEvents();
            QCOMPARE(qvl->size(), size);
            QCOMPARE(graph->geometry(), graphBefore);
            QCOMPARE(tracer->geometry(), tracerBefore);
        }
    }

    void onlyTheMainWindowShowsAtStart_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("visible");
        QTest::newRow("Qvl") << "Qvl"
                             << "Quarvel " << true;
        QTest::newRow("fer") << "fer"
                             << "Verticale courbe gauche." << false;
        QTest::newRow("fer2") << "fer2"
                              << "Verticale courbe droite." << false;
        QTest::newRow("Credit") << "Credit"
                                << "Credit" << false;
        QTest::newRow("aidefiche") << "aidefiche"
                                   << "Aide" << false;
        QTest::newRow("errrayon") << "errrayon"
                                  << "Attention courbe gauche." << false;
        QTest::newRow("errplat") << "errplat"
                                 << "Attention." << false;
        QTest::newRow("errrayon2") << "errrayon2"
                                   << "Attention courbe droite." << false;
    }
    void onlyTheMainWindowShowsAtStart() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(bool, visible);
        QWidget* w = windowNamed(*program->windows, name);
        QVERIFY(w);
        QVERIFY(w->isWindow());
        QCOMPARE(w->windowTitle(), caption);
        QCOMPARE(w->isVisible(), visible);
    }

    void layoutPositions_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry"); // width/height -1: sized by its text
        auto row = [](const char* window, const char* name, int x, int y, int w = -1, int h = -1) {
            QTest::addRow("%s.%s", window, name) << window << name << QRect(x, y, w, h);
        };
        row("Qvl", "global", 0, -8, 900, 200);
        row("Qvl", "graph", 0, 192, 900, 465);
        row("Qvl", "profil", 0, 0, 900, 465);
        row("Qvl", "cb3D", 25, 665, 312, 17);
        row("Qvl", "cbdonnees", 553, 664, 289, 25);
        row("Qvl", "Label9", 33, 9);
        row("Qvl", "Label18", 16, 184);
        row("Qvl", "selpf", 81, 40, 60, 23);
        row("Qvl", "ser", 249, 40, 60, 23);
        row("Qvl", "selpf2", 809, 40, 60, 23);
        row("Qvl", "tracer", 393, 105, 121, 33);
        row("Qvl", "nllc", 225, 120, 60, 22);
        row("Qvl", "nllt", 456, 160, 60, 22);
        row("Qvl", "nllsc2", 800, 150, 60, 22);
        row("Qvl", "Label40", 536, 168);
        row("Qvl", "titre", 232, 0, 209, 25);
        row("Qvl", "Label37", 336, 135);
        row("Qvl", "donnees", 160, 24, 713, 113);
        row("Qvl", "nlpf", 208, 5, 25, 16);
        row("Qvl", "nllc3", 416, 35, 30, 21);
        row("Qvl", "nlsc3", 664, 35, 22, 14);
        row("Qvl", "nlt2", 344, 92, 25, 13);
        row("Qvl", "Label39", 488, 88);
        row("errplat", "lplat", 80, 16);
        row("errrayon", "lrayon", 80, 24);
        row("errrayon2", "lrayon2", 68, 24);
        row("fer", "Label1", 8, 16);
        row("fer", "nlw", 592, 17, 49, 17);
        row("fer", "bfermer", 350, 50, 75, 25);
        row("aidefiche", "RichEdit1", 24, 72, 705, 257);
        row("aidefiche", "Button1", 304, 344, 129, 41);
        row("Credit", "Label1", 72, 8);
        row("Credit", "bnfermer", 152, 120, 113, 25);
    }
    void layoutPositions() {
        QFETCH(QString, window);
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QWidget* w = findIn(windowNamed(*program->windows, window), name);
        QVERIFY2(w, qPrintable(name));
        QCOMPARE(w->pos(), geometry.topLeft());
        if (geometry.width() < 0) return;
        QCOMPARE(w->width(), geometry.width());
        // The fields keep the height of the layout unless their own rule grows
        // it for the font at hand.
        int height = geometry.height();
        if (auto* spin = qobject_cast<TSpinEdit*>(w))
            height = qMax(height, spin->minimumFieldHeight());
        else if (auto* field = qobject_cast<TNumLabel*>(w);
                 field && field->AutoSize() && field->BorderStyle() == bsSingle)
            height = field->autoSizedHeight();
        QCOMPARE(w->height(), height);
    }

    void texts_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        auto row = [](const char* window, const char* name, const char* text) {
            QTest::addRow("%s.%s", window, name) << window << name << QString::fromUtf8(text);
        };
        row("Qvl", "Label1", "Courbe  gauche");
        row("Qvl", "Label18", "Toutes les longueurs sont en centimètres et doivent être entières.");
        row("Qvl", "Label13", "Longueur courbe gauche au sol");
        row("Qvl", "Label20", "Courbe  gauche:");
        row("Qvl", "Label39", "(longueurs en centimètres)");
        row("Qvl", "tracer", "Tracer");
        row("Qvl", "cb3D", "Afficher uniquement le profil de la rampe");
        row("Qvl", "cbdonnees", "Afficher les données sur le graphique");
        row("Qvl", "titre", "Ecrivez votre titre ici.");
        row("fer", "Label1",
            "Votre hauteur de courbe étant supérieure à son rayon vous allez obtenir un wall de");
        row("fer", "Label2", "cm de verticale à gauche.");
        row("errplat", "lplat", "");
        row("errplat", "bfermer3", "Fermer");
        row("Credit", "Label1", "Quarvel ramp designer V1.0");
    }
    void texts() {
        QFETCH(QString, window);
        QFETCH(QString, name);
        QFETCH(QString, text);
        QWidget* w = findIn(windowNamed(*program->windows, window), name);
        QVERIFY2(w, qPrintable(name));
        QString actual;
        if (auto* label = qobject_cast<QLabel*>(w))
            actual = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            actual = button->text();
        else if (auto* edit = qobject_cast<QLineEdit*>(w))
            actual = edit->text();
        else
            QFAIL("no text");
        QCOMPARE(actual, text);
    }

    void fonts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("underline");
        QTest::newRow("heading") << "Label9" << 13 << true << true;
        QTest::newRow("plain label") << "Label10" << 13 << false << false;
        QTest::newRow("note") << "Label18" << 12 << true << true;
        QTest::newRow("button") << "tracer" << 16 << false << false;
        QTest::newRow("check box") << "cb3D" << 16 << false << false;
        QTest::newRow("title") << "titre" << 19 << true << false;
        QTest::newRow("measuring label") << "Label40" << 19 << true << false;
        QTest::newRow("watermark") << "Label37" << 19 << false << false;
        QTest::newRow("data note") << "Label39" << 13 << true << false;
    }
    void fonts() {
        QFETCH(QString, name);
        QFETCH(int, pixelSize);
        QFETCH(bool, bold);
        QFETCH(bool, underline);
        QWidget* w = findIn(qvl, name);
        QVERIFY(w);
        QCOMPARE(w->font().pixelSize(), pixelSize);
        QCOMPARE(w->font().bold(), bold);
        QCOMPARE(w->font().underline(), underline);
    }

    void defaultsShown() {
        const RampDimensions defaults;
        QCOMPARE(qvl->dimensions(), defaults);
        QCOMPARE(qvl->selpf->text(), QStringLiteral("60"));
        QCOMPARE(qvl->sel->text(), QStringLiteral("244"));
        for (TNumLabel* f : {qvl->nllc, qvl->nllt, qvl->nlsc4, qvl->nlt2})
            QCOMPARE(shown(f), QStringLiteral("0"));
        QVERIFY(qvl->donnees->isHidden());
        QVERIFY(qvl->Label40->isHidden());
        QVERIFY(!qvl->cb3D->isChecked());
        QVERIFY(!qvl->cbdonnees->isChecked());
        QVERIFY(qvl->profil->View3D());
        QCOMPARE(qvl->profil->Series(0)->PointCount(), 0);
    }

    void tracerFillsTheFields_data() {
        QTest::addColumn<QString>("typedR1");
        QTest::addColumn<QString>("typedH1");
        QTest::addColumn<QStringList>("fieldTexts"); // name=text
        QTest::addColumn<QString>("window");         // the one notice raised, or empty
        QTest::addColumn<double>("total");
        QTest::newRow("defaults") << "140"
                                  << "70"
                                  << QStringList{"nllc=121", "nllc2=121", "nllsc=146", "nllsc2=146",
                                                 "nllt=502", "nlpf=60",   "nlpf2=60",  "nlh=70",
                                                 "nlh2=70",  "nlt2=502",  "nllc3=121", "nllc4=121",
                                                 "nlp=140",  "nll=244",   "nlsc3=146", "nlsc4=146",
                                                 "nlr=140",  "nlr2=140"}
                                  << "" << 502.0;
        QTest::newRow("left wall")
            << "150"
            << "200" << QStringList{"nllc=150",  "nllsc=284", "nllt=531", "nlh=200",  "nlr=150",
                                    "nllc3=150", "nlsc3=284", "nlt2=531", "nllc2=121"}
            << "fer" << 531.0;
    }
    void tracerFillsTheFields() {
        QFETCH(QString, typedR1);
        QFETCH(QString, typedH1);
        QFETCH(QStringList, fieldTexts);
        QFETCH(QString, window);
        QFETCH(double, total);
        for (auto [spin, typed] : {std::pair{qvl->ser, typedR1}, std::pair{qvl->seh, typedH1}}) {
            spin->setFocus();
            spin->selectAll();
            QTest::keyClicks(spin, typed);
            QCOMPARE(spin->text(), typed);
        }
        QTest::mouseClick(qvl->tracer, Qt::LeftButton);
        for (const QString& entry : fieldTexts) {
            const QStringList parts = entry.split(QLatin1Char('='));
            auto* field = qvl->findChild<TNumLabel*>(parts[0]);
            QVERIFY2(field, qPrintable(parts[0]));
            QCOMPARE(shown(field), parts[1]);
        }
        for (QWidget* w : std::initializer_list<QWidget*>{
                 &program->windows->fer, &program->windows->fer2, &program->windows->errrayon,
                 &program->windows->errplat, &program->windows->errrayon2})
            QCOMPARE(w->isVisible(), w->objectName() == window);
        if (window == QLatin1String("fer"))
            QCOMPARE(program->windows->fer.nlw->text(), QStringLiteral("50"));

        TChartSeries* series = qvl->profil->Series(0);
        QCOMPARE(series->PointCount(), 1000);
        QCOMPARE(series->XValues()[0], 0.0);
        QCOMPARE(series->YValues()[0], double(qvl->seh->Value()));
        QCOMPARE(series->PointColor(0), clBlack);
        QCOMPARE(qvl->profil->BottomAxis()->Maximum(), total);
        QCOMPARE(qvl->profil->BottomAxis()->Minimum(), 0.0);
        QVERIFY(!qvl->profil->BottomAxis()->Automatic());
        QVERIFY(!qvl->profil->LeftAxis()->Automatic());
        QVERIFY(qvl->profil->LeftAxis()->Maximum() > 0);
        QCOMPARE(qvl->profil->LeftAxis()->Minimum(), 0.0);
    }

    // A notice closed by its close box shows again on the next run, and two
    // runs raising it show the same single window.
    void noticeWindowsAreRaisedAndReused() {
        qvl->ser->SetValue(160); // 160 > 2.2 x 70: the left radius looks too long
        auto& errrayon = program->windows->errrayon;
        const int before = QApplication::topLevelWidgets().size();
        qvl->tracerClick();
        QVERIFY(errrayon.isVisible());
        QCOMPARE(errrayon.lrayon->text(),
                 QStringLiteral("Attention :  votre longueur de rayon semble trop grande compte "
                                "tenu de la hauteur de la courbe."));
        QCOMPARE(errrayon.lrayon->size(), errrayon.lrayon->captionSize());
        QVERIFY(!program->windows->errplat.isVisible());

        errrayon.close(); // the close box
        QVERIFY(!errrayon.isVisible());
        qvl->tracerClick();
        QVERIFY(errrayon.isVisible());
        qvl->tracerClick();
        QVERIFY(errrayon.isVisible());
        QCOMPARE(QApplication::topLevelWidgets().size(), before);

        QTest::mouseClick(errrayon.bfermer3, Qt::LeftButton);
        QVERIFY(!errrayon.isVisible());
        QVERIFY(qvl->isVisible());
    }

    void rightHeightZeroWarnsAndZeroesTheArc() {
        qvl->seh2->SetValue(0);
        qvl->tracerClick();
        QVERIFY(program->windows->errrayon2.isVisible());
        QVERIFY(
            program->windows->errrayon2.lrayon2->text().contains(QStringLiteral("trop grande")));
        QCOMPARE(shown(qvl->nllc2), QStringLiteral("0"));
        QCOMPARE(shown(qvl->nllsc2), QStringLiteral("0"));
        QCOMPARE(shown(qvl->nlsc4), QStringLiteral("0"));
    }

    void spinFieldKeyFilter_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text"); // the character the key types
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("beeps");
        const QString separator = QLocale::system().decimalPoint();
        QTest::newRow("letter") << int(Qt::Key_A) << "a"
                                << "60" << 1;
        QTest::newRow("blank") << int(Qt::Key_Space) << " "
                               << "60" << 1;
        QTest::newRow("enter") << int(Qt::Key_Return) << "\r"
                               << "60" << 1;
        QTest::newRow("semicolon") << int(Qt::Key_Semicolon) << ";"
                                   << "60" << 1;
        QTest::newRow("minus") << int(Qt::Key_Minus) << "-"
                               << "60" << 0;
        QTest::newRow("plus") << int(Qt::Key_Plus) << "+"
                              << "60" << 0;
        QTest::newRow("decimal separator") << 0 << separator << "60" << 0;
        QTest::newRow("digit") << int(Qt::Key_5) << "5"
                               << "605" << 0;
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << "\b"
                                   << "6" << 0;
    }
    void spinFieldKeyFilter() {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(QString, after);
        QFETCH(int, beeps);
        TSpinEdit* field = qvl->selpf;
        field->setFocus();
        field->deselect();
        field->setCursorPosition(field->text().size());
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(field, &press);
        QCOMPARE(field->text(), after);
        QCOMPARE(this->beeps, beeps);
    }

    void checkBoxesFlipViewAndPanel() {
        QTest::mouseClick(qvl->cb3D, Qt::LeftButton);
        QVERIFY(qvl->cb3D->isChecked());
        QVERIFY(!qvl->profil->View3D());
        QTest::mouseClick(qvl->cb3D, Qt::LeftButton);
        QVERIFY(qvl->profil->View3D());

        QTest::mouseClick(qvl->cbdonnees, Qt::LeftButton);
        QVERIFY(qvl->donnees->isVisible());
        QTest::mouseClick(qvl->cbdonnees, Qt::LeftButton);
        QVERIFY(qvl->donnees->isHidden());
    }

    void dataPanelShowsTheLastRun() {
        QTest::mouseClick(qvl->cbdonnees, Qt::LeftButton);
        QCOMPARE(shown(qvl->nlt2), QStringLiteral("0"));
        qvl->selp->SetValue(150);
        qvl->tracerClick();
        QVERIFY(qvl->donnees->isVisible());
        QCOMPARE(shown(qvl->nlp), QStringLiteral("150"));
        QCOMPARE(shown(qvl->nlt2), QStringLiteral("512"));
    }

    void titleWidensAsTextIsTyped() {
        QLineEdit* title = qvl->titre;
        const QFontMetrics metrics(qvl->Label40->font());
        title->setFocus();
        title->setCursorPosition(title->text().size());
        QTest::keyClicks(title, QStringLiteral(" Rampe du parc municipal"));
        const QString typed = QStringLiteral("Ecrivez votre titre ici. Rampe du parc municipal");
        QCOMPARE(title->text(), typed);
        QCOMPARE(title->width(), metrics.horizontalAdvance(typed));
        QVERIFY(title->width() > 209);
        QCOMPARE(title->height(), 25);

        const int wide = title->width();
        QTest::keyClick(title, Qt::Key_Backspace);
        QCOMPARE(title->text(), typed.chopped(1));
        QVERIFY(title->width() >= wide);
        QVERIFY(qvl->Label40->isHidden());
    }

    // Leaving the field types nothing, so it does not widen it.
    void leavingTheTitleKeepsItsWidth_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Tab") << int(Qt::Key_Tab) << int(Qt::NoModifier);
        QTest::newRow("Shift+Tab") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier);
    }
    void leavingTheTitleKeepsItsWidth() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QLineEdit* title = qvl->titre;
        title->setFocus();
        title->setCursorPosition(title->text().size());
        QTest::keyClicks(title, QStringLiteral("WWW"));
        const int wide = title->width();
        QTest::keyClick(title, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(title->width(), wide);
    }

    // Delete types no character (under X11 it still carries U+007F): it
    // neither widens nor shrinks the title, at either end of the text.
    void deleteKeyLeavesTheTitleWidth_data() {
        QTest::addColumn<bool>("atEnd");
        QTest::newRow("End+Delete") << true;
        QTest::newRow("Home+Delete") << false;
    }
    void deleteKeyLeavesTheTitleWidth() {
        QFETCH(bool, atEnd);
        QLineEdit* title = qvl->titre;
        title->setFocus();
        title->setCursorPosition(title->text().size());
        QTest::keyClicks(title, QStringLiteral("WWW"));
        title->setCursorPosition(atEnd ? title->text().size() : 0);
        const int width = title->width();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"));
        QApplication::sendEvent(title, &press);
        QCOMPARE(title->width(), width);
    }

    void tabOrder() {
        qvl->activateWindow();
        qvl->selpf->setFocus();
        QTRY_VERIFY(qvl->selpf->hasFocus());
        const QList<QWidget*> expected{qvl->ser,  qvl->seh,  qvl->selp,   qvl->sel,
                                       qvl->ser2, qvl->seh2, qvl->selpf2, qvl->tracer};
        for (QWidget* next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void axisRefusalAbandonsTheRun() {
        ErrorRecorder errors;
        qvl->tracerClick();
        QCOMPARE(qvl->profil->Series(0)->PointCount(), 1000);
        // As a pan can leave it: the left axis minimum far above the next maximum.
        qvl->profil->LeftAxis()->SetRange(5000, 6000);
        qvl->sel->SetValue(300);
        qvl->tracerClick();
        QCOMPARE(errors.messages, QStringList{"Axis Maximum Value must be >= Minimum"});
        QCOMPARE(shown(qvl->nll), QStringLiteral("300")); // set before the chart
        QCOMPARE(qvl->profil->Series(0)->PointCount(), 0);
        QCOMPARE(qvl->profil->BottomAxis()->Maximum(), 502.0);
        QCOMPARE(qvl->profil->LeftAxis()->Minimum(), 5000.0);
    }

    void refusedDimensionsChangeNothing() {
        ErrorRecorder errors;
        qvl->setDimensions(RampDimensions{0, 0, 0, 0, 0, 0, 0, 0});
        qvl->tracerClick();
        QCOMPARE(errors.messages, QStringList{invalidDimensionsMessage()});
        QCOMPARE(shown(qvl->nllt), QStringLiteral("0"));
        QCOMPARE(qvl->profil->Series(0)->PointCount(), 0);
    }

    void menuShowsHelpAndCredits() {
        qvl->Utilisationdulogiciel1->trigger();
        QVERIFY(program->windows->aidefiche.isVisible());
        QVERIFY(program->windows->aidefiche.RichEdit1->isReadOnly());
        QCOMPARE(program->windows->aidefiche.RichEdit1->toPlainText().split(QLatin1Char('\n')),
                 Taidefiche::helpLines());
        QCOMPARE(Taidefiche::helpLines().size(), 16);
        qvl->Crdit1->trigger();
        QVERIFY(program->windows->Credit.isVisible());
        QTest::mouseClick(program->windows->Credit.bnfermer, Qt::LeftButton);
        QVERIFY(!program->windows->Credit.isVisible());
        QVERIFY(program->windows->aidefiche.isVisible());
    }

    void menuStructure() {
        QCOMPARE(qvl->Fichier1->title(), QStringLiteral("Fichier"));
        QStringList items;
        for (QAction* a : qvl->Fichier1->actions())
            items << a->text();
        QCOMPARE(items, (QStringList{"Ouvrir", "Enregistrer sous", "Exporter image", "Quitter"}));
        items.clear();
        for (QAction* a : qvl->Aide1->actions())
            items << a->text();
        QCOMPARE(items, (QStringList{"Utilisation du logiciel", "Crédits"}));
    }

    // Closing the main window ends the program even while secondary windows
    // are open: they never count as windows that keep it running.
    void quitClosesTheMainWindow_data() {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("menu Quitter") << true;
        QTest::newRow("close box") << false;
    }
    void quitClosesTheMainWindow() {
        QFETCH(bool, byMenu);
        qvl->Utilisationdulogiciel1->trigger();
        qvl->ser->SetValue(160);
        qvl->tracerClick();
        QVERIFY(program->windows->errrayon.isVisible());
        // The event loop runs as in the program; a stuck one is ended after 10 s
        // with another code.
        QTimer::singleShot(0, qvl, [&] {
            if (byMenu)
                qvl->Quitter1->trigger();
            else
                qvl->close();
        });
        QTimer::singleShot(10000, qApp, [] { QApplication::exit(99); });
        QVERIFY(program->windows->aidefiche.isVisible());
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!qvl->isVisible());
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
