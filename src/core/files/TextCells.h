#pragma once
// Splitting of imported text into lines and cells.
#include <string>
#include <string_view>
#include <vector>

namespace averoz {

// Lines ended by CR LF, LF or CR; a final line end does not start another line.
std::vector<std::string_view> SplitLines(std::string_view text);

// Cells of one line: separated by "," or by runs of blanks (space, tab, other control
// characters); blanks around a "," belong to the separator. A cell starting with a double
// quote runs to the matching quote ("" inside stands for one). Two commas in a row give an
// empty cell, and so does a "," that ends the line. Cells are trimmed.
void SplitCells(std::string_view line, std::vector<std::string>& cells);

}  // namespace averoz
