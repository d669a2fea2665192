// DecodeLine: one line matched against the command table and split into
// typed values.
#include "decoder/CDecodeTxLine.h"

#include "common/text_compare.h"
#include "common/text_keys.h"

#include <algorithm>

DecodeCommand* CDecodeTxLine::ChooseCommand(const CTabVelkaMala& table, const char** position, uint32_t* commandId)
{
    if (commands.empty()) {
        uint32_t status = 0;
        AppendCommand("", 0, 0, &status);
    }
    // Only a command whose prefix begins with the line's first letter can match.
    const unsigned start = textkeys::Upper(table, **position);
    if (!prefixStarts_[start])
        return LastDefault(commandId);
    for (size_t i = 0; i < commands.size(); ++i) {
        DecodeCommand& command = commands[i];
        if (!command.hasPrefix) {
            *commandId = command.id;
            defaultIndex_ = static_cast<long>(i);
            defaultCommand = &command;
            continue;
        }
        const char* after = nullptr;
        if (command.prefixStart == start && StartsWithNoCase(*position, command.prefix, &after)) {
            *commandId = command.id;
            *position = after;
            return &command;
        }
    }
    return defaultCommand;
}

// A line that no prefix matches: the last command without prefix decodes
// it (as the full pass over the table would have found).
DecodeCommand* CDecodeTxLine::LastDefault(uint32_t* commandId)
{
    for (size_t i = commands.size(); i-- > 0;) {
        DecodeCommand& command = commands[i];
        if (!command.hasPrefix) {
            *commandId = command.id;
            defaultIndex_ = static_cast<long>(i);
            defaultCommand = &command;
            break;
        }
    }
    return defaultCommand;
}

DecodeCommand* CDecodeTxLine::ParamsCommand(DecodeCommand* command)
{
    if (command->paramsOf == command->id)
        return command;
    for (DecodeCommand& other : commands) {
        if (other.id == command->paramsOf)
            return &other;
    }
    return defaultCommand ? defaultCommand : command;
}

void CDecodeTxLine::BuildPositional(DecodeCommand& command)
{
    if (command.positionalReady)
        return;
    const CTabVelkaMala& table = *GetCaseTable();
    command.positional.clear();
    command.counters.clear();
    command.keywordStarts.reset();
    command.keywordSingles.reset();
    command.keywordPairs.reset();
    for (DecodeParam& param : command.params) {
        if (!param.keywordOnly)
            command.positional.push_back(&param);
        if (param.counter && std::find(command.counters.begin(), command.counters.end(), param.counter) ==
                                 command.counters.end())
            command.counters.push_back(param.counter);
        const char* keyword = param.keyword.GetString();
        param.keywordStart = static_cast<uint8_t>(textkeys::Upper(table, keyword[0]));
        param.keywordSecond = keyword[0] ? static_cast<uint8_t>(textkeys::Upper(table, keyword[1])) : 0;
        if (param.keywordStart)
            command.keywordStarts[param.keywordStart] = true;
        if (param.keywordStart && !param.keywordSecond)
            command.keywordSingles[param.keywordStart] = true;
        if (param.keywordSecond)
            command.keywordPairs[KeywordPair(param.keywordStart, param.keywordSecond)] = true;
    }
    command.positionalReady = true;
}

void CDecodeTxLine::BeginPointLine()
{
    vdFlag = nlFlag = ppFlag = false;
    if (!ttText.IsEmpty())
        ttText.Empty();
    if (!etText.IsEmpty())
        etText.Empty();
    ppCount = stCount = ttCount = etCount = rCount = 0;
}

namespace {

// Whether one of the command's keywords may begin at p: its first character
// begins one, and its first two (p[1] is read only behind a character that
// does).
bool MayBeginKeyword(const DecodeCommand& command, const CTabVelkaMala& table, const char* p)
{
    const unsigned first = textkeys::Upper(table, p[0]);
    if (!command.keywordStarts[first])
        return false;
    return command.keywordSingles[first] || command.keywordPairs[KeywordPair(first, textkeys::Upper(table, p[1]))];
}

} // namespace

