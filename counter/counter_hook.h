// The hook through which an evaluator's names are offered first to someone
// else; every evaluator implements it and, unless told otherwise, hooks
// itself.
#pragma once

#include <cstdint>

class TExtCompuI {
public:
    // Asked for every name operand, with the evaluator's position at the
    // name. 0: not handled (the evaluator resolves the name itself); -1: the
    // name is an error; anything else: *value holds the operand's value and
    // the position was moved past it.
    virtual int32_t EvalIdentifier(double* value) = 0;
    // Asked when nothing else knows the name at the position.
    virtual double EvalUnknown() = 0;

protected:
    ~TExtCompuI() = default;
};
