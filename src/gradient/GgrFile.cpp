#include "gradient/GgrFile.h"

#include "gradient/GradientFit.h"
#include "gradient/GradientListOps.h"

#include <QList>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>

namespace {

constexpr int kMaxSegments = 4096;
constexpr double kSlack = 1e-6;

enum class Blend { Linear, Curved, Sine, SphereIncreasing, SphereDecreasing, Step };
enum class Coloring { Rgb, HsvCounterClockwise, HsvClockwise };

using Rgba = std::array<double, 4>;

struct Segment {
    double left = 0;
    double middle = 0.5;
    double right = 1;
    Rgba leftColor{};
    Rgba rightColor{};
    Blend blend = Blend::Linear;
    Coloring coloring = Coloring::Rgb;
};

struct SegmentError {
    QString detail;
};

QList<QByteArray> Fields(const QByteArray& line) {
    return line.simplified().split(' ');
}

double Number(const QByteArray& field, int index) {
    bool ok = false;
    const double value = field.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        throw SegmentError{QStringLiteral("field %1 is not a finite number").arg(index + 1)};
    return value;
}

int Choice(const QByteArray& field, int index, int last) {
    bool ok = false;
    const int value = field.toInt(&ok);
    if (!ok || value < 0 || value > last)
        throw SegmentError{QStringLiteral("field %1 is not one of 0..%2").arg(index + 1).arg(last)};
    return value;
}

// The colour an end takes from the painting context: foreground black,
// background white, as a fresh GIMP has them.
Rgba EndColor(const Rgba& stored, int type, unsigned& notes) {
    if (type == 0)
        return stored;
    notes |= GradientContextColors;
    const double value = type <= 2 ? 0.0 : 1.0;
    const double alpha = type == 2 || type == 4 ? 0.0 : 1.0;
    return {value, value, value, alpha};
}

Segment ParseSegment(const QByteArray& line, unsigned& notes) {
    const QList<QByteArray> fields = Fields(line);
    if (fields.size() != 13 && fields.size() != 15)
        throw SegmentError{QStringLiteral("%1 fields where 13 or 15 belong").arg(fields.size())};
    std::array<double, 11> numbers{};
    for (int i = 0; i < 11; ++i)
        numbers[size_t(i)] = Number(fields.at(i), i);
    Segment s;
    s.left = numbers[0];
    s.middle = numbers[1];
    s.right = numbers[2];
    if (!(s.left >= -kSlack && s.left <= s.middle + kSlack && s.middle <= s.right + kSlack &&
          s.right <= 1 + kSlack))
        throw SegmentError{QStringLiteral("positions not in order within 0..1")};
    s.left = std::clamp(s.left, 0.0, 1.0);
    s.right = std::clamp(s.right, s.left, 1.0);
    s.middle = std::clamp(s.middle, s.left, s.right);
    for (int i = 0; i < 4; ++i) {
        s.leftColor[size_t(i)] = std::clamp(numbers[size_t(3 + i)], 0.0, 1.0);
        s.rightColor[size_t(i)] = std::clamp(numbers[size_t(7 + i)], 0.0, 1.0);
    }
    s.blend = Blend(Choice(fields.at(11), 11, 5));
    s.coloring = Coloring(Choice(fields.at(12), 12, 2));
    if (fields.size() == 15) {
        s.leftColor = EndColor(s.leftColor, Choice(fields.at(13), 13, 4), notes);
        s.rightColor = EndColor(s.rightColor, Choice(fields.at(14), 14, 4), notes);
    }
    if (s.leftColor[3] < 1 || s.rightColor[3] < 1)
        notes |= GradientAlphaIgnored;
    return s;
}

double LinearFactor(double middle, double pos) {
    if (pos <= middle)
        return middle < kSlack ? 0.0 : 0.5 * pos / middle;
    const double rest = 1.0 - middle;
    return rest < kSlack ? 1.0 : 0.5 + 0.5 * (pos - middle) / rest;
}

double Factor(Blend blend, double middle, double pos) {
    switch (blend) {
    case Blend::Linear:
        break;
    case Blend::Curved:
        return std::pow(pos, std::log(0.5) / std::log(std::max(middle, kSlack)));
    case Blend::Sine:
        return (std::sin(std::numbers::pi * (LinearFactor(middle, pos) - 0.5)) + 1) / 2;
    case Blend::SphereIncreasing: {
        const double f = LinearFactor(middle, pos) - 1;
        return std::sqrt(std::max(0.0, 1 - f * f));
    }
    case Blend::SphereDecreasing: {
        const double f = LinearFactor(middle, pos);
        return 1 - std::sqrt(std::max(0.0, 1 - f * f));
    }
    case Blend::Step:
        return pos >= middle ? 1.0 : 0.0;
    }
    return LinearFactor(middle, pos);
}

using Hsv = std::array<double, 3>; // all 0..1

Hsv ToHsv(const Rgba& c) {
    const double max = std::max({c[0], c[1], c[2]});
    const double min = std::min({c[0], c[1], c[2]});
    const double delta = max - min;
    double hue = 0;
    if (delta > 0) {
        if (max == c[0])
            hue = (c[1] - c[2]) / delta;
        else if (max == c[1])
            hue = 2 + (c[2] - c[0]) / delta;
        else
            hue = 4 + (c[0] - c[1]) / delta;
        hue /= 6;
        if (hue < 0)
            hue += 1;
    }
    return {hue, max > 0 ? delta / max : 0.0, max};
}

GradientSample FromHsv(double h, double s, double v) {
    const double sector = std::fmod(h * 6, 6.0);
    const int i = int(sector);
    const double f = sector - i;
    const double p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
    const std::array<std::array<double, 3>, 6> rgb = {
        {{v, t, p}, {q, v, p}, {p, v, t}, {p, q, v}, {t, p, v}, {v, p, q}}};
    const auto& c = rgb[size_t(std::clamp(i, 0, 5))];
    return {c[0] * 255, c[1] * 255, c[2] * 255};
}

GradientSample ColorAt(const Segment& s, double pos) {
    const double length = s.right - s.left;
    double middle = 0.5;
    if (length < kSlack)
        pos = 0.5;
    else {
        middle = (s.middle - s.left) / length;
        pos = std::clamp((pos - s.left) / length, 0.0, 1.0);
    }
    const double f = Factor(s.blend, middle, pos);
    const Rgba& a = s.leftColor;
    const Rgba& b = s.rightColor;
    if (s.coloring == Coloring::Rgb)
        return {(a[0] + (b[0] - a[0]) * f) * 255, (a[1] + (b[1] - a[1]) * f) * 255,
                (a[2] + (b[2] - a[2]) * f) * 255};
    const Hsv l = ToHsv(a);
    const Hsv r = ToHsv(b);
    double h = 0;
    if (s.coloring == Coloring::HsvCounterClockwise)
        h = l[0] < r[0] ? l[0] + (r[0] - l[0]) * f : l[0] + (1 - (l[0] - r[0])) * f;
    else
        h = r[0] < l[0] ? l[0] - (l[0] - r[0]) * f : l[0] - (1 - (r[0] - l[0])) * f;
    h = h - std::floor(h);
    return FromHsv(h, l[1] + (r[1] - l[1]) * f, l[2] + (r[2] - l[2]) * f);
}

// The segment that paints `pos`: the first whose right end reaches it.
const Segment& SegmentAt(const std::vector<Segment>& segments, double pos) {
    for (const Segment& s : segments) {
        if (pos <= s.right)
            return s;
    }
    return segments.back();
}

TColor Rounded(const Rgba& c) {
    return RgbToColor(int(std::lround(c[0] * 255)), int(std::lround(c[1] * 255)),
                      int(std::lround(c[2] * 255)));
}

int AxisPosition(double pos) {
    return int(std::lround(pos * kGradientAxisEnd));
}

// The segments' ends as stops, when that is all the gradient is.
std::optional<std::vector<GradientStop>> PlainStops(const std::vector<Segment>& segments) {
    if (segments.size() + 1 > size_t(kMaxGradientStops) || segments.front().left > kSlack ||
        segments.back().right < 1 - kSlack)
        return std::nullopt;
    std::vector<GradientStop> stops;
    for (size_t i = 0; i < segments.size(); ++i) {
        const Segment& s = segments[i];
        const bool centred = std::abs(s.middle - (s.left + s.right) / 2) <= 1e-4;
        if (s.blend != Blend::Linear || s.coloring != Coloring::Rgb || !centred)
            return std::nullopt;
        if (i > 0 && (std::abs(s.left - segments[i - 1].right) > kSlack ||
                      Rounded(s.leftColor) != Rounded(segments[i - 1].rightColor)))
            return std::nullopt;
        const int position = AxisPosition(s.left);
        if (!stops.empty() && position <= stops.back().position)
            return std::nullopt;
        stops.push_back({position, Rounded(s.leftColor)});
    }
    if (stops.back().position >= kGradientAxisEnd)
        return std::nullopt;
    stops.push_back({kGradientAxisEnd, Rounded(segments.back().rightColor)});
    return stops;
}

QString CleanName(const QString& name, const QString& fallback) {
    QString clean;
    for (const QChar c : name)
        clean += c.isPrint() ? c : QChar(u' ');
    clean = CleanGradientName(clean).simplified().left(kMaxGradientNameLength);
    return clean.isEmpty() ? fallback : clean;
}

} // namespace

