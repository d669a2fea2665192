// Comparison by collation rank, with and without regard to case.
#include "common/text_compare.h"
#include "common/text_keys.h"

using namespace textkeys;

namespace {

template <class Ch, class RankOf>
int Collate(const Ch* a, const Ch* b, RankOf rank)
{
    for (;; ++a, ++b) {
        const int ra = static_cast<int>(rank(*a));
        const int rb = static_cast<int>(rank(*b));
        if (ra != rb)
            return ra - rb;
        if (!*a)
            return 0;
    }
}

} // namespace

int CompareCollate(const char* a, const char* b)
{
    const CTabVelkaMala& t = *GetCaseTable();
    return Collate(a, b, [&t](char c) { return Rank(t, c); });
}

int CompareCollate(const WideChar* a, const WideChar* b)
{
    const CTabVelkaMala& t = *GetCaseTable();
    return Collate(a, b, [&t](WideChar c) { return Rank(t, c); });
}

int CompareCollateNoCase(const char* a, const char* b)
{
    const CTabVelkaMala& t = *GetCaseTable();
    return Collate(a, b, [&t](char c) { return RankNoCase(t, c); });
}

int CompareCollateNoCase(const WideChar* a, const WideChar* b)
{
    const CTabVelkaMala& t = *GetCaseTable();
    return Collate(a, b, [&t](WideChar c) { return RankNoCase(t, c); });
}
