#include "twarningwindow.h"

#include "uifont.h"

TWarningWindow::TWarningWindow(const QString& name, const QString& caption,
                               const QString& labelName, QPoint labelPosition)
    : TSecondaryWindow(name, caption, QPoint(104, 286), QSize(845, 110), 11) {
    m_label = addLabel(labelName, labelPosition, uiFont(16));
    m_close = addCloseButton(QStringLiteral("bfermer3"), QRect(350, 50, 75, 25), uiFont(16));
}