bool LooksLikeGgr(const QByteArray& bytes) {
    return bytes.startsWith("GIMP Gradient");
}

GradientImport ReadGgr(const QByteArray& bytes, const QString& fallbackName) {
    GradientImport result;
    QList<QByteArray> lines = bytes.split('\n');
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    if (lines.isEmpty() || lines.first().trimmed() != "GIMP Gradient") {
        result.error = GradientImportError::UnknownFormat;
        return result;
    }
    ImportedGradient gradient;
    gradient.name = fallbackName;
    int next = 1;
    if (lines.size() > next && lines.at(next).startsWith("Name:")) {
        gradient.name = CleanName(QString::fromUtf8(lines.at(next).mid(5)).trimmed(), fallbackName);
        ++next;
    }
    bool ok = false;
    const int count = lines.size() > next ? lines.at(next).trimmed().toInt(&ok) : 0;
    result.line = next + 1;
    if (!ok || count < 1) {
        result.error = GradientImportError::BadSegmentCount;
        return result;
    }
    if (count > kMaxSegments) {
        result.error = GradientImportError::TooManySegments;
        return result;
    }
    ++next;
    if (lines.size() - next < count) {
        result.error = GradientImportError::MissingSegments;
        return result;
    }
    std::vector<Segment> segments;
    segments.reserve(size_t(count));
    try {
        for (int i = 0; i < count; ++i, ++next) {
            result.line = next + 1;
            segments.push_back(ParseSegment(lines.at(next), gradient.notes));
            if (i > 0 && segments[size_t(i)].left < segments[size_t(i - 1)].right - kSlack)
                throw SegmentError{QStringLiteral("starts left of the previous segment's end")};
        }
    } catch (const SegmentError& e) {
        result.error = GradientImportError::BadSegment;
        result.detail = e.detail;
        return result;
    }
    result.line = 0;
    if (const auto plain = PlainStops(segments)) {
        gradient.stops = *plain;
    } else {
        GradientColumns columns{};
        for (int x = 0; x <= kGradientAxisEnd; ++x) {
            const double pos = double(x) / kGradientAxisEnd;
            columns[size_t(x)] = ColorAt(SegmentAt(segments, pos), pos);
        }
        GradientFitResult fit = FitGradientStops(columns);
        gradient.stops = std::move(fit.stops);
        gradient.maxError = fit.maxError;
        gradient.notes |= GradientSampled;
    }
    result.gradients.push_back(std::move(gradient));
    return result;
}

