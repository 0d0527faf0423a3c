#pragma once

// The main window's actions whose enabled state the page shown decides; Save
// As and the previews follow whether the page has a file (PageTraits).
enum class PageAction { Cut, Copy, Paste, SelectAll, HtmlCopy };
