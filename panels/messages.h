// Every text the panels show in their message alerts, in one catalogue: the Japanese text the
// panel shows (UTF-8 here, converted to UTF-16 for the host) and an English text saying the same,
// on one line, which the barquill command prints under the Japanese one. Texts with blanks ("%s"
// a text, "%d" a number) have the same blanks in the same order in both languages.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace panels {

struct Message {
  const char* japanese;
  const char* english;
};

// The GS1 DataBar panel.
inline constexpr Message kMsgItemNumber = {"【コード】は数字13桁で入力してください。",
                                           "Code: enter 13 digits."};
inline constexpr Message kMsgLimitedItemNumber = {
    "【コード】は数字13桁、先頭「0」または「1」で入力してください。",
    "Code: enter 13 digits, the first one 0 or 1."};
inline constexpr Message kMsgCompositeText = {
    "【二次元】は半角英数字、半角スペースおよび記号「 ! \" % & ' ( ) * + , - . / : ; < > = ? _ # ^ "
    "$ "
    "」で入力してください。\n括弧()"
    "は目視文字のみ表示されバーコードにはなりません。\n改行は入れないでください。",
    "2D: enter half-width letters and digits, spaces and the marks ! \" % & ' ( ) * + , - . / : ; "
    "< > = ? _ # ^ $ only. Parentheses are shown in the text only and are not encoded. Do not "
    "enter line breaks."};
inline constexpr Message kMsgModuleWidth = {
    "【モジュール幅】は 0.1～9.999 までの数値で入力してください。",
    "Module width: enter a number from 0.1 to 9.999."};
inline constexpr Message kMsgHeight = {"【高さ】は 0.1～200 までの数値で入力してください。",
                                       "Height: enter a number from 0.1 to 200."};
inline constexpr Message kMsgSeparatorHeight = {
    "【セパレータの高さ】は 0.1～9.999 までの数値で入力してください。",
    "Separator height: enter a number from 0.1 to 9.999."};
inline constexpr Message kMsgCompositeRowHeight = {
    "【二次元一段の高さ】は 0.1～9.999 までの数値で入力してください。",
    "Height of one 2D row: enter a number from 0.1 to 9.999."};
inline constexpr Message kMsgStackedSeparatorHeight = {
    "Stackedの【セパレータの高さ】は 0.1～9.999 までの数値で入力してください。",
    "Stacked: separator height: enter a number from 0.1 to 9.999."};
inline constexpr Message kMsgSecondRowHeight = {
    "Stackedの【一次元下段の高さ】は 0.1～200 までの数値で入力してください。",
    "Stacked: height of the lower linear row: enter a number from 0.1 to 200."};
inline constexpr Message kMsgCompositeNotEncodable = {
    "【二次元】のデータを二次元シンボルにできませんでした。アプリケーション識別子とデータの内容を確"
    "認してください。",
    "The 2D data could not be made into a 2D symbol. Check the application identifiers and their "
    "data."};
inline constexpr Message kMsgCompositeTooLong = {
    "【二次元】のデータが長すぎます。%sの二次元シンボル（%d列）に入るデータは最大%dビット（CC-B "
    "%d段）までです。データを減らしてください。",
    "The 2D data is too long. The 2D symbol of %s (%d columns) holds at most %d bits (CC-B, %d "
    "rows). Shorten the data."};
inline constexpr Message kMsgCompositeNoData = {"二次元にデータが入力されていません。",
                                                "The 2D text holds no data."};

// Both DataBar panels.
inline constexpr Message kMsgBarWidthReduction = {
    "【バー幅補正】は 0 以上、【モジュール幅】未満の数値で入力してください。",
    "Bar width reduction: enter a number from 0 up to less than the module width."};
inline constexpr Message kMsgCodeNotEncodable = {
    "【コード】のデータをバーコードにできませんでした。",
    "The data of the code could not be made into a barcode."};

// The Expanded panel's create action (its other length fields use the GS1 DataBar panel's
// messages).
inline constexpr Message kMsgCodeCharacters = {
    "【コード】は半角英数字、半角スペースおよび記号「 ! \" % & ' ( ) * + , - . / : ; < > = ? _ "
    "」で入力してください。\n改行は入れないでください。",
    "Code: enter half-width letters and digits, spaces and the marks ! \" % & ' ( ) * + , - . / : "
    "; < > = ? _ only. Do not enter line breaks."};
inline constexpr Message kMsgExpandedCompositeCharacters = {
    "【二次元コード】は半角英数字、半角スペースおよび記号「 ! \" % & ' ( ) * + , - . / : ; < > = ? "
    "_ # ^ $ "
    "」で入力してください。\n括弧()"
    "は目視文字のみ表示されバーコードにはなりません。\n改行は入れないでください。",
    "2D code: enter half-width letters and digits, spaces and the marks ! \" % & ' ( ) * + , - . / "
    ": ; < > = ? _ # ^ $ only. Parentheses are shown in the text only and are not encoded. Do not "
    "enter line breaks."};
