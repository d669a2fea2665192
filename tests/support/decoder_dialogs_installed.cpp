// Test programs that reach the dialogs through the decoder install them as
// the module does when it loads.
#include "dialogs/decoder_dialogs.h"

namespace {
const bool installed = (InstallDialogsInDecoder(), true);
}
