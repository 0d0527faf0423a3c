#pragma once

#include "html/StyledText.h"
#include "html/TextGradient.h"

#include <QStringList>
#include <optional>
#include <vector>

// What the gradient-text writers decide before they write: every
// character's face, and which properties differ from the first
// character's somewhere in the text.

// The face of every character as an index into a list of distinct faces,
// so that comparisons are of numbers. A face is the font-table entry
// FindFontEntry gives for the character's font (the font name itself when
// the table is empty).
struct TextFaces {
    QStringList texts;
    std::vector<int> ofChar;
};
TextFaces ResolveTextFaces(const StyledText& text, const QStringList& fonttable);

struct TextVariation {
    bool face = false;
    bool size = false;
    bool color = false;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    // Whether each character needs an element of its own for face, size or colour.
    bool inner() const { return face || size || color; }
};

// Reports progress every few thousand characters while it compares.
class TextWriteProgress {
public:
    TextWriteProgress(const TextProgress& progress, qsizetype total)
        : m_progress(progress), m_total(total) {}
    // False when the callback stopped the work.
    bool report(size_t index, qsizetype done) const;
    void finish() const {
        if (m_progress)
            m_progress(m_total, m_total);
    }
    qsizetype total() const { return m_total; }

private:
    const TextProgress& m_progress;
    qsizetype m_total;
};

// The first pass over a non-empty text, reporting positions 0 .. length;
// it stops early once everything varies. nullopt when the progress stopped it.
std::optional<TextVariation> FindTextVariation(const StyledText& text, const TextFaces& faces,
                                               const TextWriteProgress& progress);

// Both passes' common start: the faces and what varies. nullopt for an
// empty text or when the progress stopped the comparison.
struct TextPlan {
    TextFaces faces;
    TextVariation varies;
};
std::optional<TextPlan> PlanTextWrite(const StyledText& text, const QStringList& fonttable,
                                      const TextWriteProgress& progress);
