// FreeItemList and GetEmptyItemList, and the process-wide empty list.
#include "decoder/item_list.h"

#include "decoder/CDecodeTxLine.h"

namespace {

PolygonItemList* g_emptyList = nullptr;

} // namespace

PolygonItemList* EmptyItemList()
{
    if (!g_emptyList)
        g_emptyList = new PolygonItemList();
    return g_emptyList;
}

void ReleaseEmptyItemList()
{
    delete g_emptyList;
    g_emptyList = nullptr;
}

uint32_t CDecodeTxLine::FreeItemList(PolygonItemList* items)
{
    if (!items)
        return 1;
    PolygonItemList().swap(*items); // the items and the vector's storage
    return 0;
}

uint32_t CDecodeTxLine::GetEmptyItemList(PolygonItemList** out)
{
    if (!out)
        return 1;
    *out = EmptyItemList();
    return 0;
}
