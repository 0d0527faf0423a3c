#pragma once

#include <QString>

class CellColors;
struct ProgramOptions;
struct TablePageModel;

// The table page's markup in CSS: the table's background and borders in
// the TABLE's style, each cell's colours as background-color and color in
// its TD's style. With any border colour on, the table and its cells get
// the borders, padding and spacing of a border="1" table (3 pixels each),
// the light colour on the raised sides and the dark one on the sunken
// sides; a side without a colour of its own is gray, as browsers draw it.
// A border colour alone draws flat (solid), as browsers draw bordercolor.
// Tag and attribute names in the options' letter case, the CSS in lower
// case, colours always "#RRGGBB", line breaks as the FONT writer makes
// them. Rows and columns are cut to 1..50.
QString WriteGradientTableCss(const TablePageModel& page, const CellColors& cells,
                              const ProgramOptions& options);
