#include "engine/frontend/precedence_pass.h"

#include <new>
#include <vector>

#include "engine/frontend/name_tables.h"

namespace zentrel {

// The pass sweeps the line once. Instead of walking back from every operator to
// find its left boundary, it keeps, for every parenthesis level that is still
// open at the sweep position (a "frame"), what such a backward walk could stop
// at: the operators of that level that no later operator of the level hides
// (a stack of strictly rising precedence) and the latest control keyword
// anywhere inside the frame. Tokens are numbered in sweep order ("order", even
// numbers; a parenthesis inserted after token t counts as t + 1) so that
// positions can be compared without walking.
class PrecedencePass {
  public:
    explicit PrecedencePass(TokenLine& line) : line_(line) {}

    void run() {
        frames_.push_back(Frame{});
        std::uint32_t order = 0;
        for (Token* token = line_.head_; token; token = token->next_) {
            order += 2;
            switch (token->kind) {
                case TokenKind::OpenParen:
                    openFrameAt(order);
                    break;
                case TokenKind::CloseParen:
                    closeFrame();
                    break;
                case TokenKind::Control:
                    frames_.back().control = ControlMark{token, order, -1, 0};
                    break;
                case TokenKind::Operator:
                    visitOperator(token, order);
                    break;
                default:
                    break;
            }
        }
        balance();
    }

  private:
    struct Candidate {
        Token* token;
        std::uint32_t order;
        std::uint8_t level;
    };

    // The latest control keyword of a frame and how deep it sits: `enclosing`
    // links the groups (by the order of their `(`) that close around it inside
    // the frame, outermost first; `resets` counts the unmatched `)` after it,
    // which only the outermost frame can have.
    struct ControlMark {
        Token* token = nullptr;
        std::uint32_t order = 0;
        std::int32_t enclosing = -1;
        std::uint32_t resets = 0;
    };

    struct Frame {
        std::size_t firstCandidate = 0;
        std::uint32_t openOrder = 0;
        ControlMark control;
        // A frame opened by the pass after a left boundary remembers where its
        // group ends and the highest level that ended it, so that the next
        // operator of the frame needing the same end finds it at once.
        Token* groupEnd = nullptr;  // the inserted `)`, null when the group runs to the end
        std::uint8_t endLevel = 0;  // 0: nothing remembered
        std::uint32_t epoch = 0;
        // A frame opened after a control keyword, or reopened by one, has no `)`
        // of its own; the `)` that closes it belonged to another group.
        bool borrowsClose = false;
    };

    struct GroupLink {
        std::uint32_t openOrder;
        std::int32_t inner;
    };

    static std::uint8_t levelOf(const Token* token) {
        return operatorLevel(token->payload.asByte());
    }

    void openFrameAt(std::uint32_t order) {
        Frame frame;
        frame.firstCandidate = candidates_.size();
        frame.openOrder = order;
        frames_.push_back(frame);
    }

    void closeFrame() {
        if (frames_.size() == 1) {
            // An unmatched `)`: a backward walk from later on passes it at
            // depth 1 and can no longer stop at any operator before it.
            candidates_.clear();
            if (frames_[0].control.token) ++frames_[0].control.resets;
            return;
        }
        Frame closed = frames_.back();
        frames_.pop_back();
        // Every group still open may now end at another `)` than it did.
        if (closed.borrowsClose) ++epoch_;
        candidates_.resize(closed.firstCandidate);
        if (closed.control.token) {
            links_.push_back(GroupLink{closed.openOrder, closed.control.enclosing});
            frames_.back().control = ControlMark{closed.control.token, closed.control.order,
                                                 static_cast<std::int32_t>(links_.size() - 1), 0};
        }
    }

    void visitOperator(Token* op, std::uint32_t order) {
        const std::uint8_t level = levelOf(op);
        const Frame& frame = frames_.back();
        const Candidate* boundary = nullptr;
        for (std::size_t i = candidates_.size(); i > frame.firstCandidate; --i) {
            const Candidate& c = candidates_[i - 1];
            if (c.level < level || (c.level == kAssignmentLevel && level == kAssignmentLevel)) {
                boundary = &c;
                break;
            }
        }
        const ControlMark control = frame.control;
        if (control.token && (!boundary || control.order > boundary->order)) {
            groupAfterControl(control);
        } else if (boundary) {
            groupAfterOperator(op, level, *boundary);
        }
        pushCandidate(Candidate{op, order, level});
    }

    void pushCandidate(Candidate candidate) {
        // An operator of the same or a lower level hides the earlier ones from
        // every later walk: it would be found first wherever they would be.
        while (candidates_.size() > frames_.back().firstCandidate &&
               candidates_.back().level >= candidate.level) {
            candidates_.pop_back();
        }
        candidates_.push_back(candidate);
    }

    // The group of an operator ends before the next operator on its level that
    // binds no tighter than the left boundary. When both are assignments the
    // group runs on over further assignments, so that a chain of them nests to
    // the right: `@a = @b = @c = 1` is `@a = ( @b = ( @c = 1 ) )`.
    static std::uint8_t endLevel(std::uint8_t boundaryLevel, std::uint8_t level) {
        return boundaryLevel == kAssignmentLevel && level == kAssignmentLevel ? kAssignmentLevel - 1
                                                                              : boundaryLevel;
    }

