#include "gradient/GradientTableList.h"

#include <algorithm>

void GradientTableList::setCount(int count) {
    m_count = std::clamp(count, 0, kCapacity);
}

namespace {

GradientTable Table(const char* name, std::initializer_list<GradientStop> stops) {
    GradientTable table;
    table.name = QString::fromUtf8(name);
    table.setStops(std::span<const GradientStop>(stops.begin(), stops.size()));
    return table;
}

} // namespace

const std::array<GradientTable, 13>& DefaultGradientTables() {
    // The end colours of the spectrum (an orange-red) and of red-green (a
    // dull teal) are what the tables have always held.
    static const std::array<GradientTable, 13> tables = {
        Table(QT_TRANSLATE_NOOP("GradientTableList", "スペクトラム"), {{0, 255},
                                                                       {48, 16711935},
                                                                       {103, 16711680},
                                                                       {151, 16776960},
                                                                       {203, 65280},
                                                                       {253, 65535},
                                                                       {300, 287227}}),
        Table(QT_TRANSLATE_NOOP("GradientTableList", "虹"), {{0, 255},
                                                             {73, 65535},
                                                             {123, 32768},
                                                             {172, 16776960},
                                                             {217, 10485760},
                                                             {300, 16711935}}),
        Table(QT_TRANSLATE_NOOP("GradientTableList", "黒、白"), {{0, 0}, {300, 16777215}}),
        Table(QT_TRANSLATE_NOOP("GradientTableList", "白、黒"), {{0, 16777215}, {300, 0}}),
        Table(QT_TRANSLATE_NOOP("GradientTableList", "紫、緑、オレンジ"),
              {{0, 4194432}, {150, 32768}, {300, 4227327}}),
        Table(QT_TRANSLATE_NOOP("GradientTableList", "黄色、紫、オレンジ、青"),
              {{0, 65535}, {111, 8388736}, {204, 33023}, {300, 10485760}}),
        Table(QT_TRANSLATE_NOOP("GradientTableList", "クロム"),
              {{0, 12615680}, {148, 16777215}, {155, 92286}, {196, 304087}, {300, 16777215}}),
        Table(QT_TRANSLATE_NOOP("GradientTableList", "銅"),
              {{0, 6908340}, {97, 13559807}, {233, 128}, {300, 16777215}}),
        Table(QT_TRANSLATE_NOOP("GradientTableList", "オレンジ、黄色、オレンジ"),
              {{0, 33023}, {150, 65535}, {300, 33023}}),
        Table(QT_TRANSLATE_NOOP("GradientTableList", "青、黄、青"),
              {{0, 16711680}, {150, 65535}, {300, 10485760}}),
        Table(QT_TRANSLATE_NOOP("GradientTableList", "青、赤、黄"),
              {{0, 10485760}, {150, 255}, {300, 65535}}),
        Table(QT_TRANSLATE_NOOP("GradientTableList", "紫、オレンジ"), {{0, 8388672}, {300, 33023}}),
        Table(QT_TRANSLATE_NOOP("GradientTableList", "赤、緑"), {{0, 255}, {300, 8421440}}),
    };
    return tables;
}
