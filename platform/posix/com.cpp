#include "platform/posix/com.h"

#include <cstdlib>
#include <cstring>

const IID IID_IUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID IID_IClassFactory = {0x00000001, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

BOOL IsEqualGUID(REFGUID a, REFGUID b)
{
    return a.Data1 == b.Data1 && a.Data2 == b.Data2 && a.Data3 == b.Data3 &&
           std::memcmp(a.Data4, b.Data4, sizeof a.Data4) == 0;
}

void* CoTaskMemAlloc(SIZE_T size)
{
    return std::malloc(size ? size : 1);
}

void CoTaskMemFree(void* p)
{
    std::free(p);
}

namespace {

void PutHex(OLECHAR*& out, uint32_t value, int digits)
{
    static const char hex[] = "0123456789ABCDEF";
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
        *out++ = static_cast<OLECHAR>(hex[(value >> shift) & 0xF]);
}

} // namespace

HRESULT StringFromCLSID(REFCLSID clsid, LPOLESTR* text)
{
    if (!text)
        return E_INVALIDARG;
    auto* out = static_cast<OLECHAR*>(CoTaskMemAlloc(39 * sizeof(OLECHAR)));
    if (!out) {
        *text = nullptr;
        return E_OUTOFMEMORY;
    }
    OLECHAR* p = out;
    *p++ = u'{';
    PutHex(p, clsid.Data1, 8);
    *p++ = u'-';
    PutHex(p, clsid.Data2, 4);
    *p++ = u'-';
    PutHex(p, clsid.Data3, 4);
    *p++ = u'-';
    PutHex(p, clsid.Data4[0], 2);
    PutHex(p, clsid.Data4[1], 2);
    *p++ = u'-';
    for (int i = 2; i < 8; ++i)
        PutHex(p, clsid.Data4[i], 2);
    *p++ = u'}';
    *p = 0;
    *text = out;
    return S_OK;
}

LONG InterlockedIncrement(LONG volatile* value)
{
    return __atomic_add_fetch(value, 1, __ATOMIC_SEQ_CST);
}

LONG InterlockedDecrement(LONG volatile* value)
{
    return __atomic_sub_fetch(value, 1, __ATOMIC_SEQ_CST);
}

BSTR SysAllocStringLen(const OLECHAR* text, UINT length)
{
    const size_t bytes = static_cast<size_t>(length) * sizeof(OLECHAR);
    if (bytes > 0x7FFFFFF0u)
        return nullptr;
    auto* block = static_cast<unsigned char*>(std::malloc(sizeof(uint32_t) + bytes + sizeof(OLECHAR)));
    if (!block)
        return nullptr;
    const uint32_t prefix = static_cast<uint32_t>(bytes);
    std::memcpy(block, &prefix, sizeof prefix);
    auto* chars = reinterpret_cast<OLECHAR*>(block + sizeof(uint32_t));
    if (text)
        std::memcpy(chars, text, bytes);
    else
        std::memset(chars, 0, bytes);
    chars[length] = 0;
    return chars;
}

BSTR SysAllocString(const OLECHAR* text)
{
    if (!text)
        return nullptr;
    UINT length = 0;
    while (text[length])
        ++length;
    return SysAllocStringLen(text, length);
}

void SysFreeString(BSTR text)
{
    if (text)
        std::free(reinterpret_cast<unsigned char*>(text) - sizeof(uint32_t));
}

UINT SysStringLen(BSTR text)
{
    if (!text)
        return 0;
    uint32_t bytes;
    std::memcpy(&bytes, reinterpret_cast<unsigned char*>(text) - sizeof(uint32_t), sizeof bytes);
    return bytes / sizeof(OLECHAR);
}
