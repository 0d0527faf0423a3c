// CSS texts pasted or chosen by the user: any text reads as gradients or an error.
#include "FuzzGradient.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    CheckImported(ReadCssLinearGradients(text, QStringLiteral("fuzz")));
    return 0;
}
