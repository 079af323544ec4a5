#include "apptestsupport.h"
#include "commandrunner.h"
#include "errorbox.h"
#include "guardedapplication.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <new>
#include <stdexcept>

namespace {

// What an event handler throws.
enum class Thrown { quarvelError, standardError, outOfMemory, foreign };

const QEvent::Type throwingEvent = QEvent::Type(QEvent::User + 1);

// A widget whose handler throws, as a handler that forgot the command runner
// would, on an event of its own sent or posted to it. Not on a mouse press:
// Qt's input path is not written for exceptions and leaks its event points
// when one passes through it, which the net survives but a leak check
// rightly reports.
class ThrowingWidget : public QWidget {
public:
    explicit ThrowingWidget(Thrown thrown)
        : m_thrown(thrown) {}
    int presses = 0;
    int eventsSeen = 0;
    bool throwing = true;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
    bool event(QEvent* event) override {
        if (event->type() != throwingEvent) return QWidget::event(event);
        ++eventsSeen;
        throwNow();
        return true;
    }

private:
    void throwNow() {
        if (!throwing) return;
        switch (m_thrown) {
        case Thrown::quarvelError:
            throw QuarvelError(QStringLiteral("Débordement d'entier"));
        case Thrown::standardError:
            throw std::runtime_error("disque plein");
        case Thrown::outOfMemory:
            throw std::bad_alloc();
        case Thrown::foreign:
            throw 42;
        }
    }

    Thrown m_thrown;
};

} // namespace

Q_DECLARE_METATYPE(Thrown)

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
        connect(&closer, &QTimer::timeout, &closer, [&] {
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

    // An exception no command runner caught reaches the error box through
    // the application object; the event loop and the widget go on.
    void escapedExceptionReachesTheErrorBox_data() {
        QTest::addColumn<Thrown>("thrown");
        QTest::addColumn<QString>("message");
        QTest::newRow("QuarvelError")
            << Thrown::quarvelError << QStringLiteral("Débordement d'entier");
        QTest::newRow("std::exception") << Thrown::standardError << QStringLiteral("disque plein");
        QTest::newRow("out of memory")
            << Thrown::outOfMemory << QStringLiteral("Mémoire insuffisante");
        QTest::newRow("anything else") << Thrown::foreign << QStringLiteral("Erreur inattendue");
    }
    void escapedExceptionReachesTheErrorBox() {
        QFETCH(Thrown, thrown);
        QFETCH(QString, message);
        QVERIFY(qobject_cast<GuardedApplication*>(QCoreApplication::instance()));
        ErrorRecorder errors;
        ThrowingWidget widget(thrown);
        widget.resize(50, 50);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));

        // Sent straight to the widget, as Qt sends input events.
        QEvent sent(throwingEvent);
        QCoreApplication::sendEvent(&widget, &sent);
        QCOMPARE(widget.eventsSeen, 1);
        QCOMPARE(errors.messages, QStringList{message});

        // Through the event loop: a posted event whose handler throws.
        QCoreApplication::postEvent(&widget, new QEvent(throwingEvent));
        QTRY_COMPARE(widget.eventsSeen, 2);
        QCOMPARE(errors.messages, (QStringList{message, message}));

        // The program goes on: the next events are handled as usual.
        widget.throwing = false;
        QTest::mouseClick(&widget, Qt::LeftButton);
        QCOMPARE(widget.presses, 1);
        QCoreApplication::postEvent(&widget, new QEvent(throwingEvent));
        QTRY_COMPARE(widget.eventsSeen, 3);
        QCOMPARE(errors.messages.size(), 2);
    }
};

// The program's own application object, so that what escapes an event
// handler is caught as in the program.
int main(int argc, char** argv) {
    GuardedApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestErrorBox test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "test_errorbox.moc"
