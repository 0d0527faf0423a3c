#include "ui/HtmlPage.h"

HtmlPage::HtmlPage(PageHost& host, QWidget* parent) : QWidget(parent), m_host(host) {}
