// The GS1-128 panel's messages as the user reads them, for the tests of its form and of its window.
// Written out here rather than taken from the form, so that a changed message fails the tests.
#pragma once

namespace medical128_test {

inline constexpr char kProductCodeMessage[] = "【商品コード】は数字13桁で入力してください。";
inline constexpr char kExpiryMessage[] = "【有効(使用)期限】は数字6桁で入力してください。";
inline constexpr char kQuantityMessage[] = "【数量】は数字1～8桁でゼロ以外の値を入力してください。";
inline constexpr char kLotAMessage[] =
    "【ロット(製造)番号】のCODE Aは数字「0～9」、英大文字「A～Z」、記号「 ! \" % & ' * ( ) + , - "
    ". / : ; < = > ? _ 」を入力してください。";
inline constexpr char kLotBMessage[] =
    "【ロット(製造)番号】のCODE Bは数字「0～9」、英字「A～Z」「a～z」、記号「 ! \" % & ' * ( ) + "
    ", - . / : ; < = > ? _ 」を入力してください。";
inline constexpr char kLotCMessage[] =
    "【ロット(製造)番号】は数字2～20桁を偶数桁で入力してください。";
inline constexpr char kLotAutoMessage[] =
    "【ロット(製造)番号】は数字「0～9」、英字「A～Z」「a～z」、記号「 ! \" % & ' * ( ) + , - . / : "
    "; < = > ? _ 」を入力してください。";
inline constexpr char kCapacityMessage[] =
    "規定の入力文字数を超えました。数字を1、英字を2でカウントして48桁以下なるように調整してくださ"
    "い。";
inline constexpr char kHeightMessage[] = "【高さ】は 1～200 までの数値で入力してください。";
inline constexpr char kNarrowWidthMessage[] =
    "【ナロー幅】は 0.1～9.999 までの数値で入力してください。";
inline constexpr char kBarWidthReductionMessage[] =
    "【バー幅補正】は 0 以上、【ナロー幅】未満の数値で入力してください。";
inline constexpr char kNoDocumentMessage[] = "ドキュメントがありません。新規作成して下さい。";

}  // namespace medical128_test
