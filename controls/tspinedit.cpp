#include "tspinedit.h"

#include "beep.h"
#include "commandrunner.h"
#include "focusselect.h"
#include "fontheights.h"
#include "keychar.h"
#include "spinlayout.h"
#include "tspinbutton.h"
#include "ttimerspeedbutton.h"
#include "wholenumber.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QStyle>

TSpinEdit::TSpinEdit(QWidget* owner)
    : TSpinEdit(owner, NumberFormatSettings::system()) {}

TSpinEdit::TSpinEdit(QWidget* owner, const NumberFormatSettings& settings)
    : QLineEdit(owner)
    , m_settings(settings) {
    init();
}

TSpinEdit::~TSpinEdit() = default;

void TSpinEdit::init() {
    setText(QStringLiteral("0"));
    // Every character must come through the key filter, none from an input method.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    m_button = new TSpinButton(this);
    m_button->resize(15, 17);
    m_button->setCursor(Qt::ArrowCursor);
    m_button->show();
    m_button->SetFocusControl(this);
    m_button->SetOnUpClick([this](QObject* sender) { StepUp(sender); });
    m_button->SetOnDownClick([this](QObject* sender) { StepDown(sender); });
    m_button->upButton()->installEventFilter(this);
    m_button->downButton()->installEventFilter(this);
    updateMinimumHeight();
    layoutArrows();
}

qint32 TSpinEdit::Value() const {
    return textToInt32(text()).value_or(m_minValue);
}

void TSpinEdit::SetValue(qint32 value) {
    const QString s = QString::number(ClampValue(value));
    if (s != text()) setText(s);
}

void TSpinEdit::SetEditorEnabled(bool enabled) {
    m_editorEnabled = enabled;
}

void TSpinEdit::SetCtl3D(bool ctl3D) {
    if (ctl3D == m_ctl3D) return;
    m_ctl3D = ctl3D;
    layoutArrows();
}

qint32 TSpinEdit::ClampValue(qint32 value) const {
    if (m_minValue == m_maxValue) return value;
    if (value < m_minValue) return m_minValue;
    if (value > m_maxValue) return m_maxValue;
    return value;
}

qint32 TSpinEdit::step(qint32 delta) const {
    // Two's-complement wrap-around: 2147483647 + 1 gives -2147483648.
    return qint32(quint32(Value()) + quint32(delta));
}

void TSpinEdit::StepUp(QObject*) {
    if (isReadOnly()) {
        beep();
        return;
    }
    SetValue(step(m_increment));
}

void TSpinEdit::StepDown(QObject*) {
    if (isReadOnly()) {
        beep();
        return;
    }
    SetValue(step(qint32(0u - quint32(m_increment))));
}

bool TSpinEdit::AcceptsChar(QChar key) const {
    const char16_t code = key.unicode();
    if (!m_editorEnabled && (code >= 32 || code == 8)) return false;
    if (code < 32) return code != 13;
    return (key >= u'0' && key <= u'9') || key == u'+' || key == u'-' ||
           key == m_settings.decimalSeparator;
}

int TSpinEdit::minimumFieldHeight() const {
    return spinFieldMinimumHeight(textHeight(font()), systemFontTextHeight());
}

void TSpinEdit::updateMinimumHeight() {
    setMinimumHeight(minimumFieldHeight());
}

void TSpinEdit::layoutArrows() {
    // Client coordinates start inside the edit's border.
    const int border = m_ctl3D ? 2 : 1;
    const QRect pair =
        spinArrowPairRect(size(), m_button->width(), m_ctl3D).translated(border, border);
    m_button->setGeometry(pair);
    m_button->layoutArrows();
    // The text ends 2 pixels short of the pair's width from the client's right edge.
    const int clientWidth = width() - 2 * border;
    const int textRight = border + clientWidth - m_button->width() - 2;
    const int frame =
        hasFrame() ? style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this) : 0;
    setTextMargins(0, 0, qMax(0, width() - frame - textRight), 0);
}

bool TSpinEdit::canEditByClipboard() const {
    return m_editorEnabled && !isReadOnly();
}

namespace {
bool isEditingKey(const QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) return true;
    for (const QKeySequence::StandardKey k :
         {QKeySequence::Undo, QKeySequence::Redo, QKeySequence::DeleteStartOfWord,
          QKeySequence::DeleteEndOfWord, QKeySequence::DeleteEndOfLine,
          QKeySequence::DeleteCompleteLine})
        if (event->matches(k)) return true;
    return false;
}
} // namespace

void TSpinEdit::keyPressEvent(QKeyEvent* event) {
    runCommand([&] {
        const int key = event->key();
        if (key == Qt::Key_Up) {
            StepUp(this);
        } else if (key == Qt::Key_Down) {
            StepDown(this);
        }
        if (m_onKeyDown) {
            int k = key;
            m_onKeyDown(this, k, event->modifiers());
            if (k == 0) {
                event->accept();
                return;
            }
        }
        const bool paste = event->matches(QKeySequence::Paste);
        if (paste || event->matches(QKeySequence::Cut)) {
            if (canEditByClipboard()) {
                if (paste) {
                    this->paste();
                } else {
                    cut();
                }
            }
            event->accept();
            return;
        }
        const QString typed = typedCharacters(event);
        if (typed.isEmpty()) {
            if (!m_editorEnabled && isEditingKey(event)) {
                event->accept();
                return;
            }
            // The edit would insert the text of an Alt or Meta chord; without
            // its text the key still reaches the edit's own shortcuts.
            QKeyEvent untyped(event->type(), event->key(), event->modifiers(), QString(),
                              event->isAutoRepeat(), event->count());
            QLineEdit::keyPressEvent(&untyped);
            event->setAccepted(untyped.isAccepted());
            return;
        }
        typeCharacters(event, typed);
    });
}

