// The dialog test fixture.
#include "dialog_fixture.h"

#include "framework/MVDialogFont.h"

const char* const kTestTemplateModule = "VelorTrDcd.dll";

namespace {

std::vector<std::string>* g_tips = nullptr;

#if defined(_WIN32)
// The module stays loaded for the whole test program, as in a host.
HMODULE LoadSystemModule()
{
    static HMODULE module = LoadLibraryA(kTestTemplateModule);
    return module;
}
#endif

} // namespace

std::vector<std::string>* CurrentTips()
{
    return g_tips;
}

void DialogTest::SetUp()
{
#if defined(_WIN32)
    ASSERT_NE(LoadSystemModule(), nullptr) << "VelorTrDcd.dll beside the test program";
#endif
    FillFrameworkTexts(kLanguageEnglish);
    FillLoadTimeTables(kLanguageEnglish);
    ResetDialogSettings();
    SetDialogDriver(&DialogTest::Drive, this);
    SetMessageBoxResponder(&DialogTest::Answer, this);
    g_tips = &tips;
    SetShowTip(&DialogTest::RecordTip);
}

void DialogTest::TearDown()
{
    SetShowTip(nullptr);
    g_tips = nullptr;
    SetMessageBoxResponder(nullptr, nullptr);
    SetDialogDriver(nullptr, nullptr);
}

void DialogTest::Drive(void* context, const UserScene* scene)
{
    auto* self = static_cast<DialogTest*>(context);
    if (!scene->menu)
        ++self->drivenDialogs;
    if (self->drive)
        self->drive(*scene);
}

int DialogTest::Answer(void* context, HWND, const char* text, const char*, UINT type, DWORD helpId)
{
    auto* self = static_cast<DialogTest*>(context);
    self->boxes.push_back(ShownBox{text ? text : "", type, helpId});
    const size_t shown = self->boxes.size();
    if (shown <= self->boxAnswers.size())
        return self->boxAnswers[shown - 1];
    return (type & MB_TYPEMASK) == MB_YESNO ? IDYES : IDOK;
}

void DialogTest::RecordTip(const char* id, const char* text)
{
    if (g_tips)
        g_tips->push_back(std::string(id) + "|" + text);
}

std::string DialogTest::WindowTextOf(HWND window)
{
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string DialogTest::Text(HWND dialog, int id)
{
    return WindowTextOf(GetDlgItem(dialog, id));
}
