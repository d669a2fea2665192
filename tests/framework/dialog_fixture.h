// Running the system's dialogs in a test: a dialog driver that calls the
// test's routine for each dialog and menu, the message boxes answered and
// recorded, the tips recorded, and English framework texts. On Windows the
// module is loaded, so that the dialogs find their templates in it as they
// do in a host; natively the templates are compiled in.
#pragma once

#include "common/text_tables.h"
#include "framework/ShowTip.h"
#include "platform/classlib/WindowClasses.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

struct ShownBox {
    std::string text;
    UINT type;
    DWORD helpId;
};

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The routine the driver runs for every dialog and menu.
    std::function<void(const UserScene&)> drive;
    // The answers to the next message boxes, in order; then IDOK (IDYES for
    // a Yes/No box).
    std::vector<int> boxAnswers;
    std::vector<ShownBox> boxes;
    std::vector<std::string> tips;
    int drivenDialogs = 0;

    // The window text of a control of a dialog.
    static std::string Text(HWND dialog, int id);
    static std::string WindowTextOf(HWND window);

private:
    static void Drive(void* context, const UserScene* scene);
    static int Answer(void* context, HWND owner, const char* text, const char* caption, UINT type, DWORD helpId);
    static void RecordTip(const char* id, const char* text);
};

// The tips of the test now running.
std::vector<std::string>* CurrentTips();

// The module name the dialogs take their templates from.
extern const char* const kTestTemplateModule;
