#include "bmpfile.h"

#include "outputfile.h"
#include "quarvelerror.h"

#include <QCoreApplication>
#include <QImage>
#include <QIODevice>

#include <algorithm>

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
    return QuarvelError(QCoreApplication::translate("BmpFile", "Erreur d'écriture dans le flux"));
}
} // namespace

void produceBmp24(const QImage& source, const OutputSink& sink) {
    // A shallow copy when the picture already is RGB32, as exported pictures are.
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int width = image.width();
    const int height = image.height();
    const quint32 rowSize = (quint32(width) * 3 + 3) & ~quint32(3);
    const quint32 imageSize = rowSize * quint32(height);
    constexpr quint32 dataOffset = fileHeaderSize + infoHeaderSize;

    char h[dataOffset] = {};
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
    sink(QByteArrayView(h, dataOffset));
    if (rowSize == 0 || height <= 0) return;

    // Rows go out in chunks of about 64 KiB, one buffer reused: the file is
    // never whole in memory.
    const int rowsPerChunk = int(qBound(quint32(1), quint32(65536) / rowSize, quint32(height)));
    QByteArray chunk(qsizetype(rowSize) * rowsPerChunk, '\0');
    for (int done = 0; done < height;) {
        const int rows = std::min(rowsPerChunk, height - done);
        for (int i = 0; i < rows; ++i) {
            const int y = height - 1 - (done + i);
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            char* row = chunk.data() + qsizetype(rowSize) * i;
            for (int x = 0; x < width; ++x) {
                row[3 * x] = char(qBlue(line[x]));
                row[3 * x + 1] = char(qGreen(line[x]));
                row[3 * x + 2] = char(qRed(line[x]));
            }
            // The padding stays zero: each row writes the same bytes.
        }
        sink(QByteArrayView(chunk.constData(), qsizetype(rowSize) * rows));
        done += rows;
    }
}

QByteArray encodeBmp24(const QImage& image) {
    QByteArray bytes;
    const qsizetype rowSize = (qsizetype(image.width()) * 3 + 3) & ~qsizetype(3);
    bytes.reserve(fileHeaderSize + infoHeaderSize + rowSize * image.height());
    produceBmp24(image, [&bytes](QByteArrayView piece) { bytes.append(piece); });
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

void writeBmpFile(const QString& path, const QImage& image, FileKinds kinds) {
    writeStreamedOutputFile(
        path, [&image](const OutputSink& sink) { produceBmp24(image, sink); }, kinds);
}
