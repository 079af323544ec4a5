#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <QWidget>

class QFont;
class QPushButton;
class TLabel;

// What the seven secondary windows share: created once at start-up, placed at
// their design position (outer frame) and size, hidden by their close box or
// their "Fermer" button, and shown again as the same object. They never keep
// the program running once the main window has closed.
class TSecondaryWindow : public QWidget {
    Q_OBJECT
public:
    TSecondaryWindow(const QString& name, const QString& caption, QPoint outerPosition,
                     QSize outerSize, int fontHeight);

    // Non-modal show: makes the window visible and brings it to the front.
    void showNonModal();

protected:
    TLabel* addLabel(const QString& name, QPoint position, const QFont& font,
                     const QString& caption = QString());
    // A button that hides this window.
    QPushButton* addCloseButton(const QString& name, const QRect& geometry, const QFont& font);
};
