#pragma once

#include <stdexcept>
#include <string>

class QString;

// Every picture error carries a fixed message; callers show what() as it is.
// The picture data code has no Qt in it, so that a command can convert a
// picture without loading the toolkit; the windowed side still builds and
// reads messages as QString.
class EPictureError : public std::runtime_error {
public:
    explicit EPictureError(const std::string& message) : std::runtime_error(message) {}
    explicit EPictureError(const char* message) : std::runtime_error(message) {}
    template <typename Text>
    requires requires(const Text& text) { text.toStdString(); }
    explicit EPictureError(const Text& message) : std::runtime_error(message.toStdString()) {}
    template <typename Text = QString> Text message() const { return Text::fromUtf8(what()); }
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
