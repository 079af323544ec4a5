#pragma once

#include <QString>

// The cut list's name of each kind of piece, the one home of these words: the
// cut list's rows and the 3D model's parts ("Tasseau courbe gauche 12") both
// take them from here, so that a row chosen in the window finds its parts.
// `side` is leftCurve or rightCurve; `layer` counts from 0, the top layer.
QString panelArticle(int side);
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

// "plate-forme gauche" or "plate-forme droite".
QString deckName(int side);
