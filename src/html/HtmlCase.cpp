#include "html/HtmlCase.h"

#include "settings/ProgramOptions.h"

namespace {

template <typename Char> Char Lower(Char c) {
    return c >= 'A' && c <= 'Z' ? Char(c - 'A' + 'a') : c;
}

template <typename Char> Char Upper(Char c) {
    return c >= 'a' && c <= 'z' ? Char(c - 'a' + 'A') : c;
}

template <typename Char> void Apply(Char* data, qsizetype size, HtmlCase mode) {
    for (qsizetype i = 0; i < size; ++i) {
        const bool raise = mode == HtmlCase::Upper || (mode == HtmlCase::Capital && i == 0);
        data[i] = raise ? Upper(data[i]) : Lower(data[i]);
    }
}

} // namespace

QString ApplyHtmlCase(const QString& text, HtmlCase mode) {
    QString result = text;
    Apply(reinterpret_cast<char16_t*>(result.data()), result.size(), mode);
    return result;
}

QByteArray ApplyHtmlCase(const QByteArray& text, HtmlCase mode) {
    QByteArray result = text;
    Apply(result.data(), result.size(), mode);
    return result;
}

QString ApplyHtmlCase(const QString& text, const ProgramOptions& options) {
    return ApplyHtmlCase(text, options.htmlcase);
}

QString HtmlLineBreak(bool htmlcr) {
    return htmlcr ? kHtmlLineBreak : QString();
}

QString HtmlLineBreak(const ProgramOptions& options) {
    return HtmlLineBreak(options.htmlcr);
}
