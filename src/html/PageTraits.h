#pragma once

#include <QtGlobal>

// What the window, the output commands and vellomar-cli know of a page of
// the main window besides its widget. Each page's traits are declared once,
// below; the window shows the pages it registers in their order.
struct PageTraits {
    // The page's name in code and in the help's contents.
    const char* id;
    // The tab caption and the help topic's title, translated in the
    // "PageTraits" context.
    const char* caption;
    const char* helpTitle;
    // The page's help topic, a file of the help pages.
    const char* helpPage;
    // Save As and both previews write the page; without, they do nothing.
    bool outputFile;
    // The fragment is a BODY tag of its own: the wrapper adds no background
    // line, and the CSS wrapper takes the fragment's style block into the head.
    bool ownBodyTag;
    // The wrapper's background is the page's own (the gradient-text
    // editor's) instead of the option viewback.
    bool ownBackground;
};

namespace Pages {

inline constexpr PageTraits Text{
    .id = "text",
    .caption = QT_TRANSLATE_NOOP("PageTraits", "ｸﾞﾗﾃﾞｰｼｮﾝﾃｷｽﾄ"),
    .helpTitle = QT_TRANSLATE_NOOP("PageTraits", "グラデーションテキスト"),
    .helpPage = "pagetext.html",
    .outputFile = true,
    .ownBodyTag = false,
    .ownBackground = true,
};

inline constexpr PageTraits Table{
    .id = "table",
    .caption = QT_TRANSLATE_NOOP("PageTraits", "テーブル"),
    .helpTitle = QT_TRANSLATE_NOOP("PageTraits", "テーブル"),
    .helpPage = "pagetable.html",
    .outputFile = true,
    .ownBodyTag = false,
    .ownBackground = false,
};

inline constexpr PageTraits Body{
    .id = "body",
    .caption = QT_TRANSLATE_NOOP("PageTraits", "ボディ"),
    .helpTitle = QT_TRANSLATE_NOOP("PageTraits", "ボディ"),
    .helpPage = "pagebody.html",
    .outputFile = true,
    .ownBodyTag = true,
    .ownBackground = false,
};

inline constexpr PageTraits Rule{
    .id = "rule",
    .caption = QT_TRANSLATE_NOOP("PageTraits", "水平線"),
    .helpTitle = QT_TRANSLATE_NOOP("PageTraits", "水平線"),
    .helpPage = "pagerule.html",
    .outputFile = true,
    .ownBodyTag = false,
    .ownBackground = false,
};

// Its caption is the same in every language.
inline constexpr PageTraits Color{
    .id = "color",
    .caption = "Color",
    .helpTitle = "Color",
    .helpPage = "pagecolor.html",
    .outputFile = false,
    .ownBodyTag = false,
    .ownBackground = false,
};

} // namespace Pages
