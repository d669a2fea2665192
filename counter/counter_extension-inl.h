// The evaluator's call out to the host's extension.
#pragma once

#include "counter/CAtCounter.h"
#include "counter/counter_compute-inl.h"

template <class Ch, class Str, class Ext>
double CAtCounter<Ch, Str, Ext>::EvalUnknown()
{
    const Ch* name = this->position;
    if (!extension) {
        this->Fail(kStatusUnresolved);
        return kUnresolvedValue;
    }
    const Ch* end = name;
    double value = 0.0;
    const int32_t refused = extension->ResolveName(name, 0, &end, &value, &this->status);
    // A host's end before the name would read the name again; keep it there.
    if (!end || end < name)
        end = name;
    if (refused == 0 || this->status != 0)
        this->position = end;
    else
        this->status = kStatusUnresolved;
    return value;
}
