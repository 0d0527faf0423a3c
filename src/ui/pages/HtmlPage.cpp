#include "ui/pages/HtmlPage.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QMetaMethod>
#include <QTimer>

namespace {

const char* const kWatchedProperty = "vellomarPageWatched";

// The signals by which the usual controls tell that their value changed;
// a click covers the buttons whose handler changes the page.
bool IsChangeSignal(const QMetaMethod& method) {
    static const QList<QByteArray> names = {
        "toggled",     "clicked",      "valueChanged", "currentIndexChanged",
        "textChanged", "colorChanged", "itemChanged",  "activated"};
    return method.methodType() == QMetaMethod::Signal && names.contains(method.name());
}

} // namespace

HtmlPage::HtmlPage(PageHost& host, QWidget* parent) : QWidget(parent), m_host(host) {}

bool HtmlPage::copyHtml() {
    const QString text = html();
    if (text.isEmpty())
        return false;
    QGuiApplication::clipboard()->setText(text);
    return true;
}

bool HtmlPage::event(QEvent* event) {
    // The page's constructor has built its controls by its first polish;
    // controls added later are picked up once they are constructed.
    if (event->type() == QEvent::Polish)
        watchControls();
    else if (event->type() == QEvent::ChildAdded && property(kWatchedProperty).toBool())
        QTimer::singleShot(0, this, &HtmlPage::watchControls);
    return QWidget::event(event);
}

void HtmlPage::watchControls() {
    setProperty(kWatchedProperty, true);
    const QMetaMethod notify = QMetaMethod::fromSignal(&HtmlPage::changed);
    for (QWidget* control : findChildren<QWidget*>()) {
        if (control->property(kWatchedProperty).toBool())
            continue;
        control->setProperty(kWatchedProperty, true);
        const QMetaObject* meta = control->metaObject();
        for (int i = 0; i < meta->methodCount(); ++i) {
            if (IsChangeSignal(meta->method(i)))
                connect(control, meta->method(i), this, notify);
        }
    }
}
