// Code page 932 on every system: each character of the code page read and written, the
// listing compared by its digest, so that Linux and Windows builds give the same bytes.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>

#include "common/platform/cp932.h"
#include "support/golden.h"

namespace {

std::string hex(std::string_view bytes) {
    std::string s;
    char buf[4];
    for (unsigned char c : bytes) {
        std::snprintf(buf, sizeof buf, " %02X", c);
        s += buf;
    }
    return s;
}

std::string codePoints(std::string_view utf8) {
    std::string s;
    char buf[12];
    for (size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        const size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        uint32_t cp = n == 1 ? c : c & (0x7F >> n);
        for (size_t k = 1; k < n; ++k) cp = cp << 6 | (utf8[i + k] & 0x3F);
        std::snprintf(buf, sizeof buf, " U+%04X", static_cast<unsigned>(cp));
        s += buf;
        i += n;
    }
    return s;
}

std::string utf8Of(uint32_t cp) {
    std::string s;
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | cp >> 6);
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | cp >> 12);
        s += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return s;
}

uint64_t fnv1a(std::string_view s) {
    uint64_t h = 0xcbf29ce484222325ull;
    for (unsigned char c : s) h = (h ^ c) * 0x100000001b3ull;
    return h;
}

// Every single byte and every double-byte code (lead 81-FC, trail 40-FC) that reads as
// characters, with what the characters are written back as; then every character of the
// Basic Multilingual Plane that can be written, with its bytes.
struct Walk {
    std::string listing;
    std::string allBytes;  // the readable codes one after another
    std::string allText;   // what they read as
    std::string allWritten;
};

Walk walk() {
    Walk w;
    for (unsigned code = 0; code <= 0xFCFC; ++code) {
        std::string bytes;
        if (code <= 0xFF) {
            bytes = std::string(1, static_cast<char>(code));
        } else {
            const unsigned lead = code >> 8, trail = code & 0xFF;
            if (lead < 0x81 || trail < 0x40 || trail > 0xFC) continue;
            bytes = {static_cast<char>(lead), static_cast<char>(trail)};
        }
        bool invalid = false;
        const std::string text = platform::cp932ToUtf8(bytes, &invalid);
        if (invalid) continue;
        const auto back = platform::utf8ToCp932(text);
        char head[8];
        std::snprintf(head, sizeof head, "%04X", code);
        w.listing += head + codePoints(text) + " ->" + (back ? hex(*back) : " X") + "\n";
        w.allBytes += bytes;
        w.allText += text;
        if (back) w.allWritten += *back;
    }
    for (uint32_t cp = 0; cp <= 0xFFFF; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF) continue;
        const auto bytes = platform::utf8ToCp932(utf8Of(cp));
        if (bytes) w.listing += codePoints(utf8Of(cp)).substr(1) + " ->" + hex(*bytes) + "\n";
    }
    return w;
}

}  // namespace

TEST(Cp932Walk, EveryCharacterReadsAndWritesAsOnEverySystem) {
    const Walk w = walk();
    // The digest of the listing both systems give; on a change the listing is written out
    // to compare with the other system's.
    const uint64_t digest = fnv1a(w.listing);
    char text[20];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(digest));
    if (std::string(text) != "797cc157c515b267") {
        const auto out = testing_support::testData("platform/cp932_walk.txt.out");
        std::filesystem::create_directories(out.parent_path());
        std::ofstream(out, std::ios::binary) << w.listing;
        ADD_FAILURE() << "listing digest " << text << ", written to " << out;
    }
    // Whole texts convert as their characters one by one.
    EXPECT_EQ(platform::cp932ToUtf8(w.allBytes), w.allText);
    EXPECT_EQ(platform::utf8ToCp932(w.allText), w.allWritten);
}

TEST(Cp932, WritesWhatJapaneseInputTypesAndRefusesTheRest) {
    struct Case {
        const char* text;
        std::optional<std::string> bytes;  // nullopt: refused, naming the character
    };
    const Case cases[] = {
        {"～－①㎜髙ｱ", std::string("\x81\x60\x81\x7C\x87\x40\x87\x6F\xFB\xFC\xB1")},
        {"\\~", std::string("\\~")},
        // Typed on other systems for ～ － ― ∥ ￠ ￡ ￢, and the yen key: one byte 0x5C.
        {"〜−—‖¢£¬", std::string("\x81\x60\x81\x7C\x81\x5C\x81\x61\x81\x91\x81\x92\x81\xCA")},
        {"¥‾", std::string("\\~")},
        // Of two codes for one character, the one Windows writes.
        {"ⅰ纊∵≒", std::string("\xFA\x40\xFA\x5C\x81\xE6\x81\xE0")},
        // No best fit: these have no CP932 form, whatever a system would substitute.
        {"é", std::nullopt},
        {"😀", std::nullopt},
        {"\u0080", std::nullopt},
        {"\uF8F0", std::nullopt},
        {"·", std::nullopt},
    };
    for (const auto& c : cases) {
        std::string bad;
        const auto got = platform::utf8ToCp932(std::string("a") + c.text + "b", &bad);
        if (c.bytes) {
            EXPECT_EQ(got, "a" + *c.bytes + "b") << c.text;
        } else {
            EXPECT_FALSE(got) << c.text;
            EXPECT_EQ(bad, c.text);
        }
    }
    std::string bad;
    EXPECT_FALSE(platform::utf8ToCp932("ok\xFF", &bad));  // not UTF-8 at all
    EXPECT_EQ(bad, "\xFF");
    EXPECT_FALSE(platform::utf8ToCp932("é😀", &bad));  // the first is named
    EXPECT_EQ(bad, "é");
}

TEST(Cp932, BytesThatStartNoCharacterReadAsReplacementsAndReadingGoesOn) {
    const struct {
        std::string bytes;
        const char* text;
    } cases[] = {
        {"\x80", "\uFFFD"},  // single bytes some systems give a private character
        {"\xA0\xFD\xFE\xFF", "\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"a\x81", "a\uFFFD"},         // a lead byte at the end
        {"\x81\x20x", "\uFFFD x"},    // a lead byte without its trail byte
        {"\x85\x40", "\uFFFD@"},      // a code the code page leaves free
        {"\xED\x40\xFA\x40", "纊ⅰ"},  // the extension rows are characters
    };
    for (const auto& c : cases) {
        bool invalid = false;
        EXPECT_EQ(platform::cp932ToUtf8(c.bytes, &invalid), c.text);
        EXPECT_EQ(invalid, std::string(c.text).find("\uFFFD") != std::string::npos) << c.text;
    }
}
