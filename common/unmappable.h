// Characters that Shift_JIS (code page 932) cannot hold, found where they stand, so that a
// refused save names each of them and its cell or setting instead of only the first.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/table.h"

namespace common {

// A character as a person can find it: 「🙂」（U+1F642）, or by its code alone when it
// shows nothing (U+00A0（見えない文字）, U+200B, U+FEFF …).
std::string characterName(std::string_view utf8Char);

class UnmappableFinder {
public:
    struct Found {
        std::string character;  // UTF-8
        std::string place;
    };

    // Looks through one text; place is asked for only when the text holds such a
    // character. Each character counts once per text.
    void text(std::string_view text, const std::function<std::string()>& place);
    // Every cell of columns 1..lastCol of a table: "name 3 行目「heading」".
    void table(const std::string& name, const Table& t, int lastCol);

    bool any() const { return total_ > 0; }
    const std::vector<Found>& found() const { return found_; }  // the first ten

    // "Shift_JIS で保存できない文字が…" with one line per character found, then how many
    // more; then names what the user does next ("保存してください。"). "" when none.
    std::string message(const std::string& then) const;

private:
    std::vector<Found> found_;
    size_t total_ = 0;
};

}  // namespace common
