// GIMP gradient files chosen by the user: any bytes read as gradients or an error.
#include "FuzzGradient.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    CheckImported(ReadGgr(bytes, QStringLiteral("fuzz")));
    return 0;
}
