// The evaluator of one width with the host's extension: names that nothing
// else resolves go to the extension's ResolveName.
#pragma once

#include "counter/CAtCounter0.h"

#include "VelorTrCounter.h"

template <class Ch, class Str, class Ext>
class CAtCounter : public CAtCounter0<Ch, Str> {
public:
    // Not reference-counted; null when the host set none.
    Ext* extension = nullptr;

    // Offers the name at the position to the extension. Resolved: the
    // position moves to where the host says it ends. Refused: status 6 at the
    // name, unless the host set a status of its own (then the position moves).
    double EvalUnknown() override;
};

extern template class CAtCounter0<char, CString>;
extern template class CAtCounter0<WideChar, MVBstrBuf<200>>;
extern template class CAtCounter<char, CString, IVelorTrCounterExt>;
extern template class CAtCounter<WideChar, MVBstrBuf<200>, IVelorTrCounterExtW>;

typedef CAtCounter<char, CString, IVelorTrCounterExt> CAtCounterNarrow;
typedef CAtCounter<WideChar, MVBstrBuf<200>, IVelorTrCounterExtW> CAtCounterWide;
