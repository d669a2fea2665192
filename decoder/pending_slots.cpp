// The operation of the decoder whose dialog is not part of this module yet:
// it reports that it was not carried out.
#include "decoder/CDecodeTxLine.h"

uint32_t CDecodeTxLine::EditFormatDialog(const char*, const char*, const char*, const char*, const char*, uint8_t,
                                         uint8_t, char*, char*)
{
    return 1;
}
