// The dialog templates read back from the built VelorTrDcd.dll: templates
// 137, 138 and 140 with their sizes, font, caption and every control, equal
// to the tables the native build makes from the same resource script.
#include "platform/posix/dialog_templates.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

struct ParsedItem {
    DWORD style, exStyle, id;
    short x, y, cx, cy;
    WORD classAtom;
    std::wstring className, text;
};

struct ParsedDialog {
    DWORD style, exStyle;
    short x, y, cx, cy;
    std::wstring caption, face;
    WORD pointSize = 0;
    std::vector<ParsedItem> items;
};

class Reader {
public:
    explicit Reader(const BYTE* start) : start_(start), at_(start) {}
    template <class T>
    T Take()
    {
        T value;
        memcpy(&value, at_, sizeof value);
        at_ += sizeof value;
        return value;
    }
    // A name or an ordinal (0xFFFF and a number).
    std::wstring NameOrOrdinal(WORD* ordinal)
    {
        *ordinal = 0;
        if (Peek() == 0xFFFF) {
            Take<WORD>();
            *ordinal = Take<WORD>();
            return std::wstring();
        }
        return Text();
    }
    std::wstring Text()
    {
        std::wstring text;
        for (WORD c = Take<WORD>(); c != 0; c = Take<WORD>())
            text += static_cast<wchar_t>(c);
        return text;
    }
    void AlignTo4() { at_ = start_ + ((at_ - start_ + 3) & ~3); }
    void Skip(size_t n) { at_ += n; }

private:
    WORD Peek() const
    {
        WORD value;
        memcpy(&value, at_, sizeof value);
        return value;
    }
    const BYTE* start_;
    const BYTE* at_;
};

// DLGTEMPLATEEX and its DLGITEMTEMPLATEEX entries.
bool Parse(const BYTE* data, ParsedDialog* d)
{
    Reader r(data);
    if (r.Take<WORD>() != 1 || r.Take<WORD>() != 0xFFFF)
        return false;
    r.Take<DWORD>(); // help id
    d->exStyle = r.Take<DWORD>();
    d->style = r.Take<DWORD>();
    const WORD count = r.Take<WORD>();
    d->x = r.Take<short>(), d->y = r.Take<short>(), d->cx = r.Take<short>(), d->cy = r.Take<short>();
    WORD ordinal;
    r.NameOrOrdinal(&ordinal); // menu
    r.NameOrOrdinal(&ordinal); // class
    d->caption = r.Text();
    if (d->style & DS_SETFONT) {
        d->pointSize = r.Take<WORD>();
        r.Skip(4); // weight, italic, charset
        d->face = r.Text();
    }
    for (WORD i = 0; i < count; ++i) {
        r.AlignTo4();
        ParsedItem item;
        r.Take<DWORD>(); // help id
        item.exStyle = r.Take<DWORD>();
        item.style = r.Take<DWORD>();
        item.x = r.Take<short>(), item.y = r.Take<short>(), item.cx = r.Take<short>(), item.cy = r.Take<short>();
        item.id = r.Take<DWORD>();
        item.className = r.NameOrOrdinal(&item.classAtom);
        WORD textOrdinal;
        item.text = r.NameOrOrdinal(&textOrdinal);
        r.Skip(r.Take<WORD>());
        d->items.push_back(item);
    }
    return true;
}

std::wstring Wide(const char* cp1250)
{
    wchar_t out[512] = L"";
    MultiByteToWideChar(1250, 0, cp1250, -1, out, 512);
    return out;
}

// The class of an item as the tables name it.
std::wstring ClassOf(const ParsedItem& item)
{
    switch (item.classAtom) {
    case 0x80: return L"Button";
    case 0x81: return L"Edit";
    case 0x82: return L"Static";
    case 0x83: return L"ListBox";
    case 0x85: return L"ComboBox";
    default: return item.className;
    }
}

class DialogResourceTest : public ::testing::TestWithParam<int> {
protected:
    static HMODULE Module() { return LoadLibraryExA("VelorTrDcd.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE); }
};

} // namespace

TEST_P(DialogResourceTest, TemplateInTheModuleEqualsTheScript)
{
    const int id = GetParam();
    const HMODULE module = Module();
    ASSERT_NE(module, nullptr);
    const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5)); // RT_DIALOG
    ASSERT_NE(found, nullptr) << "dialog " << id;
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    ASSERT_NE(data, nullptr);
    ParsedDialog d;
    ASSERT_TRUE(Parse(data, &d));
    const DialogTemplate* t = FindDialogTemplate(id);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(d.style, t->style);
    EXPECT_EQ(d.exStyle, t->exStyle);
    EXPECT_EQ(d.cx, t->cx);
    EXPECT_EQ(d.cy, t->cy);
    EXPECT_EQ(d.pointSize, 8);
    EXPECT_EQ(d.face, L"MS Sans Serif");
    EXPECT_EQ(d.caption, Wide(t->caption));
    ASSERT_EQ(static_cast<int>(d.items.size()), t->itemCount);
    for (int i = 0; i < t->itemCount; ++i) {
        const ParsedItem& have = d.items[static_cast<size_t>(i)];
        const DialogItemTemplate& want = t->items[i];
        EXPECT_EQ(static_cast<int>(have.id), want.id) << i;
        EXPECT_EQ(have.style, want.style) << want.id;
        EXPECT_EQ(have.exStyle, want.exStyle) << want.id;
        EXPECT_EQ(have.x, want.x) << want.id;
        EXPECT_EQ(have.y, want.y) << want.id;
        EXPECT_EQ(have.cx, want.cx) << want.id;
        EXPECT_EQ(have.cy, want.cy) << want.id;
        EXPECT_EQ(lstrcmpiW(ClassOf(have).c_str(), Wide(want.className).c_str()), 0) << want.id;
        EXPECT_EQ(have.text, Wide(want.text)) << want.id;
    }
    FreeLibrary(module);
}

INSTANTIATE_TEST_SUITE_P(Templates, DialogResourceTest, ::testing::Values(137, 138, 140));

TEST(DialogResources, SizesAndControlCountsOfTheThreeTemplates)
{
    const struct {
        int id, cx, cy, items;
    } expected[] = {{137, 302, 269, 33}, {138, 228, 138, 8}, {140, 288, 120, 4}};
    const HMODULE module = LoadLibraryExA("VelorTrDcd.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    for (const auto& e : expected) {
        const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(e.id), MAKEINTRESOURCEA(5));
        ASSERT_NE(found, nullptr) << e.id;
        ParsedDialog d;
        ASSERT_TRUE(Parse(static_cast<const BYTE*>(LockResource(LoadResource(module, found))), &d));
        EXPECT_EQ(d.cx, e.cx) << e.id;
        EXPECT_EQ(d.cy, e.cy) << e.id;
        EXPECT_EQ(static_cast<int>(d.items.size()), e.items) << e.id;
        EXPECT_EQ(d.style & (WS_CAPTION | WS_SYSMENU | DS_MODALFRAME), static_cast<DWORD>(WS_CAPTION | WS_SYSMENU | DS_MODALFRAME));
        EXPECT_EQ((d.exStyle & WS_EX_CONTEXTHELP) != 0, e.id != 140) << e.id;
    }
    EXPECT_EQ(FindResourceA(module, MAKEINTRESOURCEA(139), MAKEINTRESOURCEA(5)), nullptr);
    FreeLibrary(module);
}
