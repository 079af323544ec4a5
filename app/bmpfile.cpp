#include "bmpfile.h"

#include "outputfile.h"
#include "quarvelerror.h"

#include <QImage>
#include <QIODevice>

namespace {
constexpr int fileHeaderSize = 14;
constexpr int infoHeaderSize = 40;

void putU16(char* p, quint16 v) {
    p[0] = char(v & 0xFF);
    p[1] = char(v >> 8);
}

void putU32(char* p, quint32 v) {
    for (int i = 0; i < 4; ++i)
        p[i] = char((v >> (8 * i)) & 0xFF);
}

QuarvelError writeError() {
    return QuarvelError(QStringLiteral("Erreur d'écriture dans le flux"));
}
} // namespace

QByteArray encodeBmp24(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int width = image.width();
    const int height = image.height();
    const quint32 rowSize = (quint32(width) * 3 + 3) & ~quint32(3);
    const quint32 imageSize = rowSize * quint32(height);
    const quint32 dataOffset = fileHeaderSize + infoHeaderSize;

    QByteArray bytes(qsizetype(dataOffset + imageSize), '\0');
    char* h = bytes.data();
    h[0] = 'B';
    h[1] = 'M';
    putU32(h + 2, dataOffset + imageSize);
    putU32(h + 10, dataOffset);
    putU32(h + 14, infoHeaderSize);
    putU32(h + 18, quint32(width));
    putU32(h + 22, quint32(height)); // positive: bottom-up rows
    putU16(h + 26, 1);               // planes
    putU16(h + 28, 24);              // bits per pixel
    putU32(h + 30, 0);               // no compression
    putU32(h + 34, imageSize);
    // Resolution and colour counts stay 0: no preferred resolution, no palette.

    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        char* row = h + dataOffset + rowSize * quint32(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            row[3 * x] = char(qBlue(line[x]));
            row[3 * x + 1] = char(qGreen(line[x]));
            row[3 * x + 2] = char(qRed(line[x]));
        }
    }
    return bytes;
}

void writeAllToDevice(QIODevice& device, const QByteArray& data) {
    qsizetype done = 0;
    while (done < data.size()) {
        const qint64 n = device.write(data.constData() + done, data.size() - done);
        if (n <= 0) throw writeError();
        done += qsizetype(n);
    }
}

void writeBmpFile(const QString& path, const QImage& image) {
    writeOutputFile(path, encodeBmp24(image));
}
