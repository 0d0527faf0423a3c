#include "ui/window/LivePreview.h"

#include <QTextBrowser>

LivePreview::LivePreview(QWidget* parent) : QDockWidget(tr("プレビュー"), parent) {
    setObjectName(QStringLiteral("dckpreview"));
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("brwpreview"));
    m_browser->setAccessibleName(tr("プレビュー"));
    // A link in the output is the user's page, not a way away from it.
    m_browser->setOpenLinks(false);
    m_browser->setOpenExternalLinks(false);
    setWidget(m_browser);
    // While changes keep coming (a spin box held down) the preview still
    // follows at this rate instead of waiting for the last one.
    m_timer.setSingleShot(true);
    m_timer.setInterval(kRefreshMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &LivePreview::refresh);
}

void LivePreview::schedule() {
    if (isVisible() && !m_timer.isActive())
        m_timer.start();
}

void LivePreview::refresh() {
    m_timer.stop();
    if (!isVisible() || !m_source)
        return;
    const std::optional<QString> document = m_source();
    if (!document) {
        m_timer.start();
        return;
    }
    // An unchanged text keeps the place the user scrolled to.
    if (m_everShown && *document == m_shown)
        return;
    m_everShown = true;
    m_shown = *document;
    m_browser->setHtml(m_shown);
    emit refreshed();
}

void LivePreview::showEvent(QShowEvent* event) {
    QDockWidget::showEvent(event);
    // Changes made while it was hidden were not followed.
    schedule();
}
