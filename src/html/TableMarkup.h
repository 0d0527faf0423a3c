#pragma once

#include "core/Color.h"

#include <QString>

class CellColors;
struct ProgramOptions;

// One of the table's own colours: written only while its toggle is down.
// The swatch holds a plain RGB value; a page that shows the window's own
// colour in it puts that colour's RGB value here.
struct TableColorSwitch {
    bool on = false;
    TColor color = 0xFFFFFF; // white, as the swatches start
    bool operator==(const TableColorSwitch&) const = default;
};

// What the table page's controls hold when its markup is written.
struct TablePageModel {
    static constexpr int kMinSize = 1;
    static constexpr int kMaxSize = 50;

    int rows = 7;
    int columns = 7;
    TableColorSwitch background;            // BGCOLOR
    TableColorSwitch border;                // BORDERCOLOR
    TableColorSwitch borderLight;           // BORDERCOLORLIGHT
    TableColorSwitch borderDark;            // BORDERCOLORDARK
    QString cellText = QStringLiteral("★"); // the option tblchar
    bool operator==(const TablePageModel&) const = default;
};

// The page as it starts, with the cell text of the options.
TablePageModel InitialTablePageModel(const ProgramOptions& options);

// The TABLE, TR and TD markup of the page: tag and attribute words in the
// options' letter case, colours always as "#RRGGBB" in double quotes, a
// line break after the table tag and after each row when htmlcr is on.
// Cells without a background are written without BGCOLOR, cells without a
// text colour hold the bare cell text. Rows and columns are cut to 1..50.
QString WriteGradientTableHtml(const TablePageModel& page, const CellColors& cells,
                               const ProgramOptions& options);
