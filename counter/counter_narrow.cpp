// The narrow evaluator, compiled once.
#include "counter/counter_builtins.h"
#include "counter/counter_extension.h"

template class CAtCounter0<char, CString>;
template class CAtCounter<char, CString, IVelorTrCounterExt>;
