// The message box routine and its replaceable responder.
#include "platform/platform.h"

namespace {

// The process's responder: like the host's user interface, one per process.
struct Responder {
    MessageBoxResponder function;
    void* context;
};
Responder installed = {nullptr, nullptr};

} // namespace

int VelorMessageBox(HWND owner, const char* text, const char* caption, UINT type, DWORD helpId)
{
    const Responder responder = installed;
    if (responder.function)
        return responder.function(responder.context, owner, text, caption, type, helpId);
    return PlatformMessageBox(owner, text, caption, type, helpId);
}

void SetMessageBoxResponder(MessageBoxResponder responder, void* context)
{
    installed = Responder{responder, responder ? context : nullptr};
}

MessageBoxResponder GetMessageBoxResponder(void** context)
{
    if (context)
        *context = installed.context;
    return installed.function;
}
