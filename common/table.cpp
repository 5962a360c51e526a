// Cell-text table of fixed size with row operations that keep the size.
#include "common/table.h"

#include <algorithm>
#include <numeric>

namespace common {

Table::Table(int dataRows, int dataCols)
    : cols_(dataCols + 1),
      cells_(static_cast<size_t>(dataRows + 1), Row(static_cast<size_t>(dataCols + 1))),
      colors_(static_cast<size_t>(dataRows + 1) * static_cast<size_t>(dataCols + 1),
              CellColor::Black) {
    relabel();
}

const std::string& Table::emptyText() {
    static const std::string empty;
    return empty;
}

CellColor Table::color(int r, int c) const {
    if (!inRange(r, c)) return CellColor::Black;
    return colors_[colorAt(r, c)];
}

void Table::setColor(int r, int c, CellColor color) {
    if (!inRange(r, c)) return;
    auto& cell = colors_[colorAt(r, c)];
    if (cell == color) return;
    cell = color;
    touch();
}

const Table::Row& Table::row(int r) const {
    static const Row empty;
    if (r < 0 || r >= rows()) return empty;
    return cells_[static_cast<size_t>(r)];
}

bool Table::rowHasText(int r) const {
    if (r < 1 || r >= rows()) return false;
    const auto& row = cells_[static_cast<size_t>(r)];
    return std::any_of(row.begin() + 1, row.end(), [](const std::string& s) { return !s.empty(); });
}

void Table::clearAll() {
    for (auto& row : cells_)
        for (auto& cell : row) cell.clear();
    std::fill(colors_.begin(), colors_.end(), CellColor::Black);
    touch();
}

void Table::setHeadings(const std::vector<std::string>& headings, const std::string& corner) {
    cells_[0][0] = corner;
    for (size_t i = 0; i < headings.size() && i + 1 < static_cast<size_t>(cols_); ++i)
        cells_[0][i + 1] = headings[i];
    touch();
}

namespace {
// "1:", "2:", ... made once: the calculations relabel their tables on every run.
const std::string& rowLabel(int r) {
    static const std::vector<std::string> labels = [] {
        std::vector<std::string> l(1001);
        for (int i = 1; i < static_cast<int>(l.size()); ++i)
            l[static_cast<size_t>(i)] = std::to_string(i) + ":";
        return l;
    }();
    return labels[static_cast<size_t>(r)];
}
}  // namespace

void Table::relabel() {
    for (int r = 1; r < rows(); ++r) {
        auto& cell = cells_[static_cast<size_t>(r)][0];
        if (r < 1001)
            cell = rowLabel(r);
        else
            cell = std::to_string(r) + ":";
    }
    touch();
}

void Table::removeRow(int k) {
    if (k < 1 || k >= rows()) return;
    cells_.erase(cells_.begin() + k);
    cells_.emplace_back(static_cast<size_t>(cols_));
    // Rows k+1.. move up one row; the new last row is black.
    std::rotate(rowColors(k), rowColors(k + 1), colors_.end());
    std::fill(rowColors(rows() - 1), colors_.end(), CellColor::Black);
    relabel();
}

void Table::insertRowBefore(int k) {
    if (k < 1 || k >= rows()) return;
    cells_.pop_back();
    cells_.insert(cells_.begin() + k, Row(static_cast<size_t>(cols_)));
    // Rows k.. move down one row, the last one dropped; the new row k is black.
    std::rotate(rowColors(k), rowColors(rows() - 1), colors_.end());
    std::fill(rowColors(k), rowColors(k + 1), CellColor::Black);
    relabel();
}

void Table::sortRows(int first, int last, const std::function<bool(const Row&, const Row&)>& less) {
    first = std::max(first, 1);
    last = std::min(last, dataRows());
    if (first >= last) {
        relabel();
        return;
    }
    std::vector<size_t> order(static_cast<size_t>(last - first + 1));
    std::iota(order.begin(), order.end(), static_cast<size_t>(first));
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return less(cells_[a], cells_[b]); });
    std::vector<Row> rowsSorted;
    std::vector<CellColor> colorsSorted;
    rowsSorted.reserve(order.size());
    colorsSorted.reserve(order.size() * static_cast<size_t>(cols_));
    for (size_t i : order) {
        rowsSorted.push_back(std::move(cells_[i]));
        const auto from = rowColors(static_cast<int>(i));
        colorsSorted.insert(colorsSorted.end(), from, from + cols_);
    }
    for (size_t i = 0; i < order.size(); ++i)
        cells_[static_cast<size_t>(first) + i] = std::move(rowsSorted[i]);
    std::copy(colorsSorted.begin(), colorsSorted.end(), rowColors(first));
    relabel();
}

void Table::setCurrent(int r, int c) {
    r = std::clamp(r, 1, std::max(1, dataRows()));
    c = std::clamp(c, cols_ > 1 ? 1 : 0, std::max(0, cols_ - 1));
    if (r == currentRow_ && c == currentCol_) return;
    currentRow_ = r;
    currentCol_ = c;
}

}  // namespace common
