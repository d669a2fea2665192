// Case-insensitive matching of keywords, commands, comment words and names,
// and collation by rank, all through the shared case table: one table look-up
// per character, no locale call, no allocation.
//
// Narrow text is NUL-terminated bytes in the ANSI code page; wide text is
// NUL-terminated UTF-16 code units (unsigned short). Case-insensitive means
// comparing upper-case map entries; in the mixed forms a narrow character's
// upper-case byte is compared with the wide character's upper-case unit.
//
// Implemented in rank_compare.cpp (collation), text_match.cpp (prefixes,
// words, searches) and wild_match.cpp (wildcards).
#pragma once

#include "common/case_table.h"

typedef unsigned short WideChar;

// True when text begins with keyword; then *after (if given) is the position
// in text just behind it. An empty keyword always matches.
bool StartsWithNoCase(const char* text, const char* keyword, const char** after = nullptr);
bool StartsWithNoCase(const WideChar* text, const WideChar* keyword, const WideChar** after = nullptr);
bool StartsWithNoCase(const WideChar* text, const char* keyword, const WideChar** after = nullptr);
// The same with the keyword given as the range [keywordBegin, keywordEnd).
bool StartsWithNoCase(const char* text, const char* keywordBegin, const char* keywordEnd,
                      const char** after = nullptr);
bool StartsWithNoCase(const WideChar* text, const WideChar* keywordBegin, const WideChar* keywordEnd,
                      const WideChar** after = nullptr);

// Whether c continues a word: its class (0 letter, 1 digit) is at most
// limitClass, or it is '_'. NUL never does.
bool IsWordChar(char c, int limitClass);
bool IsWordChar(WideChar c, int limitClass);

// The keyword's length when text begins with it and the next character of
// text does not continue a word under limitClass; otherwise 0.
int MatchWordNoCase(const char* keyword, const char* text, int limitClass);
int MatchWordNoCase(const char* keyword, const WideChar* text, int limitClass);
int MatchWordNoCase(const WideChar* keyword, const char* text, int limitClass);
int MatchWordNoCase(const WideChar* keyword, const WideChar* text, int limitClass);

// MatchWordNoCase at *position; on a match *position moves past the keyword.
int MatchWordAdvance(const char* keyword, const char** position, int limitClass);
int MatchWordAdvance(const char* keyword, const WideChar** position, int limitClass);
int MatchWordAdvance(const WideChar* keyword, const char** position, int limitClass);
int MatchWordAdvance(const WideChar* keyword, const WideChar** position, int limitClass);

// Copies the letters, digits and '_' at the start of source, upper-cased,
// into target (capacity + 1 characters) and NUL-terminates it; returns the
// count, or -1 when capacity characters were all word characters (target then
// holds those, terminated at target[capacity]). A capacity of 0 stores an
// empty text and returns -1; a negative capacity stores nothing.
int ReadUpperWord(const char* source, char* target, int capacity);
int ReadUpperWord(const WideChar* source, WideChar* target, int capacity);

// 0 when equal; otherwise rank(a) - rank(b) at the first characters whose
// collation ranks differ (negative when a sorts first).
int CompareCollate(const char* a, const char* b);
int CompareCollate(const WideChar* a, const WideChar* b);
int CompareCollateNoCase(const char* a, const char* b);
int CompareCollateNoCase(const WideChar* a, const WideChar* b);

// 0 when text matches pattern, in which '*' stands for any run of characters
// (possibly empty); non-zero otherwise. An empty text matches no pattern.
int WildMatchNoCase(const char* text, const char* pattern);
int WildMatchNoCase(const WideChar* text, const WideChar* pattern);
// The same with characters compared as they are (useMap false) or through
// the 256-entry byte map (useMap true).
int WildMatch(const char* text, const char* pattern, bool useMap, const unsigned char* map);

// Index of the first position of text at which keyword begins (without
// regard to case), or -1.
int FindNoCase(const char* text, const char* keyword);
int FindNoCase(const WideChar* text, const WideChar* keyword);
