// DXF output through dxflib's document writer: the tables a reader expects, then one entity
// per element, gathered in memory and written whole.
#include "zumenko/preview/dxf_writer.h"

#include <charconv>
#include <clocale>
#include <cstdio>
#include <memory>
#include <string>

#include <dxflib/dl_dxf.h>

#include "common/sjis.h"
#include "zumenko/preview/layer_colors.h"
#include "zumenko/text_layout.h"

namespace zumenko::preview {

namespace {

constexpr const char* kStyle = "Standard";
// MS Gothic is on every Japanese Windows; CAD programs without it substitute their own
// CJK font, and the code page keeps the characters themselves right either way.
constexpr const char* kFontFile = "msgothic.ttc";

int hJustification(HAlign h) {
    switch (h) {
        case HAlign::Left:
            return 0;
        case HAlign::Center:
            return 1;
        case HAlign::Right:
            return 2;
    }
    return 0;
}

int vJustification(VAlign v) {
    switch (v) {
        case VAlign::Baseline:
            return 0;
        case VAlign::Bottom:
            return 1;
        case VAlign::Middle:
            return 2;
        case VAlign::Top:
            return 3;
    }
    return 0;
}

// dxflib prints numbers with the C library; a locale with a decimal comma would break
// every coordinate.
class CNumericLocale {
public:
    CNumericLocale() {
        const char* old = std::setlocale(LC_NUMERIC, nullptr);
        if (old) old_ = old;
        std::setlocale(LC_NUMERIC, "C");
    }
    ~CNumericLocale() {
        if (!old_.empty()) std::setlocale(LC_NUMERIC, old_.c_str());
    }

private:
    std::string old_;
};

// dxflib's writer sends every value to its file stream and flushes it, a system call per
// line; this one keeps the file in memory, to be written whole. The stream the base class
// opens for an empty name stays closed and unused.
class MemoryWriter final : public DL_WriterA {
public:
    MemoryWriter() : DL_WriterA("", DL_Codes::AC1015) { out_.reserve(1 << 20); }

    void dxfReal(int gc, double value) const override {
        // The shortest decimal that reads back as the value, without an exponent; a real
        // has a decimal point.
        char buf[400];
        auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
        if (r.ec != std::errc()) r = std::to_chars(buf, buf + sizeof buf, 0.0);
        std::string_view v(buf, static_cast<size_t>(r.ptr - buf));
        if (v.find('.') == std::string_view::npos) {
            code(gc);
            out_ += v;
            out_ += ".0\n";
            return;
        }
        put(gc, v);
    }
    void dxfInt(int gc, int value) const override { put(gc, std::to_string(value)); }
    void dxfHex(int gc, int value) const override {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%0X", static_cast<unsigned>(value));
        put(gc, buf);
    }
    void dxfString(int gc, const char* value) const override { put(gc, value); }
    void dxfString(int gc, const std::string& value) const override { put(gc, value); }

    const std::string& bytes() const { return out_; }

private:
    void code(int gc) const {
        if (gc < 10)
            out_ += "  ";
        else if (gc < 100)
            out_ += ' ';
        out_ += std::to_string(gc);
        out_ += '\n';
    }
    void put(int gc, std::string_view value) const {
        code(gc);
        out_ += value;
        out_ += '\n';
    }

