// The character classes that the readers of lines, formats and catalogue
// words share, one definition each. Every test takes a char and compares its
// byte value, so a byte of 128 or more (a letter of the ANSI code page)
// is never a blank or a digit.
#pragma once

// A blank inside a terminated text: a control character or the space (byte
// values 1 to 32). The terminating NUL is not a blank, so a loop that skips
// blanks stops at the end of the text by itself.
inline bool IsBlank(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    return u >= 1 && u <= 32;
}

// A byte that cannot belong to a word: a blank or NUL (byte values 0 to 32).
// For texts whose length is known, where a NUL inside ends no loop.
inline bool IsBlankOrNul(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

// One of the ASCII digits 0 to 9, whatever the locale.
inline bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}
