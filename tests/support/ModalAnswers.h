#pragma once

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QInputDialog>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <utility>

// Widget tests answer the modal windows of the code under test as a user
// would. A window is answered when it shows, from inside its own event loop
// (exec() starts that loop only after showing it), so nothing polls and no
// answer comes before the window can take it.
class ModalWatch : public QObject {
public:
    ModalWatch() { qApp->installEventFilter(this); }
    // Answers nothing more.
    void stop() { qApp->removeEventFilter(this); }

protected:
    virtual void shown(QWidget* modal) = 0;
    // A modal window is on top again: the one above it has closed.
    virtual void uncovered(QWidget*) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool show = event->type() == QEvent::Show;
        if ((!show && event->type() != QEvent::Hide) || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (!widget->isWindow() || !widget->isModal())
            return false;
        QTimer::singleShot(0, this, [this, show, window = QPointer<QWidget>(widget)] {
            if (show && window && window->isVisible())
                shown(window);
            QWidget* top = QApplication::activeModalWidget();
            if (!show && top && top != window && top->isVisible())
                uncovered(top);
        });
        return false;
    }
};

// Answers the modal windows in order, one step each; a window that is on
// top again when one it opened closes (a file dialog after its overwrite
// question) takes the next step too. A window of another kind than its step
// expects, or one no step is left for, is recorded and rejected, so a wrong
// window fails the test instead of hanging it.
class ModalAnswers : public ModalWatch {
public:
    // The next window is a T, and `act` answers it.
    template <class T> ModalAnswers& then(std::function<void(T*)> act) {
        m_steps.push_back([act](QWidget* modal) {
            auto* typed = qobject_cast<T*>(modal);
            if (typed)
                act(typed);
            return typed != nullptr;
        });
        return *this;
    }
    bool done() const { return m_steps.empty(); }
    // Stops answering; true when every step was answered and nothing else showed.
    bool finish() {
        stop();
        return done() && unexpected.isEmpty();
    }
    QString report() const { return unexpected.join(QStringLiteral("; ")); }

    // What every window said, as "title: text"; " (unexpected)" marks those no step answered.
    QStringList seen;
    // The class and title of those windows.
    QStringList unexpected;

protected:
    void uncovered(QWidget* modal) override {
        if (modal != m_last && !m_answering.contains(modal) && !m_steps.empty())
            shown(modal);
    }

    void shown(QWidget* modal) override {
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            seen << box->windowTitle() + QStringLiteral(": ") + box->text();
        else if (auto* input = qobject_cast<QInputDialog*>(modal))
            seen << input->windowTitle() + QStringLiteral(": ") + input->labelText();
        else
            seen << modal->windowTitle();
        m_last = modal;
        if (!m_steps.empty()) {
            auto step = std::move(m_steps.front());
            m_steps.pop_front();
            m_answering << modal;
            const bool answered = step(modal);
            m_answering.removeOne(modal);
            if (answered)
                return;
        }
        seen.last() += QStringLiteral(" (unexpected)");
        unexpected << QStringLiteral("%1 '%2'").arg(
            QString::fromLatin1(modal->metaObject()->className()), modal->windowTitle());
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    }

private:
    std::deque<std::function<bool(QWidget*)>> m_steps;
    QPointer<QWidget> m_last;
    // Windows whose step is still running, e.g. in a window it opened.
    QList<QWidget*> m_answering;
};

// Runs `step` once, on the next modal window other than `below` that shows.
// Gives up after five seconds, so a window that never shows fails the test
// instead of hanging it.
inline void OnNextModal(QWidget* below, std::function<void(QWidget*)> step) {
    class Once : public ModalWatch {
    public:
        Once(QWidget* below, std::function<void(QWidget*)> step)
            : m_below(below), m_step(std::move(step)) {
            m_giveUp.setSingleShot(true);
            connect(&m_giveUp, &QTimer::timeout, this, &QObject::deleteLater);
            m_giveUp.start(5000);
        }

    protected:
        void shown(QWidget* modal) override {
            if (modal == m_below || !m_step)
                return;
            m_giveUp.stop();
            stop();
            deleteLater();
            std::exchange(m_step, nullptr)(modal);
        }

    private:
        QPointer<QWidget> m_below;
        std::function<void(QWidget*)> m_step;
        QTimer m_giveUp;
    };
    new Once(below, std::move(step));
}
