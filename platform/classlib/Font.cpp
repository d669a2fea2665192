// The font object.
#include "platform/classlib/Font.h"

#include <cstring>

CFont::~CFont()
{
    DeleteObject();
}

BOOL CFont::CreatePointFont(int pointSize, const char* faceName)
{
    LOGFONTA font = {};
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfWeight = FW_NORMAL;
    if (faceName)
        std::strncpy(font.lfFaceName, faceName, sizeof font.lfFaceName - 1);
    const HDC screen = GetDC(nullptr);
    const int pixels = MulDiv(GetDeviceCaps(screen, LOGPIXELSY), pointSize, 720);
    ReleaseDC(nullptr, screen);
    font.lfHeight = -(pixels < 0 ? -pixels : pixels);
    return CreateFontIndirect(&font);
}

BOOL CFont::CreateFontIndirect(const LOGFONTA* font)
{
    DeleteObject();
    m_hObject = ::CreateFontIndirectA(font);
    return m_hObject ? TRUE : FALSE;
}

BOOL CFont::GetLogFont(LOGFONTA* font) const
{
    return m_hObject && GetObjectA(m_hObject, sizeof *font, font) == static_cast<int>(sizeof *font) ? TRUE : FALSE;
}

BOOL CFont::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    const BOOL deleted = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return deleted;
}
