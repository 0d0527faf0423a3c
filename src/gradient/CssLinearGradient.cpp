#include "gradient/CssLinearGradient.h"

#include "core/CssColorText.h"
#include "gradient/GradientFit.h"
#include "gradient/GradientTableList.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr int kMaxArguments = 1000;
constexpr int kMaxDetail = 60;

struct CssError {
    GradientImportError error;
    int stop = 0;
    QString detail;
};

QString Shortened(const QString& text) {
    const QString simple = text.simplified();
    return simple.size() > kMaxDetail ? simple.left(kMaxDetail) + QStringLiteral("…") : simple;
}

QString WithoutComments(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'/' && i + 1 < text.size() && text.at(i + 1) == u'*') {
            const qsizetype end = text.indexOf(QStringLiteral("*/"), i + 2);
            if (end < 0)
                break;
            i = end + 1;
            result += u' ';
        } else {
            result += text.at(i);
        }
    }
    return result;
}

// Splits at `separator` (or at white space when it is a space) outside parentheses.
QStringList SplitTopLevel(const QString& text, QChar separator) {
    QStringList parts;
    QString part;
    int depth = 0;
    for (const QChar c : text) {
        const bool split = separator == u' ' ? c.isSpace() : c == separator;
        if (depth == 0 && split) {
            parts << part;
            part.clear();
            continue;
        }
        if (c == u'(')
            ++depth;
        else if (c == u')' && depth > 0)
            --depth;
        part += c;
    }
    parts << part;
    if (separator == u' ')
        parts.removeAll(QString());
    return parts;
}

const QRegularExpression& NumberWithUnit() {
    static const QRegularExpression re(
        QStringLiteral("^([+-]?(?:\\d+\\.?\\d*|\\.\\d+)(?:[eE][+-]?\\d+)?)([a-zA-Z%]*)$"));
    return re;
}

bool LooksLikePosition(const QString& token) {
    const QChar c = token.front();
    return c.isDigit() || c == u'.' || c == u'+' || c == u'-' ||
           token.startsWith(QLatin1String("calc("), Qt::CaseInsensitive);
}

// A position on the axis 0..300; nullopt when it is not a percentage or 0.
std::optional<double> AxisPosition(const QString& token) {
    const QRegularExpressionMatch match = NumberWithUnit().match(token);
    if (!match.hasMatch())
        return std::nullopt;
    const double value = match.captured(1).toDouble();
    const QString unit = match.captured(2);
    if (!std::isfinite(value) || !(unit == u'%' || (unit.isEmpty() && value == 0)))
        return std::nullopt;
    // Far outside the box every position paints alike.
    return std::clamp(value, -1e6, 1e6) * kGradientAxisEnd / 100;
}

// The left-to-right directions: to right, 90deg and its other units.
bool RunsLeftToRight(const QStringList& direction, bool prefixed) {
    if (direction.isEmpty())
        return true;
    const QString words = direction.join(u' ').toLower();
    if (words == QLatin1String("to right") || (prefixed && words == QLatin1String("left")))
        return true;
    const QRegularExpressionMatch match = NumberWithUnit().match(words);
    if (!match.hasMatch())
        return false;
    const double value = match.captured(1).toDouble();
    const QString unit = match.captured(2);
    double turns = -1;
    if (unit == QLatin1String("deg"))
        turns = value / 360;
    else if (unit == QLatin1String("grad"))
        turns = value / 400;
    else if (unit == QLatin1String("rad"))
        turns = value / (2 * 3.14159265358979);
    else if (unit == QLatin1String("turn"))
        turns = value;
    // The prefixed forms count angles from the other side.
    const double wanted = prefixed ? 0.0 : 0.25;
    return std::abs(turns - std::floor(turns) - wanted) < 1e-3;
}

bool IsLineArgument(const QString& first) {
    static const QStringList words{QStringLiteral("to"),    QStringLiteral("in"),
                                   QStringLiteral("left"),  QStringLiteral("right"),
                                   QStringLiteral("top"),   QStringLiteral("bottom"),
                                   QStringLiteral("center")};
    if (words.contains(first.toLower()))
        return true;
    const QRegularExpressionMatch match = NumberWithUnit().match(first);
    return match.hasMatch() && QStringList({QStringLiteral("deg"), QStringLiteral("grad"),
                                            QStringLiteral("rad"), QStringLiteral("turn")})
                                   .contains(match.captured(2).toLower());
}

struct RealStop {
    std::optional<double> position;
    TColor color = 0;
};

