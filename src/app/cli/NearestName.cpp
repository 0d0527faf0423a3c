#include "NearestName.h"

#include <algorithm>
#include <vector>

int EditDistance(const QString& a, const QString& b) {
    const qsizetype n = a.size();
    const qsizetype m = b.size();
    // Three rows are enough for transpositions.
    std::vector<int> before(size_t(m + 1)), previous(size_t(m + 1)), current(size_t(m + 1));
    for (qsizetype j = 0; j <= m; ++j)
        previous[size_t(j)] = int(j);
    for (qsizetype i = 1; i <= n; ++i) {
        current[0] = int(i);
        for (qsizetype j = 1; j <= m; ++j) {
            const int cost = a.at(i - 1) == b.at(j - 1) ? 0 : 1;
            int d = std::min({previous[size_t(j)] + 1, current[size_t(j - 1)] + 1,
                              previous[size_t(j - 1)] + cost});
            if (i > 1 && j > 1 && a.at(i - 1) == b.at(j - 2) && a.at(i - 2) == b.at(j - 1))
                d = std::min(d, before[size_t(j - 2)] + 1);
            current[size_t(j)] = d;
        }
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return previous[size_t(m)];
}

QString NearestName(const QString& word, const QStringList& candidates) {
    // Arguments are short; a long word is not a typo of a name.
    if (word.isEmpty() || word.size() > 100)
        return {};
    // A third of the name may be wrong, at least one character and at most three.
    QString best;
    int bestDistance = 0;
    for (const QString& candidate : candidates) {
        const int limit = std::clamp(int(candidate.size()) / 3, 1, 3);
        const int distance = EditDistance(word, candidate);
        if (distance > limit)
            continue;
        if (best.isEmpty() || distance < bestDistance) {
            best = candidate;
            bestDistance = distance;
        }
    }
    return best;
}

QString UnknownNameMessage(const QString& what, const QString& word,
                           const QStringList& candidates) {
    const QString nearest = NearestName(word, candidates);
    QString message = what + QLatin1Char(' ') + word;
    if (!nearest.isEmpty())
        message += QStringLiteral(" (did you mean %1?)").arg(nearest);
    return message;
}
