#include "app/main/keypad.h"

#include <array>
#include <string>

namespace zentrel {
namespace {

using C = ControlId;
using A = KeyAction;

constexpr auto kKeys = std::to_array<KeyRow>({
    {C::Key0, A::Insert, "0"},
    {C::Key1, A::Insert, "1"},
    {C::Key2, A::Insert, "2"},
    {C::Key3, A::Insert, "3"},
    {C::Key4, A::Insert, "4"},
    {C::Key5, A::Insert, "5"},
    {C::Key6, A::Insert, "6"},
    {C::Key7, A::Insert, "7"},
    {C::Key8, A::Insert, "8"},
    {C::Key9, A::Insert, "9"},
    {C::KeyPoint, A::Insert, "."},
    {C::KeyNegative, A::Insert, "\\-"},
    {C::KeySpace, A::Insert, " "},
    {C::KeyExponentPlus, A::Insert, "e\\+"},
    {C::KeyExponentMinus, A::Insert, "e\\-"},
    {C::KeyTimes, A::Insert, "*"},
    {C::KeyDivide, A::Insert, "/"},
    {C::KeyPlus, A::Insert, "+"},
    {C::KeyMinus, A::Insert, "-"},
    {C::KeyUnaryMinus, A::Insert, "[-]"},
    {C::KeyOpen, A::Insert, "("},
    {C::KeyClose, A::Insert, ")"},
    {C::KeyWrap, A::Wrap, "("},
    {C::KeyArgument, A::Argument, ""},
    {C::KeyCall, A::Call, ""},
    {C::KeyCallWrap, A::CallWrap, ""},
    {C::KeyDelete, A::Delete, ""},
    {C::KeyClearField, A::ClearField, ""},
    {C::ShiftButton, A::Shift, ""},
    {C::FunctionButton1, A::Function, ""},
    {static_cast<C>(1096), A::Function, ""},
    {static_cast<C>(1097), A::Function, ""},
    {static_cast<C>(1098), A::Function, ""},
    {static_cast<C>(1099), A::Function, ""},
    {static_cast<C>(1100), A::Function, ""},
    {static_cast<C>(1101), A::Function, ""},
    {static_cast<C>(1102), A::Function, ""},
    {static_cast<C>(1103), A::Function, ""},
    {static_cast<C>(1104), A::Function, ""},
    {static_cast<C>(1105), A::Function, ""},
    {static_cast<C>(1106), A::Function, ""},
    {static_cast<C>(1107), A::Function, ""},
    {C::FunctionButton14, A::Function, ""},
});
static_assert(kKeys.size() == 29 + kFunctionButtonCount);

void insert(FieldText& field, std::string_view text, const KeyContext& context) {
    if (context.expressionField) {
        insertTokenAware(field, text);
    } else {
        insertPlain(field, text);
    }
}

void pressFunction(const KeyRow& key, FieldText& field, const KeyContext& context) {
    const auto slot = functionSlot(key.id);
    if (!slot || context.externalNames == nullptr) return;
    const FunctionAction action = functionAction(context.page, *slot, *context.externalNames);
    if (action.kind == FunctionAction::Kind::Insert) insert(field, action.text, context);
    if (action.kind == FunctionAction::Kind::Wrap)
        wrapSelection(field, action.text, context.expressionField);
}

}  // namespace

const KeyRow* findKey(ControlId id) {
    for (const KeyRow& row : kKeys) {
        if (row.id == id) return &row;
    }
    return nullptr;
}

void applyKey(const KeyRow& key, FieldText& field, const KeyContext& context) {
    const std::string chosen(context.chosenFunction);
    switch (key.action) {
        case A::Insert:
            insert(field, key.text, context);
            break;
        case A::Argument:
            insert(field, context.rectangular ? "x" : "t", context);
            break;
        case A::Call:
            if (!chosen.empty()) insert(field, "!" + chosen + " ", context);
            break;
        case A::CallWrap:
            if (!chosen.empty()) wrapSelection(field, "!" + chosen + "(", context.expressionField);
            break;
        case A::Wrap:
            wrapSelection(field, key.text, context.expressionField);
            break;
        case A::Delete:
            if (context.expressionField) {
                deleteInExpression(field);
            } else {
                deleteInNumber(field);
            }
            break;
        case A::Function:
            pressFunction(key, field, context);
            break;
        case A::ClearField:
        case A::Shift:
            break;
    }
}

std::string_view functionNameOfEntry(std::string_view entry) {
    const std::size_t begin = entry.find_first_not_of(" \t");
    if (begin == std::string_view::npos) return {};
    entry.remove_prefix(begin);
    return entry.substr(0, entry.find_first_of(" \t"));
}

}  // namespace zentrel
