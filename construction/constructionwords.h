#pragma once

#include "constructionplan.h"

#include <QString>

// The words the outputs name the ramp's parts with, each built here once:
// the cut list, the PDF, the cut files and the window say the same.

// Which text a word function builds: the people's, in the program's language,
// or the French source text, which the JSON, the warnings it carries and the
// 3D model's part names keep whatever the language.
enum class Wording { people, source };

// A text marked with QT_TRANSLATE_NOOP("Construction", ...), translated for
// people or left as its French source.
QString constructionWord(const char* text, Wording wording = Wording::people);

// "gauche", "droite".
QString sideName(int curve, Wording wording = Wording::people);

// "courbe gauche", "courbe droite".
QString curveName(int curve, Wording wording = Wording::people);

// The curves a distinct panel is cut for: "courbe gauche", "courbe droite",
// "courbes gauche et droite".
QString curvesName(const DistinctPanel& panel, Wording wording = Wording::people);

// How many panels of a distinct panel to cut, and for which curves: "10
// flancs à découper : courbes gauche et droite", "1 flanc à découper :
// courbe droite".
QString panelsToCutText(const DistinctPanel& panel);

// The cut list's article of a distinct panel: "Flanc courbe gauche",
// "Flanc courbes gauche et droite".
QString panelArticle(const DistinctPanel& panel, Wording wording = Wording::people);

// A piece of a split distinct panel (counting from 0): "Flanc courbe gauche,
// morceau 1/2".
QString panelPieceArticle(const DistinctPanel& panel, int piece, int pieces,
                          Wording wording = Wording::people);

// A splice plate of a distinct panel (counting from 0): "Éclisse courbe
// gauche 1/3".
QString splicePlateArticle(const DistinctPanel& panel, int plate, int plates,
                           Wording wording = Wording::people);

// "plate-forme gauche", "plate-forme droite".
QString deckName(int curve, Wording wording = Wording::people);

// The cut list's articles of the other parts. The 3D model's parts take
// their French source ("Tasseau courbe gauche 12"), which a cut list row keeps
// as its part, so that a row chosen in the window finds its parts. `layer`
// counts from 0, the top layer.
QString ribArticle(int side, Wording wording = Wording::people);
QString deckJoistArticle(int side, Wording wording = Wording::people);
QString copingBlockArticle(int side, Wording wording = Wording::people);
QString flatStringerArticle(Wording wording = Wording::people);
QString flatJoistArticle(Wording wording = Wording::people);
QString deckStringerArticle(int side, Wording wording = Wording::people);
QString deckBackRimArticle(int side, Wording wording = Wording::people);
QString deckFrontRimArticle(int side, Wording wording = Wording::people);
QString deckPanelRimArticle(int side, Wording wording = Wording::people);
QString deckFrameJoistArticle(
    int side, Wording wording = Wording::people); // a deck frame's, on legs or on the ground
QString legArticle(int side, Wording wording = Wording::people);
QString braceArticle(int side, Wording wording = Wording::people);
QString surfaceLayerArticle(int layer, Wording wording = Wording::people);
QString copingArticle(Wording wording = Wording::people);

// The refusal of a panel no sheet holds, even cut in pieces: "Flanc trop
// grand pour les feuilles".
QString panelTooLargeText();

// The text with its first letter a capital: "Courbe gauche".
QString capitalized(QString text);
