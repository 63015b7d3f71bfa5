#include "engine/values/value.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <utility>

#include "engine/values/limits.h"

namespace zentrel {

namespace {

std::int64_t storeBytes(std::int64_t size) {
    return size * static_cast<std::int64_t>(sizeof(Number));
}

}  // namespace

ErrorCode Value::newStore(std::int64_t size, bool fractionRepresentation,
                          std::unique_ptr<Number[]>& store) {
    if (account_ && !account_->reserve(storeBytes(size))) return kErrMemoryLimit;
    store.reset(new (std::nothrow) Number[static_cast<std::size_t>(size)]);
    if (!store) {
        if (account_) account_->release(storeBytes(size));
        return kOutOfMemory;
    }
    if (fractionRepresentation) {
        for (std::int64_t i = 0; i < size; ++i)
            store[i].isFraction = true;
    }
    return kSuccess;
}

void Value::releaseStore() {
    if (heap_ && account_) account_->release(storeBytes(heapCapacity_));
    heap_.reset();
    heapCapacity_ = 0;
}

void Value::adoptStore(std::unique_ptr<Number[]> store, std::int64_t size) {
    releaseStore();
    heap_ = std::move(store);
    heapCapacity_ = static_cast<std::int32_t>(size);
}

void Value::shareAccount(const std::shared_ptr<MemoryAccount>& account) {
    if (account_ || !account) return;
    account_ = account;
    if (heap_) account_->charge(storeBytes(heapCapacity_));
}

Value::Value(const Value& other) {
    *this = other;
}

Value& Value::operator=(const Value& other) {
    if (this == &other) return *this;
    // Copying assigns element by element; an allocation failure leaves a scalar zero.
    if (assign(other) != kSuccess) setScalar(Number{});
    return *this;
}

Value::Value(Value&& other) noexcept {
    *this = std::move(other);
}

// The store moves with its account; a store that counted nowhere is counted
// against this value's account from now on.
Value& Value::operator=(Value&& other) noexcept {
    if (this == &other) return *this;
    if (heap_) releaseStore();
    rows_ = other.rows_;
    cols_ = other.cols_;
    count_ = other.count_;
    inline_ = other.inline_;
    heap_ = std::move(other.heap_);
    heapCapacity_ = other.heapCapacity_;
    if (other.account_) {
        account_ = std::move(other.account_);
    } else if (account_ && heap_) {
        account_->charge(storeBytes(heapCapacity_));
    }
    other.rows_ = other.cols_ = other.count_ = 1;
    other.heapCapacity_ = 0;
    other.inline_[1] = Number{};
    return *this;
}

const Number& Value::elementAt(std::int32_t r, std::int32_t c) const {
    if (r >= 0 && c >= 0 && r < rows_ && c < cols_) return data()[r * cols_ + c];
    return zeroSlot();
}

ErrorCode Value::setElement(std::int32_t r, std::int32_t c, const Number& number,
                            bool fractionRepresentation) {
    if (r < 0 || c < 0) return kSuccess;  // callers warn about negative element numbers
    if (r >= rows_ || c >= cols_) {
        const std::int64_t newRows = std::max<std::int64_t>(rows_, std::int64_t{r} + 1);
        const std::int64_t newCols = std::max<std::int64_t>(cols_, std::int64_t{c} + 1);
        if (newRows * newCols > kMaxElementCount) return kOutOfMemory;
        if (ErrorCode e = resize(static_cast<std::int32_t>(newRows),
                                 static_cast<std::int32_t>(newCols), fractionRepresentation)) {
            return e;
        }
    }
    Number& target = data()[r * cols_ + c];
    target = number;
    target.syncRepresentation(fractionRepresentation);
    return kSuccess;
}

ErrorCode Value::resize(std::int32_t newRows, std::int32_t newCols, bool fractionRepresentation) {
    if (newRows == rows_ && newCols == cols_) return kSuccess;
    if (newRows < 1 || newCols < 1) return kSuccess;
    const std::int64_t newCount = std::int64_t{newRows} * newCols;
    if (newCount > kMaxElementCount) return kOutOfMemory;
    std::unique_ptr<Number[]> array;
    if (ErrorCode e = newStore(newCount + 1, fractionRepresentation, array)) return e;
    const std::int32_t keepRows = std::min(rows_, newRows);
    const std::int32_t keepCols = std::min(cols_, newCols);
    for (std::int32_t r = 0; r < keepRows; ++r) {
        for (std::int32_t c = 0; c < keepCols; ++c) {
            Number& target = array[r * newCols + c];
            target = data()[r * cols_ + c];
            target.syncRepresentation(fractionRepresentation);
        }
    }
    adoptStore(std::move(array), newCount + 1);
    rows_ = newRows;
    cols_ = newCols;
    count_ = static_cast<std::int32_t>(newCount);
    return kSuccess;
}

void Value::shrinkMatrix() {
    data()[1] = zeroSlot();
    rows_ = cols_ = count_ = 1;
}

ErrorCode Value::assignElements(const Value& source) {
    if (this == &source) return kSuccess;
    if (capacity() < source.count_ + 1) {
        if (!account_) account_ = source.account_;
        std::unique_ptr<Number[]> array;
        if (ErrorCode e = newStore(std::int64_t{source.count_} + 1, false, array)) return e;
        adoptStore(std::move(array), std::int64_t{source.count_} + 1);
    } else {
        data()[source.count_] = zeroSlot();
    }
    rows_ = source.rows_;
    cols_ = source.cols_;
    count_ = source.count_;
    std::copy(source.data(), source.data() + count_, data());
    return kSuccess;
}

void wrapToIntegerMode(Number& number, NumberMode mode) {
    const auto low = static_cast<std::uint32_t>(number.truncInt());
    double v = 0.0;
    switch (mode) {
        case NumberMode::Char:
            v = static_cast<std::int8_t>(low);
            break;
        case NumberMode::UChar:
            v = static_cast<std::uint8_t>(low);
            break;
        case NumberMode::Short:
            v = static_cast<std::int16_t>(low);
            break;
        case NumberMode::UShort:
            v = static_cast<std::uint16_t>(low);
            break;
        case NumberMode::Long:
            v = static_cast<std::int32_t>(low);
            break;
        default:
            v = low;
            break;
    }
    number.isFraction = false;
    number.complex = {v, 0.0};
}

void normalizeElementsToMode(Value& value, NumberMode mode) {
    if (!isRealFamily(mode) && !isIntegerFamily(mode)) return;
    for (std::int32_t i = 0; i < value.count(); ++i)
        normalizeToMode(value.element(i), mode);
}

}  // namespace zentrel
