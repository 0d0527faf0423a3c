#pragma once

#include "core/Color.h"

#include <QString>

struct ProgramOptions;

// The complete HTML5 page around a CSS-style fragment, every line ended by
// CR LF, in fixed lower case: doctype, html with lang="ja", a head with
// the character set and title, then for pages 0, 1 and 3 a body whose
// style sets the page background (a colour name, when colorconst gives one
// that browsers read as this colour, follows htmlcase). The body page's
// fragment brings its own style block and BODY tag: the block goes into
// the head, the tag opens the body.
QString WrapPageCss(const QString& fragment, int page, TColor background,
                    const ProgramOptions& options);
