#include "aide.h"

#include "tcolorpalette.h"
#include "tlabel.h"
#include "uifont.h"

#include <QPushButton>
#include <QTextEdit>

Taidefiche::Taidefiche()
    : TSecondaryWindow(QStringLiteral("aidefiche"), tr("Aide"), QPoint(198, 107), QSize(765, 428),
                       11) {
    Label1 = addLabel(QStringLiteral("Label1"), QPoint(312, 8), uiFont(32, fsBoldUnderline),
                      tr("Aide."));

    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setGeometry(24, 72, 705, 257);
    RichEdit1->setReadOnly(true);
    RichEdit1->setFrameShape(QFrame::NoFrame);
    RichEdit1->setFont(uiFont(13));
    QPalette colours = RichEdit1->palette();
    colours.setColor(QPalette::Base, toQColor(clBtnFace, palette()));
    RichEdit1->setPalette(colours);
    RichEdit1->setPlainText(helpLines().join(QLatin1Char('\n')));

    Button1 = addCloseButton(QStringLiteral("Button1"), QRect(304, 344, 129, 41), uiFont(16));
}

QStringList Taidefiche::helpLines() {
    return {
        tr("Attention: toutes les longueurs doivent impérativement être entières et "
           "en centimètres."),
        QString(),
        tr("Les courbes sont dessinées à partir d'arc de cercle, le logiciel ne "
           "permet donc pas de tracer des profils ellipsoidaux."),
        QString(),
        tr("Le logiciel permet la création de wall: pour cela il suffit que la "
           "hauteur d'une courbe soit supérieure à son rayon."),
        tr("Exemple: Une courbe de 200 cm de hauteur dessinée avec un rayon de 150 cm "
           "permettera la création d'un wall"),
        tr("de 50 cm de verticale."),
        QString(),
        tr("La vue de la rampe en 2D permet de mieux visualiser la forme réelle des "
           "profils de courbes."),
        QString(),
        tr("Les rampes dessinées sont enregistrables en fichiers .qvl qui vous "
           "permettent de les réouvrir à chaque utilisation du"),
        tr("logiciel sans avoir à vous souvenir des longueurs choisies."),
        QString(),
        tr("L'exportation de l'image de la rampe peut se faire avec ou sans les "
           "données (hauteurs, rayons...)en utilisant la "),
        tr("commande située sous le graphique."),
        QString(),
    };
}
