#include "dxfwriter.h"

#include "decimaltext.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <dxflib/dl_attributes.h>
#include <dxflib/dl_codes.h>
#include <dxflib/dl_dxf.h>
#include <dxflib/dl_entities.h>
#include <dxflib/dl_writer_ascii.h>
#include <string>

namespace {

// dxflib's writer only writes to a named file; this one keeps the groups in
// memory and formats numbers itself, the same in every locale. Its file
// stream is never opened (empty name) and never used. The groups go straight
// into one growing buffer: a file has thousands of them.
class MemoryDxfWriter : public DL_WriterA {
public:
    MemoryDxfWriter()
        : DL_WriterA("", DL_Codes::AC1015) {
        m_text.reserve(1 << 16);
    }

    void dxfReal(int gc, double value) const override {
        code(gc);
        // A bulge carries the arc's radius: more places than the coordinates.
        const QByteArray text = decimalText(value, gc == 42 ? 10 : 6);
        m_text.append(text.constData(), std::size_t(text.size()));
        m_text += "\r\n";
    }
    void dxfInt(int gc, int value) const override {
        code(gc);
        appendNumber(value);
        m_text += "\r\n";
    }
    void dxfHex(int gc, int value) const override {
        if (value < 0) {
            const QByteArray hex = QByteArray::number(value, 16).toUpper();
            group(gc, hex.constData(), size_t(hex.size()));
            return;
        }
        char digits[16];
        char* const end = std::to_chars(digits, digits + sizeof digits, value, 16).ptr;
        for (char* c = digits; c != end; ++c)
            if (*c >= 'a') *c = char(*c - 'a' + 'A');
        group(gc, digits, size_t(end - digits));
    }
    void dxfString(int gc, const char* value) const override {
        group(gc, value, std::strlen(value));
    }
    void dxfString(int gc, const std::string& value) const override {
        group(gc, value.data(), value.size());
    }

    QByteArray bytes() const { return QByteArray(m_text.data(), qsizetype(m_text.size())); }

private:
    // The group code, right-aligned on three columns, and its line end.
    void code(int gc) const {
        if (gc >= 0 && gc < 1000) {
            const char text[5] = {gc < 100 ? ' ' : char('0' + gc / 100),
                                  gc < 10 ? ' ' : char('0' + gc / 10 % 10), char('0' + gc % 10),
                                  '\r', '\n'};
            m_text.append(text, sizeof text);
            return;
        }
        char digits[16];
        const auto end = std::to_chars(digits, digits + sizeof digits, gc).ptr;
        if (end - digits < 3) m_text.append(size_t(3 - (end - digits)), ' ');
        m_text.append(digits, end);
        m_text += "\r\n";
    }
    void appendNumber(int value) const {
        char digits[16];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        m_text.append(digits, end);
    }
    void group(int gc, const char* value, size_t size) const {
        code(gc);
        m_text.append(value, size);
        m_text += "\r\n";
    }

    mutable std::string m_text;
};

// DXF text is ASCII here: anything else as the \U+XXXX escape CAD programs read.
std::string dxfText(const QString& text) {
    std::string result;
    for (QChar c : text) {
        // Readers show the escape of a multiplication sign as it stands.
        if (c == QChar(0x00D7)) c = QLatin1Char('x');
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f) {
            result += char(c.unicode());
        } else {
            result += "\\U+";
            result +=
                QByteArray::number(c.unicode(), 16).toUpper().rightJustified(4, '0').toStdString();
        }
    }
    return result;
}

DL_Attributes onLayer(const char* layer) {
    return DL_Attributes(layer, 256, -1, "BYLAYER", 1.0);
}

