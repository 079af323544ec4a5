#include "tsecondarywindow.h"

#include "tlabel.h"
#include "uifont.h"
#include "windowgeometry.h"

#include <QPushButton>

TSecondaryWindow::TSecondaryWindow(const QString& name, const QString& caption,
                                   QPoint outerPosition, QSize outerSize, int fontHeight)
    : QWidget(nullptr, Qt::Window) {
    setObjectName(name);
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(caption);
    setFont(uiFont(fontHeight));
    resize(clientSizeForOuter(outerSize));
    move(outerPosition);
}

void TSecondaryWindow::showNonModal() {
    show();
    raise();
    activateWindow();
}

TLabel* TSecondaryWindow::addLabel(const QString& name, QPoint position, const QFont& font,
                                   const QString& caption) {
    auto* label = new TLabel(this);
    label->setObjectName(name);
    label->setFont(font);
    label->SetCaption(caption);
    label->move(position);
    return label;
}

QPushButton* TSecondaryWindow::addCloseButton(const QString& name, const QRect& geometry,
                                              const QFont& font) {
    auto* button = new QPushButton(tr("Fermer"), this);
    button->setObjectName(name);
    button->setFont(font);
    button->setGeometry(geometry);
    connect(button, &QPushButton::clicked, this, &QWidget::close);
    return button;
}
