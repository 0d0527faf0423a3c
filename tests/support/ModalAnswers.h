#pragma once

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QInputDialog>
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

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow() && widget->isModal())
            QTimer::singleShot(0, this, [this, window = QPointer<QWidget>(widget)] {
                if (window && window->isVisible())
                    shown(window);
            });
        return false;
    }
};

// Answers the modal windows in order, one step each. A window of another
// kind than its step expects, or one no step is left for, is recorded and
// rejected, so a wrong window fails the test instead of hanging it.
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
    void shown(QWidget* modal) override {
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            seen << box->windowTitle() + QStringLiteral(": ") + box->text();
        else if (auto* input = qobject_cast<QInputDialog*>(modal))
            seen << input->windowTitle() + QStringLiteral(": ") + input->labelText();
        else
            seen << modal->windowTitle();
        if (!m_steps.empty()) {
            auto step = std::move(m_steps.front());
            m_steps.pop_front();
            if (step(modal))
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
