#pragma once

class QFileDialog;

// Sizes Qt's own file dialog so that the detail view shows name, size, type
// and date whole beside the places list and any pane added to the dialog.
// Measured from the dialog's font, so it holds in every language and scale.
// A native dialog sizes itself; it is left alone.
void FitFileDialogColumns(QFileDialog* dialog);
