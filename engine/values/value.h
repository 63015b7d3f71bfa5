#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "engine/values/error_code.h"
#include "engine/values/memory_account.h"
#include "engine/values/modes.h"
#include "engine/values/number.h"

namespace zentrel {

// A row-major matrix of Numbers; a plain number is the 1x1 case. One spare zero
// Number (the zero slot) follows the last element and answers every read outside
// the matrix. A scalar keeps its element and zero slot inline, so making,
// copying and assigning scalars never allocates. A larger value's store counts
// against its memory account, when it has one: that of the value it was copied
// from, or the one it was given (the arrays of a scope give theirs).
class Value {
  public:
    Value() = default;  // scalar zero
    explicit Value(const Number& scalar) { inline_[0] = scalar; }
    Value(const Value& other);
    Value& operator=(const Value& other);
    Value(Value&& other) noexcept;
    Value& operator=(Value&& other) noexcept;
    ~Value() {
        if (heap_) releaseStore();
    }

    // The account the store counts against; a value that has none takes this
    // one (a store it holds already is counted from now on).
    const std::shared_ptr<MemoryAccount>& account() const { return account_; }
    void shareAccount(const std::shared_ptr<MemoryAccount>& account);

    std::int32_t rows() const { return rows_; }
    std::int32_t cols() const { return cols_; }
    std::int32_t count() const { return count_; }
    bool isScalar() const { return count_ == 1; }

    // Element number i (row-major); i == count() is the zero slot.
    Number& element(std::int32_t i) { return data()[i]; }
    const Number& element(std::int32_t i) const { return data()[i]; }
    Number& first() { return data()[0]; }
    const Number& first() const { return data()[0]; }
    const Number& zeroSlot() const { return data()[count_]; }

    // Element (r, c), or the zero slot outside the matrix.
    const Number& elementAt(std::int32_t r, std::int32_t c) const;
    // Grows the matrix when (r, c) lies outside, then stores the number converted
    // to the given representation.
    [[nodiscard]] ErrorCode setElement(std::int32_t r, std::int32_t c, const Number& number,
                                       bool fractionRepresentation);
    // New shape keeping the top-left block; a shape with no element is ignored.
    // kErrMemoryLimit when the account has no room for the new store.
    [[nodiscard]] ErrorCode resize(std::int32_t newRows, std::int32_t newCols,
                                   bool fractionRepresentation);
    // Keeps the first element as a 1x1 scalar.
    void shrinkToScalar() {
        if (count_ > 1) shrinkMatrix();
    }
    // Makes this a copy of the source, reusing the element array when it is large enough.
    // Scalars, the common case of every statement, are copied inline.
    [[nodiscard]] ErrorCode assign(const Value& source) {
        if (source.count_ != 1 || this == &source) return assignElements(source);
        setScalar(source.first());
        return kSuccess;
    }
    // Replaces the content with one scalar.
    void setScalar(const Number& number) {
        if (count_ > 1) shrinkToScalar();
        data()[0] = number;
    }

  private:
    void shrinkMatrix();
    [[nodiscard]] ErrorCode assignElements(const Value& source);
    // Allocates a store of `size` zero Numbers, counted against the account.
    [[nodiscard]] ErrorCode newStore(std::int64_t size, bool fractionRepresentation,
                                     std::unique_ptr<Number[]>& store);
    // Frees the heap store and gives its bytes back to the account.
    void releaseStore();
    // Puts a store made by newStore in place of the current one.
    void adoptStore(std::unique_ptr<Number[]> store, std::int64_t size);
    Number* data() { return heap_ ? heap_.get() : inline_.data(); }
    const Number* data() const { return heap_ ? heap_.get() : inline_.data(); }
    std::int32_t capacity() const { return heap_ ? heapCapacity_ : 2; }

    std::int32_t rows_ = 1;
    std::int32_t cols_ = 1;
    std::int32_t count_ = 1;
    std::array<Number, 2> inline_{};
    std::unique_ptr<Number[]> heap_;
    std::int32_t heapCapacity_ = 0;  // Numbers in heap_, zero slot included
    std::shared_ptr<MemoryAccount> account_;
};

// Brings a number to the mode: real modes drop the imaginary part, integer
// modes truncate and wrap to the mode's width; complex and fraction modes keep
// all. Inline for the scalars of the real modes, where most work happens.
void wrapToIntegerMode(Number& number, NumberMode mode);
inline void normalizeToMode(Number& number, NumberMode mode) {
    if (isRealFamily(mode)) {
        number.syncRepresentation(false);
        number.complex.im = 0.0;
    } else if (isIntegerFamily(mode)) {
        wrapToIntegerMode(number, mode);
    }
}

// The same for every element of a value.
void normalizeElementsToMode(Value& value, NumberMode mode);
inline void normalizeToMode(Value& value, NumberMode mode) {
    if (value.isScalar()) {
        normalizeToMode(value.first(), mode);
    } else {
        normalizeElementsToMode(value, mode);
    }
}

}  // namespace zentrel
