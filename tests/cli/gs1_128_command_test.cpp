// The barquill gs1-128 command as a user runs it: the module line of --dump equals the symbol
// characters of the data, refusals give the panel's message with the option's name and exit
// status 2, the quantity is normalised, and the file is written only for valid input.
#include <gtest/gtest.h>

#include <string>

#include "tests/cli/command_test.h"

namespace {

using Gs1128CommandTest = CommandTest;

// Start C, FNC1, 01 12 34 56 78 90 12 31, check value 74, stop: 134 modules between the quiet
// zones.
constexpr char kProductCodeOnly[] =
    "11010011100111101011101100110110010110011100100010110001110001011011000010100110111101101011"
    "001110011011000110100001100101100011101011";

TEST_F(Gs1128CommandTest, DumpIsOneLineOfModulesBetweenQuietZones) {
  const CommandRun run = Barquill("gs1-128 --gtin 1234567890123 --dump");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string quietZone(10, '0');
  EXPECT_EQ(run.out, quietZone + kProductCodeOnly + quietZone + "\n");
}

TEST_F(Gs1128CommandTest, QuantityIsNormalisedAndTheCodeSetChosenByTheUser) {
  const CommandRun padded = Barquill("gs1-128 --gtin 1234567890123 --quantity 0012 --dump");
  const CommandRun plain = Barquill("gs1-128 --gtin 1234567890123 --quantity 12 --dump");
  ASSERT_EQ(padded.status, 0) << padded.err;
  EXPECT_EQ(padded.out, plain.out);
  // "101234" in code set C is three digit pairs straight after the product code; code set B
  // needs a change to B and six characters: 4 symbol characters (44 modules) more.
  const CommandRun codeB =
      Barquill("gs1-128 --gtin 1234567890123 --lot 1234 --lot-code-set B --dump");
  const CommandRun codeC =
      Barquill("gs1-128 --gtin 1234567890123 --lot 1234 --lot-code-set C --dump");
  ASSERT_EQ(codeB.status, 0) << codeB.err;
  ASSERT_EQ(codeC.status, 0) << codeC.err;
  EXPECT_EQ(codeB.out.size(), codeC.out.size() + 44);
  // Without --lot-code-set the code sets are chosen for the shortest symbol: "10" and "1152" in
  // code set C, "KMB" in B, 211 modules between the quiet zones where B alone makes 244.
  const CommandRun chosen = Barquill("gs1-128 --gtin 1085767400201 --lot 1152KMB --dump");
  const CommandRun inB =
      Barquill("gs1-128 --gtin 1085767400201 --lot 1152KMB --lot-code-set B --dump");
  ASSERT_EQ(chosen.status, 0) << chosen.err;
  EXPECT_EQ(chosen.out.size(), 10 + 211 + 10 + 1u);
  EXPECT_EQ(inB.out.size(), chosen.out.size() + 33);
}

TEST_F(Gs1128CommandTest, RefusalsNameTheOptionExitWith2AndWriteNothing) {
  const struct {
    std::string arguments;
    std::string expected;
  } refusals[] = {
      {"", "--gtin: is required"},
      {"--gtin 123456789012", "--gtin: 【商品コード】は数字13桁で入力してください。"},
      {"--gtin 1234567890123 --expiry 9912",
       "--expiry: 【有効(使用)期限】は数字6桁で入力してください。"},
      {"--gtin 1234567890123 --quantity 00000000",
       "--quantity: 【数量】は数字1～8桁でゼロ以外の値を入力してください。"},
      {"--gtin 1234567890123 --lot lot1 --lot-code-set A", "--lot: 【ロット(製造)番号】のCODE A"},
      {"--gtin 1234567890123 --lot 'LOT 1'", "--lot: 【ロット(製造)番号】は数字「0～9」、英字"},
      {"--gtin 1234567890123 --lot 123 --lot-code-set C",
       "--lot: 【ロット(製造)番号】は数字2～20桁を偶数桁で入力してください。"},
      {"--gtin 1234567890123 --lot 12 --lot-code-set D",
       "--lot-code-set: expected A, B, C or auto"},
      {"--gtin 1234567890123 --expiry 991231 --quantity 12345678 --lot ABCDEFGH",
       "--lot: 規定の入力文字数を超えました。"},
      {"--gtin 1234567890123 --height 201",
       "--height: 【高さ】は 1～200 までの数値で入力してください。"},
      {"--gtin 1234567890123 --height 17.0001", "--height: at most 5 characters"},
      {"--gtin 1234567890123 --height 17cm",
       "--height: 【高さ】は 1～200 までの数値で入力してください。"},
      {"--gtin 1234567890123 --narrow-width 0.099",
       "--narrow-width: 【ナロー幅】は 0.1～9.999 までの数値で入力してください。"},
      {"--gtin 1234567890123 --narrow-width 0.25 --bar-width-reduction 0.25",
       "--bar-width-reduction: 【バー幅補正】は 0 "
       "以上、【ナロー幅】未満の数値で入力してください。"},
      {"--gtin 1234567890123 --bar-width-reduction 0.0501",
       "--bar-width-reduction: at most 5 characters"},
  };
  for (const auto& refusal : refusals) {
    const std::string file = Output("refused.svg");
    const CommandRun run = Barquill("gs1-128 " + refusal.arguments + " -o " + file);
    EXPECT_EQ(run.status, 2) << refusal.arguments;
    EXPECT_NE(run.err.find(refusal.expected), std::string::npos) << refusal.arguments << "\n"
                                                                 << run.err;
    EXPECT_TRUE(HasBothLanguages(run.err)) << refusal.arguments << "\n" << run.err;
    EXPECT_FALSE(fs::exists(file)) << refusal.arguments;
  }
}

TEST_F(Gs1128CommandTest, WritesTheSymbolWithItsText) {
  const std::string file = Output("symbol.svg");
  const CommandRun run = Barquill(
      "gs1-128 --gtin 1234567890123 --expiry 011231 --lot LOT1001 --narrow-width 0.25 -o " + file);
  ASSERT_EQ(run.status, 0) << run.err;
  std::ifstream in(file);
  const std::string svg((std::istreambuf_iterator<char>(in)), {});
  EXPECT_NE(svg.find("(01)12345678901231(17)011231(10)LOT1001"), std::string::npos);
}

// For a PNG file the module width becomes whole pixels at the resolution: a note when that moves
// it by more than 5 %, none when it moves less; a width the panel refuses is still refused.
TEST_F(Gs1128CommandTest, PngModuleWidthIsWholePixelsWithANoteForLargeChanges) {
  const std::string code = "gs1-128 --gtin 1234567890123 --dpi 600 ";
  const CommandRun far = Barquill(code + "--narrow-width 0.191 -o " + Output("far.png"));
  ASSERT_EQ(far.status, 0) << far.err;
  EXPECT_EQ(far.err,
            "barquill gs1-128: note: --narrow-width の 0.191 mm は 4.51 ピクセル（600 dpi）です。"
            "PNG ファイルは 5 ピクセル、0.212 mm（+11.0 %）で作ります。\n"
            "barquill gs1-128: note: --narrow-width 0.191 mm is 4.51 pixels at 600 dpi; the PNG "
            "file is made with 5 pixels, 0.212 mm (+11.0 %)\n");
  const CommandRun near = Barquill(code + "-o " + Output("near.png"));  // 0.220: 5.20 pixels
  ASSERT_EQ(near.status, 0) << near.err;
  EXPECT_EQ(near.err, "");
  const CommandRun vector = Barquill(code + "--narrow-width 0.191 -o " + Output("far.svg"));
  ASSERT_EQ(vector.status, 0) << vector.err;
  EXPECT_EQ(vector.err, "");
  const CommandRun refused = Barquill(code + "--narrow-width 0.09 -o " + Output("thin.png"));
  EXPECT_EQ(refused.status, 2);
  EXPECT_NE(refused.err.find("--narrow-width: 【ナロー幅】"), std::string::npos) << refused.err;
  EXPECT_FALSE(fs::exists(Output("thin.png")));
}

}  // namespace
