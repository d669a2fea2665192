// Native build: the text form of a hive in its store file.
//
//   VelorRegistry 1
//   [Software\Velor Terx]
//   "NoMsgTimeProblem"=dword:00000001
//   "Language"=sz:"CZ"
//   @=expand_sz:"%25TEMP%25\x"
//   "Blob"=hex:01,00,ff
//   "Odd"=hex(4):01,02
//   End
//
// One key a line in brackets (every key, empty ones too; "[]" is the root
// when it has values), its values below it, "@" naming the default value.
// Types: sz and expand_sz for text with exactly one terminating NUL (not
// written), dword and qword for 4 and 8 bytes (little-endian, shown as
// numbers), hex for REG_BINARY, hex(T) for any other type or size (T in
// hex). In names and texts the bytes outside 0x20..0x7E, '%' and '"' are
// written as %XX. Lines starting with ';' and empty lines are skipped. The
// last line is "End", so that a cut file does not pass for a whole one.
#pragma once

#include "platform/posix/registry_tree.h"

#include <string>
#include <string_view>

std::string RegistryToText(const RegistryTree& tree);

// Fills tree from text; false when the text is not a whole store (the tree
// is then to be thrown away).
bool RegistryFromText(std::string_view text, RegistryTree& tree);
