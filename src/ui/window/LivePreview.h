#pragma once

#include <QDockWidget>
#include <QTimer>
#include <functional>
#include <optional>

class QTextBrowser;

// A dock that shows the output of the page in front as a browser would,
// rebuilt a moment after the page changes and only while the dock is shown.
class LivePreview : public QDockWidget {
    Q_OBJECT
public:
    // The whole document to show; nullopt when it cannot be written now
    // (the window is busy), so the refresh is tried again later.
    using DocumentSource = std::function<std::optional<QString>()>;

    // Rebuilt at most this often while changes keep coming.
    static constexpr int kRefreshMilliseconds = 100;

    explicit LivePreview(QWidget* parent = nullptr);

    void setSource(DocumentSource source) { m_source = std::move(source); }
    QTextBrowser* browser() const { return m_browser; }
    // The text of the document now shown.
    QString shownText() const { return m_shown; }

    // Something the output depends on changed: rebuilds once the interval
    // since the first unshown change has passed. Ignored while hidden.
    void schedule();
    // Rebuilds now, when shown.
    void refresh();

signals:
    // The document was rebuilt with a different text.
    void refreshed();

protected:
    void showEvent(QShowEvent* event) override;

private:
    DocumentSource m_source;
    QTextBrowser* m_browser = nullptr;
    QTimer m_timer;
    QString m_shown;
    bool m_everShown = false;
};
