// The compute operations and the argument lists.
#pragma once

#include "counter/counter_block-inl.h"

#include "VelorTrCounter.h"

template <class Ch, class Str>
int32_t CAtCounter0<Ch, Str>::Compute(const Ch* text, int32_t startDepth, const Ch** end, double* value)
{
    static const Ch kEmpty[1] = {0};
    const Ch* savedPosition = position;
    const int32_t savedStatus = status, savedDepth = depth, savedSkip = skipDepth;
    const Ch* savedItem = listItem_;
    const Ch* savedEnded = listEnded_;
    listItem_ = listEnded_ = nullptr; // a list under way is no list of this text
    ++running_;
    depth = startDepth;
    skipDepth = 0;
    position = BlanksEnd(text ? text : kEmpty);
    status = kStatusOk;
    ++depth;
    Value result = Expression();
    if (!Failed())
        PassSections(); // BLOCK sections behind a complete expression
    if (!Failed())
        status = result.text ? kStatusText : kStatusOk;
    if (value)
        *value = result.text ? 0.0 : result.number;
    if (end)
        *end = position;
    const int32_t outcome = status;
    position = savedPosition;
    depth = savedDepth;
    skipDepth = savedSkip;
    listItem_ = savedItem;
    listEnded_ = savedEnded;
    if (--running_ > 0)
        status = savedStatus; // an evaluation under way goes on with its own status
    return outcome;
}

template <class Ch, class Str>
int32_t CAtCounter0<Ch, Str>::ComputeArgs(const Ch* text, const Ch** end, uint32_t count, double* values)
{
    static const Ch kEmpty[1] = {0};
    const Ch* savedItem = listItem_;
    const Ch* savedEnded = listEnded_;
    listItem_ = listEnded_ = nullptr;
    ++running_;
    position = text ? text : kEmpty;
    status = kStatusOk;
    depth = 0;
    skipDepth = 0;
    ReadFixedArguments(count, values);
    if (end)
        *end = position;
    listItem_ = savedItem;
    listEnded_ = savedEnded;
    --running_;
    return status;
}

template <class Ch, class Str>
typename CAtCounter0<Ch, Str>::Value CAtCounter0<Ch, Str>::ArgumentExpression()
{
    const int32_t savedTextNesting = textNesting;
    textNesting = 0;
    ++depth;
    const Value value = Expression();
    --depth;
    textNesting = savedTextNesting;
    return value;
}

template <class Ch, class Str>
void CAtCounter0<Ch, Str>::ReadFixedArguments(uint32_t count, double* values, bool textsAllowed)
{
    SkipBlanks();
    if (*position != '(') {
        if (count > 0)
            Fail(kStatusParenthesis);
        return;
    }
    ++position;
    if (count == 0) {
        SkipBlanks();
        if (*position != ')')
            Fail(kStatusArgumentCount);
        else
            ++position;
        return;
    }
    for (uint32_t i = 0; i < count; ++i) {
        const Value value = ArgumentExpression();
        if (Failed())
            return;
        if (value.text && !textsAllowed) {
            Fail(kStatusKind);
            return;
        }
        if (values)
            values[i] = value.text ? TextArgMarker : value.number;
        status = kStatusOk;
        SkipBlanks();
        if (*position != (i + 1 < count ? ',' : ')')) {
            Fail(kStatusArgumentCount);
            return;
        }
        ++position;
    }
}

template <class Ch, class Str>
bool CAtCounter0<Ch, Str>::OpenArguments(int32_t missingStatus)
{
    SkipBlanks();
    if (*position != '(') {
        Fail(missingStatus);
        return false;
    }
    ++position;
    return true;
}

template <class Ch, class Str>
double CAtCounter0<Ch, Str>::ReadOneArgument(bool last, bool* isText)
{
    const Value value = ArgumentExpression();
    *isText = value.text;
    if (Failed())
        return value.number;
    SkipBlanks();
    if (*position == (last ? ')' : ','))
        ++position;
    else
        Fail(last ? kStatusParenthesis : kStatusArgumentCount);
    return value.number;
}

template <class Ch, class Str>
double CAtCounter0<Ch, Str>::ReadListArgument(bool* more, bool* isText)
{
    const Value value = ArgumentExpression();
    *more = false;
    if (isText)
        *isText = value.text;
    if (Failed())
        return value.number;
    SkipBlanks();
    if (*position == ',')
        *more = true;
    else if (*position != ')')
        Fail(kStatusListSeparator);
    if (!Failed())
        ++position;
    return value.number;
}
