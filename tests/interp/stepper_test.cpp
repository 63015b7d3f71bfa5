#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/interp/error_codes.h"
#include "tests/interp/recording_host.h"

namespace zentrel {
namespace {

// Keeps the comment of every statement the stepper traces.
class TracingHost : public RecordingHost {
  public:
    std::vector<std::string> comments;

  protected:
    void traceStatement(const StepView& step) override { comments.emplace_back(step.comment); }
};

TEST(Stepper, TraceSeesEachStatementsComment) {
    TracingHost host;
    host.engine.debugSwitch = SwitchPair::on();
    host.engine.stepper.trace = true;
    // Longer than any short-string buffer, so that a dangling view would show.
    const std::string comment = " a comment long enough to live on the heap of the string";
    host.run("1 + 2 #" + comment);
    host.run("3");
    EXPECT_EQ(host.comments, (std::vector<std::string>{comment, ""}));
}

}  // namespace
}  // namespace zentrel
