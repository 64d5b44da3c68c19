#pragma once

#include <stdexcept>
#include <string>

namespace quorvel {

// The one family of failures. A failure abandons the running handler; the
// application's event loop shows what() (UTF-8) in its error message box.
class Failure : public std::runtime_error {
public:
    explicit Failure(const std::string& message) : std::runtime_error(message) {}
};

// A field text that does not convert to a number.
class NumberTextError : public Failure {
public:
    using Failure::Failure;
};

enum class FaultKind { DivideByZero, InvalidArithmetic, Overflow };

// A floating-point condition that the model treats as a fault. It is raised at
// the operation that meets it, so the faulting result is never used.
class ArithmeticFault : public Failure {
public:
    explicit ArithmeticFault(FaultKind kind);
    FaultKind Kind() const { return kind_; }

private:
    FaultKind kind_;
};

std::string FaultMessage(FaultKind kind);

} // namespace quorvel
