// The lines and the check of a guessed format in words, as `guess` prints
// them and `read` announces a guess.
#pragma once

#include "tools/velortrdcd/host.h"

#include <string>

// The data lines as "2-10" (first-last).
std::string LinesText(const FormatGuess& guess);

// "9 data lines of the sample decoded, 0 refused, 0 values unused", with the
// first line of each kind of trouble.
std::string CheckText(const FormatGuess& guess);

// The one line `read` writes on stderr when it reads with a guessed format.
std::string GuessAnnouncement(const FormatGuess& guess);
