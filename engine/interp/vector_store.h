#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "engine/values/error_code.h"
#include "engine/values/memory_account.h"
#include "engine/values/number.h"

namespace zentrel {

// One node of an array's vector store: an ordered list of Numbers followed by
// one spare zero (reads past the end find it, and text kept here ends with it),
// and an ordered list of child nodes of the same kind. The room its lists take
// counts against its memory account, when it has one; its children share it.
class VectorNode {
  public:
    VectorNode() = default;
    VectorNode(const VectorNode&) = delete;
    VectorNode& operator=(const VectorNode&) = delete;
    VectorNode(VectorNode&& other) noexcept;
    VectorNode& operator=(VectorNode&& other) noexcept;
    ~VectorNode();

    // The account this node and the children it makes count against.
    void shareAccount(const std::shared_ptr<MemoryAccount>& account);
    // Makes this node a copy of `source`, children included; kErrMemoryLimit,
    // with nothing changed, when the copy would pass the account's limit.
    [[nodiscard]] ErrorCode assign(const VectorNode& source);

    // Elements in the list, the spare zero not counted.
    std::int32_t count() const;
    // Element i, or the spare zero past the end.
    const Number& element(std::int64_t i) const;
    std::int32_t childCount() const { return static_cast<std::int32_t>(children_.size()); }
    // Child i, or null past the end.
    const VectorNode* child(std::int64_t i) const;

    // Element i, the list first grown to hold it (new elements are 0).
    [[nodiscard]] ErrorCode growTo(std::int64_t i, Number*& out);
    // Element i, the list first cut or grown so that it ends right after i.
    [[nodiscard]] ErrorCode fitTo(std::int64_t i, Number*& out);
    // The same for the list of children.
    [[nodiscard]] ErrorCode growChildTo(std::int64_t i, VectorNode*& out);
    [[nodiscard]] ErrorCode fitChildTo(std::int64_t i, VectorNode*& out);

    void clear();

  private:
    // Room for `size` entries in the list, counted before it is allocated.
    template <typename T>
    [[nodiscard]] ErrorCode makeRoom(std::vector<T>& list, std::size_t size);
    // Makes the list `size` entries long (fit), or only grows it to that length.
    template <typename T>
    [[nodiscard]] ErrorCode sizeList(std::vector<T>& list, std::int64_t size, bool fit);
    // The bytes the lists of this node and its children take.
    std::int64_t footprint() const;
    // Gives the bytes counted for this node's own lists back.
    void releaseRoom();

    std::vector<Number> elements_;  // empty, or the elements and the spare zero
    std::vector<VectorNode> children_;
    std::shared_ptr<MemoryAccount> account_;
    std::int64_t counted_ = 0;  // bytes of this node's own lists counted in account_
};

// How a store through a path treats the lists it passes: element stores only
// ever grow them; array literals make each end at the position they store to.
enum class PathFit : std::uint8_t { Grow, Fit };

// The element a path of element numbers addresses: every number but the last
// selects a child node, the last an element (the path is never empty). A
// missing child or element reads 0.
const Number& readVectorPath(const VectorNode& root, std::span<const std::int32_t> path);
// The same element for writing, creating what is missing on the way; 0x2000 when
// a list would grow beyond what a store can hold or cannot be allocated.
[[nodiscard]] ErrorCode locateVectorPath(VectorNode& root, std::span<const std::int32_t> path,
                                         PathFit fit, Number*& out);

}  // namespace zentrel
