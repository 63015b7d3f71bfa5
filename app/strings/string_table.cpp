#include "app/strings/string_table.h"

#include <algorithm>
#include <array>
#include <utility>

namespace zentrel {

namespace {

struct StringRow {
    int id;
    std::string_view text;
};

// Sorted by id.
constexpr std::array kStrings = {
    StringRow{1001, "警告:"},
    StringRow{1002, "警告:配列の要素番号が負の値です"},
    StringRow{1003, "警告:ゼロで除算しました"},
    StringRow{1004, "警告:asinの引数が-1から1の範囲外になりました"},
    StringRow{1005, "警告:acosの引数が-1から1の範囲外になりました"},
    StringRow{1006, "警告:acoshの引数が1未満の値になりました"},
    StringRow{1007, "警告:atanhの引数が-1以下または1以上の値になりました"},
    StringRow{1008, "警告:logの引数が0または負の値になりました"},
    StringRow{1009, "警告:log10の引数が0または負の値になりました"},
    StringRow{1010, "警告:sqrtの引数が負の値になりました"},
    StringRow{1011, "警告:行列式は定義されません"},
    StringRow{1012, "警告:逆行列が存在しません"},
    StringRow{1013, "警告:%sの引数が無効です"},
    StringRow{1014, "警告:returnで値を返すことができません"},
    StringRow{2001, "メモリ不足です"},
    StringRow{2003, "トークンがありません"},
    StringRow{2004, "コマンドはサポートされていません"},
    StringRow{2005, "制御構造はサポートされていません"},
    StringRow{2006, "%s:単項演算子表現が間違っています"},
    StringRow{2007, "%s:演算子表現が間違っています"},
    StringRow{2008, "%s:配列表現が間違っています"},
    StringRow{2009, "関数%sの引数が間違っています"},
    StringRow{2010, "%sの左辺は変数または配列でなければなりません"},
    StringRow{2011, "%sの右辺は変数または配列でなければなりません"},
    StringRow{2012, "%sの右辺がありません"},
    StringRow{2013, "三項演算子%sの右辺に定数または変数が2個指定されていません"},
    StringRow{2014, "外部関数%sの実行が中断されました"},
    StringRow{2015, "関数%sの実行が中断されました"},
    StringRow{2016, "%s:定数表現が間違っています"},
    StringRow{2017, "%s:文字列表現が間違っています"},
    StringRow{2018, "%s:複素数表現が間違っています"},
    StringRow{2019, "%s:行列表現が間違っています"},
    StringRow{2020, "%sによる定数への代入は無効です"},
    StringRow{2021, "%sのネスト数が多すぎます"},
    StringRow{2022, "%sに対応するifがありません"},
    StringRow{2023, "%sのネスト数が多すぎます"},
    StringRow{2024, "%sに対応するswitchがありません"},
    StringRow{2025, "%sに対応するdoがありません"},
    StringRow{2026, "%sに対応するwhileがありません"},
    StringRow{2027, "%sにおける条件部がありません"},
    StringRow{2028, "%sにおける更新式がありません"},
    StringRow{2029, "%sに対応するforがありません"},
    StringRow{2030, "%sは無効です"},
    StringRow{2031, "%sは無効です"},
    StringRow{2032, "関数の数が多すぎます"},
    StringRow{2033, "関数内で関数は定義できません"},
    StringRow{2034, "%sに対応するfuncがありません"},
    StringRow{2035, "%s:関数名は無効です"},
    StringRow{2036, "%s:関数の引数にラベル設定できません"},
    StringRow{2037, "コマンドが間違っています"},
    StringRow{2038, "コマンド%sの引数が間違っています"},
    StringRow{2039, "%sは既に定義されています"},
    StringRow{2040, "%sは定義されていません"},
    StringRow{2041, "コマンド%sの引数は10個までしか指定できません"},
    StringRow{2042, "外部関数%sがオープンできません"},
    StringRow{2043, "外部関数の引数は10個までしか指定できません"},
    StringRow{2044, "%s:外部関数の引数は定数、変数または配列名でなければなりません"},
    StringRow{2045, "実行を中断しました"},
    StringRow{2046, "%sが閉じられていません"},
    StringRow{2047, "式のネストが深すぎます"},
    StringRow{2048, "%s:空いている変数または配列がありません"},
    StringRow{2049, "関数%sの呼び出しが深すぎます"},
    StringRow{2050, "値に使えるメモリの上限を超えるため確保できません"},
};

static_assert(std::is_sorted(kStrings.begin(), kStrings.end(),
                             [](const StringRow& a, const StringRow& b) { return a.id < b.id; }));

// Codes and the strings that show them; codes not listed show nothing.
constexpr std::array<std::pair<ErrorCode, int>, 62> kMessageIds = {{
    {5, 2003},      {6, 2004},      {7, 2005},      {0x1000, 1002}, {0x1001, 1003}, {0x1004, 1004},
    {0x1005, 1005}, {0x1006, 1006}, {0x1007, 1007}, {0x1008, 1008}, {0x1009, 1009}, {0x100A, 1010},
    {0x100B, 1011}, {0x100C, 1012}, {0x100D, 1013}, {0x100E, 1014}, {0x2000, 2001}, {0x2100, 2006},
    {0x2101, 2007}, {0x2102, 2008}, {0x2103, 2009}, {0x2104, 2010}, {0x2105, 2011}, {0x2106, 2012},
    {0x2107, 2013}, {0x2108, 2014}, {0x2109, 2015}, {0x210A, 2016}, {0x210B, 2017}, {0x210C, 2018},
    {0x210D, 2019}, {0x210E, 2020}, {0x2120, 2021}, {0x2121, 2022}, {0x2122, 2023}, {0x2123, 2024},
    {0x2124, 2025}, {0x2125, 2026}, {0x2126, 2027}, {0x2127, 2028}, {0x2128, 2029}, {0x2129, 2030},
    {0x212A, 2031}, {0x212B, 2032}, {0x212C, 2033}, {0x212D, 2034}, {0x212E, 2035}, {0x212F, 2036},
    {0x2140, 2037}, {0x2141, 2038}, {0x2142, 2039}, {0x2143, 2040}, {0x2144, 2041}, {0x2160, 2042},
    {0x2161, 2043}, {0x2162, 2044}, {0x2003, 2045}, {0x2130, 2046}, {0x2180, 2047}, {0x2181, 2048},
    {0x2182, 2049}, {0x2004, 2050},
}};

// Codes whose token text starts with a marker character ('!' or ':') that the
// message leaves out.
constexpr bool dropsFirstCharacter(ErrorCode code) {
    return code == 0x2108 || code == 0x2141 || code == 0x2144 || code == 0x2160;
}

}  // namespace

std::string_view lookupString(int id) {
    const auto it = std::lower_bound(kStrings.begin(), kStrings.end(), id,
                                     [](const StringRow& row, int key) { return row.id < key; });
    return (it != kStrings.end() && it->id == id) ? it->text : std::string_view{};
}

int messageStringId(ErrorCode code) {
    for (const auto& [c, id] : kMessageIds) {
        if (c == code) return id;
    }
    return 0;
}

std::string formatReport(ErrorCode code, std::string_view tokenText) {
    const std::string_view pattern = lookupString(messageStringId(code));
    if (dropsFirstCharacter(code) && !tokenText.empty()) tokenText.remove_prefix(1);
    const auto hole = pattern.find("%s");
    if (hole == std::string_view::npos) return std::string(pattern);
    std::string message;
    message.reserve(pattern.size() + tokenText.size());
    message.append(pattern.substr(0, hole)).append(tokenText).append(pattern.substr(hole + 2));
    return message;
}

std::string formatUserWarning(std::string_view text) {
    return std::string(lookupString(1001)).append(text);
}

}  // namespace zentrel
