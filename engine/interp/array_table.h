#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "engine/interp/slot_names.h"
#include "engine/interp/vector_store.h"
#include "engine/values/error_code.h"
#include "engine/values/value.h"

namespace zentrel {

// The two independent stores of an array: the matrix is what the array is when
// read or assigned as a whole and what two element numbers address; the vector
// store holds element lists, trees and text.
struct ArrayStore {
    Value matrix;
    VectorNode vector;
};

// The 256 arrays of a scope with their labels and label states. A store is made
// on its first write, and the table of stores with the first store, so that
// making a scope (every function call makes one) costs next to nothing. The
// matrix store of slot 0 is the answer and always exists.
class ArrayTable final : public SlotNames {
  public:
    Value& answer() { return answer_; }
    const Value& answer() const { return answer_; }

    // The memory account every store of the table counts against, those made
    // already and those made later. The pointer is kept, not the account: it
    // must outlive the table's writes (the engine's for the top-level scope, the
    // caller's for a called one), so that making a call scope costs nothing.
    void shareAccount(const std::shared_ptr<MemoryAccount>& account);
    // The caller's account for a fresh call scope (which has no store yet):
    // only a pointer is copied, as every call makes a scope.
    void borrowAccount(const ArrayTable& caller) { account_ = caller.account_; }
    const std::shared_ptr<MemoryAccount>& account() const {
        return account_ ? *account_ : noAccount();
    }

    // A scalar zero, or an empty node, for a slot never written.
    const Value& matrix(std::uint8_t slot) const;
    const VectorNode& vector(std::uint8_t slot) const;
    // The stores for writing; null when the store cannot be allocated.
    Value* writableMatrix(std::uint8_t slot);
    VectorNode* writableVector(std::uint8_t slot);

  private:
    static const std::shared_ptr<MemoryAccount>& noAccount();
    ArrayStore* store(std::uint8_t slot);
    const ArrayStore* storeOrNull(std::uint8_t slot) const {
        return stores_ ? (*stores_)[slot].get() : nullptr;
    }
    ErrorCode copyContents(std::uint8_t from, std::uint8_t to) override;

    Value answer_;
    const std::shared_ptr<MemoryAccount>* account_ = nullptr;
    // Slot 0: vector store only.
    std::unique_ptr<std::array<std::unique_ptr<ArrayStore>, kSlotCount>> stores_;
};

}  // namespace zentrel
