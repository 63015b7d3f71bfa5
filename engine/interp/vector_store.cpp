#include "engine/interp/vector_store.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <type_traits>
#include <utility>

#include "engine/values/limits.h"

namespace zentrel {

namespace {

// A list holds at most as many entries as a Value may, so positions beyond are
// refused rather than wrapped.
constexpr std::int64_t kMaxPosition = kMaxElementCount - 1;

const Number kSpareZero{};

template <typename T>
std::int64_t listBytes(const std::vector<T>& list) {
    return static_cast<std::int64_t>(list.capacity() * sizeof(T));
}

}  // namespace

VectorNode::VectorNode(VectorNode&& other) noexcept
    : elements_(std::move(other.elements_)),
      children_(std::move(other.children_)),
      account_(std::move(other.account_)),
      counted_(std::exchange(other.counted_, 0)) {}

VectorNode& VectorNode::operator=(VectorNode&& other) noexcept {
    if (this == &other) return *this;
    releaseRoom();
    elements_ = std::move(other.elements_);
    children_ = std::move(other.children_);
    account_ = std::move(other.account_);
    counted_ = std::exchange(other.counted_, 0);
    return *this;
}

VectorNode::~VectorNode() {
    releaseRoom();
}

void VectorNode::releaseRoom() {
    if (account_) account_->release(counted_);
    counted_ = 0;
}

void VectorNode::shareAccount(const std::shared_ptr<MemoryAccount>& account) {
    if (account_ || !account) return;
    account_ = account;
    counted_ = listBytes(elements_) + listBytes(children_);
    account_->charge(counted_);
    for (VectorNode& child : children_)
        child.shareAccount(account);
}

// Grows by doubling as a vector would, but counts the room before it is taken.
template <typename T>
ErrorCode VectorNode::makeRoom(std::vector<T>& list, std::size_t size) {
    if (size <= list.capacity()) return kSuccess;
    const std::size_t room = std::max(size, 2 * list.capacity());
    const auto bytes = static_cast<std::int64_t>((room - list.capacity()) * sizeof(T));
    if (account_ && !account_->reserve(bytes)) return kErrMemoryLimit;
    try {
        list.reserve(room);
    } catch (const std::bad_alloc&) {
        if (account_) account_->release(bytes);
        return kOutOfMemory;
    }
    counted_ += bytes;
    return kSuccess;
}

std::int64_t VectorNode::footprint() const {
    std::int64_t bytes = static_cast<std::int64_t>(elements_.size() * sizeof(Number) +
                                                   children_.size() * sizeof(VectorNode));
    for (const VectorNode& child : children_)
        bytes += child.footprint();
    return bytes;
}

ErrorCode VectorNode::assign(const VectorNode& source) {
    if (this == &source) return kSuccess;
    if (!account_) account_ = source.account_;
    const std::int64_t wanted = source.footprint();
    if (account_ && wanted > account_->limit() - account_->used() + counted_) {
        return kErrMemoryLimit;
    }
    try {
        VectorNode copy;
        copy.account_ = account_;
        copy.elements_ = source.elements_;
        copy.counted_ = listBytes(copy.elements_);
        if (account_) account_->charge(copy.counted_);
        if (ErrorCode e = copy.makeRoom(copy.children_, source.children_.size())) return e;
        for (const VectorNode& child : source.children_) {
            copy.children_.emplace_back().account_ = account_;
            if (ErrorCode e = copy.children_.back().assign(child)) return e;
        }
        *this = std::move(copy);
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
    return kSuccess;
}

// Makes the list `size` entries long, or only grows it to that length; new
// children share the node's account.
template <typename T>
ErrorCode VectorNode::sizeList(std::vector<T>& list, std::int64_t size, bool fit) {
    const auto wanted = static_cast<std::size_t>(size);
    if (!fit && list.size() >= wanted) return kSuccess;
    if (ErrorCode e = makeRoom(list, wanted)) return e;
    const std::size_t before = list.size();
    list.resize(wanted);  // within the room made: cannot throw
    if constexpr (std::is_same_v<T, VectorNode>) {
        for (std::size_t i = before; i < wanted; ++i)
            list[i].account_ = account_;
    }
    return kSuccess;
}

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
    releaseRoom();
    std::vector<Number>().swap(elements_);
    std::vector<VectorNode>().swap(children_);
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
