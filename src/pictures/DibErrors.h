#pragma once

#include <QString>
#include <stdexcept>

// Every picture error carries a fixed message; callers show what() as it is.
class EPictureError : public std::runtime_error {
public:
    explicit EPictureError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromUtf8(what()); }
};

#define VELLOMAR_PICTURE_ERROR(Name)                                                               \
    class Name : public EPictureError {                                                            \
    public:                                                                                        \
        using EPictureError::EPictureError;                                                        \
    };

VELLOMAR_PICTURE_ERROR(EVmDIBError)
VELLOMAR_PICTURE_ERROR(EInvalidGraphic)
VELLOMAR_PICTURE_ERROR(EOutOfMemory)
VELLOMAR_PICTURE_ERROR(EOutOfResources)
VELLOMAR_PICTURE_ERROR(EReadError)
VELLOMAR_PICTURE_ERROR(EWriteError)
VELLOMAR_PICTURE_ERROR(EFOpenError)

#define VELLOMAR_DIB_ERROR(Name)                                                                   \
    class Name : public EVmDIBError {                                                              \
    public:                                                                                        \
        using EVmDIBError::EVmDIBError;                                                            \
    };

VELLOMAR_DIB_ERROR(EVmDIBAssert)
VELLOMAR_DIB_ERROR(EVmDIBInvalidDIBFile)
VELLOMAR_DIB_ERROR(EVmDIBInvalidDIB)
VELLOMAR_DIB_ERROR(EVmDIBInvalidDIBPara)
VELLOMAR_DIB_ERROR(EVmDIBInvalidPalette)
VELLOMAR_DIB_ERROR(EVmDIBBadDIBType)
VELLOMAR_DIB_ERROR(EVmDIBCompressionFailed)

#undef VELLOMAR_DIB_ERROR
#undef VELLOMAR_PICTURE_ERROR
