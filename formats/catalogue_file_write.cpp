// The one write that replaces a section of an ini file, such that the file
// holds either its old content or its new content, whatever happens to the
// writing process.
#include "formats/catalogue.h"

#if defined(_WIN32)

namespace {

// The folder part of path ('\' or '/' ends it); empty when there is none.
CString FolderOf(const char* path)
{
    int last = -1;
    for (int i = 0; path[i]; ++i) {
        if (path[i] == '\\' || path[i] == '/')
            last = i;
    }
    return last < 0 ? CString() : CString(path, last + 1);
}

} // namespace

// Windows rewrites a profile file in place: it empties the file and then
// writes it, so that a process ended in between leaves a cut file. The
// section is therefore written into a copy of the file in its folder, which
// then takes the file's place by a rename. A read-only file stays unchanged:
// the rename over it fails.
bool WriteSectionWhole(const char* path, const char* section, const char* block)
{
    const CString folder = FolderOf(path);
    if (folder.IsEmpty()) // a bare name: the profile functions choose its folder
        return WritePrivateProfileSectionA(section, block, path) != FALSE;
    char copy[MAX_PATH];
    if (!GetTempFileNameA(folder, "vfc", 0, copy))
        return false;
    const bool copied = CopyFileA(path, copy, FALSE) || GetLastError() == ERROR_FILE_NOT_FOUND;
    SetFileAttributesA(copy, FILE_ATTRIBUTE_NORMAL);
    bool done = copied && WritePrivateProfileSectionA(section, block, copy);
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, copy); // drop the copy from the profile cache
    done = done && MoveFileExA(copy, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!done)
        DeleteFileA(copy);
    return done;
}

#else

// The native whole-section write replaces the file in one rename itself.
bool WriteSectionWhole(const char* path, const char* section, const char* block)
{
    return WritePrivateProfileSectionA(section, block, path) != FALSE;
}

#endif
