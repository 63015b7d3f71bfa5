#include "engine/interp/variable_table.h"

#include <utility>

namespace zentrel {

ErrorCode VariableTable::define(std::string_view name, const Number& value, bool constant,
                                int& slot) {
    if (ErrorCode e = allocate(name, slot)) return e;
    store(static_cast<std::uint8_t>(slot), value);
    constants_[slot] = constant;
    return kSuccess;
}

void VariableTable::release(std::uint8_t slot) {
    // Removing a label never allocates.
    static_cast<void>(setLabel(slot, {}));
    constants_[slot] = false;
    setState(slot, LabelState::Free);
}

ErrorCode VariableTable::copyLabelled(const VariableTable& other) {
    if (other.labels().empty()) return kSuccess;
    if (ErrorCode e = reserveLabels(labels().size() + other.labels().size())) return e;
    for (const SlotLabel& label : other.labels()) {
        if (ErrorCode e = setLabel(label.slot, label.text)) return e;
        setState(label.slot, other.state(label.slot));
        store(label.slot, other.value(label.slot));
        constants_[label.slot] = other.constants_[label.slot];
    }
    return kSuccess;
}

ErrorCode VariableTable::copyContents(std::uint8_t from, std::uint8_t to) {
    store(to, std::as_const(*this).value(from));
    constants_[to] = constants_[from];
    constants_[from] = false;
    return kSuccess;
}

}  // namespace zentrel
