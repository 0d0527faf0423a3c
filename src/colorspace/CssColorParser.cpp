#include "colorspace/CssColorParser.h"

#include "colorspace/GamutMap.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string>
#include <vector>

namespace {

struct Token {
    enum Kind { Number, Percent, Dimension, Ident, Comma, Slash } kind = Number;
    double value = 0;
    std::string text; // the unit of a dimension, or the identifier
};

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || IsDigit(c) || c == '-' || c == '_';
}
char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c + 32) : c;
}
std::string LowerAscii(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), Lower);
    return out;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

// A CSS number: sign, digits with at most one point, an optional exponent.
std::optional<double> ReadNumber(std::string_view s, size_t& pos) {
    const size_t start = pos;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-'))
        ++pos;
    size_t digits = 0;
    while (pos < s.size() && IsDigit(s[pos]))
        ++pos, ++digits;
    if (pos < s.size() && s[pos] == '.' && pos + 1 < s.size() && IsDigit(s[pos + 1])) {
        ++pos;
        while (pos < s.size() && IsDigit(s[pos]))
            ++pos, ++digits;
    }
    if (digits == 0) {
        pos = start;
        return std::nullopt;
    }
    if (pos < s.size() && Lower(s[pos]) == 'e') {
        size_t e = pos + 1;
        if (e < s.size() && (s[e] == '+' || s[e] == '-'))
            ++e;
        if (e < s.size() && IsDigit(s[e])) {
            while (e < s.size() && IsDigit(s[e]))
                ++e;
            pos = e;
        }
    }
    const std::string number(s.substr(start, pos - start));
    const double value = std::strtod(number.c_str(), nullptr);
    // Too large for a double: no colour, whatever the unit.
    return std::isfinite(value) ? value : std::nan("");
}

std::optional<std::vector<Token>> Tokenize(std::string_view s) {
    std::vector<Token> tokens;
    size_t pos = 0;
    while (pos < s.size()) {
        const char c = s[pos];
        if (IsSpace(c)) {
            ++pos;
        } else if (c == ',') {
            tokens.push_back({Token::Comma, 0, {}});
            ++pos;
        } else if (c == '/') {
            tokens.push_back({Token::Slash, 0, {}});
            ++pos;
        } else if (const std::optional<double> number = ReadNumber(s, pos)) {
            if (std::isnan(*number))
                return std::nullopt;
            Token token{Token::Number, *number, {}};
            if (pos < s.size() && s[pos] == '%') {
                token.kind = Token::Percent;
                ++pos;
            } else if (pos < s.size() && IsNameChar(s[pos]) && !IsDigit(s[pos])) {
                const size_t start = pos;
                while (pos < s.size() && IsNameChar(s[pos]))
                    ++pos;
                token.kind = Token::Dimension;
                token.text = LowerAscii(s.substr(start, pos - start));
            }
            tokens.push_back(token);
        } else if (IsNameChar(c)) {
            const size_t start = pos;
            while (pos < s.size() && IsNameChar(s[pos]))
                ++pos;
            tokens.push_back({Token::Ident, 0, LowerAscii(s.substr(start, pos - start))});
        } else {
            return std::nullopt;
        }
    }
    return tokens;
}

bool IsNone(const Token& t) {
    return t.kind == Token::Ident && t.text == "none";
}

// A number, or a percentage of `full`; `none` is zero.
std::optional<double> Amount(const Token& t, double full) {
    if (t.kind == Token::Number)
        return t.value;
    if (t.kind == Token::Percent)
        return t.value / 100 * full;
    if (IsNone(t))
        return 0.0;
    return std::nullopt;
}

std::optional<double> Hue(const Token& t) {
    if (t.kind == Token::Number)
        return t.value;
    if (IsNone(t))
        return 0.0;
    if (t.kind != Token::Dimension)
        return std::nullopt;
    if (t.text == "deg")
        return t.value;
    if (t.text == "rad")
        return t.value * 180 / std::numbers::pi;
    if (t.text == "grad")
        return t.value * 0.9;
    if (t.text == "turn")
        return t.value * 360;
    return std::nullopt;
}