// Where browsers put stops: missing ends at 0 and 100%, no stop before an
// earlier one, missing ones spread evenly between their neighbours.
void PlaceStops(std::vector<RealStop>& stops) {
    if (!stops.front().position)
        stops.front().position = 0;
    if (!stops.back().position)
        stops.back().position = double(kGradientAxisEnd);
    double highest = *stops.front().position;
    for (RealStop& stop : stops) {
        if (stop.position) {
            stop.position = std::max(*stop.position, highest);
            highest = *stop.position;
        }
    }
    for (size_t i = 1; i < stops.size(); ++i) {
        if (stops[i].position)
            continue;
        size_t end = i;
        while (!stops[end].position)
            ++end;
        const double from = *stops[i - 1].position;
        const double step = (*stops[end].position - from) / double(end - i + 1);
        for (size_t k = i; k < end; ++k)
            stops[k].position = from + step * double(k - i + 1);
    }
}

// The stops on whole axis positions, the first and last colour held out to
// the ends, when that loses nothing but rounding.
std::optional<std::vector<GradientStop>> PlainStops(const std::vector<RealStop>& stops) {
    std::vector<GradientStop> plain;
    for (const RealStop& stop : stops) {
        if (*stop.position < -0.5 || *stop.position > kGradientAxisEnd + 0.5)
            return std::nullopt;
        const int position = int(std::lround(*stop.position));
        if (!plain.empty() && position <= plain.back().position)
            return std::nullopt;
        plain.push_back({position, stop.color});
    }
    if (plain.front().position > 0)
        plain.insert(plain.begin(), {0, plain.front().color});
    if (plain.back().position < kGradientAxisEnd)
        plain.push_back({kGradientAxisEnd, plain.back().color});
    if (plain.size() > size_t(kMaxGradientStops))
        return std::nullopt;
    return plain;
}

GradientColumns Columns(const std::vector<RealStop>& stops) {
    const auto sample = [](TColor c) {
        return GradientSample{double(ColorRed(c)), double(ColorGreen(c)), double(ColorBlue(c))};
    };
    GradientColumns columns{};
    for (int x = 0; x <= kGradientAxisEnd; ++x) {
        // The last stop at or left of the column; the later of two at one place wins.
        size_t k = 0;
        while (k < stops.size() && *stops[k].position <= x)
            ++k;
        if (k == 0 || k == stops.size()) {
            columns[size_t(x)] = sample(stops[k == 0 ? 0 : k - 1].color);
            continue;
        }
        const RealStop& a = stops[k - 1];
        const RealStop& b = stops[k];
        const double t = (x - *a.position) / (*b.position - *a.position);
        const GradientSample l = sample(a.color);
        const GradientSample r = sample(b.color);
        columns[size_t(x)] = {l.red + (r.red - l.red) * t, l.green + (r.green - l.green) * t,
                              l.blue + (r.blue - l.blue) * t};
    }
    return columns;
}

ImportedGradient ReadOne(const QString& arguments, bool prefixed, const QString& name) {
    QStringList parts = SplitTopLevel(arguments, u',');
    if (parts.size() > kMaxArguments)
        throw CssError{GradientImportError::BadCssGradient, 0, QStringLiteral("too many stops")};
    ImportedGradient gradient;
    gradient.name = name;
    const QStringList first = SplitTopLevel(parts.front(), u' ');
    if (!first.isEmpty() && IsLineArgument(first.front())) {
        const qsizetype in = first.indexOf(QStringLiteral("in"));
        if (!RunsLeftToRight(first.mid(0, in < 0 ? first.size() : in), prefixed))
            gradient.notes |= GradientDirectionIgnored;
        if (in >= 0 && first.mid(in + 1).join(u' ').toLower() != QLatin1String("srgb"))
            gradient.notes |= GradientSpaceIgnored;
        parts.removeFirst();
    }
    std::vector<RealStop> stops;
    int number = 0;
    for (const QString& part : parts) {
        ++number;
        QStringList tokens = SplitTopLevel(part, u' ');
        if (tokens.isEmpty())
            throw CssError{GradientImportError::BadCssGradient, number,
                           QStringLiteral("empty colour stop")};
        QStringList positions;
        while (tokens.size() > 1 && positions.size() < 2 && LooksLikePosition(tokens.back()))
            positions.prepend(tokens.takeLast());
        if (tokens.size() == 1 && LooksLikePosition(tokens.front())) {
            gradient.notes |= GradientHintsIgnored; // a transition hint, no colour of its own
            continue;
        }
        const QString colorText = tokens.join(u' ');
        const CssColorInput color = ReadCssColorText(colorText);
        if (!color)
            throw CssError{GradientImportError::BadCssColor, number, Shortened(colorText)};
        if (positions.isEmpty())
            stops.push_back({std::nullopt, color.color});
        for (const QString& text : positions) {
            const std::optional<double> position = AxisPosition(text);
            if (!position)
                throw CssError{GradientImportError::BadCssPosition, number, Shortened(text)};
            stops.push_back({position, color.color});
        }
    }
    if (stops.empty())
        throw CssError{GradientImportError::BadCssGradient, 0, QStringLiteral("no colour stops")};
    PlaceStops(stops);
    if (const auto plain = PlainStops(stops)) {
        gradient.stops = *plain;
    } else {
        GradientFitResult fit = FitGradientStops(Columns(stops));
        gradient.stops = std::move(fit.stops);
        gradient.maxError = fit.maxError;
        gradient.notes |= GradientSampled;
    }
    return gradient;
}

