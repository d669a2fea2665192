// The process-wide decoder of GetVelorTrDcdStat: built in static storage on
// the first call, counted among the live objects, destroyed when the module
// is unloaded. The first call must not race with another.
#include "server/exports.h"

#include "decoder/CDecodeTxLine.h"

#include <new>

namespace {

alignas(CDecodeTxLine) unsigned char storage[sizeof(CDecodeTxLine)];
CDecodeTxLine* staticDecoder = nullptr;

} // namespace

extern "C" IVelorTrDcd* GetVelorTrDcdStat()
{
    if (!staticDecoder)
        staticDecoder = new (storage) CDecodeTxLine(nullptr);
    return static_cast<IVelorTrDcd*>(staticDecoder);
}

void ReleaseStaticDecoder()
{
    if (!staticDecoder)
        return;
    staticDecoder->~CDecodeTxLine();
    staticDecoder = nullptr;
}
