// A stored gradient table record: read, then drawn and walked.
#include "gradient/DrawGradient.h"
#include "gradient/GradientRecord.h"
#include "gradient/GradientWalk.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString record = QString::fromUtf8(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    const GradientTable table = GradientTableFromRecord(record);
    if (table.count < 0 || table.count > kMaxGradientStops)
        __builtin_trap();
    std::vector<TColor> columns(300, 0xFFFFFF);
    DrawGradient(table.stops(), columns);
    GradientWalkColors(table, 50, 0, 60);
    (void)GradientTableToRecord(table);
    return 0;
}