const QRegularExpression& GradientStart() {
    static const QRegularExpression re(
        QStringLiteral("(repeating-|-webkit-|-moz-)?linear-gradient\\("),
        QRegularExpression::CaseInsensitiveOption);
    return re;
}

} // namespace

bool ContainsCssLinearGradient(const QString& text) {
    return text.contains(QLatin1String("linear-gradient("), Qt::CaseInsensitive);
}

GradientImport ReadCssLinearGradients(const QString& text, const QString& name) {
    GradientImport result;
    const QString css = WithoutComments(text);
    QRegularExpressionMatchIterator it = GradientStart().globalMatch(css);
    qsizetype resumeAt = 0;
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        if (match.capturedStart() < resumeAt)
            continue; // inside the one read before
        const QString prefix = match.captured(1).toLower();
        if (prefix == QLatin1String("repeating-"))
            continue;
        const int number = int(result.gradients.size()) + 1;
        qsizetype end = match.capturedEnd();
        for (int depth = 1; end < css.size(); ++end) {
            if (css.at(end) == u'(')
                ++depth;
            else if (css.at(end) == u')' && --depth == 0)
                break;
        }
        if (end >= css.size()) {
            result.error = GradientImportError::BadCssGradient;
            result.gradient = number;
            result.detail = QStringLiteral("no closing parenthesis");
            return result;
        }
        if (number > GradientTableList::kCapacity) {
            result.error = GradientImportError::TooManyGradients;
            return result;
        }
        resumeAt = end;
        try {
            result.gradients.push_back(ReadOne(
                css.mid(match.capturedEnd(), end - match.capturedEnd()), !prefix.isEmpty(), name));
        } catch (const CssError& e) {
            result.error = e.error;
            result.gradient = number;
            result.stop = e.stop;
            result.detail = e.detail;
            result.gradients.clear();
            return result;
        }
    }
    if (result.gradients.empty())
        result.error = GradientImportError::UnknownFormat;
    return result;
}

QString CssLinearGradient(std::span<const CssGradientStop> stops,
                          GradientInterpolation interpolation) {
    QString out = QStringLiteral("linear-gradient(to right") +
                  QLatin1String(CssInterpolationClause(interpolation));
    for (const CssGradientStop& stop : stops) {
        QString percent = QString::number(stop.percent, 'f', 3);
        while (percent.endsWith(u'0'))
            percent.chop(1);
        if (percent.endsWith(u'.'))
            percent.chop(1);
        if (percent == u"-0")
            percent = QStringLiteral("0");
        out += QStringLiteral(", ") + ColorToHtml(stop.color) + u' ' + percent + u'%';
    }
    return out + u')';
}

std::vector<CssGradientStop> CssStopsOfTable(const GradientTable& table) {
    std::vector<GradientStop> sorted = table.stops();
    SortGradientStops(sorted);
    std::vector<CssGradientStop> stops;
    stops.reserve(sorted.size());
    for (const GradientStop& stop : sorted)
        stops.push_back({stop.position * 100.0 / kGradientAxisEnd, stop.color});
    return stops;
}

QString WriteCssLinearGradient(const GradientTable& table, GradientInterpolation interpolation) {
    std::vector<CssGradientStop> stops = CssStopsOfTable(table);
    if (stops.empty())
        return {};
    for (CssGradientStop& stop : stops)
        stop.percent = std::clamp(stop.percent, 0.0, 100.0);
    return CssLinearGradient(stops, interpolation);
}
