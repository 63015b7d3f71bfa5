#include <gtest/gtest.h>

#include "app/main/expression_editing.h"
#include "app/main/function_buttons.h"
#include "app/main/help_line.h"
#include "app/main/keypad.h"
#include "app/strings/string_table.h"

namespace zentrel {
namespace {

// "|" marks the caret, "[" and "]" a selection.
FieldText field(std::string_view marked) {
    FieldText f;
    for (char c : marked) {
        if (c == '|') {
            f.start = f.end = f.text.size();
        } else if (c == '[') {
            f.start = f.text.size();
        } else if (c == ']') {
            f.end = f.text.size();
        } else {
            f.text.push_back(c);
        }
    }
    return f;
}

std::string marked(const FieldText& f) {
    std::string out = f.text;
    if (f.start == f.end) return out.insert(f.end, "|");
    out.insert(f.end, "]");
    return out.insert(f.start, "[");
}

ExternalNames noNames() {
    return {};
}

std::string press(std::string_view before, std::initializer_list<ControlId> keys,
                  KeyContext context = {}) {
    static const ExternalNames kNames = noNames();
    if (context.externalNames == nullptr) context.externalNames = &kNames;
    FieldText f = field(before);
    for (ControlId key : keys) {
        const KeyRow* row = findKey(key);
        EXPECT_NE(row, nullptr);
        if (row) applyKey(*row, f, context);
    }
    return marked(f);
}

struct EditCase {
    std::string_view before;
    std::initializer_list<ControlId> keys;
    std::string_view after;
};

TEST(Keypad, ExpressionFieldEdits) {
    using C = ControlId;
    const EditCase cases[] = {
        {"s|in x", {C::FunctionButton2}, "cos |x"},
        {"sin| x", {C::FunctionButton2}, "cos |x"},
        {"sin|(x)", {C::KeyOpen}, "sin(|(x)"},
        {"|sin x", {C::Key2}, "2|x"},
        {"[x+1]", {C::KeyWrap}, "(x+1)|"},
        {"x+1|", {C::KeyWrap}, "(x+1)|"},
        {"|x+1", {C::KeyWrap}, "|x+1"},
        {"x|", {C::KeySpace, C::KeySpace}, "x |"},
        {"x  +\t\t1|", {C::Key2}, "x +\t12|"},
        {"log10 |x", {C::KeyDelete}, "log10|x"},
        {"x+sin|", {C::KeyDelete}, "x+|"},
        {"log10| x", {C::KeyDelete}, "|x"},
        {"lo|g10 x", {C::KeyDelete}, "|x"},
        {"2*!f| x", {C::KeyDelete}, "2*|x"},
        {"x+1|", {C::KeyDelete}, "x+|"},
        {"|x+1", {C::KeyDelete}, "|x+1"},
        {"[x+]1", {C::KeyDelete}, "|1"},
        {"x|", {C::KeyUnaryMinus, C::KeyNegative, C::KeyExponentMinus}, "x[-]\\-e\\-|"},
        {"1|", {C::KeyPoint, C::Key5, C::KeyExponentPlus}, "1.5e\\+|"},
    };
    for (const EditCase& c : cases) {
        SCOPED_TRACE(c.before);
        EXPECT_EQ(press(c.before, c.keys), c.after);
    }
}

TEST(Keypad, NumericFieldsInsertPlainly) {
    using C = ControlId;
    KeyContext numeric;
    numeric.expressionField = false;
    EXPECT_EQ(press("s|in", {C::FunctionButton1}, numeric), "ssin |in");
    EXPECT_EQ(press("1|", {C::KeySpace, C::KeySpace}, numeric), "1  |");
    EXPECT_EQ(press("[12]3", {C::Key4}, numeric), "4|3");
    EXPECT_EQ(press("log10 |", {C::KeyDelete}, numeric), "log10|");
    // The character before the caret goes whole, however many bytes it has.
    EXPECT_EQ(press("1．|", {C::KeyDelete}, numeric), "1|");
}

TEST(Keypad, ArgumentAndExternalCalls) {
    using C = ControlId;
    KeyContext polar;
    polar.rectangular = false;
    EXPECT_EQ(press("|", {C::KeyArgument}), "x|");
    EXPECT_EQ(press("|", {C::KeyArgument}, polar), "t|");

    KeyContext chosen;
    chosen.chosenFunction = functionNameOfEntry("  gamma\tthe gamma function");
    EXPECT_EQ(chosen.chosenFunction, "gamma");
    EXPECT_EQ(press("2*|", {C::KeyCall}), "2*|");
    EXPECT_EQ(press("2*|", {C::KeyCall}, chosen), "2*!gamma |");
    EXPECT_EQ(press("2*[x+1]", {C::KeyCallWrap}, chosen), "2*!gamma(x+1)|");
    EXPECT_EQ(press("x+1|", {C::KeyCallWrap}, chosen), "!gamma(x+1)|");
    // A call under the caret is replaced as a whole, as a built-in name is.
    EXPECT_EQ(press("!be|ta x", {C::KeyCall}, chosen), "!gamma |x");
}

TEST(FunctionButtons, PagesCycleAndLabel) {
    ExternalNames names;
    names[0] = "gamma";
    names[1] = "integral()";
    names[2] = "abc()";
    names[3] = "longname";
    std::int32_t page = 0;
    for (int press = 0; press < 4; ++press)
        page = nextFunctionPage(page);
    EXPECT_EQ(page, 0);

    EXPECT_EQ(functionLabel(0, 0, names), "sin");
    EXPECT_EQ(functionLabel(1, 12, names), "pow");
    EXPECT_EQ(functionLabel(2, 1, names), "time");
    EXPECT_EQ(functionLabel(0, 13, names), "---");
    EXPECT_FALSE(functionSlotUsed(2, 2, names));
    EXPECT_EQ(functionLabel(3, 0, names), "gamma");
    EXPECT_EQ(functionLabel(3, 1, names), "inte()");
    EXPECT_EQ(functionLabel(3, 2, names), "abc()");
    EXPECT_EQ(functionLabel(3, 3, names), "longna");
    EXPECT_EQ(functionLabel(3, 4, names), "---");
    EXPECT_FALSE(functionSlotUsed(3, 4, names));
    EXPECT_EQ(builtinSlot(1, 0).helpString, 3021);
    EXPECT_EQ(builtinSlot(3, 0).helpString, 0);

    EXPECT_EQ(functionButton(0), ControlId::FunctionButton1);
    EXPECT_EQ(functionButton(13), ControlId::FunctionButton14);
    for (std::size_t slot = 0; slot < kFunctionButtonCount; ++slot)
        EXPECT_EQ(functionSlot(functionButton(slot)), slot);
    EXPECT_FALSE(functionSlot(ControlId::ShiftButton));
}

TEST(FunctionButtons, ExternalPageCallsAndWraps) {
    using C = ControlId;
    ExternalNames names;
    names[0] = "gamma";
    names[1] = "integral()";
    KeyContext external;
    external.page = kExternalPage;
    external.externalNames = &names;
    EXPECT_EQ(press("2*|", {C::FunctionButton1}, external), "2*!gamma |");
    EXPECT_EQ(press("[x]", {C::FunctionButton2}, external), "!integral(x)|");
    EXPECT_EQ(press("x|", {static_cast<C>(1097)}, external), "x|");
}

TEST(HelpLine, EachKindOfHelpText) {
    ExternalNames names;
    names[0] = "integral()";
    HelpContext context;
    context.externalNames = &names;
    context.coordinateSystem = "極座標";
    context.describe = [](std::string_view name) { return "about " + std::string(name); };
    const auto help = [&context](ControlId id) {
        return helpLineText(lookupString(helpStringOf(id)), context);
    };
    EXPECT_EQ(help(ControlId::FunctionButton1), "sin <x>\n正弦");
    EXPECT_EQ(help(ControlId::FunctionButton14), "");
    EXPECT_EQ(help(ControlId::KeyCall), "リスト選択されている外部関数の呼び出し");
    EXPECT_EQ(help(ControlId::FunctionList), "");
    EXPECT_EQ(help(ControlId::CoordinateList), "座標系：極座標");
    EXPECT_EQ(help(ControlId::DrawButton), "グラフの描画");
    EXPECT_EQ(help(ControlId::Key7), lookupString(6001));
    EXPECT_EQ(helpStringOf(ControlId::MessageLine), 0);

    context.page = kExternalPage;
    EXPECT_EQ(help(ControlId::FunctionButton1), "about integral");
    EXPECT_EQ(help(static_cast<ControlId>(1096)), "");
    context.page = 1;
    EXPECT_EQ(help(ControlId::FunctionButton1), "log <x>\n自然対数");
    context.chosenFunction = "gamma";
    EXPECT_EQ(help(ControlId::KeyCallWrap), "about gamma");
    EXPECT_EQ(help(ControlId::FunctionList), "about gamma");
}

}  // namespace
}  // namespace zentrel
