#include "gradient/GradientStore.h"

#include "gradient/GradientRecord.h"
#include "gradient/GradientTableList.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>

namespace {

const QString kSection = QStringLiteral("colortable");
const QString kCount = QStringLiteral("count");

QString RecordName(int index) {
    return QStringLiteral("col%1").arg(index);
}

} // namespace

void LoadGradientTables(const SettingsStore& store, GradientTableList& list) {
    const int count = store.readInteger(kSection, kCount, 0);
    if (count <= 0) {
        LoadDefaultGradientTables(list);
        return;
    }
    list.setCount(count);
    for (int i = 0; i < list.count(); ++i) {
        const QString record = store.readString(kSection, RecordName(i));
        if (!record.isEmpty())
            list.slot(i) = GradientTableFromRecord(record);
    }
}

void SaveGradientTables(SettingsStore& store, const GradientTableList& list) {
    store.writeInteger(kSection, kCount, list.count());
    for (int i = 0; i < list.count(); ++i)
        store.writeString(kSection, RecordName(i), GradientTableToRecord(list.slot(i)));
}

void LoadDefaultGradientTables(GradientTableList& list) {
    const auto& defaults = DefaultGradientTables();
    for (size_t i = 0; i < defaults.size(); ++i) {
        list.slot(int(i)) = defaults[i];
        // Named in the interface language; once stored, a name is the user's.
        list.slot(int(i)).name =
            QCoreApplication::translate("GradientTableList", defaults[i].name.toUtf8().constData());
    }
    list.setCount(int(defaults.size()));
}
