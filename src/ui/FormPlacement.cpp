#include "ui/FormPlacement.h"

#include "settings/WindowPlacement.h"

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

} // namespace

void LoadWindowPlacement(const SettingsStore& store, QWidget* form) {
    const bool sizeable = IsSizeable(form);
    const QRect placement =
        LoadPlacement(store, form->objectName(), sizeable, ScreenSize(), form->size());
    form->move(placement.topLeft());
    if (sizeable) {
        // A hand-edited size could ask for gigabytes of window buffer; no
        // window of ours needs more than the whole desktop.
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QSize desktop = screen ? screen->virtualSize() : ScreenSize();
        form->resize(placement.size().boundedTo(desktop));
    }
}

void SaveWindowPlacement(SettingsStore& store, const QWidget* form) {
    const bool normal =
        !(form->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    SavePlacement(store, form->objectName(), QRect(form->pos(), form->size()), normal);
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
