#pragma once

#include <span>

class HtmlPage;
class PageHost;
class QWidget;
struct PageTraits;

// A page of the main window: its traits and how to build its widget.
struct PageRegistration {
    const PageTraits& traits;
    HtmlPage* (*build)(PageHost& host, QWidget* parent);
};

// The window's pages in the order of their tabs.
std::span<const PageRegistration> RegisteredPages();
// The page the window opens on.
const PageTraits& StartPage();
