// The wide evaluator, compiled once.
#include "counter/counter_builtins-inl.h"
#include "counter/counter_extension-inl.h"

template class CAtCounter0<WideChar, MVBstrBuf<200>>;
template class CAtCounter<WideChar, MVBstrBuf<200>, IVelorTrCounterExtW>;
