// The message box routine hands every argument to the installed responder
// and returns its answer.
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Seen {
    int calls = 0;
    HWND owner = nullptr;
    std::string text;
    std::string caption;
    UINT type = 0;
    DWORD helpId = 0;
    int answer = 0;
};

int Record(void* context, HWND owner, const char* text, const char* caption, UINT type,
           DWORD helpId)
{
    auto* seen = static_cast<Seen*>(context);
    ++seen->calls;
    seen->owner = owner;
    seen->text = text ? text : "(null)";
    seen->caption = caption ? caption : "(null)";
    seen->type = type;
    seen->helpId = helpId;
    return seen->answer;
}

// Puts the platform's box back whatever the test's outcome.
struct ResponderScope {
    ResponderScope(MessageBoxResponder responder, void* context)
    {
        SetMessageBoxResponder(responder, context);
    }
    ~ResponderScope() { SetMessageBoxResponder(nullptr, nullptr); }
};

} // namespace

TEST(MessageBox, ResponderReceivesTheArgumentsAndAnswers)
{
    Seen seen;
    seen.answer = IDNO;
    ResponderScope scope(Record, &seen);
    HWND owner = reinterpret_cast<HWND>(static_cast<intptr_t>(0x1234));
    const UINT type = MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2 | MB_TASKMODAL | MB_HELP;

    EXPECT_EQ(VelorMessageBox(owner, "Fix it?", "Warning", type, 61715), IDNO);
    EXPECT_EQ(seen.calls, 1);
    EXPECT_EQ(seen.owner, owner);
    EXPECT_EQ(seen.text, "Fix it?");
    EXPECT_EQ(seen.caption, "Warning");
    EXPECT_EQ(seen.type, type);
    EXPECT_EQ(seen.helpId, 61715u);

    seen.answer = IDOK;
    EXPECT_EQ(VelorMessageBox(nullptr, "Done", nullptr, MB_OK), IDOK);
    EXPECT_EQ(seen.calls, 2);
    EXPECT_EQ(seen.owner, nullptr);
    EXPECT_EQ(seen.caption, "(null)");
    EXPECT_EQ(seen.helpId, 0u); // no help id given
}

TEST(MessageBox, ResponderCanBeReadBackAndRemoved)
{
    Seen seen;
    void* context = nullptr;
    EXPECT_EQ(GetMessageBoxResponder(&context), nullptr);
    {
        ResponderScope scope(Record, &seen);
        EXPECT_EQ(GetMessageBoxResponder(&context), &Record);
        EXPECT_EQ(context, &seen);
    }
    EXPECT_EQ(GetMessageBoxResponder(&context), nullptr);
    EXPECT_EQ(context, nullptr);
}
