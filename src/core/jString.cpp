#include "core/jString.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

bool IsLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

qsizetype TextEnd(const QByteArray& text) {
    const qsizetype zero = text.indexOf('\0');
    return zero < 0 ? text.size() : zero;
}

// The walkers below know the text's end already; looking for it on every
// character would make a walk quadratic.
bool IsWideAt(const QByteArray& text, qsizetype end, qsizetype pos) {
    return pos >= 0 && pos + 1 < end && IsLeadByte(static_cast<unsigned char>(text[pos]));
}

int StepAt(const QByteArray& text, qsizetype end, qsizetype& pos) {
    if (pos < 0 || pos >= end)
        return 0;
    const int length = IsWideAt(text, end, pos) ? 2 : 1;
    pos += length;
    return length;
}

// Whether `sought` matches `text` at byte position q, character by character.
bool MatchesAt(const QByteArray& sought, qsizetype sEnd, const QByteArray& text, qsizetype tEnd,
               qsizetype q) {
    if (sought[0] != text[q])
        return false;
    qsizetype s = 0;
    qsizetype t = q;
    bool equal = false;
    while (s < sEnd && t < tEnd) {
        const bool sWide = IsWideAt(sought, sEnd, s);
        const bool tWide = IsWideAt(text, tEnd, t);
        if (sWide && tWide) {
            equal = sought[s] == text[t] && sought[s + 1] == text[t + 1];
            if (!equal)
                return false;
            s += 2;
            t += 2;
        } else {
            equal = sought[s] == text[t];
            if (!equal)
                return false;
            ++s;
            ++t;
        }
    }
    return s >= sEnd && equal;
}

} // namespace

bool IsDoubleByteChar(const QByteArray& text, qsizetype pos) {
    return IsWideAt(text, TextEnd(text), pos);
}

int NextChar(const QByteArray& text, qsizetype& pos) {
    return StepAt(text, TextEnd(text), pos);
}

int CharLength(const QByteArray& text) {
    const qsizetype end = TextEnd(text);
    int count = 0;
    qsizetype pos = 0;
    while (StepAt(text, end, pos) > 0)
        ++count;
    return count;
}

int CharPos(const QByteArray& sought, const QByteArray& text) {
    const qsizetype sEnd = TextEnd(sought);
    const qsizetype tEnd = TextEnd(text);
    if (sEnd == 0 || tEnd == 0)
        return 0;
    int k = 1;
    qsizetype q = 0;
    while (q < tEnd) {
        if (MatchesAt(sought, sEnd, text, tEnd, q))
            return k;
        StepAt(text, tEnd, q);
        ++k;
    }
    return 0;
}

QByteArray SubChars(const QByteArray& text, int start, int count) {
    const qsizetype end = TextEnd(text);
    if (end == 0 || start < 0 || count <= 0)
        return {};
    qsizetype pos = 0;
    for (int i = 1; i < start; ++i)
        if (StepAt(text, end, pos) == 0)
            return {};
    const qsizetype first = pos;
    for (int i = 0; i < count; ++i)
        if (StepAt(text, end, pos) == 0)
            break;
    return text.mid(first, pos - first);
}

QByteArray LeftChars(const QByteArray& text, int n) {
    if (n < 1)
        return {};
    const QByteArray head = SubChars(text, 1, n);
    return head + RepeatText(" ", n - CharLength(head));
}

QByteArray RepeatText(const QByteArray& text, int n) {
    if (n <= 0)
        return {};
    return text.repeated(n);
}

QByteArray ToCp932(const QString& text) {
    QStringEncoder encoder("Shift_JIS");
    return encoder.encode(text);
}

QString FromCp932(const QByteArray& bytes) {
    QStringDecoder decoder("Shift_JIS");
    return decoder.decode(bytes);
}

int Cp932CharWidth(char32_t ch) {
    if (ch < 0x80 || (ch >= 0xFF61 && ch <= 0xFF9F))
        return 1;
    return 2;
}

int Cp932TextWidth(const QString& text) {
    int width = 0;
    for (char32_t ch : text.toUcs4())
        width += Cp932CharWidth(ch);
    return width;
}
