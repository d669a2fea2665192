// GDAL's messages while convert runs.
#include "tools/velortrdcd/gdal_errors.h"

#include "tools/velortrdcd/text_codec.h"

#include <cpl_error.h>

GdalMessages::GdalMessages()
{
    CPLPushErrorHandlerEx(
        [](CPLErr kind, CPLErrorNum code, const char* message) { Take(kind, code, message); }, this);
}

GdalMessages::~GdalMessages()
{
    CPLPopErrorHandler();
}

void GdalMessages::Take(int kind, int, const char* message)
{
    auto* self = static_cast<GdalMessages*>(CPLGetErrorHandlerUserData());
    if (kind == CE_Debug || !self)
        return;
    WriteText(stderr, std::string(kind == CE_Warning ? "velortrdcd: GDAL warning: " : "velortrdcd: GDAL: ") +
                          message + "\n");
    if (kind == CE_Warning)
        return;
    ++self->failures_;
    self->lastFailure_ = message;
}