    void groupAfterOperator(Token* op, std::uint8_t level, Candidate boundary) {
        const std::uint8_t end = endLevel(boundary.level, level);
        const Frame& frame = frames_.back();
        // Inside a group whose end was found with a level at least as high, the
        // walk could only stop at that group's `)` (or run to the end with it).
        Token* stop =
            frame.endLevel >= end && frame.epoch == epoch_ ? frame.groupEnd : findGroupEnd(op, end);
        line_.emplaceAfter(boundary.token, TokenKind::OpenParen, TokenPayload());
        Token* close =
            stop ? line_.emplaceBefore(stop, TokenKind::CloseParen, TokenPayload()) : nullptr;
        openFrameAfter(boundary.order, boundary.order + 1, ControlMark{});
        Frame& group = frames_.back();
        group.groupEnd = close;
        group.endLevel = end;
        group.epoch = epoch_;
    }

    // The keyword's group must not take a `)` from the groups that closed
    // around the keyword, nor an unmatched one after it: each such `)` gets a
    // `(` of its own after the keyword, and one more opens the keyword's group.
    // Those groups are open again then, and the line reads back as itself:
    // compiled anew, the operator finds the keyword's group already open.
    void groupAfterControl(const ControlMark& control) {
        std::uint32_t opens = control.resets + 1;
        for (std::int32_t link = control.enclosing; link >= 0; link = links_[link].inner)
            ++opens;
        for (; opens > 0; --opens) {
            line_.emplaceAfter(control.token, TokenKind::OpenParen, TokenPayload());
        }
        frames_.back().control = ControlMark{control.token, control.order, -1, 0};
        // Outermost first: each reopened group now ends at the `)` that ended
        // the group around it.
        for (std::int32_t link = control.enclosing; link >= 0; link = links_[link].inner) {
            const GroupLink group = links_[link];
            openFrameAfter(group.openOrder, group.openOrder,
                           ControlMark{control.token, control.order, group.inner, 0});
            frames_.back().borrowsClose = true;
        }
        openFrameAfter(control.order, control.order + 1, ControlMark{});
        frames_.back().borrowsClose = true;
    }

    // Splits the innermost frame at `afterOrder`: the part after it becomes a
    // new frame, taking the candidates that stand there.
    void openFrameAfter(std::uint32_t afterOrder, std::uint32_t openOrder, ControlMark control) {
        std::size_t first = candidates_.size();
        while (first > frames_.back().firstCandidate && candidates_[first - 1].order > afterOrder) {
            --first;
        }
        Frame frame;
        frame.firstCandidate = first;
        frame.openOrder = openOrder;
        frame.control = control;
        frames_.push_back(frame);
    }

    // The first token after `op` on its own level that ends its group: an
    // operator of level `bound` or lower, or an unmatched `)`. Null when the group runs to the end
    // of the line. Groups in between are skipped whole.
    Token* findGroupEnd(Token* op, std::uint8_t bound) {
        Token* token = op->next_;
        while (token) {
            if (token->kind == TokenKind::OpenParen) {
                if (matchingClose_.empty()) findMatchingCloses();
                Token* close = token->serial_ < matchingClose_.size()
                                   ? matchingClose_[token->serial_]
                                   : nullptr;
                if (!close) return nullptr;
                token = close->next_;
                continue;
            }
            if (token->kind == TokenKind::CloseParen) return token;
            if (token->kind == TokenKind::Operator && levelOf(token) <= bound) return token;
            token = token->next_;
        }
        return nullptr;
    }

    // Every `(` the sweep has not reached yet came from the scanner, and the
    // pass only ever inserts a `)` ahead of the sweep on the level of the
    // operator being handled, so the pairs found here stay pairs.
    void findMatchingCloses() {
        matchingClose_.assign(line_.serialCount() + 1, nullptr);
        std::vector<Token*> open;
        for (Token* token = line_.head_; token; token = token->next_) {
            if (token->kind == TokenKind::OpenParen) {
                open.push_back(token);
            } else if (token->kind == TokenKind::CloseParen && !open.empty()) {
                matchingClose_[open.back()->serial_] = token;
                open.pop_back();
            }
        }
    }

    void balance() {
        int open = 0;
        for (Token* token = line_.head_; token; token = token->next_) {
            if (token->kind == TokenKind::OpenParen) {
                ++open;
            } else if (token->kind == TokenKind::CloseParen) {
                if (open == 0) {
                    line_.emplaceBefore(line_.head_, TokenKind::OpenParen, TokenPayload());
                } else {
                    --open;
                }
            }
        }
        for (; open > 0; --open)
            line_.emplaceBefore(nullptr, TokenKind::CloseParen, TokenPayload());
    }

    TokenLine& line_;
    std::vector<Frame> frames_;
    std::vector<Candidate> candidates_;
    std::vector<GroupLink> links_;
    std::vector<Token*> matchingClose_;  // by token serial; empty until first needed
    std::uint32_t epoch_ = 0;            // advances whenever groups may have changed their ends
};

ErrorCode applyPrecedence(TokenLine& line) {
    try {
        PrecedencePass(line).run();
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
    return kSuccess;
}

}  // namespace zentrel
