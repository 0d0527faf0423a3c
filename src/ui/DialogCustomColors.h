#pragma once

class QColorDialog;
class SettingsStore;

// The colour dialog's sixteen custom colours, stored as CustomColors. Qt
// keeps one set for every colour dialog of the program, as it should be:
// the current colour, the gradient editor and the options dialog share them.
void LoadCustomColors(const SettingsStore& store, QColorDialog* dialog);
void SaveCustomColors(SettingsStore& store, const QColorDialog* dialog);
