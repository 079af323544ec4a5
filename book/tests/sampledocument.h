#pragma once

#include "bookdocument.h"

#include <QImage>

// A made-up book exercising every kind of block: a cover with a picture,
// totals and the contents; per chapter a long table whose names wrap,
// paragraphs, lists, dimensioned drawings with turned labels, a picture and
// kept-together groups. chapters = 8 gives some 40 A4 pages.
BookDocument sampleDocument(BookPaper paper, int chapters);

// The sample's table: its heading row as pdftotext reads it, and the mark
// that starts each of its rows ("P7-012 ...").
inline constexpr char16_t sampleTableHeader[] = u"Repère Pièce Longueur Qté Prix";
inline constexpr char16_t sampleRowPattern[] = u"^P\\d+-\\d{3} ";

// A picture with shapes and a gradient, as a renderer would give.
QImage samplePicture(int width, int height);
