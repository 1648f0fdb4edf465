// The alert texts of the Expanded panel's element-string checks and of its AI entry view (UTF-8).
// Texts holding "%s" get the AI in its place (WithAi).
#pragma once

#include <string>
#include <string_view>

namespace panels {

// The code field's characters.
inline constexpr const char* kMsgCodeCharacters =
    "【コード】は半角英数字、半角スペースおよび記号「 ! \" % & ' ( ) * + , - . / : ; < > = ? _ 」"
    "で入力してください。\n改行は入れないでください。";

// The 2D field's characters.
inline constexpr const char* kMsgCompositeCharacters =
    "【二次元コード】は半角英数字、半角スペースおよび記号「 ! \" % & ' ( ) * + , - . / : ; < > = ? "
    "_ # ^ $ 」で入力してください。\n括弧()は目視文字のみ表示されバーコードにはなりません。\n"
    "改行は入れないでください。";

// The create action's other checks (the length fields shared with the GS1 DataBar panel use its
// messages).
inline constexpr const char* kMsgExpandedHeight =
    "【高さ】は 1～200 までの数値で入力してください。";
inline constexpr const char* kMsgCompositeNeedsFourSegments =
    "二次元コードを設定する場合はセグメントを4以上にしてください。";

// When the encoder refuses data that passed the field rules: the element string beyond the
// symbol's 252 data bits, or 2D data beyond the largest component, whose columns, data bits and
// rows fill the blanks.
inline constexpr const char* kMsgCodeTooLong =
    "【コード】のデータが長すぎます。GS1 DataBar Expandedに入るデータは最大252ビットまでです。"
    "データを減らしてください。";
inline constexpr const char* kMsgCodeNotEncodable =
    "【コード】のデータをバーコードにできませんでした。";
inline constexpr const char* kMsgExpandedCompositeTooLongFormat =
    "【二次元コード】のデータが長すぎます。GS1 DataBar "
    "Expandedの二次元シンボル（%d列）に入るデータは"
    "最大%dビット（CC-B %d段）までです。データを減らしてください。";
inline constexpr const char* kMsgCompositeNotEncodable =
    "【二次元コード】のデータを二次元シンボルにできませんでした。アプリケーション識別子とデータの"
    "内容を確認してください。";

// Parsing the element string.
inline constexpr const char* kMsgNoAi = "コードにAIが入力されていません。";
inline constexpr const char* kMsgInvalidCodeData = "コードに不正なデータがあります。";
inline constexpr const char* kMsgEmptyAi = "コードに未入力のAIがあります。";
inline constexpr const char* kMsgInvalidAi = "コードのAI(%s)が不正です。";
inline constexpr const char* kMsgUnknownAi = "コードに不正なAIがあります。";
inline constexpr const char* kMsgInvalidAiData = "コードのAI(%s)のデータが不正です。";
inline constexpr const char* kMsgDuplicateAi = "コードに重複したAI(%s)があります。";

// The AI entry view.
inline constexpr const char* kMsgTooManyAis =
    "AIが多すぎるため入力画面が開けません。\nAIを8個以内で入力してください。";
inline constexpr const char* kMsgTooManyOtherAis =
    "AIが多すぎるため入力画面が開けません。\n(01)(17)(30)(10)以外のAIは4個以内で入力してください。";
inline constexpr const char* kMsgItemCode = "【商品コード】は数字13桁で入力してください。";
inline constexpr const char* kMsgExpiryDate = "【有効(使用)期限】は数字6桁で入力してください。";
inline constexpr const char* kMsgQuantity =
    "【数量】は数字1～8桁でゼロ以外の値を入力してください。";
inline constexpr const char* kMsgDuplicateOrder = "順番が重複しています。";
inline constexpr const char* kMsgInvalidRowData = "AI(%s)に不正なデータがあります。";
inline constexpr const char* kMsgInvalidData = "不正なデータがあります。";

// Both: the element string does not fit its 70 characters.
inline constexpr const char* kMsgTooMuchData =
    "データが多すぎます。AI識別子を含めて70文字以内で入力してください。";

// `pattern` with its "%s" replaced by `ai`.
inline std::string WithAi(std::string_view pattern, std::string_view ai) {
  const size_t at = pattern.find("%s");
  if (at == std::string_view::npos)
    return std::string(pattern);
  std::string text;
  text.reserve(pattern.size() + ai.size());
  text.append(pattern.substr(0, at)).append(ai).append(pattern.substr(at + 2));
  return text;
}

}  // namespace panels
