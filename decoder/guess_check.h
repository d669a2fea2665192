// The check of a proposed format on the sample: its data lines decoded
// through the decoder itself, counting the lines it refuses and the values
// that no field takes.
#pragma once

#include "decoder/guess_format.h"
#include "decoder/guess_layout.h"

void CheckProposal(const FileSample& sample, const SampleLayout& layout, PointFormatGuess& guess);