// The three channel tokens of a function's arguments, after the commas or the
// slash and alpha are checked and dropped.
struct Channels {
    std::vector<Token> tokens;
    bool legacy = false;
};

std::optional<Channels> SplitChannels(const std::vector<Token>& args, bool legacyAllowed) {
    Channels result;
    const bool commas = std::any_of(args.begin(), args.end(),
                                    [](const Token& t) { return t.kind == Token::Comma; });
    std::optional<Token> alpha;
    if (commas) {
        if (!legacyAllowed || (args.size() != 5 && args.size() != 7))
            return std::nullopt;
        for (size_t i = 0; i < args.size(); ++i) {
            const bool wantComma = i % 2 == 1;
            if ((args[i].kind == Token::Comma) != wantComma || args[i].kind == Token::Slash ||
                IsNone(args[i]))
                return std::nullopt;
            if (!wantComma && i < 6)
                result.tokens.push_back(args[i]);
        }
        if (args.size() == 7)
            alpha = args[6];
        result.legacy = true;
    } else {
        if (args.size() != 3 && args.size() != 5)
            return std::nullopt;
        for (size_t i = 0; i < 3; ++i) {
            if (args[i].kind == Token::Slash)
                return std::nullopt;
            result.tokens.push_back(args[i]);
        }
        if (args.size() == 5) {
            if (args[3].kind != Token::Slash)
                return std::nullopt;
            alpha = args[4];
        }
    }
    if (alpha && alpha->kind != Token::Number && alpha->kind != Token::Percent && !IsNone(*alpha))
        return std::nullopt;
    return result;
}

CssColorReading Failure(CssColorError error);

int ToByte(double v) {
    return int(std::floor(std::clamp(v, 0.0, 1.0) * 255 + 0.5));
}

CssColorReading FromSrgb(const Triple& rgb, bool mapped) {
    if (!std::all_of(rgb.begin(), rgb.end(), [](double v) { return std::isfinite(v); }))
        return Failure(CssColorError::BadComponent);
    CssColorReading r;
    r.srgb = rgb;
    r.mapped = mapped;
    r.color = {ToByte(rgb[0]), ToByte(rgb[1]), ToByte(rgb[2])};
    return r;
}

CssColorReading FromXyz(const Triple& xyz) {
    // Components in the hundreds of digits overflow on the way: no colour.
    if (!std::all_of(xyz.begin(), xyz.end(), [](double v) { return std::isfinite(v); }))
        return Failure(CssColorError::BadComponent);
    const SrgbInGamut s = MapToSrgbGamut(xyz);
    return FromSrgb(s.rgb, s.mapped);
}

CssColorReading Failure(CssColorError error) {
    CssColorReading r;
    r.error = error;
    return r;
}

std::optional<int> HexDigit(char c) {
    if (IsDigit(c))
        return c - '0';
    c = Lower(c);
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return std::nullopt;
}

CssColorReading ParseHex(std::string_view digits) {
    if (digits.size() != 3 && digits.size() != 4 && digits.size() != 6 && digits.size() != 8)
        return Failure(CssColorError::BadHex);
    int v[8] = {};
    for (size_t i = 0; i < digits.size(); ++i) {
        const std::optional<int> d = HexDigit(digits[i]);
        if (!d)
            return Failure(CssColorError::BadHex);
        v[i] = *d;
    }
    const bool shortForm = digits.size() <= 4;
    const int r = shortForm ? v[0] * 17 : v[0] * 16 + v[1];
    const int g = shortForm ? v[1] * 17 : v[2] * 16 + v[3];
    const int b = shortForm ? v[2] * 17 : v[4] * 16 + v[5];
    CssColorReading result;
    result.color = {r, g, b};
    result.srgb = {r / 255.0, g / 255.0, b / 255.0};
    return result;
}

