#include "ui/window/FormPlacement.h"

#include "settings/WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

const char* const kPlacedProperty = "vellomarPlaced";

QSize ScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

bool IsSizeable(const QWidget* form) {
    return form->minimumSize() != form->maximumSize();
}

// The stored size is the frame's, but a window is sized by its inside, and
// the frame is known only once the window manager has put one around it.
// Until then the inside takes the whole size; this shrinks it by the frame
// once, so the frame comes out as stored and the next save stores it again.
class FrameFit : public QObject {
public:
    FrameFit(QWidget* form, const QSize& frameSize) : QObject(form), m_frameSize(frameSize) {
        form->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* form = static_cast<QWidget*>(parent());
        const QEvent::Type type = event->type();
        if (watched != form ||
            (type != QEvent::Move && type != QEvent::Resize && type != QEvent::Show))
            return false;
        const QRect frame = form->frameGeometry();
        const QRect inside = form->geometry();
        if (!form->isVisible() || frame == inside)
            return false;
        // Once only: later sizes are the user's.
        form->removeEventFilter(this);
        deleteLater();
        if (form->size() == m_frameSize)
            form->resize(m_frameSize - (frame.size() - inside.size()));
        return false;
    }

private:
    QSize m_frameSize;
};

} // namespace

void LoadWindowPlacement(const SettingsStore& store, QWidget* form) {
    const bool sizeable = IsSizeable(form);
    const QRect placement = LoadPlacement(store, form->objectName(), sizeable, ScreenSize(),
                                          form->frameGeometry().size());
    // A window not yet shown takes this as its frame's corner.
    form->move(placement.topLeft());
    if (sizeable) {
        // A hand-edited size could ask for gigabytes of window buffer; no
        // window of ours needs more than the whole desktop.
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QSize desktop = screen ? screen->virtualSize() : ScreenSize();
        const QSize frameSize = placement.size().boundedTo(desktop);
        if (form->frameGeometry() != form->geometry()) {
            form->resize(frameSize - (form->frameGeometry().size() - form->size()));
        } else {
            form->resize(frameSize);
            new FrameFit(form, frameSize);
        }
    }
}

void SaveWindowPlacement(SettingsStore& store, const QWidget* form) {
    const bool normal =
        !(form->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    SavePlacement(store, form->objectName(), form->frameGeometry(), normal);
}

void CenterOverMainWindow(QWidget* form, const QWidget* mainWindow) {
    if (form->property(kPlacedProperty).toBool())
        return;
    const QSize screen = ScreenSize();
    if (mainWindow && mainWindow->isVisible()) {
        form->move(CenteredOver(mainWindow->frameGeometry(), form->size(), screen));
    } else {
        form->move((screen.width() - form->width()) / 2, (screen.height() - form->height()) / 2);
    }
    form->setProperty(kPlacedProperty, true);
}
