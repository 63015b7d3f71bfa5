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
    StringRow{101, "バージョン情報(&A)..."},
    StringRow{201, "関数グラフの設定"},
    StringRow{504, "txt"},
    StringRow{505, "Untitled.txt"},
    StringRow{506, "テキスト (*.txt)|*.txt||"},
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
    // Help texts of the functions: a usage line and what the function gives.
    StringRow{3001, "sin <x>\n正弦"},
    StringRow{3002, "cos <x>\n余弦"},
    StringRow{3003, "tan <x>\n正接"},
    StringRow{3004, "asin <x>\n逆正弦"},
    StringRow{3005, "acos <x>\n逆余弦"},
    StringRow{3006, "atan <x>\n逆正接"},
    StringRow{3007, "atan2 <y> <x>\n<y>/<x>の逆正接"},
    StringRow{3008, "sinh <x>\n双曲線正弦"},
    StringRow{3009, "cosh <x>\n双曲線余弦"},
    StringRow{3010, "tanh <x>\n双曲線正接"},
    StringRow{3011, "asinh <x>\n逆双曲線正弦"},
    StringRow{3012, "acosh <x>\n逆双曲線余弦"},
    StringRow{3013, "atanh <x>\n逆双曲線正接"},
    StringRow{3014, "abs <x>\n絶対値"},
    StringRow{3015, "ceil <x>\n<x>以上の最小の整数"},
    StringRow{3016, "floor <x>\n<x>以下の最大の整数"},
    StringRow{3017, "sqr <x>\n自乗"},
    StringRow{3018, "sqrt <x>\n平方根"},
    StringRow{3019, "exp <x>\n指数"},
    StringRow{3020, "exp10 <x>\n底10の指数"},
    StringRow{3021, "log <x>\n自然対数"},
    StringRow{3022, "log10 <x>\n底10の対数"},
    StringRow{3026, "pow <x> <y>\n<x>の<y>乗"},
    StringRow{3027, "疑似乱数"},
    StringRow{3028, "現在の時刻"},
    StringRow{3029, "int <x>\n整数"},
    StringRow{3030, "real <x>\n複素数の実数部"},
    StringRow{3031, "imag <x>\n複素数の虚数部"},
    StringRow{3032, "arg <x>\n複素数の位相角度"},
    StringRow{3033, "norm <x>\n絶対値の自乗"},
    StringRow{3034, "conjg <x>\n共役複素数"},
    StringRow{3035, "polar <rho> <theta>\n絶対値<rho>,位相角度<theta>の複素数値"},
    // Help line texts of the keypad: "!" and a number for the function
    // buttons and the list, the keys, the angle units.
    StringRow{4001, "! リスト選択されている外部関数の呼び出し"},
    StringRow{4002, "!(選択部分を外部関数の引数として,リスト選択されている外部関数を呼び出す."},
    StringRow{4003, "!0"},
    StringRow{4004, "!1"},
    StringRow{4005, "!2"},
    StringRow{4006, "!3"},
    StringRow{4007, "!4"},
    StringRow{4008, "!5"},
    StringRow{4009, "!6"},
    StringRow{4010, "!7"},
    StringRow{4011, "!8"},
    StringRow{4012, "!9"},
    StringRow{4013, "!10"},
    StringRow{4014, "!11"},
    StringRow{4015, "!12"},
    StringRow{4016, "!13"},
    StringRow{4017, "!14"},
    StringRow{4018, "関数の切り替え"},
    StringRow{5001, "AC：入力欄の消去"},
    StringRow{5002, "DEL：カーソル位置の文字または関数名の削除"},
    StringRow{5003, "(：左括弧"},
    StringRow{5004, ")：右括弧"},
    StringRow{5005, "( )：選択部分を括弧で囲む"},
    StringRow{5006, "x,t：変数 x(直交座標) または t(媒介変数・極座標)"},
    StringRow{5007, "[-]：単項マイナス(符号の反転)"},
    StringRow{5008, "\\-：負の定数の符号"},
    StringRow{5009, "e\\+：指数部(正)"},
    StringRow{5010, "e\\-：指数部(負)"},
    StringRow{5011, "SP：空白"},
    StringRow{6001, "数字の入力"},
    StringRow{6002, "．：小数点"},
    StringRow{6003, "+：加算"},
    StringRow{6004, "-：減算"},
    StringRow{6005, "*：乗算"},
    StringRow{6006, "/：除算"},
    StringRow{6007, "=：グラフの描画"},
    StringRow{7001, "#座標系："},
    StringRow{7002, "グラフ描画色"},
    StringRow{8001, "角度の単位：度(Deg)"},
    StringRow{8002, "角度の単位：ラジアン(Rad)"},
    StringRow{8003, "角度の単位：グラード(Grad)"},
    StringRow{9001, "関数グラフの設定"},
    StringRow{9002, "数表の表示"},
    StringRow{9003, "数表に登録する"},
    StringRow{9004, "トレースツール：座標を読み取る"},
    StringRow{9005, "手のひらツール：グラフ画面のスクロール"},
    StringRow{9006, "ボックスズームツール：グラフ画面のトリミング"},
    StringRow{9007, "ズームイン：グラフ画面の拡大"},
    StringRow{9008, "ズームアウト：グラフ画面の縮小"},
    StringRow{9009, "ウィンドウの設定"},
    StringRow{9010, "グラフの描画"},
    StringRow{9011, "グラフの消去"},
    StringRow{10001, "計算式が変更されたため、数表はクリアされます。ファイル保存しますか?"},
    StringRow{10002, "数表をファイル保存しますか?"},
    StringRow{11001, "この計算式は履歴ファイルに記録できません"},
    StringRow{11002, "設定ファイルに書き込めません"},
    StringRow{11003, "名前に\";\"を含むフォルダは外部関数パスに追加できません"},
    StringRow{12001, "外部関数名を入力してください"},
    StringRow{12002, "外部関数名に使えない文字が含まれています"},
    StringRow{12003, "外部関数名が長すぎます"},
    StringRow{12004, "外部関数パスにフォルダが登録されていません"},
    StringRow{12005, "同名の外部関数が既に存在します！！"},
    StringRow{12006, "外部関数ファイル%sを作成できません"},
    StringRow{12007, "外部エディタ%sを起動できません"},
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
    if (dropsFirstCharacter(code) && !tokenText.empty()) tokenText.remove_prefix(1);
    return formatString(messageStringId(code), tokenText);
}

std::string formatString(int id, std::string_view text) {
    const std::string_view pattern = lookupString(id);
    const auto hole = pattern.find("%s");
    if (hole == std::string_view::npos) return std::string(pattern);
    std::string message;
    message.reserve(pattern.size() + text.size());
    message.append(pattern.substr(0, hole)).append(text).append(pattern.substr(hole + 2));
    return message;
}

std::string formatUserWarning(std::string_view text) {
    return std::string(lookupString(1001)).append(text);
}

}  // namespace zentrel
