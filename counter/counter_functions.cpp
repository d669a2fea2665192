// The name lists of the built-in functions, in lookup order.
#include "counter/counter_functions.h"

namespace {

typedef CounterFunction F;

// Name tails by first letter, in lookup order.
const FunctionName kA[] = {
    {"BS", F::kAbs},      {"COS", F::kAcos},     {"SIN", F::kAsin},     {"TAN", F::kAtan},
    {"TAN2", F::kAtan2},  {"NG400", F::kAng400}, {"NG360", F::kAng360}, {"NG2PI", F::kAng2Pi},
    {nullptr, F::kNone},
};
const FunctionName kC[] = {{"OS", F::kCos}, {nullptr, F::kNone}};
const FunctionName kD[] = {{"EGTORAD", F::kDegToRad}, {"EGTOGRAD", F::kDegToGrad}, {nullptr, F::kNone}};
const FunctionName kG[] = {
    {"RADTODEG", F::kGradToDeg}, {"RADTORAD", F::kGradToRad}, {"ETTICKCOUNT", F::kGetTickCount},
    {nullptr, F::kNone},
};
const FunctionName kI[] = {{"F", F::kIf}, {nullptr, F::kNone}};
const FunctionName kL[] = {{"OG", F::kLog}, {"OG10", F::kLog10}, {nullptr, F::kNone}};
const FunctionName kM[] = {{"AX", F::kMax}, {"IN", F::kMin}, {nullptr, F::kNone}};
const FunctionName kP[] = {{"I", F::kPi}, {"OW", F::kPow}, {nullptr, F::kNone}};
const FunctionName kR[] = {
    {"ADTODEG", F::kRadToDeg},         {"ADTOGRAD", F::kRadToGrad}, {"ANDOMNUM", F::kRandomNum},
    {"ANDOMNUMMAX", F::kRandomNumMax}, {"OUND", F::kRound},         {nullptr, F::kNone},
};
const FunctionName kS[] = {
    {"IN", F::kSin},     {"QR", F::kSqr},   {"QRT", F::kSqrt},   {"LEN", F::kSlen}, {"CMP", F::kScmp},
    {"CMPI", F::kScmpi}, {"STR", F::kSstr}, {"STRI", F::kSstri}, {nullptr, F::kNone},
};
const FunctionName kT[] = {{"AN", F::kTan}, {"RUNC", F::kTrunc}, {nullptr, F::kNone}};

// Whole names.
const FunctionName kText[] = {
    {"SUBS", F::kSubs},         {"RTOS", F::kRtos},   {"RTOS3", F::kRtos3}, {"RTOSC", F::kRtosc},
    {"RTOSC3", F::kRtosc3},     {"ITOS", F::kItos},   {"ITOS3", F::kItos3}, {"DataPath", F::kDataPath},
    {"DEGTODMS", F::kDegToDms}, {"IFS", F::kIfs},     {"PUT", F::kPut},     {"PUT0", F::kPut0},
    {nullptr, F::kNone},
};

} // namespace

const FunctionName* NumericFunctionTails(unsigned first)
{
    switch (first) {
    case 'A': return kA;
    case 'C': return kC;
    case 'D': return kD;
    case 'G': return kG;
    case 'I': return kI;
    case 'L': return kL;
    case 'M': return kM;
    case 'P': return kP;
    case 'R': return kR;
    case 'S': return kS;
    case 'T': return kT;
    default: return nullptr;
    }
}

const FunctionName* TextFunctionNames()
{
    return kText;
}

uint32_t FixedArgumentCount(CounterFunction function)
{
    switch (function) {
    case F::kAtan2:
    case F::kPow: return 2;
    case F::kGetTickCount:
    case F::kPi:
    case F::kRandomNum:
    case F::kRandomNumMax: return 0;
    default: return 1;
    }
}
