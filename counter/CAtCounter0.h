// The evaluator over one character width: its parse state, its variables and
// the one-pass evaluation of the expression language. The member functions
// are defined in the counter_*-inl.h headers and instantiated once per width
// (counter_narrow.cpp, counter_wide.cpp).
#pragma once

#include "counter/counter_chars.h"
#include "counter/counter_hook.h"
#include "counter/counter_status.h"

#include <cstdint>
#include <map>
#include <vector>

enum class CounterFunction : uint8_t;

template <class Ch, class Str>
class CAtCounter0 : public TExtCompuI {
public:
    CAtCounter0() : hook(this), textResult(&ownText_) {}
    virtual ~CAtCounter0() = default;
    CAtCounter0(const CAtCounter0&) = delete;
    CAtCounter0& operator=(const CAtCounter0&) = delete;

    // Offers nothing: the evaluator resolves every name itself.
    int32_t EvalIdentifier(double*) override { return 0; }

    // The compute contract: evaluates text as one expression with the nesting
    // level starting at startDepth, stores the value and the position
    // reached, keeps the position of an evaluation under way (so a hook or
    // extension may compute on this evaluator) and returns the status.
    int32_t Compute(const Ch* text, int32_t startDepth, const Ch** end, double* value);
    // "(" count expressions separated by ',' ")" into values; the position
    // stays where the list ended. Returns the status.
    int32_t ComputeArgs(const Ch* text, const Ch** end, uint32_t count, double* values);

    // Argument lists of the built-in functions, at the position.
    // Fixed length: values[0..count); a text argument is TextArgMarker, or
    // status 10 when texts are not allowed.
    void ReadFixedArguments(uint32_t count, double* values, bool textsAllowed = true);
    // "(" before arguments read one at a time or a list of any length;
    // missingStatus when it is not there.
    bool OpenArguments(int32_t missingStatus);
    // One argument of a list read one at a time, with its ',' (status 9 when
    // missing) or, when last, its ")" (status 7). A text stays in the text
    // result; *isText tells which.
    double ReadOneArgument(bool last, bool* isText);
    // One argument of a list of any length; *more is true when ',' followed,
    // false after ")"; status 26 when neither. *isText (when given) tells
    // whether the argument was a text.
    double ReadListArgument(bool* more, bool* isText = nullptr);

    const Str& TextResult() const { return *textResult; }
    void SetHook(TExtCompuI* newHook) { hook = newHook ? newHook : this; }

    // The parse state.
    const Ch* position = nullptr;
    int32_t status = kStatusOk;
    int32_t depth = 0;
    TExtCompuI* hook;
    std::map<Str, double, VariableOrder<Ch, Str>> numberVariables;
    std::map<Str, Str, VariableOrder<Ch, Str>> textVariables;
    Str* textResult;
    int32_t skipDepth = 0;
    int32_t textNesting = 0;
    Ch decimalChar = '.';

protected:
    // A value: a number, or a text that stands in the text result.
    struct Value {
        double number;
        bool text;
    };
    enum class Op { kOr, kAnd, kEq, kNe, kLt, kLe, kGt, kGe, kWild, kNotWild, kAdd, kSub, kMul, kDiv, kPow };

    bool Failed() const { return status > 0; }
    void Fail(int32_t code)
    {
        if (status <= 0)
            status = code;
    }

    // Lexical level (counter_lexer-inl.h).
    static const Ch* BlanksEnd(const Ch* p);
    void SkipBlanks() { position = BlanksEnd(position); }
    static const Ch* ReadOperator(const Ch* p, Op* op);
    static int Level(Op op);
    static const Ch* LiteralEnd(const Ch* p);
    Value TextLiteral();
    Value CharLiteral();
    Value NumberOperand();

    // Expressions (counter_expression-inl.h).
    Value Expression() { return Binary(2); }
    Value Binary(int minLevel);
    Value Operand();
    Value Primary();
    Value Group();
    Value NumberOperation(Op op, Value left, Value right);
    Value TextOperation(Op op, int level);
    template <class F>
    Value Skipped(F evaluate);

    // Names and variables (counter_names-inl.h).
    Value NameOperand();
    Value SkippedName(const Ch* name, int length);
    Value Assignment(const Ch* name, int length);
    Value ListItems(Value value);
    Value Unresolved(const Ch* name);
    bool StoreVariable(const Ch* name, int length, Value value);

    // Arguments (counter_compute-inl.h): an expression one nesting level deeper
    // in which both function groups are available again.
    Value ArgumentExpression();

    // Built-in functions and constants (counter_builtins-inl.h): the function
    // whose name stands at name, called; false when there is none.
    bool BuiltIn(const Ch* name, int length, Value* value);
    Value NumericFunction(CounterFunction function);
    Value Extremum(bool largest);
    Value Alternative(bool text);
    void PassArgument(bool last);
    Value TextMeasure(CounterFunction function);
    // One argument of a list read one at a time that must be a text (in the
    // text result) or a number; false when it failed (status 10 for the
    // wrong kind).
    bool TextArgument(bool last);
    bool NumberArgument(bool last, double* value);

    // Text functions (counter_text_functions-inl.h).
    Value TextFunction(CounterFunction function);
    Value Substring();
    Value NumberText(CounterFunction function);
    Value DegreesText();
    Value DataPathText();
    Value Put(bool emptyText);
    Value AnsiResult(const char* text, int length);

    // The scanner of code passed over without evaluation (counter_scan-inl.h).
    enum class ScanStop { kFound, kClose, kEnd, kOpenLiteral };
    static const Ch* PassedLiteralEnd(const Ch* p);
    template <class Found>
    static const Ch* PassCode(const Ch* p, Found found, ScanStop* stop);

    // BLOCK chains and passing over groups (counter_block-inl.h).
    Value BlockChain();
    void PassSections();
    const Ch* NextBlock(const Ch* p, bool* found);
    void PassGroup();

private:
    Str ownText_;
    int nesting_ = 0; // operands under way, across re-entrant computations
    int running_ = 0; // compute operations under way
    // A list of assignments joined by ',' is read item by item: listItem_ is
    // where the item being read begins; an assignment that stands there alone
    // leaves its ',' to the list and tells so through listEnded_.
    const Ch* listItem_ = nullptr;
    const Ch* listEnded_ = nullptr;
};
