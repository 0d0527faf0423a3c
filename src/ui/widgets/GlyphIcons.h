#pragma once

#include <QIcon>

enum class Glyph { None, Save, Cut, Copy, Paste, HtmlCopy, Browser1, Browser2, Chart, Help };

// The tool bar glyphs, drawn at 16 x 16.
QIcon GlyphIcon(Glyph glyph);

// The program's own icon: main window, task bar button, about box.
QIcon ProgramIcon();
