#include "designfile.h"

#include "qvlfile.h"

namespace {

Design designFrom(const QvlContent& content) {
    Design design{content.dims, {}};
    // Any other second line is not ours to read, as it never was.
    if (content.secondLine.startsWith("construction:"))
        design.settings = parseConstructionLine(content.secondLine);
    return design;
}

} // namespace

QByteArray formatDesign(const Design& design) {
    return formatQvl(design.dims) + formatConstructionLine(design.settings);
}

Design parseDesign(QByteArrayView bytes) {
    return designFrom(parseQvlContent(bytes));
}

Design readDesignFile(const QString& path, FileKinds kinds) {
    return designFrom(readQvlContent(path, kinds));
}

Design readDesignStandardInput() {
    return designFrom(readQvlStandardInput());
}

void writeDesignFile(const QString& path, const Design& design, FileKinds kinds) {
    writeDesignBytes(path, formatDesign(design), kinds);
}
