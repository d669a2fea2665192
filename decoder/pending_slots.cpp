// Operations of the decoder whose point-file and format services are not
// part of this module yet: each reports that it was not carried out.
#include "decoder/CDecodeTxLine.h"

uint32_t CDecodeTxLine::EditFormatDialog(const char*, const char*, const char*, const char*, const char*, uint8_t,
                                         uint8_t, char*, char*)
{
    return 1;
}

uint32_t CDecodeTxLine::DetectFileFormat(const char*, char*, uint32_t* found, uint8_t)
{
    if (found)
        *found = 0;
    return 1;
}

uint32_t CDecodeTxLine::GetFormatForSuffix(const char*, const char*, char out[256])
{
    if (out)
        out[0] = 0;
    return 1;
}

uint32_t CDecodeTxLine::GetFormatEntry(const char*, const char*, char*, char*, char*)
{
    return 1;
}
