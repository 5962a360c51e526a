// Cell-text table: the document's grids. Row 0 holds the headings, column 0 the labels
// "r:"; data rows count from 1. A table never changes its size.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace common {

enum class CellColor : std::uint8_t { Black, Purple };

struct Rgb {
    int r, g, b;
};
inline constexpr Rgb kPurple{128, 0, 128};

class Table {
public:
    using Row = std::vector<std::string>;

    Table(int dataRows, int dataCols);

    // Sizes including the heading row and the label column.
    int rows() const { return static_cast<int>(cells_.size()); }
    int cols() const { return cols_; }
    int dataRows() const { return rows() - 1; }
    int dataCols() const { return cols_ - 1; }

    // Out-of-range reads give "", out-of-range writes are ignored.
    const std::string& text(int r, int c) const {
        if (!inRange(r, c)) return emptyText();
        return cells_[static_cast<size_t>(r)][static_cast<size_t>(c)];
    }
    void setText(int r, int c, std::string s) {
        if (!inRange(r, c)) return;
        auto& cell = cells_[static_cast<size_t>(r)][static_cast<size_t>(c)];
        if (cell == s) return;
        cell = std::move(s);
        touch();
    }
    CellColor color(int r, int c) const;
    void setColor(int r, int c, CellColor color);

    const Row& row(int r) const;
    bool rowHasText(int r) const;  // any data column (1..) of row r not empty

    // Every cell, headings and labels included, empty and black.
    void clearAll();
    // Row 0: headings[i] goes to column i + 1; column 0 of row 0 becomes corner.
    void setHeadings(const std::vector<std::string>& headings, const std::string& corner = "");
    // Column 0 of every data row: "1:", "2:", ...
    void relabel();

    // Removes data row k and appends an empty row, then relabels.
    void removeRow(int k);
    // Inserts an empty row before data row k and drops the last row, then relabels.
    // The caller decides beforehand whether the last row may be dropped (lastRowEmpty()).
    void insertRowBefore(int k);
    bool lastRowEmpty() const { return !rowHasText(dataRows()); }

    // Stable sort of data rows first..last (colours move with their rows); relabels.
    void sortRows(int first, int last, const std::function<bool(const Row&, const Row&)>& less);

    int currentRow() const { return currentRow_; }
    int currentCol() const { return currentCol_; }
    void setCurrent(int r, int c);
    void setCurrentRow(int r) { setCurrent(r, currentCol_); }

    // Grows with every change of a text or colour; views poll it.
    std::uint64_t revision() const { return revision_; }

private:
    static const std::string& emptyText();
    bool inRange(int r, int c) const { return r >= 0 && r < rows() && c >= 0 && c < cols_; }
    void touch() { ++revision_; }

    int cols_;
    std::vector<Row> cells_;
    // Row by row in one block: a row of colours is cols_ entries from r * cols_.
    std::vector<CellColor> colors_;
    size_t colorAt(int r, int c) const {
        return static_cast<size_t>(r) * static_cast<size_t>(cols_) + static_cast<size_t>(c);
    }
    std::vector<CellColor>::iterator rowColors(int r) {
        return colors_.begin() + static_cast<std::ptrdiff_t>(colorAt(r, 0));
    }
    int currentRow_ = 1;
    int currentCol_ = 1;
    std::uint64_t revision_ = 0;
};

}  // namespace common
