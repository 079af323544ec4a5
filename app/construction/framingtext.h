#pragma once

#include "constructionplan.h"

#include <QStringList>

// The framing in plain words, one paragraph per part of the frame: how many
// pieces, where each stands and what its position is measured from.
QStringList framingParagraphs(const ConstructionPlan& plan);