inline constexpr Message kMsgCompositeNeedsFourSegments = {
    "二次元コードを設定する場合はセグメントを4以上にしてください。",
    "With a 2D code, choose 4 or more segments per row."};
inline constexpr Message kMsgCodeTooLong = {
    "【コード】のデータが長すぎます。GS1 DataBar "
    "Expandedに入るデータは最大252ビットまでです。データを減らしてください。",
    "The data of the code is too long. GS1 DataBar Expanded holds at most 252 bits of data. "
    "Shorten the data."};
inline constexpr Message kMsgExpandedCompositeTooLong = {
    "【二次元コード】のデータが長すぎます。GS1 DataBar "
    "Expandedの二次元シンボル（%d列）に入るデータは最大%dビット（CC-B "
    "%d段）までです。データを減らしてください。",
    "The data of the 2D code is too long. The 2D symbol of GS1 DataBar Expanded (%d columns) holds "
    "at most %d bits (CC-B, %d rows). Shorten the data."};
inline constexpr Message kMsgExpandedCompositeNotEncodable = {
    "【二次元コード】のデータを二次元シンボルにできませんでした。アプリケーション識別子とデータの内"
    "容を確認してください。",
    "The data of the 2D code could not be made into a 2D symbol. Check the application identifiers "
    "and their data."};

// The Expanded panel's element string ("%s" is the AI).
inline constexpr Message kMsgNoAi = {"コードにAIが入力されていません。", "The code holds no AI."};
inline constexpr Message kMsgInvalidCodeData = {"コードに不正なデータがあります。",
                                                "The code holds invalid data."};
inline constexpr Message kMsgEmptyAi = {"コードに未入力のAIがあります。",
                                        "The code holds an AI with no digits."};
inline constexpr Message kMsgInvalidAi = {"コードのAI(%s)が不正です。",
                                          "The AI (%s) of the code is invalid."};
inline constexpr Message kMsgUnknownAi = {"コードに不正なAIがあります。",
                                          "The code holds an invalid AI."};
inline constexpr Message kMsgInvalidAiData = {"コードのAI(%s)のデータが不正です。",
                                              "The data of the AI (%s) of the code is invalid."};
inline constexpr Message kMsgDuplicateAi = {"コードに重複したAI(%s)があります。",
                                            "The code holds the AI (%s) more than once."};
inline constexpr Message kMsgTooMuchData = {
    "データが多すぎます。AI識別子を含めて70文字以内で入力してください。",
    "Too much data. Enter at most 70 characters, the AIs included."};

// The Expanded panel's AI entry view.
inline constexpr Message kMsgTooManyAis = {
    "AIが多すぎるため入力画面が開けません。\nAIを8個以内で入力してください。",
    "Too many AIs to open the entry view. Enter at most 8 AIs."};
inline constexpr Message kMsgTooManyOtherAis = {
    "AIが多すぎるため入力画面が開けません。\n(01)(17)(30)(10)以外のAIは4個以内で入力してください。",
    "Too many AIs to open the entry view. Enter at most 4 AIs other than (01)(17)(30)(10)."};
inline constexpr Message kMsgDuplicateOrder = {"順番が重複しています。",
                                               "Two rows have the same order."};
inline constexpr Message kMsgInvalidRowData = {"AI(%s)に不正なデータがあります。",
                                               "The AI (%s) holds invalid data."};
inline constexpr Message kMsgInvalidData = {"不正なデータがあります。", "There is invalid data."};

// The AI entry view and the GS1-128 panel.
inline constexpr Message kMsgProductCode = {"【商品コード】は数字13桁で入力してください。",
                                            "Product code: enter 13 digits."};
inline constexpr Message kMsgExpiry = {"【有効(使用)期限】は数字6桁で入力してください。",
                                       "Expiry (use-by) date: enter 6 digits."};
inline constexpr Message kMsgQuantity = {"【数量】は数字1～8桁でゼロ以外の値を入力してください。",
                                         "Quantity: enter 1 to 8 digits, not zero."};

// The GS1-128 panel.
inline constexpr Message kMsgLotCodeAuto = {
    "【ロット(製造)番号】は数字「0～9」、英字「A～Z」「a～z」、記号「 ! \" % & ' * ( ) + , - . / : "
    "; < = > ? _ 」を入力してください。",
    "Lot (batch) number: enter digits 0-9, letters A-Z and a-z and the marks ! \" % & ' * ( ) + , "
    "- . / : ; < = > ? _ only."};
inline constexpr Message kMsgNarrowBarWidthReduction = {
    "【バー幅補正】は 0 以上、【ナロー幅】未満の数値で入力してください。",
    "Bar width reduction: enter a number from 0 up to less than the narrow width."};
