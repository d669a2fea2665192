// The narrow evaluator, compiled once.
#include "counter/counter_builtins-inl.h"
#include "counter/counter_extension-inl.h"

template class CAtCounter0<char, CString>;
template class CAtCounter<char, CString, IVelorTrCounterExt>;
