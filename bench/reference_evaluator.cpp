#include "bench/reference_evaluator.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>

namespace bench {

bool ReferenceEvaluator::Compute(const char* text, double& value)
{
    p_ = text;
    end_ = text + std::strlen(text);
    if (!Sum(value))
        return false;
    SkipBlanks();
    return *p_ == '\0';
}

void ReferenceEvaluator::SkipBlanks()
{
    while (*p_ == ' ' || *p_ == '\t')
        ++p_;
}

// sum ::= product { ('+' | '-') product }
bool ReferenceEvaluator::Sum(double& value)
{
    if (!Product(value))
        return false;
    for (;;) {
        SkipBlanks();
        const char op = *p_;
        if (op != '+' && op != '-')
            return true;
        ++p_;
        double right = 0;
        if (!Product(right))
            return false;
        value = op == '+' ? value + right : value - right;
    }
}

// product ::= power { ('*' | '/') power }
bool ReferenceEvaluator::Product(double& value)
{
    if (!Power(value))
        return false;
    for (;;) {
        SkipBlanks();
        const char op = *p_;
        if (op != '*' && op != '/')
            return true;
        ++p_;
        double right = 0;
        if (!Power(right))
            return false;
        value = op == '*' ? value * right : value / right;
    }
}

// power ::= unary [ '^' power ]
bool ReferenceEvaluator::Power(double& value)
{
    if (!Unary(value))
        return false;
    SkipBlanks();
    if (*p_ != '^')
        return true;
    ++p_;
    double exponent = 0;
    if (!Power(exponent))
        return false;
    value = std::pow(value, exponent);
    return true;
}

// unary ::= '-' unary | primary
bool ReferenceEvaluator::Unary(double& value)
{
    SkipBlanks();
    if (*p_ != '-')
        return Primary(value);
    ++p_;
    if (!Unary(value))
        return false;
    value = -value;
    return true;
}

// primary ::= number | name | '(' sum ')'
bool ReferenceEvaluator::Primary(double& value)
{
    SkipBlanks();
    if (*p_ == '(') {
        ++p_;
        if (!Sum(value))
            return false;
        SkipBlanks();
        if (*p_ != ')')
            return false;
        ++p_;
        return true;
    }
    if (std::isalpha(static_cast<unsigned char>(*p_))) {
        const char* start = p_;
        while (std::isalnum(static_cast<unsigned char>(*p_)) || *p_ == '_')
            ++p_;
        name_.assign(start, p_);
        const auto found = variables_.find(name_);
        if (found == variables_.end())
            return false;
        value = found->second;
        return true;
    }
    const std::from_chars_result r = std::from_chars(p_, end_, value);
    if (r.ec != std::errc())
        return false;
    p_ = r.ptr;
    return true;
}

} // namespace bench
