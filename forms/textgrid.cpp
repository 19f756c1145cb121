#include "forms/textgrid.h"

#include <algorithm>

namespace rp {

namespace {
const std::string kEmpty;
}

TextGrid::TextGrid(int rows, int cols, int fixedRows, int fixedCols) {
    SetFixed(fixedRows, fixedCols);
    Resize(rows, cols);
}

void TextGrid::SetFixed(int fixedRows, int fixedCols) {
    fixedRows_ = std::max(0, fixedRows);
    fixedCols_ = std::max(0, fixedCols);
    ++layoutRevision_;
    ++revision_;
}

void TextGrid::Resize(int rows, int cols) {
    rows = std::max(0, rows);
    cols = std::max(0, cols);
    if (rows == rows_ && cols == cols_) return;
    std::vector<std::string> text(static_cast<size_t>(rows) * cols);
    std::vector<std::int32_t> fore(text.size(), kNoColor), back(text.size(), kNoColor);
    for (int r = 0; r < std::min(rows, rows_); ++r) {
        for (int c = 0; c < std::min(cols, cols_); ++c) {
            const size_t from = static_cast<size_t>(r) * cols_ + c;
            const size_t to = static_cast<size_t>(r) * cols + c;
            text[to] = std::move(text_[from]);
            fore[to] = fore_[from];
            back[to] = back_[from];
        }
    }
    text_ = std::move(text);
    fore_ = std::move(fore);
    back_ = std::move(back);
    rows_ = rows;
    cols_ = cols;
    colWidth_.resize(cols, kDefaultSize);
    rowHeight_.resize(rows, kDefaultSize);
    ++layoutRevision_;
    ++revision_;
}

int TextGrid::Index(int row, int col) const {
    if (row < 0 || col < 0 || row >= rows_ || col >= cols_) return -1;
    return row * cols_ + col;
}

const std::string& TextGrid::Text(int row, int col) const {
    const int i = Index(row, col);
    return i < 0 ? kEmpty : text_[i];
}

void TextGrid::SetText(int row, int col, std::string text) {
    const int i = Index(row, col);
    if (i < 0) return;
    text_[i] = std::move(text);
    ++revision_;
}

std::int32_t TextGrid::ForeColor(int row, int col) const {
    const int i = Index(row, col);
    return i < 0 ? kNoColor : fore_[i];
}

std::int32_t TextGrid::BackColor(int row, int col) const {
    const int i = Index(row, col);
    return i < 0 ? kNoColor : back_[i];
}

void TextGrid::SetForeColor(int row, int col, std::int32_t rgb) {
    const int i = Index(row, col);
    if (i < 0) return;
    fore_[i] = rgb;
    ++revision_;
}

void TextGrid::SetBackColor(int row, int col, std::int32_t rgb) {
    const int i = Index(row, col);
    if (i < 0) return;
    back_[i] = rgb;
    ++revision_;
}

const std::string& TextGrid::Cell(int flatIndex) const {
    if (flatIndex < 0 || flatIndex >= static_cast<int>(text_.size())) return kEmpty;
    return text_[flatIndex];
}

void TextGrid::SetCell(int flatIndex, std::string text) {
    if (flatIndex < 0 || flatIndex >= static_cast<int>(text_.size())) return;
    text_[flatIndex] = std::move(text);
    ++revision_;
}

void TextGrid::Clear() {
    for (auto& t : text_) t.clear();
    std::fill(fore_.begin(), fore_.end(), kNoColor);
    std::fill(back_.begin(), back_.end(), kNoColor);
    ++revision_;
}

int TextGrid::ColWidth(int col) const {
    return (col < 0 || col >= cols_) ? kDefaultSize : colWidth_[col];
}

void TextGrid::SetColWidth(int col, int twips) {
    if (col < 0 || col >= cols_) return;
    colWidth_[col] = std::max(kDefaultSize, twips);
    ++layoutRevision_;
    ++revision_;
}

int TextGrid::RowHeight(int row) const {
    return (row < 0 || row >= rows_) ? kDefaultSize : rowHeight_[row];
}

void TextGrid::SetRowHeight(int row, int twips) {
    if (row < 0 || row >= rows_) return;
    rowHeight_[row] = std::max(kDefaultSize, twips);
    ++layoutRevision_;
    ++revision_;
}

}  // namespace rp
