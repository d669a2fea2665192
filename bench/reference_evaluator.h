// An evaluator written only for the comparison: one pass of recursive
// descent over the numeric part of the expression language (numbers, + - * /
// ^, unary minus, groups, variables), with the variables in a plain map and
// no case table, function table or host hook. What the system does beyond
// this is the price of its language.
#pragma once

#include <map>
#include <string>

namespace bench {

class ReferenceEvaluator {
public:
    void Set(const std::string& name, double value) { variables_[name] = value; }

    // The value of text, or false when text is not an expression of the
    // subset (or names an unknown variable).
    bool Compute(const char* text, double& value);

private:
    bool Sum(double& value);
    bool Product(double& value);
    bool Power(double& value);
    bool Unary(double& value);
    bool Primary(double& value);
    void SkipBlanks();

    std::map<std::string, double> variables_;
    std::string name_; // the name being read, kept to reuse its buffer
    const char* p_ = nullptr;
    const char* end_ = nullptr;
};

} // namespace bench
