#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/interp/error_codes.h"
#include "tests/interp/recording_host.h"

namespace zentrel {
namespace {

TEST(AngleCommands, SetTheConversionStateWithTheUnit) {
    RecordingHost host;
    const EngineShared& shared = host.shared();
    EXPECT_TRUE(shared.radianFlag);
    host.run(":deg");
    EXPECT_EQ(shared.modes.angleUnit, AngleUnit::Degree);
    EXPECT_FALSE(shared.radianFlag);
    EXPECT_EQ(shared.halfTurn, 180.0);
    host.run(":grad 1");
    EXPECT_EQ(shared.halfTurn, 200.0);
    EXPECT_TRUE(host.engine.angleResult);
    host.run(":rad");
    EXPECT_TRUE(shared.radianFlag);
    EXPECT_FALSE(host.engine.angleResult);
}

// A nested engine computes in radians and gives the caller its unit back.
TEST(AngleCommands, NestedEngineRunsInRadians) {
    RecordingHost host;
    host.run(":deg");
    {
        Engine nested(host.engine);
        EXPECT_TRUE(host.shared().radianFlag);
        Context child;
        child.variables.value('0') = Number::fromReal(180, false);
        nested.run(child, ":angle 0");
        EXPECT_DOUBLE_EQ(child.variables.value('0').complex.re, 3.141592653589793);
    }
    EXPECT_FALSE(host.shared().radianFlag);
    EXPECT_EQ(host.shared().halfTurn, 180.0);
    EXPECT_EQ(host.answerOf("sin 90"), "1");
}

TEST(SwitchCommands, BitSevenSwapsCurrentAndSaved) {
    RecordingHost host;
    host.run(":assert 1; :assert 0; :assert \\-1");
    EXPECT_TRUE(host.engine.assertSwitch.isOn());
    host.run(":assert \\-1");
    EXPECT_FALSE(host.engine.assertSwitch.isOn());
    host.run(":debug 5");
    EXPECT_EQ(host.engine.debugSwitch.current, 5);
    host.run(":ans 0");
    EXPECT_FALSE(host.ctx.ansSwitch.isOn());
    host.run(":ans 128");
    EXPECT_TRUE(host.ctx.ansSwitch.isOn());
}

class WarningHost : public RecordingHost {
  public:
    std::vector<std::string> warnings;

  protected:
    void showUserWarning(std::string_view text) override { warnings.emplace_back(text); }
};

TEST(SwitchCommands, WarnShowsTextsWhileOn) {
    WarningHost host;
    host.ctx.inFile = true;
    host.ctx.fileName = "f.zen";
    host.run(":warn [\"in -]");
    host.run(":warn 0; :warn [\"hidden]");
    EXPECT_EQ(host.warnings, std::vector<std::string>{"in f.zen"});
    EXPECT_FALSE(host.engine.warnSwitch.isOn());
    host.run(":warn");
    EXPECT_EQ(host.shownCodes(), Codes{kErrCommandArgument});
    host.run(":warn 1; :strcpy @@a [\"from an array]; :warn @@a");
    EXPECT_EQ(host.warnings, (std::vector<std::string>{"in f.zen", "from an array"}));
}

struct SetterCase {
    const char* text;
    const char* answer;
};

TEST(PartSetters, ReplaceOnePartAndKeepTheOther) {
    const SetterCase cases[] = {
        {":complex 1; @a = (1 2); :real @a 3; @a", "3.0+2.0i"},
        {":complex 1; @a = (1 2); :imag @a [-] 4; @a", "1.0-4.0i"},
        {":fract; @a = (3 4); :imag @a 1; :complex 2; @a", "0.75+1.00i"},
        {":fract; @a = (3 4); :num @a [-] 1; @a", "-1_4"},
        {":fract; @a = (3 4); :denom @a 5; @a", "3_5"},
        {":fract; @a = (3 4); :denom @a 0; @a", "inf"},
        {"@a = 0.75; :num @a 1; :fract; @a", "1_4"},
    };
    for (const SetterCase& c : cases) {
        SCOPED_TRACE(c.text);
        RecordingHost host;
        EXPECT_EQ(host.answerOf(c.text), c.answer);
        EXPECT_TRUE(host.shownCodes().empty());
    }
}

TEST(PartSetters, RefuseConstantsAndNonVariables) {
    RecordingHost host;
    host.run(":define K 3");
    host.run(":real K 1");
    host.run(":num 3 1");
    host.run(":denom @a");
    EXPECT_EQ(host.shownCodes(),
              (Codes{kErrAssignToConstant, kErrCommandArgument, kErrCommandArgument}));
    EXPECT_EQ(host.reports[1].tokenText, ":real");  // after the status of :define
}

TEST(SeedCommand, TakesTheLow32Bits) {
    RecordingHost host;
    host.run(":srand 4294967298");
    EXPECT_EQ(host.shared().random.seed, 2u);
    host.run(":srand \\-1");
    EXPECT_EQ(host.shared().random.seed, 0xFFFFFFFFu);
}

}  // namespace
}  // namespace zentrel
