// Exports for host programs that run without a window: who answers the
// decoder's questions and message boxes, and records and format models made
// by the module itself. The class library lives inside the module, so a
// record or model whose texts the module writes must be made and destroyed
// here, by the same CString code that writes them.
#include "VelorTrDcd.h"
#include "VelorTrDcdFormat.h"
#include "decoder/decode_reports.h"
#include "platform/platform.h"

#include <new>

extern "C" void VelorSetUnknownCommandAnswerer(UnknownCommandAnswerer answerer, void* context)
{
    SetUnknownCommandAnswerer(answerer, context);
}

extern "C" void VelorSetMessageBoxResponder(MessageBoxResponder responder, void* context)
{
    SetMessageBoxResponder(responder, context);
}

extern "C" PointRecord* VelorNewPointRecord()
{
    return new (std::nothrow) PointRecord();
}

extern "C" void VelorClearPointRecord(PointRecord* record)
{
    if (record)
        record->Clear();
}

extern "C" void VelorDeletePointRecord(PointRecord* record)
{
    delete record;
}

extern "C" PointFormat* VelorNewPointFormat()
{
    return new (std::nothrow) PointFormat();
}

extern "C" void VelorDeletePointFormat(PointFormat* model)
{
    delete model;
}
