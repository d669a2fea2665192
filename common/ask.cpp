// The system's Yes/No question and the hand-over of a file to the editor.
#include "common/config.h"
#include "common/decoder_texts.h"

int AskYesNo(const char* text, int defaultChoice)
{
    UINT type = MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL;
    if (defaultChoice == 0)
        type |= MB_DEFBUTTON2;
    else if (defaultChoice == -1)
        type |= MB_DEFBUTTON3;
    switch (VelorMessageBox(nullptr, text ? text : "", DecoderText(kTextWarningTitle), type)) {
    case IDYES:
        return 1;
    case IDNO:
        return 0;
    default:
        return -1;
    }
}

short EditTextFile(const char* file, short flag)
{
    CString name(file ? file : "");
    if (!name.IsEmpty() && name[0] != '"')
        name = CString('"') + name + '"';
    return PlatformEditFile(GetGlobalIniPath(), name, flag);
}