inline constexpr Message kMsgLotCodeA = {
    "【ロット(製造)番号】のCODE Aは数字「0～9」、英大文字「A～Z」、記号「 ! \" % & ' * ( ) + , - . "
    "/ : ; < = > ? _ 」を入力してください。",
    "Lot (batch) number in CODE A: enter digits 0-9, capital letters A-Z and the marks ! \" % & ' "
    "* ( ) + , - . / : ; < = > ? _ only."};
inline constexpr Message kMsgLotCodeB = {
    "【ロット(製造)番号】のCODE Bは数字「0～9」、英字「A～Z」「a～z」、記号「 ! \" % & ' * ( ) + , "
    "- . / : ; < = > ? _ 」を入力してください。",
    "Lot (batch) number in CODE B: enter digits 0-9, letters A-Z and a-z and the marks ! \" % & ' "
    "* ( ) + , - . / : ; < = > ? _ only."};
inline constexpr Message kMsgLotCodeC = {
    "【ロット(製造)番号】は数字2～20桁を偶数桁で入力してください。",
    "Lot (batch) number: enter an even number of digits, 2 to 20."};
inline constexpr Message kMsgCapacity = {
    "規定の入力文字数を超えました。数字を1、英字を2でカウントして48桁以下なるように調整してください"
    "。",
    "More characters than the symbol holds. Counting a digit as 1 and a letter as 2, keep the "
    "total at 48 or less."};
inline constexpr Message kMsgNarrowWidth = {
    "【ナロー幅】は 0.1～9.999 までの数値で入力してください。",
    "Narrow width: enter a number from 0.1 to 9.999."};

// The Expanded and GS1-128 panels.
inline constexpr Message kMsgHeightFrom1 = {"【高さ】は 1～200 までの数値で入力してください。",
                                            "Height: enter a number from 1 to 200."};

// Every panel.
inline constexpr Message kMsgNoDocument = {"ドキュメントがありません。新規作成して下さい。",
                                           "There is no document. Make a new one."};

// Every message above, once.
inline constexpr const Message* kAllMessages[] = {&kMsgItemNumber,
                                                  &kMsgLimitedItemNumber,
                                                  &kMsgCompositeText,
                                                  &kMsgModuleWidth,
                                                  &kMsgHeight,
                                                  &kMsgSeparatorHeight,
                                                  &kMsgCompositeRowHeight,
                                                  &kMsgStackedSeparatorHeight,
                                                  &kMsgSecondRowHeight,
                                                  &kMsgCompositeNotEncodable,
                                                  &kMsgCompositeTooLong,
                                                  &kMsgCompositeNoData,
                                                  &kMsgBarWidthReduction,
                                                  &kMsgCodeNotEncodable,
                                                  &kMsgCodeCharacters,
                                                  &kMsgExpandedCompositeCharacters,
                                                  &kMsgCompositeNeedsFourSegments,
                                                  &kMsgCodeTooLong,
                                                  &kMsgExpandedCompositeTooLong,
                                                  &kMsgExpandedCompositeNotEncodable,
                                                  &kMsgNoAi,
                                                  &kMsgInvalidCodeData,
                                                  &kMsgEmptyAi,
                                                  &kMsgInvalidAi,
                                                  &kMsgUnknownAi,
                                                  &kMsgInvalidAiData,
                                                  &kMsgDuplicateAi,
                                                  &kMsgTooMuchData,
                                                  &kMsgTooManyAis,
                                                  &kMsgTooManyOtherAis,
                                                  &kMsgDuplicateOrder,
                                                  &kMsgInvalidRowData,
                                                  &kMsgInvalidData,
                                                  &kMsgProductCode,
                                                  &kMsgExpiry,
                                                  &kMsgQuantity,
                                                  &kMsgLotCodeA,
                                                  &kMsgLotCodeAuto,
                                                  &kMsgNarrowBarWidthReduction,
                                                  &kMsgLotCodeB,
                                                  &kMsgLotCodeC,
                                                  &kMsgCapacity,
                                                  &kMsgNarrowWidth,
                                                  &kMsgHeightFrom1,
                                                  &kMsgNoDocument};

// The text with its blanks ("%s", "%d") replaced by the values, in order.
std::string FillBlanks(std::string_view text, std::initializer_list<std::string_view> values);

// `message`'s Japanese text with its "%s" replaced by `ai`.
std::string WithAi(const Message& message, std::string_view ai);

struct MessageLines {
  std::string japanese;
  std::string english;
};

// Both texts of a message, its blanks filled with the same values.
MessageLines BothLanguages(const Message& message, std::initializer_list<std::string_view> values);

// The message of the catalogue that a panel showed as `japanese`, a text of the catalogue with
// its blanks filled, and the English text with the same values in its blanks; nothing for a text
// that is not in the catalogue.
std::optional<std::string> EnglishFor(std::string_view japanese);

}  // namespace panels
