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
    void onStepTrace(Context&, const TokenLine&, std::int32_t, std::string_view comment,
                     bool) override {
        comments.emplace_back(comment);
    }
    bool onStepStop(Context&, const TokenLine&, std::int32_t, std::string_view, bool) override {
        return true;
    }
};

TEST(Stepper, TraceSeesEachStatementsComment) {
    TracingHost host;
    host.debugSwitch = SwitchPair::on();
    host.stepper.trace = true;
    // Longer than any short-string buffer, so that a dangling view would show.
    const std::string comment = " a comment long enough to live on the heap of the string";
    host.run("1 + 2 #" + comment);
    host.run("3");
    EXPECT_EQ(host.comments, (std::vector<std::string>{comment, ""}));
}

}  // namespace
}  // namespace zentrel
