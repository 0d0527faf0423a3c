#include "GradientArgument.h"

#include "CliContext.h"
#include "gradient/GradientStore.h"
#include "gradient/GradientTableList.h"
#include "settings/SettingsStore.h"

void LoadCliGradientTables(const CliContext& context, GradientTableList& list) {
    const SettingsStore store = context.openStore();
    LoadGradientTables(store, list);
}

int ParseGradientArgument(const GradientTableList& list, const QString& text) {
    bool isNumber = false;
    const int index = text.toInt(&isNumber);
    if (isNumber && list.isValidIndex(index))
        return index;
    for (int i = 0; i < list.count(); ++i) {
        if (list.slot(i).name == text)
            return i;
    }
    if (isNumber)
        throw UsageError(QStringLiteral("no gradient table %1 (the store holds %2)")
                             .arg(text)
                             .arg(list.count()));
    throw UsageError(QStringLiteral("unknown gradient table '%1'").arg(text));
}