void writePolyline(DL_Dxf& dxf, MemoryDxfWriter& dw, const Outline& outline, const char* layer) {
    std::vector<const Segment*> segments;
    for (const Segment& s : outline) {
        if (s.from == s.to && s.kind == Segment::Kind::Line) continue; // nothing to cut
        segments.push_back(&s);
    }
    dxf.writePolyline(dw, DL_PolylineData(int(segments.size()), 0, 0, 1), onLayer(layer));
    for (const Segment* s : segments) {
        // Counter-clockwise positive, like the segment's sweep.
        const double bulge = s->kind == Segment::Kind::Arc ? std::tan(s->sweep / 4) : 0;
        dxf.writeVertex(dw, DL_VertexData(s->from.x(), s->from.y(), 0, bulge));
    }
    dxf.writePolylineEnd(dw);
}

void writeTables(DL_Dxf& dxf, MemoryDxfWriter& dw) {
    dw.sectionTables();
    dxf.writeVPort(dw);

    dw.tableLinetypes(3);
    dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    dw.tableEnd();

    // Colours: CUT red, MARK green, TEXT white/black, SHEET blue.
    const struct {
        const char* name;
        int colour;
    } layers[] = {{"0", 7}, {"CUT", 1}, {"MARK", 3}, {"TEXT", 7}, {"SHEET", 5}};
    dw.tableLayers(int(std::size(layers)));
    for (const auto& layer : layers)
        dxf.writeLayer(dw, DL_LayerData(layer.name, 0),
                       DL_Attributes("", layer.colour, -1, "CONTINUOUS", 1.0));
    dw.tableEnd();

    dw.tableStyle(1);
    dxf.writeStyle(dw, DL_StyleData("Standard", 0, 0.0, 1.0, 0.0, 0, 2.5, "txt", ""));
    dw.tableEnd();

    dxf.writeView(dw);
    dxf.writeUcs(dw);
    dw.tableAppid(1);
    dxf.writeAppid(dw, "ACAD");
    dw.tableEnd();
    dxf.writeDimStyle(dw, 2.5, 1.25, 0.625, 0.625, 2.5);

    // Only the two layouts' block records: dxflib's own table also lists a
    // third paper space whose layout lives in its fixed OBJECTS section, which
    // CAD programs then repair. Without an OBJECTS section the readers build
    // the layouts themselves.
    dw.table("BLOCK_RECORD", 2, 1);
    dxf.writeBlockRecord(dw, "*Model_Space");
    dxf.writeBlockRecord(dw, "*Paper_Space");
    dw.tableEnd();
    dw.sectionEnd();
}

} // namespace

QByteArray dxfBytes(const CutDrawing& drawing) {
    DL_Dxf dxf;
    MemoryDxfWriter dw;
    dxf.writeHeader(dw);
    dw.dxfString(9, "$INSUNITS");
    dw.dxfInt(70, 4); // millimetres
    dw.dxfString(9, "$MEASUREMENT");
    dw.dxfInt(70, 1); // metric
    dw.sectionEnd();

    writeTables(dxf, dw);

    dw.sectionBlocks();
    dxf.writeBlock(dw, DL_BlockData("*Model_Space", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(dw, "*Model_Space");
    dxf.writeBlock(dw, DL_BlockData("*Paper_Space", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(dw, "*Paper_Space");
    dw.sectionEnd();

    dw.sectionEntities();
    for (const Outline& sheet : drawing.sheets)
        writePolyline(dxf, dw, sheet, "SHEET");
    for (const Outline& part : drawing.cut)
        writePolyline(dxf, dw, part, "CUT");
    for (const DrawingLine& line : drawing.marks)
        dxf.writeLine(dw, DL_LineData(line.from.x(), line.from.y(), 0, line.to.x(), line.to.y(), 0),
                      onLayer("MARK"));
    for (const DrawingText& text : drawing.texts) {
        dxf.writeText(dw,
                      DL_TextData(text.at.x(), text.at.y(), 0, 0, 0, 0, text.height, 1, 0, 0, 0,
                                  dxfText(text.text), "Standard", 0),
                      onLayer("TEXT"));
    }
    dw.sectionEnd();
    dw.dxfEOF();
    return dw.bytes();
}
