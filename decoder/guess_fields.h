// Taking each column of the data lines for a field, by the rules of
// guess_rules.h, in this order: an S-JTSK pair by its ranges, coordinates
// named by a header row, point identifiers, heights, codes; what no rule
// takes is kept as text with the codes, never dropped.
#pragma once

#include "decoder/guess_format.h"
#include "decoder/guess_layout.h"

struct FieldChoice {
    std::vector<ColumnGuess> columns; // one per field, in line order
    int16_t system = -1;              // "sys=", or -1
    bool decided = false;             // the coordinates were recognised
    std::string warning;
    bool exchangeable = false;          // X and Y may as well be the other way round
    std::vector<FieldKind> alternative; // the fields of the next best choice, or empty
};

FieldChoice ChooseFields(const SampleLayout& layout, const SampleData& data);