namespace {

QByteArray Fixed(double value) {
    return QByteArray::number(value, 'f', 6);
}

QByteArray SegmentLine(int left, int right, TColor a, TColor b) {
    const auto color = [](TColor c) {
        return Fixed(ColorRed(c) / 255.0) + ' ' + Fixed(ColorGreen(c) / 255.0) + ' ' +
               Fixed(ColorBlue(c) / 255.0) + " 1.000000";
    };
    const double l = double(left) / kGradientAxisEnd;
    const double r = double(right) / kGradientAxisEnd;
    return Fixed(l) + ' ' + Fixed((l + r) / 2) + ' ' + Fixed(r) + ' ' + color(a) + ' ' + color(b) +
           " 0 0\n";
}

} // namespace

QByteArray WriteGgr(const GradientTable& table) {
    std::vector<GradientStop> stops = table.stops();
    SortGradientStops(stops);
    if (stops.empty())
        return {};
    for (GradientStop& stop : stops)
        stop.position = std::clamp(stop.position, 0, kGradientAxisEnd);
    if (stops.front().position > 0)
        stops.insert(stops.begin(), {0, stops.front().color});
    if (stops.back().position < kGradientAxisEnd)
        stops.push_back({kGradientAxisEnd, stops.back().color});
    QByteArray body;
    for (size_t i = 0; i + 1 < stops.size(); ++i)
        body += SegmentLine(stops[i].position, stops[i + 1].position, stops[i].color,
                            stops[i + 1].color);
    QString name;
    for (const QChar c : table.name)
        name += c.isPrint() ? c : QChar(u' ');
    return "GIMP Gradient\nName: " + name.toUtf8() + '\n' +
           QByteArray::number(qsizetype(stops.size() - 1)) + '\n' + body;
}
