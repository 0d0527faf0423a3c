#pragma once

// The main window's actions whose enabled state follows the page shown.
enum class PageAction { SaveAs, Cut, Copy, Paste, SelectAll, HtmlCopy, Preview };