// Step by step through the values of the line, from *position. Returns the
// error code (0 when the line ended, or a comment word ended it).
uint32_t CDecodeTxLine::DecodeValues(const CTabVelkaMala& table, DecodeCommand& command, const char** position,
                                     uint32_t* positional)
{
    LineScan scan;
    scan.comments = &comments_;
    if (command.isPointLine) {
        if (!fieldSeparator.IsEmpty()) {
            scan.separator = fieldSeparator;
            scan.separatorLength = static_cast<size_t>(fieldSeparator.GetLength());
            scan.separatorChar = fieldSeparator[0];
        }
        if (decimalComma)
            scan.decimal = ',';
    }
    const char* p = *position;
    size_t cursor = 0;
    while (*p) {
        p = SkipBlanks(p, scan.separatorChar);
        if (comments_.At(p))
            break;
        const DecodeParam* chosen = nullptr;
        const unsigned start = textkeys::Upper(table, *p);
        if (static_cast<unsigned char>(*p) >= keywordThreshold && MayBeginKeyword(command, table, p)) {
            const unsigned second = textkeys::Upper(table, p[1]);
            for (const DecodeParam& param : command.params) {
                const char* after = nullptr;
                if (param.keywordStart == start && (param.keywordSecond == 0 || param.keywordSecond == second) &&
                    StartsWithNoCase(p, param.keyword, &after)) {
                    chosen = &param;
                    p = after;
                    cursor = command.positional.size();
                    break;
                }
            }
        }
        bool isPositional = false;
        if (!chosen && cursor < command.positional.size()) {
            chosen = command.positional[cursor++];
            isPositional = true;
        }
        if (chosen) {
            const ValueRead r = ReadValue(p, chosen->type, chosen->target, scan, chosen->integerWidth);
            if (r.error) {
                *position = r.end;
                return r.error;
            }
            p = r.end;
            if (chosen->counter)
                ++*chosen->counter;
            if (isPositional)
                ++*positional;
        } else {
            p = TokenEnd(p, scan, nullptr);
        }
        if (scan.separator) {
            if (SeparatorAt(p, scan))
                p += scan.separatorLength;
            else if (!*p || comments_.At(p))
                break;
            else {
                *position = p;
                return kErrorSeparator;
            }
        } else {
            p = SkipBlanks(p, 0);
        }
    }
    *position = p;
    return kErrorNone;
}

uint32_t CDecodeTxLine::DecodeLine(char* line, uint32_t* commandId, uint32_t* positionalCount, char** stopAt,
                                   uint32_t* error)
{
    uint32_t id = 0, positional = 0, code = kErrorNone;
    const char* p = line ? line : "";
    const char* const start = p;
    if (commandId)
        *commandId = 0;
    if (positionalCount)
        *positionalCount = 0;
    if (stopAt)
        *stopAt = line;
    if (error)
        *error = kErrorNone;

    p = SkipBlanks(p, 0);
    if (*p && !comments_.At(p)) {
        const CTabVelkaMala& table = *GetCaseTable();
        DecodeCommand* chosen = ChooseCommand(table, &p, &id);
        if (chosen) {
            const char* behindPrefix = p;
            DecodeCommand& command = *ParamsCommand(chosen);
            p = SkipBlanks(p, 0);
            BuildPositional(command);
            for (uint32_t* counter : command.counters)
                *counter = 0;
            if (command.isPointLine) {
                BeginPointLine();
                // With a field separator every field counts, leading blanks and
                // empty fields included: go back to the first character of the
                // data (the line's first character for a command without prefix).
                if (!fieldSeparator.IsEmpty())
                    p = chosen->hasPrefix ? behindPrefix : start;
            }
            code = DecodeValues(table, command, &p, &positional);
            if (code == kErrorNone && command.isPointLine) {
                code = FinishPointLine(command.pointRecord ? *command.pointRecord : record);
            }
        }
    }

    if (commandId)
        *commandId = id;
    if (positionalCount)
        *positionalCount = positional;
    if (stopAt)
        *stopAt = line ? line + (p - start) : nullptr;
    if (error)
        *error = code;
    return code ? 1 : 0;
}
