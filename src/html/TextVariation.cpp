#include "html/TextVariation.h"

#include "html/GradientTextFont.h"

#include <QHash>

namespace {
constexpr qsizetype kProgressStride = 4096;
} // namespace

bool TextWriteProgress::report(size_t index, qsizetype done) const {
    return !m_progress || index % kProgressStride != 0 || m_progress(done, m_total);
}

TextFaces ResolveTextFaces(const StyledText& text, const QStringList& fonttable) {
    TextFaces faces;
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

std::optional<TextVariation> FindTextVariation(const StyledText& text, const TextFaces& faces,
                                               const TextWriteProgress& progress) {
    const std::vector<StyledChar>& chars = text.chars;
    TextVariation v;
    if (chars.empty())
        return v;
    const CharStyle& first = chars.front().style;
    const int firstFace = faces.ofChar.front();
    qsizetype position = 0;
    for (size_t k = 0; k < chars.size(); ++k) {
        if (!progress.report(k, position))
            return std::nullopt;
        position += CharPositions(chars[k].ch);
        const CharStyle& s = chars[k].style;
        v.face = v.face || faces.ofChar[k] != firstFace;
        v.size = v.size || s.points != first.points;
        v.color = v.color || s.color != first.color;
        v.bold = v.bold || s.bold != first.bold;
        v.italic = v.italic || s.italic != first.italic;
        v.underline = v.underline || s.underline != first.underline;
        if (v.face && v.size && v.color && v.bold && v.italic && v.underline)
            break;
    }
    return v;
}

std::optional<TextPlan> PlanTextWrite(const StyledText& text, const QStringList& fonttable,
                                      const TextWriteProgress& progress) {
    if (text.chars.empty())
        return std::nullopt;
    TextFaces faces = ResolveTextFaces(text, fonttable);
    const std::optional<TextVariation> varies = FindTextVariation(text, faces, progress);
    if (!varies)
        return std::nullopt;
    return TextPlan{std::move(faces), *varies};
}
