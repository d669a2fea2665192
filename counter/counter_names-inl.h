// Names: the hook, the built-in functions (counter_builtins-inl.h), assignment,
// the variables and, last, the host's extension.
#pragma once

#include "counter/counter_expression-inl.h"

template <class Ch, class Str>
typename CAtCounter0<Ch, Str>::Value CAtCounter0<Ch, Str>::NameOperand()
{
    const Ch* name = position;
    int length = 0;
    while (length <= kMaxNameLength && IsWordChar(name[length], 1))
        ++length;
    if (length == 0 || length > kMaxNameLength) {
        Fail(kStatusInvalidName);
        return {0.0, false};
    }
    if (skipDepth > 0)
        return SkippedName(name, length);

    double hooked = 0.0;
    const int32_t answer = hook->EvalIdentifier(&hooked);
    if (answer == -1) {
        Fail(kStatusHookRejected);
        return {0.0, false};
    }
    if (answer != 0)
        return {hooked, false};

    Value value{0.0, false};
    if (BuiltIn(name, length, &value))
        return value;
    const Ch* after = BlanksEnd(name + length);
    if (after[0] == ':' && after[1] == '=') {
        position = after + 2;
        return Assignment(name, length);
    }
    const NameRef<Ch> key{name, length};
    const auto number = numberVariables.find(key);
    if (number != numberVariables.end()) {
        position = name + length;
        return {number->second, false};
    }
    const auto text = textVariables.find(key);
    if (text != textVariables.end()) {
        position = name + length;
        *textResult = text->second;
        return {0.0, true};
    }
    return Unresolved(name);
}

// The name nobody else knows goes to EvalUnknown; a status it leaves (an
// error, or a text) makes the operand's value 999.
template <class Ch, class Str>
typename CAtCounter0<Ch, Str>::Value CAtCounter0<Ch, Str>::Unresolved(const Ch* name)
{
    position = name;
    const double value = hook->EvalUnknown();
    if (status == 0)
        return {value, false};
    if (status == kStatusText) {
        status = kStatusOk; // the host's text: nothing was put in the text result
        textResult->Empty();
        return {kUnresolvedValue, true};
    }
    return {status > 0 ? kUnresolvedValue : value, false};
}

// Skipping: the name is passed over, with its assignment or its argument
// list.
template <class Ch, class Str>
typename CAtCounter0<Ch, Str>::Value CAtCounter0<Ch, Str>::SkippedName(const Ch* name, int length)
{
    position = name + length;
    const Ch* after = BlanksEnd(position);
    if (after[0] == ':' && after[1] == '=') {
        position = after + 2;
        return Assignment(name, length);
    }
    if (*after == '(') {
        position = after;
        PassGroup();
    }
    return {0.0, false};
}

// name ":=" expression: the kind follows the value and stays fixed. A ','
// behind it above nesting level 1 goes on with the next expression, whose
// value replaces the assignment's (ListItems).
template <class Ch, class Str>
typename CAtCounter0<Ch, Str>::Value CAtCounter0<Ch, Str>::Assignment(const Ch* name, int length)
{
    // Standing at the start of an item of a list, the assignment is the
    // whole item: its expression reads every operator up to the ','.
    const bool item = name == listItem_;
    listItem_ = nullptr;
    Value value = Expression();
    if (Failed())
        return value;
    if (skipDepth == 0 && !StoreVariable(name, length, value))
        return {0.0, false};
    if (!item)
        return ListItems(value);
    listEnded_ = name; // the list under way goes on behind it
    return value;
}

// [ "," expression ]...: the items that ',' joins behind an assignment above
// nesting level 1, read one after the other; each item's value replaces the
// one before. An item that is an assignment alone leaves its ',' to this
// loop, so a list nests no deeper however long it is; any other item ends
// the list before the ',' behind it.
template <class Ch, class Str>
typename CAtCounter0<Ch, Str>::Value CAtCounter0<Ch, Str>::ListItems(Value value)
{
    for (;;) {
        const Ch* after = BlanksEnd(position);
        if (*after != ',' || depth <= 1)
            return value;
        position = BlanksEnd(after + 1);
        const Ch* item = position;
        listItem_ = item;
        listEnded_ = nullptr;
        value = Expression();
        listItem_ = nullptr;
        if (Failed() || listEnded_ != item)
            return value;
    }
}

// Stores the value (a text: the text result) under the name; a variable of
// the other kind under that name: status 10 with the position at the name.
template <class Ch, class Str>
bool CAtCounter0<Ch, Str>::StoreVariable(const Ch* name, int length, Value value)
{
    const NameRef<Ch> key{name, length};
    const auto number = numberVariables.find(key);
    const auto text = textVariables.find(key);
    if (value.text ? number != numberVariables.end() : text != textVariables.end()) {
        position = name;
        Fail(kStatusKind);
        return false;
    }
    if (value.text && text != textVariables.end()) {
        text->second = *textResult;
    } else if (value.text) {
        Str stored;
        TextAssign(stored, name, length);
        textVariables.emplace(std::move(stored), *textResult);
    } else if (number != numberVariables.end()) {
        number->second = value.number;
    } else {
        Str stored;
        TextAssign(stored, name, length);
        numberVariables.emplace(std::move(stored), value.number);
    }
    return true;
}

