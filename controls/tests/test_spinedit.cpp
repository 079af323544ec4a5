#include "beep.h"
#include "commandrunner.h"
#include "fakerepeattimer.h"
#include "fontheights.h"
#include "spinglyphs.h"
#include "spinlayout.h"
#include "tspinbutton.h"
#include "tspinedit.h"
#include "ttimerspeedbutton.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {
const NumberFormatSettings comma{QLatin1Char(','), QLatin1Char(' '), QStringLiteral("€")};

// The main window's filter: digits and backspace pass, everything else is dropped.
void programKeyFilter(QObject*, QChar& key) {
    if (!(key.unicode() == 8 || (key >= u'0' && key <= u'9'))) key = QChar();
}

// Types keys: "\b" Backspace, "\r" Enter, "\x1b" Escape, "\x7f" Delete, other
// characters as themselves.
void typeKeys(QWidget* w, const QString& keys) {
    for (const QChar c : keys) {
        switch (c.unicode()) {
        case 8:
            QTest::keyClick(w, Qt::Key_Backspace);
            break;
        case 13:
            QTest::keyClick(w, Qt::Key_Return);
            break;
        case 27:
            QTest::keyClick(w, Qt::Key_Escape);
            break;
        case 127:
            QTest::keyClick(w, Qt::Key_Delete);
            break;
        default:
            QTest::keyClick(w, char(c.unicode()));
            break;
        }
    }
}

void sendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button,
               Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

QFont smallFont() {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(10);
    return f;
}

class SpinEditWithCursor : public TSpinEdit {
public:
    using TSpinEdit::cursorRect;
    using TSpinEdit::TSpinEdit;
};

// A field whose up step fails, as a command may.
class FailingSpinEdit : public TSpinEdit {
public:
    using TSpinEdit::TSpinEdit;
    void StepUp(QObject*) override { throw QuarvelError(QStringLiteral("Débordement d'entier")); }
};

// Records the keys that its children let through.
class KeyRecorder : public QWidget {
public:
    QList<int> keys;

protected:
    void keyPressEvent(QKeyEvent* e) override { keys << e->key(); }
};
} // namespace

class TestSpinEdit : public QObject {
    Q_OBJECT
    int m_beeps = 0;
    FakeClock* m_clock = nullptr;

private slots:
    void init() {
        m_beeps = 0;
        setBeepFunction([this] { ++m_beeps; });
        m_clock = new FakeClock;
        setRepeatTimerFactory(m_clock->factory());
    }
    void cleanup() {
        setBeepFunction({});
        setRepeatTimerFactory({});
        delete m_clock;
        m_clock = nullptr;
    }

    void newField() {
        TSpinEdit e(nullptr, comma);
        QCOMPARE(e.text(), QStringLiteral("0"));
        QCOMPARE(e.Increment(), 1);
        QVERIFY(e.EditorEnabled());
        QCOMPARE(e.Button()->width(), 15);
        QCOMPARE(e.Button()->FocusControl(), &e);
        QVERIFY(!e.Button()->TabStop());
    }

