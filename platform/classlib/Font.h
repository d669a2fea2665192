// The class library's font object: owns one font handle, deleted with it.
#pragma once

#include "platform/platform.h"

class CFont {
public:
    CFont() = default;
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;
    ~CFont();

    // A font of pointSize tenths of a point on the screen (its height turned
    // into pixels by the screen's pixels per inch) and the given face.
    BOOL CreatePointFont(int pointSize, const char* faceName);
    BOOL CreateFontIndirect(const LOGFONTA* font);
    BOOL GetLogFont(LOGFONTA* font) const;
    BOOL DeleteObject();

    operator HFONT() const { return m_hObject; }
    HFONT GetSafeHandle() const { return m_hObject; }

private:
    HFONT m_hObject = nullptr;
};
