#pragma once

#include <array>
#include <cstdint>

namespace zentrel {

// The state of one open `if` or `switch` level.
enum class BranchState : std::uint8_t {
    Waiting = 0,    // no branch or case taken yet: statements are skipped
    Executing = 1,  // the current branch runs
    Skipping = 2,   // the rest of the construct is passed over
    Starting = 3,   // the opening statement itself runs next (its condition or value)
};

// The `if` stack or the `switch` stack. Conditionals switch the following
// statements on and off through it; level 0 is the permanent executing bottom.
class BranchStack {
  public:
    static constexpr int kMaxOpenLevels = 15;

    int depth() const { return depth_; }
    bool empty() const { return depth_ == 0; }
    bool full() const { return depth_ == kMaxOpenLevels; }

    BranchState top() const { return states_[depth_]; }
    void setTop(BranchState state) { states_[depth_] = state; }
    // The level the innermost open level sits in.
    BranchState enclosing() const { return states_[depth_ - 1]; }

    // Only after checking full().
    void push(BranchState state) { states_[++depth_] = state; }
    // Only after checking empty().
    void pop() { --depth_; }
    // Closes the levels opened after the stack had `depth` levels.
    void popTo(int depth) {
        if (depth < depth_) depth_ = depth;
    }

    // Statements under the innermost level run (its opening statement counts).
    bool executes() const {
        const BranchState s = top();
        return s == BranchState::Executing || s == BranchState::Starting;
    }

  private:
    std::array<BranchState, kMaxOpenLevels + 1> states_{BranchState::Executing};
    int depth_ = 0;
};

}  // namespace zentrel
