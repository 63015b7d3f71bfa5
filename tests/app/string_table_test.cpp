#include "app/strings/string_table.h"

#include <gtest/gtest.h>

namespace zentrel {
namespace {

TEST(StringTable, MessagesFillTheTokenText) {
    EXPECT_EQ(formatReport(0x2106, "+"), "+の右辺がありません");
    EXPECT_EQ(formatReport(0x210A, "nosuch"), "nosuch:定数表現が間違っています");
    EXPECT_EQ(formatReport(0x100D, "sqrt"), "警告:sqrtの引数が無効です");
}

TEST(StringTable, CommandAndExternalCallMessagesDropTheirMarker) {
    EXPECT_EQ(formatReport(0x2141, ":print"), "コマンドprintの引数が間違っています");
    EXPECT_EQ(formatReport(0x2160, "!nofile"), "外部関数nofileがオープンできません");
    EXPECT_EQ(formatReport(0x2108, "!f"), "外部関数fの実行が中断されました");
    EXPECT_EQ(formatReport(0x2144, ":params"), "コマンドparamsの引数は10個までしか指定できません");
    EXPECT_EQ(formatReport(0x2141, ""), "コマンドの引数が間違っています");
}

TEST(StringTable, CodesWithoutTokenOrMessage) {
    EXPECT_EQ(formatReport(0x2000, "x"), "メモリ不足です");
    EXPECT_EQ(formatReport(0x1001, "/"), "警告:ゼロで除算しました");
    EXPECT_EQ(formatReport(6, ""), "コマンドはサポートされていません");
    for (ErrorCode silent : {0u, 1u, 2u, 3u, 4u, 0x2001u, 0x2002u, 0x1002u, 0x2163u}) {
        SCOPED_TRACE(silent);
        EXPECT_EQ(formatReport(silent, "x"), "");
    }
}

TEST(StringTable, EveryReportedCodeHasItsString) {
    for (ErrorCode code = 0x2100; code <= 0x2162; ++code) {
        const int id = messageStringId(code);
        if (id != 0) {
            EXPECT_FALSE(lookupString(id).empty()) << std::hex << code;
        }
    }
    EXPECT_EQ(messageStringId(0x210E), 2020);
    EXPECT_EQ(messageStringId(0x2162), 2044);
    EXPECT_EQ(formatUserWarning("abc"), "警告:abc");
}

}  // namespace
}  // namespace zentrel
