#include "keychar.h"

#include <QKeyEvent>

QString typedCharacters(const QKeyEvent* event) {
    const Qt::KeyboardModifiers m = event->modifiers();
    const bool ctrl = m & Qt::ControlModifier;
    const bool alt = m & Qt::AltModifier;
    // Ctrl+Backspace types DEL, so it passes the field's filter like any
    // character instead of reaching the edit's delete-word shortcut.
    if (event->key() == Qt::Key_Backspace && ctrl && !alt && !(m & Qt::MetaModifier))
        return QString(QChar(127));
    if ((m & Qt::MetaModifier) || ctrl != alt) return QString();
    switch (event->key()) {
    case Qt::Key_Backspace:
        return QString(QChar(8));
    case Qt::Key_Tab:
        return QString(QChar(9));
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QString(QChar(13));
    case Qt::Key_Escape:
        return QString(QChar(27));
    default:
        break;
    }
    QString text;
    for (const QChar c : event->text())
        if (c.unicode() >= 32 && c.unicode() != 127) text += c;
    return text;
}

QChar keyPressCharacter(const QKeyEvent* event) {
    const Qt::KeyboardModifiers m = event->modifiers();
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return QChar();
    case Qt::Key_Backspace:
        return (m & Qt::ControlModifier) && !(m & (Qt::AltModifier | Qt::MetaModifier)) ? QChar(127)
                                                                                        : QChar(8);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QChar(13);
    case Qt::Key_Escape:
        return QChar(27);
    default:
        break;
    }
    // Other keys with the text of Delete (the keypad's) type nothing either.
    const QString text = event->text();
    if (text.isEmpty() || text.front().unicode() == 127) return QChar();
    return text.front();
}

Qt::Key keyOfCharacter(QChar c) {
    switch (c.unicode()) {
    case 8:
        return Qt::Key_Backspace;
    case 9:
        return Qt::Key_Tab;
    case 13:
        return Qt::Key_Return;
    case 27:
        return Qt::Key_Escape;
    default:
        break;
    }
    if (c >= u'0' && c <= u'9') return Qt::Key(Qt::Key_0 + (c.unicode() - '0'));
    if (c >= u'a' && c <= u'z') return Qt::Key(Qt::Key_A + (c.unicode() - 'a'));
    if (c >= u'A' && c <= u'Z') return Qt::Key(Qt::Key_A + (c.unicode() - 'A'));
    if (c.unicode() >= 32 && c.unicode() < 127) return Qt::Key(c.unicode());
    return Qt::Key_unknown;
}
