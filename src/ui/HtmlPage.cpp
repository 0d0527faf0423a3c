#include "ui/HtmlPage.h"

#include <QClipboard>
#include <QGuiApplication>

HtmlPage::HtmlPage(PageHost& host, QWidget* parent) : QWidget(parent), m_host(host) {}

bool HtmlPage::copyHtml() {
    const QString text = html();
    if (text.isEmpty())
        return false;
    QGuiApplication::clipboard()->setText(text);
    return true;
}