    mutable std::string out_;
};

struct Encoded {
    std::vector<std::string> layers;
    std::vector<std::string> texts;  // one per element, empty for segments
};

// Every name and text in CP932; the first character that has no CP932 form is reported.
std::optional<Encoded> encode(const Figure& d, std::string* error) {
    Encoded out;
    std::string bad;
    for (const auto& name : d.layers) {
        auto b = common::utf8ToCp932(name, &bad);
        if (!b) {
            *error = "画層名「" + name + "」の文字「" + bad + "」は CP932 で書けません";
            return std::nullopt;
        }
        out.layers.push_back(*b);
    }
    for (const auto& e : d.elements) {
        std::string bytes;
        if (auto t = std::get_if<Text>(&e.shape)) {
            auto b = common::utf8ToCp932(t->text, &bad);
            if (!b) {
                *error = (e.line > 0 ? std::to_string(e.line) + " 行目の" : "") + "文字「" + bad +
                         "」は CP932 で書けません";
                return std::nullopt;
            }
            bytes = *b;
        }
        out.texts.push_back(std::move(bytes));
    }
    return out;
}

void writeDocument(const Figure& d, const Encoded& enc, DL_Dxf& dxf, DL_WriterA& dw) {
    const Box ext = extents(d);

    dxf.writeHeader(dw);
    dw.dxfString(9, "$DWGCODEPAGE");
    dw.dxfString(3, "ANSI_932");
    dw.dxfString(9, "$INSUNITS");
    dw.dxfInt(70, 4);  // millimetres
    if (!ext.empty) {
        dw.dxfString(9, "$EXTMIN");
        dw.dxfReal(10, ext.minX);
        dw.dxfReal(20, ext.minY);
        dw.dxfReal(30, 0.0);
        dw.dxfString(9, "$EXTMAX");
        dw.dxfReal(10, ext.maxX);
        dw.dxfReal(20, ext.maxY);
        dw.dxfReal(30, 0.0);
    }
    dw.dxfString(9, "$TEXTSTYLE");
    dw.dxfString(7, kStyle);
    dw.sectionEnd();

    dw.sectionTables();
    dxf.writeVPort(dw);

    dw.tableLinetypes(3);
    dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    dw.tableEnd();

    bool hasLayer0 = false;
    for (const auto& name : d.layers) hasLayer0 = hasLayer0 || name == "0";
    dw.tableLayers(int(d.layers.size()) + (hasLayer0 ? 0 : 1));
    if (!hasLayer0)
        dxf.writeLayer(dw, DL_LayerData("0", 0),
                       DL_Attributes("", DL_Codes::white, -1, "CONTINUOUS", 1.0));
    for (size_t i = 0; i < d.layers.size(); ++i) {
        // DefPoints never plots in AutoCAD; keep it so, as the script meant.
        dxf.writeLayer(dw, DL_LayerData(enc.layers[i], 0),
                       DL_Attributes("", layerColor(d, int(i)).aci, -1, "CONTINUOUS", 1.0));
    }
    dw.tableEnd();

    // The style record by hand: dxflib's own puts a TrueType file name only into extended
    // data, where readers expect the family name, and leaves the font file empty.
    dw.tableStyle(1);
    dw.dxfString(0, "STYLE");
    dw.handle();
    dw.dxfString(100, "AcDbSymbolTableRecord");
    dw.dxfString(100, "AcDbTextStyleTableRecord");
    dw.dxfString(2, kStyle);
    dw.dxfInt(70, 0);
    dw.dxfReal(40, 0.0);  // no fixed height: every text has its own
    dw.dxfReal(41, 1.0);
    dw.dxfReal(50, 0.0);
    dw.dxfInt(71, 0);
    dw.dxfReal(42, 2.5);
    dw.dxfString(3, kFontFile);
    dw.dxfString(4, "");
    dw.tableEnd();

    dxf.writeView(dw);
    dxf.writeUcs(dw);
    dw.tableAppid(1);
    dxf.writeAppid(dw, "ACAD");
    dw.tableEnd();
    dxf.writeDimStyle(dw, 2.5, 0.625, 0.625, 0.625, 2.5);
    dxf.writeBlockRecord(dw);
    dw.tableEnd();
    dw.sectionEnd();

    dw.sectionBlocks();
    dxf.writeBlock(dw, DL_BlockData("*Model_Space", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(dw, "*Model_Space");
    dxf.writeBlock(dw, DL_BlockData("*Paper_Space", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(dw, "*Paper_Space");
    dxf.writeBlock(dw, DL_BlockData("*Paper_Space0", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(dw, "*Paper_Space0");
    dw.sectionEnd();

    dw.sectionEntities();
    for (size_t i = 0; i < d.elements.size(); ++i) {
        const auto& e = d.elements[i];
        DL_Attributes attr(enc.layers[size_t(e.layer)], 256, -1, "BYLAYER", 1.0);
        if (auto s = std::get_if<Segment>(&e.shape)) {
            dxf.writeLine(dw, DL_LineData(s->a.x, s->a.y, 0.0, s->b.x, s->b.y, 0.0), attr);
        } else if (auto t = std::get_if<Text>(&e.shape); t && !drawsNothing(*t)) {
            // Code 10 is the baseline start, code 11 the justification point; readers place
            // justified text by the second, and AutoCAD recomputes the first.
            TextPlacement p = placeText(*t, estimateTextMetrics(t->text));
            dxf.writeText(
                dw,
                DL_TextData(p.origin.x, p.origin.y, 0.0, t->at.x, t->at.y, 0.0, t->height, 1.0, 0,
                            hJustification(t->justify.h), vJustification(t->justify.v),
                            enc.texts[i], kStyle, p.angleRad),
                attr);
        }
    }
    dw.sectionEnd();

    dxf.writeObjects(dw);
    dxf.writeObjectsEnd(dw);
    dw.dxfEOF();
}

}  // namespace

common::WriteResult writeDxf(const Figure& figure, const std::filesystem::path& path) {
    std::string error;
    auto enc = encode(figure, &error);
    if (!enc) return {false, error};

    CNumericLocale cLocale;
    DL_Dxf dxf;
    MemoryWriter dw;
    writeDocument(figure, *enc, dxf, dw);
    return common::writeFileAtomic(path, dw.bytes());
}

}  // namespace zumenko::preview
