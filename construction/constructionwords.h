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

// How many panels of a distinct panel to cut, and for which curves: "10
// flancs à découper : courbes gauche et droite", "1 flanc à découper :
// courbe droite".
QString panelsToCutText(const DistinctPanel& panel);

// The cut list's article of a distinct panel: "Flanc courbe gauche",
// "Flanc courbes gauche et droite".
QString panelArticle(const DistinctPanel& panel);

// A piece of a split distinct panel (counting from 0): "Flanc courbe gauche,
// morceau 1/2".
QString panelPieceArticle(const DistinctPanel& panel, int piece, int pieces);

// A splice plate of a distinct panel (counting from 0): "Éclisse courbe
// gauche 1/3".
QString splicePlateArticle(const DistinctPanel& panel, int plate, int plates);

// "plate-forme gauche", "plate-forme droite".
QString deckName(int curve);

// The cut list's articles of the other parts, which the 3D model's parts
// take too ("Tasseau courbe gauche 12"), so that a row chosen in the window
// finds its parts. `layer` counts from 0, the top layer.
QString ribArticle(int side);
QString deckJoistArticle(int side);
QString copingBlockArticle(int side);
QString flatStringerArticle();
QString flatJoistArticle();
QString deckStringerArticle(int side);
QString deckBackRimArticle(int side);
QString deckFrontRimArticle(int side);
QString deckPanelRimArticle(int side);
QString deckFrameJoistArticle(int side); // a deck frame's, on legs or on the ground
QString legArticle(int side);
QString braceArticle(int side);
QString surfaceLayerArticle(int layer);
QString copingArticle();

// The refusal of a panel no sheet holds, even cut in pieces: "Flanc trop
// grand pour les feuilles".
QString panelTooLargeText();

// The text with its first letter a capital: "Courbe gauche".
QString capitalized(QString text);
