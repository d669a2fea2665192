#include "VelorTrDcdFormat.h"

const char* const FieldKeywordTable[kFieldKindCount] = {
    "X",     "Y",     "Z",     "St",    "Name", "TCode", "NCode",    "PlgP", "VDesc",
    "NoLn",  "TPri",  "TType", "EType", "Null", "R",     "TCodeEnd", "PNr",
};

const char DefaultFormat[] = "Y X cmt(; $ ! *)";
