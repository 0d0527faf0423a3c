#include "gradient/GradientListOps.h"

#include "gradient/GradientTableList.h"

#include <vector>

QStringList FillGradientNames(const GradientTableList& list) {
    QStringList names;
    for (int i = 0; i < list.count(); ++i)
        names << list.slot(i).name;
    return names;
}

QString CleanGradientName(const QString& entry) {
    QString name = entry;
    name.remove(QLatin1Char('"'));
    name.remove(QLatin1Char(','));
    return name;
}

QString UniqueGradientName(const GradientTableList& list, const QString& wanted) {
    const QStringList names = FillGradientNames(list);
    const QString name = CleanGradientName(wanted);
    QString candidate = name;
    for (int n = 2; names.contains(candidate); ++n)
        candidate = QStringLiteral("%1 (%2)").arg(name).arg(n);
    return candidate;
}

namespace {

std::vector<GradientStop> Sorted(std::span<const GradientStop> stops) {
    std::vector<GradientStop> sorted(stops.begin(), stops.end());
    SortGradientStops(sorted);
    return sorted;
}

} // namespace

AddGradientResult AddGradientTable(GradientTableList& list, const QString& entry,
                                   std::span<const GradientStop> stops) {
    if (entry.isEmpty())
        return AddGradientResult::Empty;
    const QString name = CleanGradientName(entry);
    for (int i = 0; i < list.count(); ++i) {
        if (list.slot(i).name == name)
            return AddGradientResult::Duplicate;
    }
    if (list.count() >= GradientTableList::kCapacity)
        return AddGradientResult::Full;
    GradientTable& table = list.slot(list.count());
    table.name = name;
    table.setStops(Sorted(stops));
    list.setCount(list.count() + 1);
    return AddGradientResult::Added;
}

bool UpdateGradientTable(GradientTableList& list, int index, std::span<const GradientStop> stops) {
    if (!list.isValidIndex(index))
        return false;
    list.slot(index).setStops(Sorted(stops));
    return true;
}

bool DeleteGradientTable(GradientTableList& list, int index) {
    if (!list.isValidIndex(index))
        return false;
    for (int i = index; i + 1 < list.count(); ++i)
        list.slot(i) = list.slot(i + 1);
    list.setCount(list.count() - 1);
    return true;
}
