#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class SettingsStore;

// Where a window was: its section is the form name + "Rect" (frmMainRect),
// with the values left, top, width and height of its frame in pixels.
QString PlacementSection(const QString& formName);

// The stored placement of a form, with its defaults filled in: a sizeable
// form defaults to 70 % of the screen in each direction, any other keeps
// `currentSize` (and takes no stored size); either is centred on the screen.
QRect LoadPlacement(const SettingsStore& store, const QString& formName, bool sizeable,
                    const QSize& screenSize, const QSize& currentSize);

// Stores the placement; nothing is written unless the window is in its
// normal state, so the last normal placement survives a maximised close.
void SavePlacement(SettingsStore& store, const QString& formName, const QRect& geometry,
                   bool normalState);

// Where a dialog goes over the main window: centred over it on each axis
// where it is smaller than the main window, centred on the screen otherwise.
QPoint CenteredOver(const QRect& mainWindow, const QSize& dialogSize, const QSize& screenSize);
