#pragma once

#include "bookdocument.h"
#include "constructionplan.h"
#include "lengthunits.h"
#include "prices.h"

// The build book of a plan: what a first-time builder needs to buy, cut and
// assemble the ramp without the window. The cover (the design, a picture of
// the finished ramp, its size, the totals, the settings, the contents), the
// shopping list priced line by line, the assembly steps in the order a
// builder works, each with a picture of the ramp after it, then the cut
// diagrams of every sheet and every board, to scale.
//
// A plain function of the plan: the document it returns writes the PDF
// (BookDocument::pdf(), which needs a QGuiApplication for the fonts). unit:
// every length, thickness and section printed.
BookDocument buildBook(const ConstructionPlan& plan, const PriceTable& prices,
                       BookPaper paper = BookPaper::A4, LengthUnit unit = LengthUnit::Millimetres);
