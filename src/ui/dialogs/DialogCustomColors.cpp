#include "ui/dialogs/DialogCustomColors.h"

#include "core/QtColor.h"
#include "settings/CustomColors.h"

#include <QColorDialog>

void LoadDialogCustomColors(const SettingsStore& store) {
    const CustomColorSet colors = LoadCustomColors(store);
    for (int i = 0; i < int(colors.size()); ++i) {
        const TColor c = colors[std::size_t(i)];
        QColorDialog::setCustomColor(i, ToQColor(c));
    }
}

void SaveDialogCustomColors(SettingsStore& store) {
    CustomColorSet colors{};
    for (int i = 0; i < int(colors.size()); ++i) {
        const QColor c = QColorDialog::customColor(i);
        colors[std::size_t(i)] = FromQColor(c);
    }
    SaveCustomColors(store, colors);
}
