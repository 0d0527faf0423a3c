#pragma once

#include "core/Color.h"

#include <QString>

struct PageTraits;
struct ProgramOptions;

// The complete HTML5 page around a CSS-style fragment, every line ended by
// CR LF, in fixed lower case: doctype, html with lang="ja", a head with
// the character set and title, then, unless the fragment is a BODY tag of
// its own, a body whose style sets the page background (a colour name, when
// colorconst gives one that browsers read as this colour, follows
// htmlcase). A page's own BODY tag comes with its style block: the block
// goes into the head, the tag opens the body. So does the style block another
// fragment begins with.
QString WrapPageCss(const QString& fragment, const PageTraits& page, TColor background,
                    const ProgramOptions& options);
