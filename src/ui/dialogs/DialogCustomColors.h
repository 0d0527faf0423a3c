#pragma once

class SettingsStore;

// The colour dialog's sixteen custom colours, stored as CustomColors. Qt
// keeps one set for every colour dialog of the program, as it should be:
// the current colour, the gradient editor and the options dialog share them.
void LoadDialogCustomColors(const SettingsStore& store);
void SaveDialogCustomColors(SettingsStore& store);
