#include "keychar.h"

#include <QKeyEvent>
#include <QTest>

class TestKeyChar : public QObject {
    Q_OBJECT

private slots:
    // Keys with the text X11 gives them: Backspace "\b", Delete "\x7f".
    void keyPressCharacter_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("typed"); // -1: none
        const int none = int(Qt::NoModifier);
        const int ctrl = int(Qt::ControlModifier);
        QTest::newRow("letter") << int(Qt::Key_A) << none << "a" << int('a');
        QTest::newRow("shifted letter")
            << int(Qt::Key_A) << int(Qt::ShiftModifier) << "A" << int('A');
        QTest::newRow("accented letter") << int(Qt::Key_Eacute) << none << "é" << 0xe9;
        QTest::newRow("blank") << int(Qt::Key_Space) << none << " " << int(' ');
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << none << "\b" << 8;
        QTest::newRow("ctrl+backspace") << int(Qt::Key_Backspace) << ctrl << "\b" << 127;
        QTest::newRow("ctrl+backspace, DEL text")
            << int(Qt::Key_Backspace) << ctrl << "\x7f" << 127;
        QTest::newRow("delete") << int(Qt::Key_Delete) << none << "\x7f" << -1;
        QTest::newRow("keypad delete")
            << int(Qt::Key_Delete) << int(Qt::KeypadModifier) << "\x7f" << -1;
        QTest::newRow("ctrl+delete") << int(Qt::Key_Delete) << ctrl << "\x7f" << -1;
        QTest::newRow("other key with DEL text") << int(Qt::Key_Clear) << none << "\x7f" << -1;
        QTest::newRow("return") << int(Qt::Key_Return) << none << "\r" << 13;
        QTest::newRow("enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "\r" << 13;
        QTest::newRow("escape") << int(Qt::Key_Escape) << none << "\x1b" << 27;
        QTest::newRow("tab") << int(Qt::Key_Tab) << none << "\t" << -1;
        QTest::newRow("shift+tab") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << "" << -1;
        QTest::newRow("arrow") << int(Qt::Key_Left) << none << "" << -1;
        QTest::newRow("home") << int(Qt::Key_Home) << none << "" << -1;
        QTest::newRow("end") << int(Qt::Key_End) << none << "" << -1;
        QTest::newRow("ctrl+a") << int(Qt::Key_A) << ctrl << "\x01" << 1;
    }
    void keyPressCharacter() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(int, typed);
        const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
        const QChar c = ::keyPressCharacter(&event);
        QCOMPARE(c.isNull() ? -1 : int(c.unicode()), typed);
    }

    // What the spin field's filter sees: Ctrl chords type nothing but
    // Ctrl+Backspace, which types DEL.
    void typedCharacters_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("typed");
        const int none = int(Qt::NoModifier);
        const int ctrl = int(Qt::ControlModifier);
        QTest::newRow("digit") << int(Qt::Key_5) << none << "5"
                               << "5";
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << none << "\b"
                                   << "\b";
        QTest::newRow("ctrl+backspace") << int(Qt::Key_Backspace) << ctrl << "\b"
                                        << "\x7f";
        QTest::newRow("ctrl+shift+backspace")
            << int(Qt::Key_Backspace) << int(Qt::ControlModifier | Qt::ShiftModifier) << "\b"
            << "\x7f";
        QTest::newRow("ctrl+alt+backspace")
            << int(Qt::Key_Backspace) << int(Qt::ControlModifier | Qt::AltModifier) << "\b"
            << "\b";
        QTest::newRow("alt+backspace") << int(Qt::Key_Backspace) << int(Qt::AltModifier) << "\b"
                                       << "";
        QTest::newRow("delete") << int(Qt::Key_Delete) << none << "\x7f"
                                << "";
        QTest::newRow("ctrl+v") << int(Qt::Key_V) << ctrl << "\x16"
                                << "";
    }
    void typedCharacters() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(QString, typed);
        const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
        QCOMPARE(::typedCharacters(&event), typed);
    }
};

QTEST_MAIN(TestKeyChar)
#include "test_keychar.moc"
