#pragma once

#include "core/Color.h"
#include "html/TextGradient.h"
#include "ui/window/PageAction.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

class PageHost;

// What a page writes: the fragment, empty when there is nothing to write,
// and a line for the status bar when the writer has something to tell.
struct PageMarkup {
    QString html;
    QString message;
};

// One generator page of the main window. The page owns its controls; the
// window only dispatches its actions here. A page writes its fragment with
// the pure writer of its model, so plugging in a writer changes write() only.
class HtmlPage : public QWidget {
    Q_OBJECT
public:
    HtmlPage(PageHost& host, QWidget* parent = nullptr);

    // The page's HTML, written from its model and the options alone: it shows
    // nothing and changes nothing, so the caller decides what the user sees.
    // A long write reports to `progress`, which may stop it (empty then).
    virtual PageMarkup write(const TextProgress& progress = {}) const = 0;
    // The fragment of write().
    QString html() const { return write().html; }
    // Hands write() to `done`: at once, or from a page that writes a long text
    // in the background once that run completes (never when it is cancelled).
    virtual void writeThen(const std::function<void(const PageMarkup&)>& done) { done(write()); }
    // Puts html() on the clipboard. An empty fragment leaves the clipboard as
    // it was, so the output commands use the text copied before. False then.
    bool copyHtml();

    // Whether the window offers an action while this page is shown.
    virtual bool supports(PageAction action) const = 0;

    // The colour of the page wrapper's body line when this page is saved or
    // previewed; nullopt when the fragment carries its own BODY tag.
    virtual std::optional<TColor> wrapperBackground() const = 0;

    // The page's part of the window's start-up, run once the options and the
    // gradient tables are loaded.
    virtual void start() {}
    // The options changed under the page (the options dialog's OK).
    virtual void optionsApplied() {}

    // Edit actions; only pages that support them act.
    virtual void cut() {}
    virtual void copy() {}
    virtual void paste() {}
    virtual void selectAll() {}

    // A row of the named-colour list was chosen; the colour is already current.
    virtual void namedColorChosen() {}

    // Whether the page is refreshing its own controls from its content.
    virtual bool Updating() const { return false; }

signals:
    // The page's controls changed, so html() may write something else now.
    // Raised for every control of the page without the page's help; a page
    // whose model changes by other means raises it itself.
    void changed();

protected:
    PageHost& host() const { return m_host; }
    bool event(QEvent* event) override;

private:
    // Connects the change signals of every control not yet watched.
    void watchControls();

    PageHost& m_host;
};
