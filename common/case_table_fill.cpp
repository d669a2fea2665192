// Building the case table from the platform's character services.
#include "common/case_table.h"

#include "platform/platform.h"

#include <algorithm>
#include <vector>

namespace {

// Byte a sorts before byte b when the locale-aware comparison of the two
// one-character strings says so; the byte 0 is the empty string.
bool ByteBefore(int a, int b)
{
    const char sa[2] = {static_cast<char>(a), 0};
    const char sb[2] = {static_cast<char>(b), 0};
    return lstrcmpA(sa, sb) < 0;
}

// The same for code units; where the comparison contradicts itself (a before
// b and b before a) the code units go by value.
bool UnitBefore(unsigned a, unsigned b)
{
    const WCHAR sa[2] = {static_cast<WCHAR>(a), 0};
    const WCHAR sb[2] = {static_cast<WCHAR>(b), 0};
    if (lstrcmpW(sa, sb) >= 0)
        return false;
    if (lstrcmpW(sb, sa) < 0)
        return a < b;
    return true;
}

// A stable merge sort: it stays within its range even if the platform's
// comparison is not a strict weak order, and it leaves equal characters in
// code order.
std::vector<int> SortedBytes()
{
    std::vector<int> bytes(256);
    for (int i = 0; i < 256; ++i)
        bytes[i] = i;
    std::stable_sort(bytes.begin(), bytes.end(), ByteBefore);
    return bytes;
}

void FillCaseMaps(CTabVelkaMala& t)
{
    char narrow[257];
    for (int i = 0; i < 256; ++i)
        narrow[i] = static_cast<char>(i);
    narrow[256] = 0;
    CharUpperA(narrow + 1);
    for (int i = 0; i < 257; ++i)
        t.upperA[i] = static_cast<uint8_t>(narrow[i]);
    for (int i = 0; i < 256; ++i)
        narrow[i] = static_cast<char>(i);
    CharLowerA(narrow + 1);
    for (int i = 0; i < 257; ++i)
        t.lowerA[i] = static_cast<uint8_t>(narrow[i]);

    std::vector<WCHAR> wide(65537);
    for (int i = 0; i < 65536; ++i)
        wide[i] = static_cast<WCHAR>(i);
    wide[65536] = 0;
    CharUpperW(wide.data() + 1);
    for (int i = 0; i < 65537; ++i)
        t.upperW[i] = static_cast<uint16_t>(wide[i]);
    for (int i = 0; i < 65536; ++i)
        wide[i] = static_cast<WCHAR>(i);
    CharLowerW(wide.data() + 1);
    for (int i = 0; i < 65537; ++i)
        t.lowerW[i] = static_cast<uint16_t>(wide[i]);
}

void FillClasses(CTabVelkaMala& t)
{
    for (int c = 0; c < 256; ++c) {
        const CHAR ch = static_cast<CHAR>(c);
        t.classA[c] = c && IsCharAlphaA(ch) ? 0 : c && IsCharAlphaNumericA(ch) ? 1 : 0xFF;
    }
    for (unsigned w = 0; w < 65536; ++w) {
        const WCHAR ch = static_cast<WCHAR>(w);
        t.classW[w] = w && IsCharAlphaW(ch) ? 0 : w && IsCharAlphaNumericW(ch) ? 1 : 0xFFFF;
    }
}

// Letter groups: walking the bytes in collation order, every byte after the
// letter 'a'..'z' last met belongs to that letter's group and has it as its
// base letter (in the byte's own case).
void FillLetterGroups(CTabVelkaMala& t)
{
    for (int i = 0; i < 257; ++i)
        t.letterGroupA[i] = t.baseLetterA[i] = static_cast<uint8_t>(i);
    const std::vector<int> sorted = SortedBytes();
    int expected = 'a';
    int lastLetter = 0;
    for (int pos = 0; pos < 256; ++pos) {
        const int b = sorted[pos];
        if (b == expected) {
            lastLetter = pos;
            ++expected;
        }
        t.letterGroupA[b] = static_cast<uint8_t>(lastLetter ? lastLetter : pos);
        const int base = lastLetter ? sorted[lastLetter] : b;
        t.baseLetterA[b] = t.upperA[b] == b ? t.upperA[base] : t.lowerA[base];
    }
}

void FillCollation(CTabVelkaMala& t)
{
    const std::vector<int> bytes = SortedBytes();
    for (int i = 0; i < 256; ++i)
        t.sortA[bytes[i]] = static_cast<uint8_t>(i);
    for (int c = 0; c < 256; ++c)
        t.sortNoCaseA[c] = t.sortA[t.upperA[c]];

    std::vector<unsigned> units(65536);
    for (unsigned i = 0; i < 65536; ++i)
        units[i] = i;
    std::stable_sort(units.begin(), units.end(), UnitBefore);
    for (unsigned i = 0; i < 65536; ++i)
        t.sortW[units[i]] = static_cast<uint16_t>(i);
    for (unsigned w = 0; w < 65536; ++w)
        t.sortNoCaseW[w] = t.sortW[t.upperW[w]];
}

void FillCodePageMaps(CTabVelkaMala& t)
{
    char narrow[256];
    for (int i = 0; i < 255; ++i)
        narrow[i] = static_cast<char>(i + 1);
    narrow[255] = 0;
    WCHAR toWide[257] = {};
    MultiByteToWideChar(CP_THREAD_ACP, 0, narrow, -1, toWide + 1, 256);
    for (int i = 0; i < 257; ++i)
        t.ansiToWide[i] = static_cast<uint16_t>(toWide[i]);

    std::vector<WCHAR> wide(65536);
    for (unsigned i = 0; i < 65535; ++i)
        wide[i] = static_cast<WCHAR>(i + 1);
    wide[65535] = 0;
    std::vector<char> toNarrow(65537, 0);
    WideCharToMultiByte(CP_THREAD_ACP, 0, wide.data(), -1, toNarrow.data() + 1, 65536, nullptr, nullptr);
    for (unsigned i = 0; i < 65537; ++i)
        t.wideToAnsi[i] = static_cast<uint8_t>(toNarrow[i]);
}

} // namespace

void FillCaseTable(CTabVelkaMala& table)
{
    FillCaseMaps(table);
    FillClasses(table);
    FillLetterGroups(table);
    FillCollation(table);
    FillCodePageMaps(table);
}