std::optional<RgbSpace> RgbSpaceNamed(const std::string& name) {
    static const std::pair<const char*, RgbSpace> spaces[] = {
        {"srgb", RgbSpace::Srgb},
        {"srgb-linear", RgbSpace::SrgbLinear},
        {"display-p3", RgbSpace::DisplayP3},
        {"a98-rgb", RgbSpace::A98Rgb},
        {"prophoto-rgb", RgbSpace::ProPhotoRgb},
        {"rec2020", RgbSpace::Rec2020},
    };
    for (const auto& [n, space] : spaces)
        if (name == n)
            return space;
    return std::nullopt;
}

CssColorReading ParseFunction(const std::string& name, const std::vector<Token>& args) {
    const bool rgbLike = name == "rgb" || name == "rgba";
    const bool hslLike = name == "hsl" || name == "hsla";
    if (name == "color") {
        if (args.empty() || args[0].kind != Token::Ident)
            return Failure(CssColorError::BadSyntax);
        const std::optional<Channels> ch =
            SplitChannels(std::vector<Token>(args.begin() + 1, args.end()), false);
        if (!ch)
            return Failure(CssColorError::BadSyntax);
        Triple c;
        for (int i = 0; i < 3; ++i) {
            const std::optional<double> v = Amount(ch->tokens[size_t(i)], 1.0);
            if (!v)
                return Failure(CssColorError::BadComponent);
            c[size_t(i)] = *v;
        }
        const std::string& space = args[0].text;
        if (space == "xyz" || space == "xyz-d65")
            return FromXyz(c);
        if (space == "xyz-d50")
            return FromXyz(XyzD50ToD65(c));
        if (const std::optional<RgbSpace> rgbSpace = RgbSpaceNamed(space)) {
            // sRGB itself needs no trip through XYZ, which would move 0.5 off
            // its half step.
            if (*rgbSpace == RgbSpace::Srgb &&
                std::all_of(c.begin(), c.end(), [](double v) { return v >= 0 && v <= 1; }))
                return FromSrgb(c, false);
            return FromXyz(RgbToXyz(*rgbSpace, c));
        }
        return Failure(CssColorError::UnknownFunction);
    }
    const bool known = rgbLike || hslLike || name == "hwb" || name == "lab" || name == "lch" ||
                       name == "oklab" || name == "oklch";
    if (!known)
        return Failure(CssColorError::UnknownFunction);
    const std::optional<Channels> ch = SplitChannels(args, rgbLike || hslLike);
    if (!ch)
        return Failure(CssColorError::BadSyntax);
    const std::vector<Token>& t = ch->tokens;
    auto amounts = [&](double full0, double full1, double full2) -> std::optional<Triple> {
        const double full[3] = {full0, full1, full2};
        Triple c;
        for (int i = 0; i < 3; ++i) {
            const std::optional<double> v = Amount(t[size_t(i)], full[i]);
            if (!v)
                return std::nullopt;
            c[size_t(i)] = *v;
        }
        return c;
    };
    // The hue first, then two amounts (hsl, hwb) or the last (lch, oklch).
    auto huePlus = [&](size_t hueAt, double fullA, double fullB) -> std::optional<Triple> {
        const std::optional<double> hue = Hue(t[hueAt]);
        const size_t a = hueAt == 0 ? 1 : 0;
        const size_t b = hueAt == 0 ? 2 : 1;
        const std::optional<double> first = Amount(t[a], fullA);
        const std::optional<double> second = Amount(t[b], fullB);
        if (!hue || !first || !second)
            return std::nullopt;
        return hueAt == 0 ? Triple{*hue, *first, *second} : Triple{*first, *second, *hue};
    };
    if (rgbLike) {
        if (ch->legacy) {
            const bool percents = t[0].kind == Token::Percent;
            for (const Token& token : t)
                if ((token.kind == Token::Percent) != percents)
                    return Failure(CssColorError::BadComponent);
        }
        const std::optional<Triple> c = amounts(255, 255, 255);
        if (!c)
            return Failure(CssColorError::BadComponent);
        return FromSrgb({std::clamp((*c)[0] / 255, 0.0, 1.0), std::clamp((*c)[1] / 255, 0.0, 1.0),
                         std::clamp((*c)[2] / 255, 0.0, 1.0)},
                        false);
    }
    if (hslLike || name == "hwb") {
        // Old-style hsl() takes percentages only; the newer forms also bare numbers.
        if (ch->legacy && (t[1].kind != Token::Percent || t[2].kind != Token::Percent))
            return Failure(CssColorError::BadComponent);
        const std::optional<Triple> c = huePlus(0, 100, 100);
        if (!c)
            return Failure(CssColorError::BadComponent);
        const Triple v{(*c)[0], std::clamp((*c)[1] / 100, 0.0, 1.0),
                       std::clamp((*c)[2] / 100, 0.0, 1.0)};
        return FromSrgb(hslLike ? HslToSrgb(v) : HwbToSrgb(v), false);
    }
    if (name == "lab" || name == "oklab") {
        const bool ok = name == "oklab";
        const std::optional<Triple> c = ok ? amounts(1, 0.4, 0.4) : amounts(100, 125, 125);
        if (!c)
            return Failure(CssColorError::BadComponent);
        Triple v = *c;
        v[0] = std::clamp(v[0], 0.0, ok ? 1.0 : 100.0);
        return FromXyz(ok ? OklabToXyz(v) : LabToXyz(v));
    }
    const bool ok = name == "oklch";
    const std::optional<Triple> c = ok ? huePlus(2, 1, 0.4) : huePlus(2, 100, 150);
    if (!c)
        return Failure(CssColorError::BadComponent);
    Triple v = *c;
    v[0] = std::clamp(v[0], 0.0, ok ? 1.0 : 100.0);
    v[1] = std::max(v[1], 0.0);
    return FromXyz(ok ? OklabToXyz(FromPolar(v)) : LabToXyz(FromPolar(v)));
}

} // namespace

