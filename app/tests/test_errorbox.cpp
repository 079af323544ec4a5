#include "commandrunner.h"
#include "errorbox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestErrorBox : public QObject {
    Q_OBJECT
private slots:
    void boxLook_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("text");
        QTest::newRow("file error") << "Fichier introuvable"
                                    << "Fichier introuvable.";
        QTest::newRow("ends with a period") << "Fin."
                                            << "Fin.";
        QTest::newRow("ends with a bang") << "Stop!"
                                          << "Stop!";
        QTest::newRow("export error") << "Impossible de créer le fichier /x/y.bmp"
                                      << "Impossible de créer le fichier /x/y.bmp.";
    }
    void boxLook() {
        QFETCH(QString, message);
        QFETCH(QString, text);
        const auto box = makeErrorBox(message);
        QCOMPARE(box->windowTitle(), QStringLiteral("Quarvel"));
        QCOMPARE(box->icon(), QMessageBox::Critical);
        QCOMPARE(box->text(), text);
        QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(box->buttons().size(), 1);
    }

    // The installed display is the real modal box; it returns once OK is pressed,
    // and the command's caller carries on.
    void installedHandlerShowsTheModalBox() {
        installErrorBox();
        QString seenTitle, seenText;
        QMessageBox::Icon seenIcon = QMessageBox::NoIcon;
        bool sawModal = false;
        QTimer closer;
        closer.setInterval(20);
        connect(&closer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            closer.stop();
            seenTitle = box->windowTitle();
            seenText = box->text();
            seenIcon = box->icon();
            sawModal = box->isModal();
            box->button(QMessageBox::Ok)->click();
        });
        closer.start();
        int after = 0;
        const bool completed = runCommand([&] {
            throw QuarvelError(QStringLiteral("Débordement d'entier"));
            ++after;
        });
        ++after;
        QVERIFY(!completed);
        QCOMPARE(after, 1);
        QVERIFY(sawModal);
        QCOMPARE(seenTitle, QStringLiteral("Quarvel"));
        QCOMPARE(seenText, QStringLiteral("Débordement d'entier."));
        QCOMPARE(seenIcon, QMessageBox::Critical);
        setCommandErrorHandler({});
    }
};

QTEST_MAIN(TestErrorBox)
#include "test_errorbox.moc"
