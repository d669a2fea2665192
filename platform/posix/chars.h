// Native build: the character services of the Windows API - case mapping,
// character classes, locale-aware comparison and the code-page conversions -
// with the Windows signatures, return values and last-error codes.
//
// The ANSI code page is 1250 unless the environment variable VELOR_ACP names
// another single-byte code page; comparisons collate for the language of
// LC_ALL, LC_COLLATE or LANG (Czech when none is set). Both are set up once,
// on first use.
#pragma once

#include "platform/posix/types.h"

#define CP_ACP 0
#define CP_OEMCP 1
#define CP_THREAD_ACP 3
#define CP_UTF8 65001

#define MB_PRECOMPOSED 0x00000001
#define MB_COMPOSITE 0x00000002
#define MB_USEGLYPHCHARS 0x00000004
#define MB_ERR_INVALID_CHARS 0x00000008

#define WC_DISCARDNS 0x00000010
#define WC_SEPCHARS 0x00000020
#define WC_DEFAULTCHAR 0x00000040
#define WC_ERR_INVALID_CHARS 0x00000080
#define WC_COMPOSITECHECK 0x00000200
#define WC_NO_BEST_FIT_CHARS 0x00000400

// Case mapping in place, up to the NUL. A pointer whose bits above the low
// word are all zero is no string but one character in its low word (the
// narrow forms use its low byte); the mapped character comes back the same
// way.
LPSTR CharUpperA(LPSTR text);
LPWSTR CharUpperW(LPWSTR text);
LPSTR CharLowerA(LPSTR text);
LPWSTR CharLowerW(LPWSTR text);

BOOL IsCharAlphaA(CHAR c);
BOOL IsCharAlphaW(WCHAR c);
BOOL IsCharAlphaNumericA(CHAR c);
BOOL IsCharAlphaNumericW(WCHAR c);

// Locale-aware comparison: negative, 0 or positive (-1, 0, 1). A null string
// sorts before every other, two nulls are equal.
int lstrcmpA(LPCSTR a, LPCSTR b);
int lstrcmpW(LPCWSTR a, LPCWSTR b);
int lstrcmpiA(LPCSTR a, LPCSTR b);
int lstrcmpiW(LPCWSTR a, LPCWSTR b);

// Length in characters without the NUL; 0 for a null string.
int lstrlenA(LPCSTR text);
int lstrlenW(LPCWSTR text);

int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR source, int sourceLength,
                        LPWSTR target, int targetLength);
int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR source, int sourceLength,
                        LPSTR target, int targetLength, LPCSTR defaultChar, LPBOOL usedDefaultChar);

UINT GetACP();
