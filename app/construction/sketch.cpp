#include "sketch.h"

#include <QStringList>

QStringList Sketch::texts() const {
    QStringList all;
    for (const SketchDimension& d : dimensions)
        all << d.text;
    for (const SketchLabel& l : labels)
        all << l.text;
    return all;
}
