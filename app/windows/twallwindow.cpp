#include "twallwindow.h"

#include "tnumlabel.h"
#include "uifont.h"

TWallWindow::TWallWindow(const QString& name, const QString& caption, int windowFontHeight,
                         const QString& fieldName, const QString& unitText,
                         const QString& buttonName, int buttonFontHeight)
    : TSecondaryWindow(name, caption, QPoint(104, 285), QSize(845, 110), windowFontHeight) {
    m_text = addLabel(QStringLiteral("Label1"), QPoint(8, 16), uiFont(16),
                      tr("Votre hauteur de courbe étant supérieure à son rayon vous "
                         "allez obtenir un wall de"));

    m_height = new TNumLabel(this);
    m_height->setObjectName(fieldName);
    m_height->setFont(uiFont(16));
    m_height->setGeometry(592, 17, 49, 17);
    m_height->SetBorderStyle(bsNone);
    m_height->SetColor(clBtnFace);
    m_height->applyProgramFieldSettings();

    m_unit = addLabel(QStringLiteral("Label2"), QPoint(648, 16), uiFont(16), unitText);
    m_close = addCloseButton(buttonName, QRect(350, 50, 75, 25), uiFont(buttonFontHeight));
}
