// The number box: reading, range check, display and its keys.
#include "framework/MVNumBox.h"

#include "common/config_number.h"
#include "framework/MVDialog.h"
#include "framework/MVUndefined.h"

#include <climits>
#include <cmath>
#include <string>

namespace {

const DWORD kRangeHelpId = 61715;

// The value as the box keeps it: number / scale, 0.49 added (subtracted
// below 0) and the fraction cut off, within the range of an int.
int ToValue(double number, double scale)
{
    const double scaled = scale != 0 ? number / scale : number;
    const double rounded = scaled >= 0 ? scaled + 0.49 : scaled - 0.49;
    if (!(rounded == rounded))
        return 0;
    if (rounded >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (rounded <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(rounded);
}

} // namespace

int ReadNumberPrefix(const char* text, double* number)
{
    std::string normal = text ? text : "";
    for (char& c : normal)
        if (c == ',')
            c = '.';
    // No number reaches beyond the first character that no number holds.
    const size_t candidates = normal.find_first_not_of("0123456789+-.eExXpPabcdefABCDEFiInNtTyY()_ \t");
    *number = 0;
    for (size_t length = candidates == std::string::npos ? normal.size() : candidates; length > 0; --length)
        if (ParseNumberText(normal.substr(0, length).c_str(), number))
            return static_cast<int>(length);
    *number = 0;
    return 0;
}

bool CMVNumBox<int>::ValueFromWindow()
{
    CString text = GetWindowText();
    text.Trim();
    if (text.IsEmpty() || text == UndefinedMarker) {
        if (allowsUndefined)
            defined = false;
        return true;
    }
    defined = true;
    double number = 0;
    const int read = ReadNumberPrefix(text, &number);
    value = ToValue(number, scale);
    if (read < text.GetLength()) {
        if (messages) {
            // The whole window text counts: the blanks trimmed before it too.
            const CString shown = GetWindowText();
            const int lead = shown.Find(text.GetString());
            if (owner)
                owner->GotoDlgCtrl(m_hWnd);
            SetSel((lead > 0 ? lead : 0) + read, -1);
        }
        return false;
    }
    return RangeAccepts();
}

bool CMVNumBox<int>::RangeAccepts()
{
    if (minimum >= maximum || (value >= minimum && value <= maximum) || !messages || !visible)
        return true;
    const CString low = FormatFixed(minimum * scale, decimals), high = FormatFixed(maximum * scale, decimals);
    CString message;
    message.Format(FrameworkText(softRange ? kFrameworkFixNumber : kFrameworkEnterNumber), low.GetString(),
                   high.GetString());
    const HWND dialog = owner ? owner->m_hWnd : nullptr;
    if (softRange)
        return VelorMessageBox(dialog, message, nullptr, MB_YESNO | MB_ICONQUESTION) != IDYES;
    VelorMessageBox(dialog, message, nullptr, MB_OK | MB_ICONEXCLAMATION, kRangeHelpId);
    if (owner)
        owner->GotoDlgCtrl(m_hWnd);
    return false;
}

CString CMVNumBox<int>::Shown(double number) const
{
    CString text = FormatFixed(number, decimals);
    while (text.GetLength() < width)
        text.Insert(0, ' ');
    return text;
}

void CMVNumBox<int>::ValueToWindow()
{
    SetWindowText(defined ? Shown(value * scale).GetString() : UndefinedMarker);
}

// Ctrl+A selects the whole text; a double click defines the box and, when
// it allows it, makes it undefined again.
bool CMVNumBox<int>::PreFilter(MSG* message)
{
    if (message->message == WM_CHAR && message->wParam == 1) {
        SetSel(0, -1);
        return true;
    }
    OfferTipOnClick(*this, m_hWnd, message, kTipNumberBox, UndefinedExplanation(kFrameworkUndefinedNumber, "."));
    if (message->message != WM_LBUTTONDBLCLK || (defined && !allowsUndefined))
        return false;
    defined = !defined;
    ValueToWindow();
    return true;
}
