// Native build: the profile stand-in writes a section into a new file and
// renames it over the old one itself, so the whole-section write is its
// plain one.
#include "platform/platform.h"

bool WritePrivateProfileSectionWhole(const char* path, const char* section, const char* block)
{
    return WritePrivateProfileSectionA(section, block, path) != FALSE;
}
