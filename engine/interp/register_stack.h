#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "engine/values/value.h"

namespace zentrel {

// The registers of the compiled lines that are running, shared by an engine
// and the engines nested in it: a line takes its registers on top of those of
// the line that called it and gives them back when it is done. They stay made
// between runs, so a line in a loop allocates nothing.
class RegisterStack {
  public:
    static constexpr std::size_t kChunkSize = 256;

    // Where the next registers are taken; handed back to release.
    struct Mark {
        std::size_t chunk;
        std::size_t used;
    };

    // `count` (at most kChunkSize) contiguous registers. Throws std::bad_alloc.
    Value* acquire(std::size_t count, Mark& mark) {
        mark = {chunk_, used_};
        if (used_ + count > kChunkSize) {
            ++chunk_;
            used_ = 0;
        }
        if (chunk_ == chunks_.size()) chunks_.push_back(std::make_unique<Value[]>(kChunkSize));
        Value* registers = chunks_[chunk_].get() + used_;
        used_ += count;
        return registers;
    }
    void release(const Mark& mark) {
        chunk_ = mark.chunk;
        used_ = mark.used;
    }

  private:
    std::vector<std::unique_ptr<Value[]>> chunks_;
    std::size_t chunk_ = 0;
    std::size_t used_ = 0;
};

}  // namespace zentrel
