#include "engine/interp/array_table.h"

#include <new>

namespace zentrel {

const Value& ArrayTable::matrix(std::uint8_t slot) const {
    static const Value zero;
    if (slot == 0) return answer_;
    const ArrayStore* s = storeOrNull(slot);
    return s ? s->matrix : zero;
}

const VectorNode& ArrayTable::vector(std::uint8_t slot) const {
    static const VectorNode empty;
    const ArrayStore* s = storeOrNull(slot);
    return s ? s->vector : empty;
}

ArrayStore* ArrayTable::store(std::uint8_t slot) {
    if (!stores_) {
        stores_.reset(new (std::nothrow) std::array<std::unique_ptr<ArrayStore>, kSlotCount>());
        if (!stores_) return nullptr;
    }
    std::unique_ptr<ArrayStore>& s = (*stores_)[slot];
    if (!s) {
        s.reset(new (std::nothrow) ArrayStore);
        if (s) {
            s->matrix.shareAccount(account());
            s->vector.shareAccount(account());
        }
    }
    return s.get();
}

// The answer takes the account of the values assigned to it.
void ArrayTable::shareAccount(const std::shared_ptr<MemoryAccount>& account) {
    if (account_ || !account) return;
    account_ = &account;
    if (!stores_) return;
    for (const std::unique_ptr<ArrayStore>& s : *stores_) {
        if (!s) continue;
        s->matrix.shareAccount(account);
        s->vector.shareAccount(account);
    }
}

const std::shared_ptr<MemoryAccount>& ArrayTable::noAccount() {
    static const std::shared_ptr<MemoryAccount> none;
    return none;
}

Value* ArrayTable::writableMatrix(std::uint8_t slot) {
    if (slot == 0) return &answer_;
    ArrayStore* s = store(slot);
    return s ? &s->matrix : nullptr;
}

VectorNode* ArrayTable::writableVector(std::uint8_t slot) {
    ArrayStore* s = store(slot);
    return s ? &s->vector : nullptr;
}

ErrorCode ArrayTable::copyContents(std::uint8_t from, std::uint8_t to) {
    Value* target = writableMatrix(to);
    VectorNode* targetVector = writableVector(to);
    if (!target || !targetVector) return kOutOfMemory;
    if (ErrorCode e = target->assign(matrix(from))) return e;
    return targetVector->assign(vector(from));
}

}  // namespace zentrel
