#pragma once

#include "dib/DibErrors.h"

// Errors of the plug-in host; plug-ins that raise them during a search are skipped.
class ESPIError : public EPictureError {
public:
    using EPictureError::EPictureError;
};

class ESPIFOpenErrorSPI : public ESPIError {
public:
    using ESPIError::ESPIError;
};

class ESPIInvalidAPI : public ESPIError {
public:
    using ESPIError::ESPIError;
};

class ESPIDupCreateSPIs : public ESPIError {
public:
    using ESPIError::ESPIError;
};

// Raised by a progress notification that wants the running load to stop quietly.
class EAbort : public EPictureError {
public:
    EAbort() : EPictureError(QStringLiteral("Operation aborted")) {}
};
