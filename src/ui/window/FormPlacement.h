#pragma once

class QWidget;
class SettingsStore;

// Window placement by form name (the widget's objectName): frmMain,
// frmOpt, frmchart. What is stored is the window's frame, its position and
// its size, and that is what comes back. A form with a fixed size restores
// its position only; a resizable one its size as well.
void LoadWindowPlacement(const SettingsStore& store, QWidget* form);
// Stores the frame's position and size unless the form is minimised,
// maximised or full screen.
void SaveWindowPlacement(SettingsStore& store, const QWidget* form);

// Places a dialog over the main window the first time it is shown in a
// run; later calls leave it where the user put it.
void CenterOverMainWindow(QWidget* form, const QWidget* mainWindow);
