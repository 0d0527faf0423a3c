#pragma once

#include "html/StyledText.h"

#include <QString>

// How the gradient-text page's characters go into its markup.

// Escape writes '<', '>' and '&' as references, so that the page shows what
// was typed; AsTyped copies them, for users who type markup on purpose.
enum class MarkupChars { Escape, AsTyped };

// Characters HTML does not allow in text: the C0 controls other than tab,
// line feed and carriage return, DEL and the C1 controls.
bool IsForbiddenHtmlChar(char32_t ch);
bool HasForbiddenHtmlChars(const StyledText& text);
// The text without them.
StyledText WithoutForbiddenHtmlChars(const StyledText& text);

// One character of user text as markup.
void AppendTextChar(QString& out, char32_t ch, MarkupChars chars);

// A stored text as the value of a double-quoted attribute: '&' and '"' as
// references, the characters HTML does not allow left out.
QString HtmlAttributeValue(const QString& text);
