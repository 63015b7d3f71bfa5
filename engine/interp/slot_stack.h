#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace zentrel {

// The registers (or saved operator records) of the compiled lines that are
// running, shared by an engine and the engines nested in it: a line takes its
// slots on top of those of the line that called it and gives them back when it
// is done. They stay made between runs, so a line in a loop allocates nothing.
template <typename Slot>
class SlotStack {
  public:
    static constexpr std::size_t kChunkSize = 256;

    // Where the next slots are taken; handed back to release.
    struct Mark {
        std::size_t chunk;
        std::size_t used;
    };

    // `count` (at most kChunkSize) contiguous slots. Throws std::bad_alloc.
    Slot* acquire(std::size_t count, Mark& mark) {
        mark = {chunk_, used_};
        if (used_ + count > kChunkSize) {
            ++chunk_;
            used_ = 0;
        }
        if (chunk_ == chunks_.size()) chunks_.push_back(std::make_unique<Slot[]>(kChunkSize));
        Slot* slots = chunks_[chunk_].get() + used_;
        used_ += count;
        return slots;
    }
    void release(const Mark& mark) {
        chunk_ = mark.chunk;
        used_ = mark.used;
    }

  private:
    std::vector<std::unique_ptr<Slot[]>> chunks_;
    std::size_t chunk_ = 0;
    std::size_t used_ = 0;
};

}  // namespace zentrel
