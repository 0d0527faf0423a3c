#include "html/TableMarkup.h"

#include "html/CellColors.h"
#include "html/HtmlCase.h"
#include "settings/ProgramOptions.h"

#include <algorithm>

namespace {

const QLatin1Char kQuote('"');

// The case-dependent words, made once per run.
struct TableWords {
    explicit TableWords(HtmlCase mode)
        : table(ApplyHtmlCase(QStringLiteral("TABLE"), mode)),
          tr(ApplyHtmlCase(QStringLiteral("TR"), mode)),
          td(ApplyHtmlCase(QStringLiteral("TD"), mode)),
          bgcolor(ApplyHtmlCase(QStringLiteral("BGCOLOR="), mode)),
          fontOpen(ApplyHtmlCase(QStringLiteral("FONT "), mode) +
                   ApplyHtmlCase(QStringLiteral("COLOR=\""), mode)),
          fontClose(QStringLiteral("</") + ApplyHtmlCase(QStringLiteral("FONT>"), mode)) {}

    QString table, tr, td, bgcolor, fontOpen, fontClose;
};

// ColorToHtml without a formatted print per cell: a full table has 5000
// colours.
void AppendColor(QString& out, TColor color) {
    static const char kDigits[] = "0123456789ABCDEF";
    char text[7] = {'#'};
    const int channels[] = {ColorRed(color), ColorGreen(color), ColorBlue(color)};
    for (int i = 0; i < 3; ++i) {
        text[1 + 2 * i] = kDigits[channels[i] >> 4];
        text[2 + 2 * i] = kDigits[channels[i] & 0xF];
    }
    out += QLatin1StringView(text, 7);
}

// A blank, the word, the colour in double quotes.
void AppendColorAttribute(QString& out, const QString& word, TColor color) {
    out += QLatin1Char(' ');
    out += word;
    out += kQuote;
    AppendColor(out, color);
    out += kQuote;
}

} // namespace

TablePageModel InitialTablePageModel(const ProgramOptions& options) {
    TablePageModel page;
    page.cellText = options.tblchar;
    return page;
}

QString WriteGradientTableHtml(const TablePageModel& page, const CellColors& cells,
                               const ProgramOptions& options) {
    const HtmlCase mode = options.htmlcase;
    const QString nl = HtmlLineBreak(options);
    const TableWords words(mode);
    const int rows = std::clamp(page.rows, TablePageModel::kMinSize, TablePageModel::kMaxSize);
    const int columns =
        std::clamp(page.columns, TablePageModel::kMinSize, TablePageModel::kMaxSize);

    QString out;
    // A fully coloured 50 x 50 table takes about 90 characters a cell.
    out.reserve(rows * columns * (60 + page.cellText.size()) + rows * 16 + 256);

    out += QLatin1Char('<');
    out += words.table;
    if (page.background.on)
        AppendColorAttribute(out, words.bgcolor, page.background.color);
    if (page.border.on || page.borderLight.on || page.borderDark.on) {
        // Each piece carries its own blanks, so two stand before each.
        out += QLatin1Char(' ');
        out += ApplyHtmlCase(QStringLiteral(" border=\"1\" "), mode);
        out += ApplyHtmlCase(QStringLiteral(" cellpadding=\"3\" "), mode);
        out += ApplyHtmlCase(QStringLiteral(" cellspacing=\"3\" "), mode);
    }
    if (page.border.on)
        AppendColorAttribute(out, ApplyHtmlCase(QStringLiteral("BORDERCOLOR="), mode),
                             page.border.color);
    // Light before dark.
    if (page.borderLight.on)
        AppendColorAttribute(out, ApplyHtmlCase(QStringLiteral("BORDERCOLORLIGHT="), mode),
                             page.borderLight.color);
    if (page.borderDark.on)
        AppendColorAttribute(out, ApplyHtmlCase(QStringLiteral("BORDERCOLORDARK="), mode),
                             page.borderDark.color);
    out += QLatin1Char('>');
    out += nl;

    for (int row = 0; row < rows; ++row) {
        out += QLatin1Char('<');
        out += words.tr;
        out += QLatin1Char('>');
        out += nl;
        for (int column = 0; column < columns; ++column) {
            out += QLatin1Char('<');
            out += words.td;
            if (const std::optional<TColor> back = cells.background({column, row}))
                AppendColorAttribute(out, words.bgcolor, *back);
            out += QLatin1Char('>');
            if (const std::optional<TColor> text = cells.text({column, row})) {
                out += QLatin1Char('<');
                out += words.fontOpen;
                AppendColor(out, *text);
                out += kQuote;
                out += QLatin1Char('>');
                out += page.cellText;
                out += words.fontClose;
            } else {
                out += page.cellText;
            }
            out += QStringLiteral("</");
            out += words.td;
            out += QLatin1Char('>');
        }
        out += QStringLiteral("</");
        out += words.tr;
        out += QLatin1Char('>');
        out += nl;
    }
    out += QStringLiteral("</");
    out += words.table;
    out += QLatin1Char('>');
    out += nl;
    return out;
}
