#include "html/GradientTextWriter.h"

#include "html/GradientTextFont.h"
#include "settings/ProgramOptions.h"

#include <QHash>

#include <vector>

namespace {

constexpr qsizetype kProgressStride = 4096;

// ColorToHtml without a string per character.
void AppendColor(QString& out, TColor color) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const int channels[3] = {ColorRed(color), ColorGreen(color), ColorBlue(color)};
    out.append(QLatin1Char('#'));
    for (const int c : channels) {
        out.append(QLatin1Char(kHex[c >> 4]));
        out.append(QLatin1Char(kHex[c & 15]));
    }
}

// The face of every character as an index into a list of distinct faces,
// so that the passes compare numbers.
struct Faces {
    QStringList texts;
    std::vector<int> ofChar;
};

Faces ResolveFaces(const StyledText& text, const QStringList& fonttable) {
    Faces faces;
    faces.ofChar.reserve(text.chars.size());
    QHash<QString, int> byName;
    QHash<QString, int> byFace;
    const QString* lastName = nullptr;
    int lastId = 0;
    for (const StyledChar& c : text.chars) {
        if (!lastName || c.style.fontName != *lastName) {
            auto known = byName.constFind(c.style.fontName);
            if (known == byName.constEnd()) {
                const QString face = fonttable.isEmpty()
                                         ? c.style.fontName
                                         : fonttable.at(FindFontEntry(fonttable, c.style.fontName));
                auto id = byFace.constFind(face);
                if (id == byFace.constEnd()) {
                    id = byFace.insert(face, int(faces.texts.size()));
                    faces.texts.append(face);
                }
                known = byName.insert(c.style.fontName, *id);
            }
            lastName = &c.style.fontName;
            lastId = *known;
        }
        faces.ofChar.push_back(lastId);
    }
    return faces;
}

} // namespace

QString WriteGradientTextHtml(const StyledText& text, const QStringList& fonttable, HtmlCase mode,
                              bool htmlcr, const TextProgress& progress) {
    const std::vector<StyledChar>& chars = text.chars;
    if (chars.empty())
        return {};
    const qsizetype total = 2 * PositionLength(text);
    qsizetype position = 0;
    auto report = [&](size_t i, qsizetype done) {
        return !progress || i % kProgressStride != 0 || progress(done, total);
    };

    const QString font = ApplyHtmlCase(QStringLiteral("FONT"), mode);
    const QString openFont = QLatin1Char('<') + font + HtmlLineBreak(htmlcr);
    const QString closeFont = QLatin1String("</") + font + QLatin1Char('>');
    const QString faceName =
        QLatin1Char(' ') + ApplyHtmlCase(QStringLiteral("FACE"), mode) + QLatin1String("=\"");
    const QString sizeName =
        QLatin1Char(' ') + ApplyHtmlCase(QStringLiteral("SIZE"), mode) + QLatin1Char('=');
    const QString colorName =
        QLatin1Char(' ') + ApplyHtmlCase(QStringLiteral("COLOR"), mode) + QLatin1Char('=');
    const QString b = ApplyHtmlCase(QStringLiteral("B"), mode);
    const QString i = ApplyHtmlCase(QStringLiteral("I"), mode);
    const QString u = ApplyHtmlCase(QStringLiteral("U"), mode);
    const QString openB = QLatin1Char('<') + b + QLatin1Char('>');
    const QString openI = QLatin1Char('<') + i + QLatin1Char('>');
    const QString openU = QLatin1Char('<') + u + QLatin1Char('>');
    const QString closeB = QLatin1String("</") + b + QLatin1Char('>');
    const QString closeI = QLatin1String("</") + i + QLatin1Char('>');
    const QString closeU = QLatin1String("</") + u + QLatin1Char('>');

    const Faces faces = ResolveFaces(text, fonttable);
    QStringList faceAttributes;
    for (const QString& face : faces.texts)
        faceAttributes.append(faceName + face + QLatin1Char('"'));

    // Which properties differ from the first character's anywhere.
    const CharStyle& first = chars.front().style;
    const int firstFace = faces.ofChar.front();
    bool faceVaries = false, sizeVaries = false, colorVaries = false;
    bool boldVaries = false, italicVaries = false, underlineVaries = false;
    for (size_t k = 0; k < chars.size(); ++k) {
        if (!report(k, position))
            return {};
        position += CharPositions(chars[k].ch);
        const CharStyle& s = chars[k].style;
        faceVaries = faceVaries || faces.ofChar[k] != firstFace;
        sizeVaries = sizeVaries || s.points != first.points;
        colorVaries = colorVaries || s.color != first.color;
        boldVaries = boldVaries || s.bold != first.bold;
        italicVaries = italicVaries || s.italic != first.italic;
        underlineVaries = underlineVaries || s.underline != first.underline;
        if (faceVaries && sizeVaries && colorVaries && boldVaries && italicVaries &&
            underlineVaries)
            break;
    }
    const bool inner = faceVaries || sizeVaries || colorVaries;

    QString out;
    out.reserve(qsizetype(chars.size()) * (inner ? 24 : 1) + 128);
    auto appendInnerAttributes = [&](size_t k) {
        if (faceVaries)
            out += faceAttributes.at(faces.ofChar[k]);
        if (sizeVaries)
            out += sizeName + FontSizeToHtml(chars[k].style.points);
        if (colorVaries) {
            out += colorName;
            AppendColor(out, chars[k].style.color);
        }
        out += QLatin1Char('>');
    };

    const qsizetype half = total / 2;
    qsizetype done = 0;
    for (size_t k = 0; k < chars.size(); ++k) {
        if (!report(k, half + done))
            return {};
        done += CharPositions(chars[k].ch);
        const CharStyle& s = chars[k].style;
        if (k == 0) {
            out += openFont + faceAttributes.at(faces.ofChar[k]) + sizeName +
                   FontSizeToHtml(s.points) + colorName;
            AppendColor(out, s.color);
            out += QLatin1Char('>');
            if (inner) {
                out += openFont;
                appendInnerAttributes(k);
            }
            if (s.bold)
                out += openB;
            if (s.italic)
                out += openI;
            if (s.underline)
                out += openU;
        } else {
            const CharStyle& previous = chars[k - 1].style;
            if (underlineVaries && previous.underline)
                out += closeU;
            if (italicVaries && previous.italic)
                out += closeI;
            if (boldVaries && previous.bold)
                out += closeB;
            if (inner) {
                out += closeFont + openFont;
                appendInnerAttributes(k);
            }
            if (boldVaries && s.bold)
                out += openB;
            if (italicVaries && s.italic)
                out += openI;
            if (underlineVaries && s.underline)
                out += openU;
        }
        AppendChar(out, chars[k].ch);
    }
    const CharStyle& last = chars.back().style;
    if (last.underline)
        out += closeU;
    if (last.italic)
        out += closeI;
    if (last.bold)
        out += closeB;
    out += closeFont;
    if (inner)
        out += closeFont;
    if (progress)
        progress(total, total);
    return out;
}

QString WriteGradientTextHtml(const StyledText& text, const ProgramOptions& options,
                              const TextProgress& progress) {
    return WriteGradientTextHtml(text, options.fonttable, HtmlCaseFromOption(options.htmlcase),
                                 options.htmlcr, progress);
}
