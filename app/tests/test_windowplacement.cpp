#include "apptestsupport.h"
#include "rampe.h"
#include "windowgeometry.h"

#include <QMenuBar>
#include <QTest>
#include <QTextEdit>

namespace {

// The help window's text, line for line as the user reads it.
const QStringList helpText{
    QStringLiteral("Attention: toutes les longueurs doivent impérativement être entières et en "
                   "centimètres."),
    QString(),
    QStringLiteral("Les courbes sont dessinées à partir d'arc de cercle, le logiciel ne permet "
                   "donc pas de tracer des profils ellipsoidaux."),
    QString(),
    QStringLiteral("Le logiciel permet la création de wall: pour cela il suffit que la hauteur "
                   "d'une courbe soit supérieure à son rayon."),
    QStringLiteral("Exemple: Une courbe de 200 cm de hauteur dessinée avec un rayon de 150 cm "
                   "permettera la création d'un wall"),
    QStringLiteral("de 50 cm de verticale."),
    QString(),
    QStringLiteral("La vue de la rampe en 2D permet de mieux visualiser la forme réelle des "
                   "profils de courbes."),
    QString(),
    QStringLiteral("Les rampes dessinées sont enregistrables en fichiers .qvl qui vous permettent "
                   "de les réouvrir à chaque utilisation du"),
    QStringLiteral("logiciel sans avoir à vous souvenir des longueurs choisies."),
    QString(),
    QStringLiteral("L'exportation de l'image de la rampe peut se faire avec ou sans les données "
                   "(hauteurs, rayons...)en utilisant la "),
    QStringLiteral("commande située sous le graphique."),
    QString(),
};

} // namespace

class TestWindowPlacement : public QObject {
    Q_OBJECT
    std::unique_ptr<StartedProgram> program;

private slots:
    void initTestCase() {
        program = std::make_unique<StartedProgram>();
        QVERIFY(program->waitUntilDrawn());
    }
    void cleanupTestCase() { program.reset(); }

    void helpWindowText() {
        QCOMPARE(helpText.size(), 16);
        QCOMPARE(Taidefiche::helpLines(), helpText);
        const QString shown = program->windows->aidefiche.RichEdit1->toPlainText();
        QCOMPARE(shown.split(QLatin1Char('\n')), helpText);
    }

    // A classic size-able frame: 4 pixels each side, a 19-pixel caption.
    void clientSizeForOuter_data() {
        QTest::addColumn<QSize>("outer");
        QTest::addColumn<QSize>("client");
        QTest::newRow("main window") << QSize(923, 736) << QSize(915, 709);
        QTest::newRow("help") << QSize(765, 428) << QSize(757, 401);
        QTest::newRow("credits") << QSize(438, 186) << QSize(430, 159);
        QTest::newRow("wall and warnings") << QSize(845, 110) << QSize(837, 83);
        QTest::newRow("frame only") << QSize(8, 27) << QSize(0, 0);
    }
    void clientSizeForOuter() {
        QFETCH(QSize, outer);
        QFETCH(QSize, client);
        QCOMPARE(::clientSizeForOuter(outer), client);
    }

    // Where each window stands and how large its outer frame is.
    void windowPlacement_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<QSize>("outerSize");
        QTest::newRow("aidefiche") << "aidefiche" << QPoint(198, 107) << QSize(765, 428);
        QTest::newRow("Credit") << "Credit" << QPoint(337, 220) << QSize(438, 186);
        QTest::newRow("fer") << "fer" << QPoint(104, 285) << QSize(845, 110);
        QTest::newRow("fer2") << "fer2" << QPoint(104, 285) << QSize(845, 110);
        QTest::newRow("errrayon") << "errrayon" << QPoint(104, 286) << QSize(845, 110);
        QTest::newRow("errplat") << "errplat" << QPoint(104, 286) << QSize(845, 110);
        QTest::newRow("errrayon2") << "errrayon2" << QPoint(104, 286) << QSize(845, 110);
    }
    void windowPlacement() {
        QFETCH(QString, window);
        QFETCH(QPoint, position);
        QFETCH(QSize, outerSize);
        ProgramWindows& w = *program->windows;
        const QList<QWidget*> all{&w.fer,      &w.fer2,    &w.Credit,   &w.aidefiche,
                                  &w.errrayon, &w.errplat, &w.errrayon2};
        QWidget* found = nullptr;
        for (QWidget* candidate : all)
            if (candidate->objectName() == window) found = candidate;
        QVERIFY(found);
        QCOMPARE(found->pos(), position);
        QCOMPARE(found->size() + QSize(8, 27), outerSize);
    }

    // The main window: its client area under a one-line (19-pixel) menu.
    void mainWindowPlacement() {
        TQvl& qvl = program->qvl();
        QCOMPARE(qvl.pos(), QPoint(65, 1));
        QCOMPARE(qvl.centralWidget()->size(), QSize(915, 690));
        QCOMPARE(qvl.size(), QSize(915, 690 + qvl.menuBar()->sizeHint().height()));
    }
};

QTEST_MAIN(TestWindowPlacement)
#include "test_windowplacement.moc"
