#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

namespace zentrel {

class Interpreter;

// Evaluates a plot's expressions again and again for a graphics host, each time
// with the argument variable set to the sample's argument, on the interpreter's
// top-level scope. It runs in an engine nested in the interpreter's, because the
// interpreter may be in the middle of a statement (a :plot); the samples are
// taken in the interpreter's angle unit, and messages from the scope carry no
// file line meanwhile.
class ExpressionSampler {
  public:
    // With compileOnce each expression is compiled on its first evaluation and
    // the compiled statements run again (compiled afresh when the scope's mode
    // or radix changed since, as the number words depend on them); otherwise
    // the text is compiled for every evaluation.
    ExpressionSampler(Interpreter& interpreter, std::uint8_t argVariable, std::string_view first,
                      std::string_view second, bool compileOnce);
    ~ExpressionSampler();
    ExpressionSampler(const ExpressionSampler&) = delete;
    ExpressionSampler& operator=(const ExpressionSampler&) = delete;

    // The value of the first (0) or second (1) expression at the argument, as a
    // real. False when the run did not end normally; the host has been told why.
    bool evaluate(int which, double argument, double& value);
    // Radians per unit of the argument: 1, or pi over the half turn of degrees or grads.
    double angleScale() const;
    // Asks the host to show the canvas, while the auto-update switch is on.
    void requestRefresh();

  private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace zentrel
