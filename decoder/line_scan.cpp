// Blanks, comment words and token ends of a line.
#include "decoder/line_scan.h"

#include "common/case_table.h"
#include "common/text_compare.h"

#include <cstring>

void CommentWords::Clear()
{
    words_.clear();
    std::memset(mayStart_, 0, sizeof mayStart_);
    any_ = false;
}

void CommentWords::Add(const char* word)
{
    words_.emplace_back(word);
    const unsigned char first = static_cast<unsigned char>(words_.back()[0]);
    if (first == 0) {
        any_ = true; // an empty comment word begins everywhere
        return;
    }
    const CTabVelkaMala& t = *GetCaseTable();
    for (int c = 1; c < 256; ++c) {
        if (t.upperA[c] == t.upperA[first])
            mayStart_[c] = true;
    }
}

bool CommentWords::WordAt(const char* p) const
{
    for (const CString& word : words_) {
        if (StartsWithNoCase(p, word))
            return true;
    }
    return false;
}

const char* TokenEnd(const char* p, const LineScan& scan, bool* unterminated)
{
    if (*p == '"') {
        if (p[1] == '"')
            return p + 2;
        const char* q = p + 1;
        for (; *q; ++q) {
            if (*q == '\\' && q[1] == '"')
                ++q;
            else if (*q == '"')
                return q + 1;
        }
        if (unterminated)
            *unterminated = true;
        return q;
    }
    const char* q = p;
    while (*q) {
        if (scan.comments && scan.comments->At(q))
            break;
        if (scan.separator ? SeparatorAt(q, scan) : IsBlank(*q))
            break;
        ++q;
    }
    return q;
}
