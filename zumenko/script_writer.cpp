// The script writer: one command line per element, AutoCAD's Enters after each.
#include "zumenko/script_writer.h"

#include <charconv>
#include <cmath>

#include "common/numtext.h"

namespace zumenko {
namespace {

constexpr std::string_view kEndLine = "                        ";  // 24 blanks: Enter

// The general form, written in place; whole numbers (most coordinates) take a short cut
// that gives the same digits.
void appendNum(std::string& out, double x) {
    if (x == std::trunc(x) && std::fabs(x) < 1e15) {
        char buf[24];
        auto r = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(x));
        out.append(buf, r.ptr);
    } else {
        out += common::formatGeneral(x);
    }
}

void appendPoint(std::string& out, Point p) {
    appendNum(out, p.x);
    out += ',';
    appendNum(out, p.y);
}

void endLine(std::string& out) {
    out += kEndLine;
    out += "\r\n";
}

// Rough bytes per element, to reserve once.
constexpr size_t kBytesPerElement = 64;

}  // namespace

std::string_view justifyToken(Justify j) {
    // Upper case "BL" as the drawing program has always written it; AutoCAD takes either.
    static constexpr std::string_view kTokens[4][3] = {
        {"l", "c", "r"},     // baseline: AutoCAD's Left, Center, Right
        {"BL", "bc", "br"},  // bottom
        {"ml", "mc", "mr"},  // middle
        {"tl", "tc", "tr"},  // top
    };
    return kTokens[static_cast<int>(j.v)][static_cast<int>(j.h)];
}

std::string writeScript(const Figure& figure) {
    std::string out;
    out.reserve(64 + figure.elements.size() * kBytesPerElement);
    out += "_DTEXTED 1\r\n";
    endLine(out);
    size_t nextSwitch = 0;
    auto switchesBefore = [&](size_t index) {
        for (; nextSwitch < figure.switches.size() && figure.switches[nextSwitch].before <= index;
             ++nextSwitch) {
            out += "_clayer ";
            out += figure.layers[static_cast<size_t>(figure.switches[nextSwitch].layer)];
            out += "\r\n";
            endLine(out);
        }
    };
    for (size_t i = 0; i < figure.elements.size(); ++i) {
        switchesBefore(i);
        const Element& e = figure.elements[i];
        if (auto s = std::get_if<Segment>(&e.shape)) {
            out += "_line ";
            appendPoint(out, s->a);
            out += ' ';
            appendPoint(out, s->b);
            out += "\r\n";
            endLine(out);
        } else if (auto t = std::get_if<Text>(&e.shape)) {
            out += "_dtext j ";
            out += justifyToken(t->justify);
            out += ' ';
            appendPoint(out, t->at);
            out += " h ";
            appendNum(out, t->height);
            out += " r ";
            appendNum(out, t->angleDeg);
            out += ' ';
            out += t->text;
            out += " \r\n";
            endLine(out);
            for (int k = 0; k < t->breaks; ++k) out += "\r\r\n";
        }
    }
    switchesBefore(figure.elements.size());
    out += "_zoom e\r\n*キャンセル*\r\n";
    return out;
}

}  // namespace zumenko