    void textToValue_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        const int min = -99;
        QTest::newRow("empty") << "" << min;
        QTest::newRow("leading zeros") << "0042" << 42;
        QTest::newRow("leading blank") << " 7" << 7;
        QTest::newRow("trailing blank") << "7 " << min;
        QTest::newRow("plus") << "+7" << 7;
        QTest::newRow("minus zero") << "-0" << 0;
        QTest::newRow("above the range") << "2147483648" << min;
        QTest::newRow("lowest") << "-2147483648" << int(-2147483647 - 1);
        QTest::newRow("dollar hex") << "$10" << 16;
        QTest::newRow("0x hex") << "0x10" << 16;
        QTest::newRow("signed hex") << "-$10" << min;
        QTest::newRow("hex all ones") << "$FFFFFFFF" << -1;
        QTest::newRow("eleven nines") << "99999999999" << min;
        QTest::newRow("eleven digits with zeros") << "00000000001" << 1;
        QTest::newRow("letters") << "abc" << min;
        QTest::newRow("decimal separator") << "1,5" << min;
        QTest::newRow("sign alone") << "-" << min;
    }
    void textToValue() {
        QFETCH(QString, text);
        QFETCH(int, value);
        TSpinEdit e(nullptr, comma);
        e.SetMinValue(-99);
        e.SetMaxValue(-99);
        e.setText(text);
        QCOMPARE(e.Value(), value);
        QCOMPARE(e.text(), text); // reading never rewrites the text
    }

    void writeValue_data() {
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("written");
        QTest::addColumn<QString>("shown");
        QTest::newRow("no limits, negative") << 0 << 0 << -5 << "-5";
        QTest::newRow("no limits, lowest") << 0 << 0 << int(-2147483647 - 1) << "-2147483648";
        QTest::newRow("equal limits are no limits") << 7 << 7 << 100 << "100";
        QTest::newRow("above") << 1 << 10 << 15 << "10";
        QTest::newRow("below") << 1 << 10 << -3 << "1";
        QTest::newRow("inside") << 1 << 10 << 7 << "7";
        QTest::newRow("crossed limits, lower tested first") << 10 << 1 << 5 << "10";
        QTest::newRow("crossed limits, above both") << 10 << 1 << 20 << "1";
    }
    void writeValue() {
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(int, written);
        QFETCH(QString, shown);
        TSpinEdit e(nullptr, comma);
        e.SetMinValue(min);
        e.SetMaxValue(max);
        e.SetValue(written);
        QCOMPARE(e.text(), shown);
    }

    void stepping_data() {
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("increment");
        QTest::addColumn<QString>("start");
        QTest::addColumn<bool>("up");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty field up") << 0 << 0 << 1 << "" << true << "1";
        QTest::newRow("zero down") << 0 << 0 << 1 << "0" << false << "-1";
        QTest::newRow("wraps up") << 0 << 0 << 1 << "2147483647" << true << "-2147483648";
        QTest::newRow("wraps down") << 0 << 0 << 1 << "-2147483648" << false << "2147483647";
        QTest::newRow("increment 5") << 0 << 0 << 5 << "3" << true << "8";
        QTest::newRow("held at the top") << 1 << 10 << 1 << "10" << true << "10";
        QTest::newRow("invalid reads as MinValue") << 1 << 10 << 1 << "abc" << true << "2";
        QTest::newRow("wrap then clamp") << 1 << 10 << 1 << "2147483647" << true << "1";
    }
    void stepping() {
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(int, increment);
        QFETCH(QString, start);
        QFETCH(bool, up);
        QFETCH(QString, shown);
        TSpinEdit e(nullptr, comma);
        e.SetMinValue(min);
        e.SetMaxValue(max);
        e.SetIncrement(increment);
        e.setText(start);
        if (up) {
            e.StepUp(&e);
        } else {
            e.StepDown(&e);
        }
        QCOMPARE(e.text(), shown);
        QCOMPARE(m_beeps, 0);
    }

    void readOnlyStepOnlyBeeps() {
        TSpinEdit e(nullptr, comma);
        e.setText(QStringLiteral("5"));
        e.setReadOnly(true);
        e.StepUp(&e);
        e.StepDown(&e);
        QCOMPARE(e.text(), QStringLiteral("5"));
        QCOMPARE(m_beeps, 2);
    }

    void acceptsChar_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("editor");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("digit") << int('7') << true << true;
        QTest::newRow("plus") << int('+') << true << true;
        QTest::newRow("minus") << int('-') << true << true;
        QTest::newRow("locale separator") << int(',') << true << true;
        QTest::newRow("other separator") << int('.') << true << false;
        QTest::newRow("letter") << int('a') << true << false;
        QTest::newRow("space") << int(' ') << true << false;
        QTest::newRow("backspace") << 8 << true << true;
        QTest::newRow("carriage return") << 13 << true << false;
        QTest::newRow("escape") << 27 << true << true;
        QTest::newRow("digit, editor off") << int('7') << false << false;
        QTest::newRow("backspace, editor off") << 8 << false << false;
        QTest::newRow("escape, editor off") << 27 << false << true;
        QTest::newRow("carriage return, editor off") << 13 << false << false;
    }
    void acceptsChar() {
        QFETCH(int, code);
        QFETCH(bool, editor);
        QFETCH(bool, accepted);
        TSpinEdit e(nullptr, comma);
        e.SetEditorEnabled(editor);
        QCOMPARE(e.AcceptsChar(QChar(code)), accepted);
    }

    void typing_data() {
        QTest::addColumn<bool>("programFilter");
        QTest::addColumn<bool>("editor");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("beeps");
        QTest::newRow("letter beeps") << false << true << "a"
                                      << "12" << 1;
        QTest::newRow("digit") << false << true << "3"
                               << "123" << 0;
        QTest::newRow("minus typed") << false << true << "-"
                                     << "12-" << 0;
        QTest::newRow("locale separator typed") << false << true << ","
                                                << "12," << 0;
        QTest::newRow("point rejected") << false << true << "."
                                        << "12" << 1;
        QTest::newRow("enter beeps") << false << true << "\r"
                                     << "12" << 1;
        QTest::newRow("backspace edits") << false << true << "\b"
                                         << "1" << 0;
        QTest::newRow("program: minus silent") << true << true << "-"
                                               << "12" << 0;
        QTest::newRow("program: plus silent") << true << true << "+"
                                              << "12" << 0;
        QTest::newRow("program: separator silent") << true << true << ","
                                                   << "12" << 0;
        QTest::newRow("program: escape silent") << true << true << "\x1b"
                                                << "12" << 0;
        QTest::newRow("program: letter beeps") << true << true << "x"
                                               << "12" << 1;
        QTest::newRow("program: blank beeps") << true << true << " "
                                              << "12" << 1;
        QTest::newRow("program: enter beeps") << true << true << "\r"
                                              << "12" << 1;
        QTest::newRow("program: digits and backspace") << true << true << "5\b\b7"
                                                       << "17" << 0;
        QTest::newRow("editor off: digit beeps") << false << false << "5"
                                                 << "12" << 1;
        QTest::newRow("editor off: backspace beeps") << false << false << "\b"
                                                     << "12" << 1;
        QTest::newRow("editor off: delete ignored") << false << false << "\x7f"
                                                    << "12" << 0;
    }
    void typing() {
        QFETCH(bool, programFilter);
        QFETCH(bool, editor);
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        QFETCH(int, beeps);
        TSpinEdit e(nullptr, comma);
        if (programFilter) e.SetOnKeyPress(programKeyFilter);
        e.SetEditorEnabled(editor);
        e.setText(QStringLiteral("12"));
        if (keys == u"\x7f") e.home(false);
        typeKeys(&e, keys);
        QCOMPARE(e.text(), shown);
        QCOMPARE(m_beeps, beeps);
    }

    // Chords that type no character never put their key's text into the field.
    void chordsTypeNothing_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("shown");
        QTest::newRow("alt letter") << int(Qt::Key_A) << int(Qt::AltModifier) << "12";
        QTest::newRow("alt digit") << int(Qt::Key_5) << int(Qt::AltModifier) << "12";
        QTest::newRow("meta letter") << int(Qt::Key_A) << int(Qt::MetaModifier) << "12";
        QTest::newRow("alt shift letter")
            << int(Qt::Key_A) << int(Qt::AltModifier | Qt::ShiftModifier) << "12";
        QTest::newRow("ctrl shortcut still works")
            << int(Qt::Key_A) << int(Qt::ControlModifier) << "12";
    }
    void chordsTypeNothing() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, shown);
        TSpinEdit e(nullptr, comma);
        e.setText(QStringLiteral("12"));
        e.end(false);
        QTest::keyClick(&e, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(e.text(), shown);
        QCOMPARE(m_beeps, 0);
        if (key == Qt::Key_A && modifiers == Qt::ControlModifier)
            QCOMPARE(e.selectedText(), QStringLiteral("12"));
    }

    // Ctrl+Backspace types DEL: refused with a beep, the text stays whole.
    void ctrlBackspaceBeeps_data() {
        QTest::addColumn<bool>("programFilter");
        QTest::addColumn<bool>("editor");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("plain field") << false << true << int(Qt::ControlModifier);
        QTest::newRow("program field") << true << true << int(Qt::ControlModifier);
        QTest::newRow("editor off") << false << false << int(Qt::ControlModifier);
        QTest::newRow("with shift")
            << false << true << int(Qt::ControlModifier | Qt::ShiftModifier);
    }
    void ctrlBackspaceBeeps() {
        QFETCH(bool, programFilter);
        QFETCH(bool, editor);
        QFETCH(int, modifiers);
        TSpinEdit e(nullptr, comma);
        if (programFilter) e.SetOnKeyPress(programKeyFilter);
        e.SetEditorEnabled(editor);
        e.setText(QStringLiteral("1234"));
        e.end(false);
        QTest::keyClick(&e, Qt::Key_Backspace, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(e.text(), QStringLiteral("1234"));
        QCOMPARE(e.cursorPosition(), 4);
        QCOMPARE(m_beeps, 1);
    }

    // The undo shortcut keeps working beside the refused chord.
    void undoAfterCtrlBackspace() {
        TSpinEdit e(nullptr, comma);
        e.setText(QStringLiteral("12"));
        e.end(false);
        typeKeys(&e, QStringLiteral("3"));
        QTest::keyClick(&e, Qt::Key_Backspace, Qt::ControlModifier);
        QCOMPARE(e.text(), QStringLiteral("123"));
        QTest::keyClick(&e, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(e.text(), QStringLiteral("12"));
        QCOMPARE(m_beeps, 1);
    }

    // Input-method text would reach the edit without passing the filter.
    void noInputMethodAfterReadOnly() {
        TSpinEdit e(nullptr, comma);
        QVERIFY(!e.testAttribute(Qt::WA_InputMethodEnabled));
        e.setReadOnly(true);
        e.setReadOnly(false);
        QVERIFY(!e.testAttribute(Qt::WA_InputMethodEnabled));
    }

    void hostMayReplaceACharacter() {
        TSpinEdit e(nullptr, comma);
        e.setText(QString());
        int calls = 0;
        e.SetOnKeyPress([&](QObject* sender, QChar& key) {
            QCOMPARE(sender, &e);
            ++calls;
            if (key == u'5') key = QLatin1Char('6');
        });
        typeKeys(&e, QStringLiteral("5a5"));
        QCOMPARE(e.text(), QStringLiteral("66"));
        QCOMPARE(calls, 2); // never for the rejected letter
        QCOMPARE(m_beeps, 1);
    }

    void arrowKeysStepAndPassOn() {
        KeyRecorder parent;
        auto* e = new SpinEditWithCursor(&parent, comma);
        e->setText(QStringLiteral("5"));
        QList<int> seenValues;
        e->SetOnKeyDown([&](QObject*, int& key, Qt::KeyboardModifiers) {
            if (key == Qt::Key_Up || key == Qt::Key_Down) seenValues << e->Value();
        });
        QTest::keyClick(e, Qt::Key_Up);
        QTest::keyClick(e, Qt::Key_Up);
        QTest::keyClick(e, Qt::Key_Down);
        QCOMPARE(e->text(), QStringLiteral("6"));
        QCOMPARE(seenValues, (QList<int>{6, 7, 6})); // the host sees the stepped value
        QCOMPARE(parent.keys, (QList<int>{Qt::Key_Up, Qt::Key_Up, Qt::Key_Down}));
    }

    void pasteBypassesTheFilter_data() {
        QTest::addColumn<bool>("editor");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("shown");
        QTest::newRow("editable") << true << false << "12abc";
        QTest::newRow("editor off") << false << false << "12";
        QTest::newRow("read-only") << true << true << "12";
    }
    void pasteBypassesTheFilter() {
        QFETCH(bool, editor);
        QFETCH(bool, readOnly);
        QFETCH(QString, shown);
        TSpinEdit e(nullptr, comma);
        e.SetOnKeyPress(programKeyFilter);
        e.SetEditorEnabled(editor);
        e.setReadOnly(readOnly);
        e.setText(QStringLiteral("12"));
        QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
        QTest::keyClick(&e, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(e.text(), shown);
        e.selectAll();
        QTest::keyClick(&e, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(e.text(), editor && !readOnly ? QString() : shown);
        QCOMPARE(QGuiApplication::clipboard()->text(), editor && !readOnly ? shown : "abc");
        QCOMPARE(m_beeps, 0);

        e.setText(QStringLiteral("12"));
        e.selectAll();
        QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
        std::unique_ptr<QMenu> menu(e.createContextMenu());
        QAction* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"));
        QAction* cut = menu->findChild<QAction*>(QStringLiteral("edit-cut"));
        QAction* copy = menu->findChild<QAction*>(QStringLiteral("edit-copy"));
        QVERIFY(paste && cut && copy);
        QCOMPARE(paste->isEnabled(), editor && !readOnly);
        QCOMPARE(cut->isEnabled(), editor && !readOnly);
        QVERIFY(copy->isEnabled());
        if (editor && !readOnly) {
            paste->trigger(); // replaces the selection, unfiltered
            QCOMPARE(e.text(), QStringLiteral("abc"));
        }
    }

    void leavingTheFieldClamps() {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* e = new TSpinEdit(&window, comma);
        auto* other = new QLineEdit(&window);
        layout->addWidget(e);
        layout->addWidget(other);
        e->SetMinValue(1);
        e->SetMaxValue(10);
        e->SetValue(15);
        QCOMPARE(e->text(), QStringLiteral("10"));
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));

        e->setFocus(Qt::TabFocusReason);
        QVERIFY(e->hasFocus());
        QCOMPARE(e->selectedText(), QStringLiteral("10")); // focus entry selects all
        typeKeys(e, QStringLiteral("0"));
        QCOMPARE(e->text(), QStringLiteral("0"));
        other->setFocus(Qt::TabFocusReason);
        QCOMPARE(e->text(), QStringLiteral("1"));

        e->setFocus(Qt::TabFocusReason);
        QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
        QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(e->text(), QStringLiteral("abc"));
        other->setFocus(Qt::TabFocusReason);
        QCOMPARE(e->text(), QStringLiteral("abc"));
        QCOMPARE(e->Value(), 1);

        e->SetMinValue(0);
        e->SetMaxValue(0);
        e->SetValue(-42);
        e->setFocus(Qt::TabFocusReason);
        other->setFocus(Qt::TabFocusReason);
        QCOMPARE(e->text(), QStringLiteral("-42"));
    }

    void layoutFunctions_data() {
        QTest::addColumn<QSize>("field");
        QTest::addColumn<bool>("ctl3D");
        QTest::addColumn<QRect>("pair");
        QTest::addColumn<QRect>("up");
        QTest::addColumn<QRect>("down");
        QTest::newRow("program field") << QSize(60, 23) << true << QRect(40, 0, 15, 18)
                                       << QRect(0, 0, 15, 9) << QRect(0, 8, 15, 10);
        QTest::newRow("flat border") << QSize(60, 23) << false << QRect(45, 1, 15, 20)
                                     << QRect(0, 0, 15, 10) << QRect(0, 9, 15, 11);
        QTest::newRow("odd pair height") << QSize(80, 22) << true << QRect(60, 0, 15, 17)
                                         << QRect(0, 0, 15, 8) << QRect(0, 7, 15, 10);
    }
    void layoutFunctions() {
        QFETCH(QSize, field);
        QFETCH(bool, ctl3D);
        QFETCH(QRect, pair);
        QFETCH(QRect, up);
        QFETCH(QRect, down);
        QCOMPARE(spinArrowPairRect(field, 15, ctl3D), pair);
        QCOMPARE(spinUpArrowRect(pair.size()), up);
        QCOMPARE(spinDownArrowRect(pair.size()), down);
    }

    void programFieldGeometry() {
        QWidget window;
        auto* e = new SpinEditWithCursor(&window, comma);
        e->setFont(smallFont());
        QVERIFY(e->minimumFieldHeight() <= 23);
        e->setGeometry(81, 40, 60, 23);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(e->size(), QSize(60, 23));
        // Client coordinates begin inside the 2-pixel sunken border.
        QCOMPARE(e->Button()->geometry(), QRect(42, 2, 15, 18));
        QCOMPARE(e->Button()->upButton()->geometry(), QRect(0, 0, 15, 9));
        QCOMPARE(e->Button()->downButton()->geometry(), QRect(0, 8, 15, 10));
        // The text never runs under the arrows.
        e->setText(QStringLiteral("123456789012345"));
        e->end(false);
        e->grab(); // the edit scrolls its text while painting
        QVERIFY(e->cursorRect().center().x() < e->Button()->geometry().left());
    }

    void shortFieldGrows() {
        TSpinEdit e(nullptr, comma);
        e.setFont(smallFont());
        const int fontHeight = textHeight(smallFont());
        const int expected = fontHeight + qMin(systemFontTextHeight(), fontHeight) / 4 + 4 + 2;
        QCOMPARE(e.minimumFieldHeight(), expected);
        e.resize(60, 5);
        e.show();
        QCOMPARE(e.height(), expected);
        QFont big = smallFont();
        big.setPixelSize(30);
        e.setFont(big);
        QCOMPARE(e.height(), spinFieldMinimumHeight(textHeight(big), systemFontTextHeight()));
        QCOMPARE(e.Button()->geometry().height(), e.height() - 5);
    }

    void glyphs_data() {
        QTest::addColumn<bool>("up");
        QTest::addColumn<QList<int>>("rowWidths");
        QTest::newRow("up") << true << QList<int>{0, 1, 3, 5, 7, 0};
        QTest::newRow("down") << false << QList<int>{0, 7, 5, 3, 1, 0};
    }
    void glyphs() {
        QFETCH(bool, up);
        QFETCH(QList<int>, rowWidths);
        const QImage g = up ? spinUpGlyph() : spinDownGlyph();
        QCOMPARE(g.size(), QSize(9, 6));
        for (int y = 0; y < 6; ++y) {
            int black = 0;
            for (int x = 0; x < 9; ++x)
                if (qAlpha(g.pixel(x, y)) == 255 && (g.pixel(x, y) & 0xFFFFFF) == 0) ++black;
            QCOMPARE(black, rowWidths[y]);
        }
        // Centred: the base runs from column 1 to 7.
        QCOMPARE(qAlpha(g.pixel(1, up ? 4 : 1)), 255);
        QCOMPARE(qAlpha(g.pixel(0, up ? 4 : 1)), 0);
    }

    void arrowShowsItsTriangle_data() {
        QTest::addColumn<bool>("pressed");
        QTest::newRow("up") << false;
        QTest::newRow("pressed") << true;
    }
    void arrowShowsItsTriangle() {
        QFETCH(bool, pressed);
        TSpinButton pair;
        pair.resize(15, 18);
        pair.layoutArrows();
        TTimerSpeedButton* up = pair.upButton();
        up->setDown(pressed);
        QPalette pal = up->palette();
        pal.setColor(QPalette::Shadow, QColor(64, 64, 64)); // no black in the bevel
        up->setPalette(pal);
        QImage image(up->size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        up->render(&image);
        QRect ink;
        int black = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == qRgb(0, 0, 0)) {
                    ++black;
                    ink |= QRect(x, y, 1, 1);
                }
        // 1 + 3 + 5 + 7 pixels, centred in 15 x 9, one pixel lower and to the
        // right while pressed; the face around it is the button colour.
        QCOMPARE(black, 16);
        const int shift = pressed ? 1 : 0;
        QCOMPARE(ink, QRect(4 + shift, 2 + shift, 7, 4));
        QCOMPARE(image.pixel(7, 1 + shift), up->palette().color(QPalette::Button).rgb());
    }

    void clickTiming_data() {
        // Each step: milliseconds to wait, then an action: p press, r release,
        // o move off the arrow, i move back in, R release off the arrow.
        QTest::addColumn<QString>("script");
        QTest::addColumn<QList<qint64>>("stepTimes");
        QTest::newRow("short click") << "0p 300r" << QList<qint64>{300};
        QTest::newRow("held one second")
            << "0p 1000r" << QList<qint64>{400, 500, 600, 700, 800, 900, 1000, 1000};
        QTest::newRow("dragged off pauses")
            << "0p 450o 350i 200r" << QList<qint64>{400, 900, 1000, 1000};
        QTest::newRow("released outside") << "0p 200o 100R" << QList<qint64>{};
        QTest::newRow("held, released outside") << "0p 550o 50R" << QList<qint64>{400, 500};
    }
    void clickTiming() {
        QFETCH(QString, script);
        QFETCH(QList<qint64>, stepTimes);
        TSpinEdit e(nullptr, comma);
        e.resize(60, 23);
        e.show();
        TTimerSpeedButton* up = e.Button()->upButton();
        QList<qint64> times;
        connect(&e, &QLineEdit::textChanged, &e, [&] { times << m_clock->now(); });
        const QPoint inside(7, 4);
        const QPoint outside(7, -30);
        for (const QString& stepText : script.split(u' ')) {
            m_clock->advance(stepText.chopped(1).toLongLong());
            switch (stepText.back().unicode()) {
            case 'p':
                sendMouse(up, QEvent::MouseButtonPress, inside, Qt::LeftButton, Qt::LeftButton);
                QVERIFY(up->isDown());
                break;
            case 'o':
                sendMouse(up, QEvent::MouseMove, outside, Qt::NoButton, Qt::LeftButton);
                QVERIFY(!up->isDown());
                break;
            case 'i':
                sendMouse(up, QEvent::MouseMove, inside, Qt::NoButton, Qt::LeftButton);
                QVERIFY(up->isDown());
                break;
            case 'r':
                sendMouse(up, QEvent::MouseButtonRelease, inside, Qt::LeftButton, Qt::NoButton);
                break;
            case 'R':
                sendMouse(up, QEvent::MouseButtonRelease, outside, Qt::LeftButton, Qt::NoButton);
                break;
            }
        }
        QCOMPARE(times, stepTimes);
        QCOMPARE(e.Value(), int(stepTimes.size()));
        QVERIFY(up->repeatTimer());
        QVERIFY(!up->repeatTimer()->isActive());
        // Later expiries of a stopped timer give nothing.
        m_clock->advance(1000);
        QCOMPARE(e.Value(), int(stepTimes.size()));
    }

    void otherButtonArmsButNeverSteps() {
        TSpinEdit e(nullptr, comma);
        e.show();
        TTimerSpeedButton* down = e.Button()->downButton();
        sendMouse(down, QEvent::MouseButtonPress, QPoint(7, 5), Qt::RightButton, Qt::RightButton);
        QVERIFY(down->repeatTimer() && down->repeatTimer()->isActive());
        m_clock->advance(1000);
        QCOMPARE(down->repeatTimer()->interval(), 100);
        sendMouse(down, QEvent::MouseButtonRelease, QPoint(7, 5), Qt::RightButton, Qt::NoButton);
        QCOMPARE(e.text(), QStringLiteral("0"));
        QVERIFY(!down->repeatTimer()->isActive());
    }

    void failingRepeatStopsAndReportsOnce() {
        QStringList reported;
        QList<bool> activeWhileShown;
        FailingSpinEdit e(nullptr, comma);
        TTimerSpeedButton* up = e.Button()->upButton();
        auto previous = setCommandErrorHandler([&](const QString& m) {
            reported << m;
            activeWhileShown << up->repeatTimer()->isActive();
        });
        e.show();
        sendMouse(up, QEvent::MouseButtonPress, QPoint(7, 4), Qt::LeftButton, Qt::LeftButton);
        m_clock->advance(400);
        QCOMPARE(reported, QStringList{QStringLiteral("Débordement d'entier")});
        // Stopped before the message is up, not after.
        QCOMPARE(activeWhileShown, QList<bool>{false});
        QVERIFY(!up->repeatTimer()->isActive());
        m_clock->advance(2000);
        QCOMPARE(reported.size(), 1);
        setCommandErrorHandler(previous);
    }

    void hidingStopsTheRepeat() {
        TSpinEdit e(nullptr, comma);
        e.show();
        TTimerSpeedButton* up = e.Button()->upButton();
        sendMouse(up, QEvent::MouseButtonPress, QPoint(7, 4), Qt::LeftButton, Qt::LeftButton);
        m_clock->advance(450);
        QCOMPARE(e.Value(), 1);
        e.hide();
        m_clock->advance(1000);
        QCOMPARE(e.Value(), 1);
        QVERIFY(!up->isDown());
    }

    void realTimerShortClick() {
        setRepeatTimerFactory({});
        TSpinEdit e(nullptr, comma);
        e.show();
        QTest::mouseClick(e.Button()->downButton(), Qt::LeftButton, {}, QPoint(7, 5));
        QCOMPARE(e.Value(), -1);
        QVERIFY(!e.Button()->downButton()->repeatTimer()->isActive());
    }

    // The repeat must not drift: a coarse timer fires up to 5 % late.
    void repeatTimerIsPrecise() {
        setRepeatTimerFactory({});
        const std::unique_ptr<RepeatTimer> timer = makeRepeatTimer();
        QCOMPARE(timer->timerType(), Qt::PreciseTimer);
        timer->start(400);
        timer->setInterval(100);
        QCOMPARE(timer->timerType(), Qt::PreciseTimer);
        QCOMPARE(timer->interval(), 100);
        // The arrows' own timer, made on the first press.
        TSpinEdit e(nullptr, comma);
        e.show();
        QTest::mousePress(e.Button()->upButton(), Qt::LeftButton, {}, QPoint(7, 4));
        QVERIFY(e.Button()->upButton()->repeatTimer());
        QCOMPARE(e.Button()->upButton()->repeatTimer()->timerType(), Qt::PreciseTimer);
        QTest::mouseRelease(e.Button()->upButton(), Qt::LeftButton, {}, QPoint(7, 4));
    }

    void pressingAnArrowFocusesTheFieldAndSelects() {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* other = new QLineEdit(&window);
        auto* e = new TSpinEdit(&window, comma);
        layout->addWidget(other);
        layout->addWidget(e);
        e->setText(QStringLiteral("140"));
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other->setFocus();
        QTest::mousePress(e->Button()->upButton(), Qt::LeftButton, {}, QPoint(7, 4));
        QVERIFY(e->hasFocus());
        QCOMPARE(e->selectedText(), QStringLiteral("140"));
        QTest::mouseRelease(e->Button()->upButton(), Qt::LeftButton, {}, QPoint(7, 4));
        QCOMPARE(e->text(), QStringLiteral("141"));

        // A press on the text itself places the caret instead.
        other->setFocus();
        QTest::mouseClick(e, Qt::LeftButton, {}, QPoint(5, e->height() / 2));
        QVERIFY(e->hasFocus());
        QVERIFY(e->selectedText().isEmpty());
    }

    // Only entering the field selects its text; getting the focus back from
    // another window or a closed popup leaves the caret where it was.
    void focusReturnKeepsTheCaret_data() {
        QTest::addColumn<int>("reason");
        QTest::addColumn<QString>("selected");
        QTest::newRow("window reactivated") << int(Qt::ActiveWindowFocusReason) << "";
        QTest::newRow("popup closed") << int(Qt::PopupFocusReason) << "";
        QTest::newRow("Tab") << int(Qt::TabFocusReason) << "140";
        QTest::newRow("Shift+Tab") << int(Qt::BacktabFocusReason) << "140";
        QTest::newRow("shortcut") << int(Qt::ShortcutFocusReason) << "140";
        QTest::newRow("other") << int(Qt::OtherFocusReason) << "140";
    }
    void focusReturnKeepsTheCaret() {
        QFETCH(int, reason);
        QFETCH(QString, selected);
        TSpinEdit e(nullptr, comma);
        e.setText(QStringLiteral("140"));
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(&e, &in);
        QCOMPARE(e.selectedText(), QStringLiteral("140"));
        e.setCursorPosition(1);
        QFocusEvent out(QEvent::FocusOut, Qt::FocusReason(reason));
        QApplication::sendEvent(&e, &out);
        QFocusEvent back(QEvent::FocusIn, Qt::FocusReason(reason));
        QApplication::sendEvent(&e, &back);
        QCOMPARE(e.selectedText(), selected);
        if (selected.isEmpty()) QCOMPARE(e.cursorPosition(), 1);
    }

    // A window shown for the first time enters its focused field; switching
    // to another window and back does not.
    void windowReactivationKeepsTheCaret() {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* e = new TSpinEdit(&window, comma);
        layout->addWidget(e);
        e->setText(QStringLiteral("140"));
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(e->hasFocus());
        QCOMPARE(e->selectedText(), QStringLiteral("140"));
        e->setCursorPosition(2);

        QWidget dialog;
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QVERIFY(!e->hasFocus());
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(e->hasFocus());
        QVERIFY(e->selectedText().isEmpty());
        QCOMPARE(e->cursorPosition(), 2);
    }

    void pairAsTabStop() {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* pair = new TSpinButton(&window);
        auto* other = new QLineEdit(&window);
        layout->addWidget(other);
        layout->addWidget(pair);
        pair->SetTabStop(true);
        pair->setFixedSize(15, 18);
        QStringList clicks;
        pair->SetOnUpClick([&](QObject* sender) {
            QCOMPARE(sender, pair);
            clicks << "up";
        });
        pair->SetOnDownClick([&](QObject*) { clicks << "down"; });
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other->setFocus();

        QCOMPARE(pair->focusedButton(), pair->upButton());
        QTest::mouseClick(pair->downButton(), Qt::LeftButton, {}, QPoint(7, 5));
        QVERIFY(pair->hasFocus());
        QCOMPARE(pair->focusedButton(), pair->downButton());
        QVERIFY(pair->downButton()->FocusMark());
        QVERIFY(!pair->upButton()->FocusMark());
        QTest::keyClick(pair, Qt::Key_Space);
        QTest::keyClick(pair, Qt::Key_Up);
        QVERIFY(pair->upButton()->FocusMark());
        QTest::keyClick(pair, Qt::Key_Space);
        QCOMPARE(clicks, (QStringList{"down", "down", "up", "up"}));
        other->setFocus();
        QVERIFY(!pair->upButton()->FocusMark());
    }

    void minimumPairWidth() {
        TSpinButton pair;
        QCOMPARE(pair.size(), QSize(20, 25));
        pair.resize(8, 18);
        pair.layoutArrows();
        QCOMPARE(pair.width(), 15);
        QCOMPARE(pair.upButton()->geometry(), QRect(0, 0, 15, 9));
    }
};

QTEST_MAIN(TestSpinEdit)
#include "test_spinedit.moc"
