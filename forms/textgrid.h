#pragma once
// A grid of texts as the list procedures fill it: rows x columns of text
// with colours per cell, kept as one flat array (row x column count +
// column). Row 0 and column 0 are the fixed headers (a grid may have more
// fixed columns), so code and tests use the same numbers as the lists do.
// A Qt table model shows it (widgets/gridmodel.h); nothing here needs Qt.
#include <cstdint>
#include <string>
#include <vector>

namespace rp {

// Colours as 0xRRGGBB; kNoColor leaves the view's default.
inline constexpr std::int32_t kNoColor = -1;
constexpr std::int32_t Rgb(int r, int g, int b) { return (r << 16) | (g << 8) | b; }

class TextGrid {
public:
    TextGrid(int rows = 2, int cols = 2, int fixedRows = 1, int fixedCols = 1);

    // Changes the size, keeping the cells that stay inside it.
    void Resize(int rows, int cols);
    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    int FixedRows() const { return fixedRows_; }
    int FixedCols() const { return fixedCols_; }
    void SetFixed(int fixedRows, int fixedCols);

    // Cell access; a position outside the grid reads "" / kNoColor and a
    // write there is ignored.
    const std::string& Text(int row, int col) const;
    void SetText(int row, int col, std::string text);
    std::int32_t ForeColor(int row, int col) const;
    std::int32_t BackColor(int row, int col) const;
    void SetForeColor(int row, int col, std::int32_t rgb);
    void SetBackColor(int row, int col, std::int32_t rgb);
    // The flat array the lists index as row x Cols() + col.
    const std::string& Cell(int flatIndex) const;
    void SetCell(int flatIndex, std::string text);
    // Every cell empty, colours back to default; size kept.
    void Clear();

    // Widths and heights in twips: kDefaultSize (the start value) leaves the
    // view's default, 0 hides the column or row.
    static constexpr int kDefaultSize = -1;
    int ColWidth(int col) const;
    void SetColWidth(int col, int twips);
    int RowHeight(int row) const;
    void SetRowHeight(int row, int twips);

    // The current cell (the lists' Row and Col).
    int row = 1;
    int col = 1;

    // Bumped by every change; the view redraws when it moves. Layout counts
    // changes of size or fixed counts (a model reset).
    std::uint64_t Revision() const { return revision_; }
    std::uint64_t LayoutRevision() const { return layoutRevision_; }

private:
    int Index(int row, int col) const;  // -1 outside
    int rows_ = 0, cols_ = 0, fixedRows_ = 1, fixedCols_ = 1;
    std::vector<std::string> text_;
    std::vector<std::int32_t> fore_, back_;
    std::vector<int> colWidth_, rowHeight_;
    std::uint64_t revision_ = 0, layoutRevision_ = 0;
};

}  // namespace rp
