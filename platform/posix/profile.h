// Native build: the private-profile (ini file) functions, with the Windows
// signatures, results and buffer rules.
//
// Every call reads the file afresh (nothing is cached), and every write that
// changes something replaces the file atomically (see profile_file.h); the
// text is kept byte for byte, ANSI as it is, and only the lines a write
// concerns change (see profile_text.h for how lines are read and edited).
// Windows, by contrast, may rewrite the whole file in its own layout.
//
// File names: a name without a directory names a file in the current
// directory (Windows takes the Windows directory). There is no win.ini: a
// null or empty file name reads as a missing file and cannot be written.
//
// GetPrivateProfileStringA:
// - with a key: the key's value, or the default when the file, the section
//   or the key is missing or the key's line has no '='. Section and key are
//   found by their names trimmed of blanks, without regard to ASCII case;
//   only the first section of a name is searched, and the first key of a
//   name in it is read. A value (or default) enclosed in a pair of the same
//   quotes, " or ', comes without them. Trailing spaces of the default are
//   dropped (all but the first when it is nothing else). A longer value is
//   cut to nSize - 1 characters and that length returned.
// - with a null key: the names of the keys of the first section of that
//   name (not trimmed) that have a value and are not comments, each ended by
//   a NUL, the list ended by a second NUL; an empty or missing section gives
//   the default instead.
// - with a null section: the names of the file's sections (those with a
//   name, every one of a repeated name) in the same form.
//   A list is cut when fewer than two bytes would be left after a name: the
//   name is cut to fit, two NULs end the list and nSize - 2 is returned.
// - a missing file sets ERROR_FILE_NOT_FOUND; a successful read leaves the
//   last error as it was.
//
// WritePrivateProfileStringA (a null key deletes the section, a null value
// the key; otherwise the key is set, and the file and the section are
// created when missing):
// - the key is set in the first section of its name, as above; the value is
//   written without its leading blanks (blanks it should keep must be
//   protected by quotes);
// - a deleted section is the first of its name, a deleted key the first of
//   its name in the sections of that name, names compared as given (not
//   trimmed); deleting what is not there succeeds and writes nothing;
// - all three null flushes a cache, which the native build does not have:
//   it succeeds;
// - a null section fails with ERROR_FILE_NOT_FOUND.
#pragma once

#include "platform/posix/types.h"

DWORD GetPrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpDefault,
                               LPSTR lpReturnedString, DWORD nSize, LPCSTR lpFileName);
BOOL WritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString,
                                LPCSTR lpFileName);
// The value read as a 32-bit integer, wrapping around when it is longer: an
// optional sign, then decimal digits, or "0x" hex, "0o" octal or "0b" binary
// digits, up to the first other character (no digits give 0). Only the
// first 29 characters of the value count. A missing or empty value gives
// nDefault.
UINT GetPrivateProfileIntA(LPCSTR lpAppName, LPCSTR lpKeyName, INT nDefault, LPCSTR lpFileName);

// GetPrivateProfileSectionA: the entries of the first section of that name
// (found as above, a section with a header only), as "name=value" texts
// with the values as the file holds them (quotes kept), or "name" for a line
// without '='; comments and entries without a name are left out. Each text
// is ended by a NUL, the list by a second NUL; the result is the list's
// length without its last NUL (0 for an empty or missing section, whose
// buffer holds two NULs). A list that does not fit is cut to nSize - 2
// bytes, ended by two NULs, and nSize - 2 is returned.
//
// WritePrivateProfileSectionA: lpString is "key=value" texts, each ended by
// a NUL, ended by a second NUL; they become the entries of the section, in
// one replacement of the file. The first section of the name keeps its
// place and header, its lines from the first that is not blank to the last
// give way to the new entries (comments among them too); later sections of
// the name lose their entries; a missing section is added at the end of the
// file (not when the list is empty). The rest of the file stays byte for
// byte. Keys are trimmed, values lose their leading blanks, and texts
// without '=' are passed over. A null lpString deletes the section; a null
// or empty section name fails with ERROR_INVALID_PARAMETER, except that
// both null flush a cache the native build does not have, and succeed.
DWORD GetPrivateProfileSectionA(LPCSTR lpAppName, LPSTR lpReturnedString, DWORD nSize, LPCSTR lpFileName);
BOOL WritePrivateProfileSectionA(LPCSTR lpAppName, LPCSTR lpString, LPCSTR lpFileName);