void TSpinEdit::typeCharacters(QKeyEvent* event, const QString& typed) {
    for (const QChar c : typed) {
        if (!AcceptsChar(c)) {
            beep();
            continue;
        }
        QChar k = c;
        if (m_onKeyPress) m_onKeyPress(this, k);
        if (k.isNull()) continue;
        if (typed.size() == 1 && k == c) {
            QLineEdit::keyPressEvent(event);
            return;
        }
        QKeyEvent replacement(QEvent::KeyPress, keyOfCharacter(k), Qt::NoModifier, QString(k));
        QLineEdit::keyPressEvent(&replacement);
    }
    event->accept();
}

void TSpinEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    if (height() < minimumFieldHeight()) {
        resize(width(), minimumFieldHeight());
        return;
    }
    layoutArrows();
}

void TSpinEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    // QLineEdit turns input methods back on when ReadOnly changes.
    if (event->type() == QEvent::ReadOnlyChange) setAttribute(Qt::WA_InputMethodEnabled, false);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        updateMinimumHeight();
        layoutArrows();
    }
}

void TSpinEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    m_focusFromPress = false;
    if (m_autoSelect) {
        switch (focusEntry(event, m_stillEntered)) {
        case FocusEntry::SelectAll:
            selectAll();
            break;
        case FocusEntry::PlaceCaret:
            m_focusFromPress = true;
            break;
        case FocusEntry::KeepSelection:
            break;
        }
    }
}

void TSpinEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    m_stillEntered = staysEnteredAfter(event);
    m_focusFromPress = false;
    m_button->stopRepeat();
    // A menu or another window taking over is no exit from the field.
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
        return;
    const qint32 v = Value();
    if (ClampValue(v) != v) SetValue(v);
}

bool TSpinEdit::eventFilter(QObject* watched, QEvent* event) {
    // The press that gave the focus landed on an arrow, not on the text.
    if (event->type() == QEvent::MouseButtonPress && m_focusFromPress &&
        (watched == m_button->upButton() || watched == m_button->downButton())) {
        m_focusFromPress = false;
        selectAll();
    }
    return QLineEdit::eventFilter(watched, event);
}

void TSpinEdit::mousePressEvent(QMouseEvent* event) {
    m_focusFromPress = false;
    QLineEdit::mousePressEvent(event);
}

void TSpinEdit::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button pastes the selection on some systems.
    if (event->button() == Qt::MiddleButton && !canEditByClipboard()) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

QMenu* TSpinEdit::createContextMenu() {
    // Our own edit menu, so that every action that changes the text obeys
    // EditorEnabled; only Copy and Select All stay open to a locked field.
    auto* menu = new QMenu(this);
    const bool editable = canEditByClipboard();
    const bool selection = hasSelectedText();
    auto add = [menu](const QString& text, const char* name, QKeySequence::StandardKey key,
                      bool enabled, auto slot) {
        QAction* action = menu->addAction(text, slot);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        action->setEnabled(enabled);
        return action;
    };
    add(tr("&Annuler"), "edit-undo", QKeySequence::Undo, editable && isUndoAvailable(),
        [this] { undo(); });
    add(tr("&Rétablir"), "edit-redo", QKeySequence::Redo, editable && isRedoAvailable(),
        [this] { redo(); });
    menu->addSeparator();
    add(tr("Co&uper"), "edit-cut", QKeySequence::Cut, editable && selection, [this] { cut(); });
    add(tr("&Copier"), "edit-copy", QKeySequence::Copy, selection, [this] { copy(); });
    add(tr("C&oller"), "edit-paste", QKeySequence::Paste,
        editable && !QGuiApplication::clipboard()->text().isEmpty(), [this] { paste(); });
    add(tr("&Supprimer"), "edit-delete", QKeySequence::Delete, editable && selection,
        [this] { del(); });
    menu->addSeparator();
    add(tr("Sélectionner &tout"), "select-all", QKeySequence::SelectAll, !text().isEmpty(),
        [this] { selectAll(); });
    return menu;
}

void TSpinEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void TSpinEdit::dragEnterEvent(QDragEnterEvent* event) {
    if (!canEditByClipboard()) {
        event->ignore();
        return;
    }
    QLineEdit::dragEnterEvent(event);
}

void TSpinEdit::dragMoveEvent(QDragMoveEvent* event) {
    if (!canEditByClipboard()) {
        event->ignore();
        return;
    }
    QLineEdit::dragMoveEvent(event);
}

void TSpinEdit::dropEvent(QDropEvent* event) {
    if (!canEditByClipboard()) {
        event->ignore();
        return;
    }
    QLineEdit::dropEvent(event);
}
