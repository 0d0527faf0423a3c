#pragma once

#include "settings/MarkupOptions.h"

#include <QByteArray>
#include <QString>

struct ProgramOptions;

// Changes only the 52 ASCII letters: all lower, all upper, or the first
// character raised and every later one lowered. For ASCII pieces of markup
// only, never for user text, font faces, the cell text or paths.
QString ApplyHtmlCase(const QString& text, HtmlCase mode);
QByteArray ApplyHtmlCase(const QByteArray& text, HtmlCase mode);
// The same with the case taken from the options.
QString ApplyHtmlCase(const QString& text, const ProgramOptions& options);

// The line break the gradient text, table and rule writers put into their
// markup: CR LF while htmlcr is on, nothing otherwise.
inline const QString kHtmlLineBreak = QStringLiteral("\r\n");
QString HtmlLineBreak(bool htmlcr);
QString HtmlLineBreak(const ProgramOptions& options);
