#include "engine/interp/vector_store.h"

#include <cstdint>
#include <new>

#include "engine/values/limits.h"

namespace zentrel {

namespace {

// A list holds at most as many entries as a Value may, so positions beyond are
// refused rather than wrapped.
constexpr std::int64_t kMaxPosition = kMaxElementCount - 1;

const Number kSpareZero{};

// Makes the list `size` entries long, or only grows it to that length.
template <typename T>
ErrorCode sizeList(std::vector<T>& list, std::int64_t size, bool fit) {
    const auto wanted = static_cast<std::size_t>(size);
    if (!fit && list.size() >= wanted) return kSuccess;
    try {
        list.resize(wanted);
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
    return kSuccess;
}

}  // namespace

std::int32_t VectorNode::count() const {
    return elements_.empty() ? 0 : static_cast<std::int32_t>(elements_.size() - 1);
}

const Number& VectorNode::element(std::int64_t i) const {
    return i >= 0 && i < count() ? elements_[static_cast<std::size_t>(i)] : kSpareZero;
}

const VectorNode* VectorNode::child(std::int64_t i) const {
    return i >= 0 && i < childCount() ? &children_[static_cast<std::size_t>(i)] : nullptr;
}

ErrorCode VectorNode::growTo(std::int64_t i, Number*& out) {
    if (i < 0 || i > kMaxPosition) return kOutOfMemory;
    if (ErrorCode e = sizeList(elements_, i + 2, false)) return e;
    out = &elements_[static_cast<std::size_t>(i)];
    return kSuccess;
}

ErrorCode VectorNode::fitTo(std::int64_t i, Number*& out) {
    if (i < 0 || i > kMaxPosition) return kOutOfMemory;
    if (ErrorCode e = sizeList(elements_, i + 2, true)) return e;
    elements_.back() = Number{};  // a cut list may leave an old element in the spare
    out = &elements_[static_cast<std::size_t>(i)];
    return kSuccess;
}

ErrorCode VectorNode::growChildTo(std::int64_t i, VectorNode*& out) {
    if (i < 0 || i > kMaxPosition) return kOutOfMemory;
    if (ErrorCode e = sizeList(children_, i + 1, false)) return e;
    out = &children_[static_cast<std::size_t>(i)];
    return kSuccess;
}

ErrorCode VectorNode::fitChildTo(std::int64_t i, VectorNode*& out) {
    if (i < 0 || i > kMaxPosition) return kOutOfMemory;
    if (ErrorCode e = sizeList(children_, i + 1, true)) return e;
    out = &children_[static_cast<std::size_t>(i)];
    return kSuccess;
}

void VectorNode::clear() {
    elements_.clear();
    children_.clear();
}

const Number& readVectorPath(const VectorNode& root, std::span<const std::int32_t> path) {
    const VectorNode* node = &root;
    for (std::size_t i = 0; i + 1 < path.size(); ++i) {
        node = node->child(path[i]);
        if (!node) return kSpareZero;
    }
    return node->element(path.back());
}

ErrorCode locateVectorPath(VectorNode& root, std::span<const std::int32_t> path, PathFit fit,
                           Number*& out) {
    const bool fitting = fit == PathFit::Fit;
    VectorNode* node = &root;
    for (std::size_t i = 0; i + 1 < path.size(); ++i) {
        ErrorCode e = fitting ? node->fitChildTo(path[i], node) : node->growChildTo(path[i], node);
        if (e) return e;
    }
    return fitting ? node->fitTo(path.back(), out) : node->growTo(path.back(), out);
}

}  // namespace zentrel
