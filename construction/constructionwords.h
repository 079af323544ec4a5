#pragma once

#include "constructionplan.h"

#include <QString>

// The French words the outputs name the ramp's parts with, each built here
// once: the cut list, the PDF, the cut files and the window say the same.

// "gauche", "droite".
QString sideName(int curve);

// "courbe gauche", "courbe droite".
QString curveName(int curve);

// The curves a distinct panel is cut for: "courbe gauche", "courbe droite",
// "courbes gauche et droite".
QString curvesName(const DistinctPanel& panel);

// The cut list's article of a distinct panel: "Flanc courbe gauche",
// "Flanc courbes gauche et droite".
QString panelArticle(const DistinctPanel& panel);

// The refusal of a panel no sheet holds, even cut in pieces: "Flanc trop
// grand pour les feuilles".
QString panelTooLargeText();

// The text with its first letter a capital: "Courbe gauche".
QString capitalized(QString text);