CssColorReading ParseCssColor(std::string_view text, const CssNameLookup& lookup) {
    const std::string_view s = Trim(text);
    if (s.empty())
        return Failure(CssColorError::Empty);
    if (s.front() == '#')
        return ParseHex(s.substr(1));
    size_t pos = 0;
    while (pos < s.size() && IsNameChar(s[pos]))
        ++pos;
    const std::string name = LowerAscii(s.substr(0, pos));
    if (pos == s.size()) {
        if (name == "transparent" || name == "currentcolor")
            return Failure(CssColorError::NoColorOfItsOwn);
        if (lookup)
            if (const std::optional<Rgb8> c = lookup(name)) {
                CssColorReading r;
                r.color = *c;
                r.srgb = {c->red / 255.0, c->green / 255.0, c->blue / 255.0};
                return r;
            }
        return Failure(CssColorError::UnknownName);
    }
    if (name.empty() || s[pos] != '(' || s.back() != ')')
        return Failure(CssColorError::BadSyntax);
    const std::optional<std::vector<Token>> args = Tokenize(s.substr(pos + 1, s.size() - pos - 2));
    if (!args)
        return Failure(CssColorError::BadSyntax);
    return ParseFunction(name, *args);
}

const char* CssColorErrorText(CssColorError error) {
    switch (error) {
    case CssColorError::None:
        return "";
    case CssColorError::Empty:
        return "empty colour";
    case CssColorError::UnknownName:
        return "unknown colour";
    case CssColorError::NoColorOfItsOwn:
        return "has no colour of its own";
    case CssColorError::BadHex:
        return "a hex colour takes 3, 4, 6 or 8 hex digits";
    case CssColorError::UnknownFunction:
        return "unknown colour function or space";
    case CssColorError::BadSyntax:
        return "not a CSS colour";
    case CssColorError::BadComponent:
        return "a component is out of place";
    }
    return "";
}
