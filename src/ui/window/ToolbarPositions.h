#pragma once

#include <QList>
#include <QString>

class QDockWidget;
class QMainWindow;
class QToolBar;
class SettingsStore;

// Dock positions of the main window's tool bars, one settings section per
// tool bar, named after it. Values: Rev (format), Visible, DockedTo (the
// dock area, empty while floating), DockRow (line within the area, from the
// window's edge), DockPos (offset along the line), FloatLeft and FloatTop.
namespace ToolbarPositions {

struct Position {
    bool visible = true;
    QString dockedTo; // "DockTop", "DockBottom", "DockLeft", "DockRight" or empty
    int dockRow = 0;
    int dockPos = 0;
    int floatLeft = 0;
    int floatTop = 0;
};

Position Read(const QMainWindow& window, const QToolBar& bar);
void Save(const QMainWindow& window, const QList<QToolBar*>& bars, SettingsStore& store);
// Bars without a stored section keep their place. A floating bar floats
// again where it was. When every bar was stored hidden, all come back shown.
void Restore(QMainWindow& window, const QList<QToolBar*>& bars, SettingsStore& store);

// A dock window the same way, in a section named after it: Rev, Visible,
// DockedTo (empty while floating), FloatLeft and FloatTop. A missing or
// damaged section leaves the dock hidden where the window put it.
void SaveDock(const QMainWindow& window, const QDockWidget& dock, SettingsStore& store);
void RestoreDock(QMainWindow& window, QDockWidget& dock, SettingsStore& store);

} // namespace ToolbarPositions
