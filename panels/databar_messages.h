// The messages of the GS1 DataBar panel, shown in host message alerts (UTF-8 here, converted to
// UTF-16 for the host).
#pragma once

namespace panels {

constexpr char kLimitedItemNumberMessage[] =
    "【コード】は数字13桁、先頭「0」または「1」で入力してください。";
constexpr char kItemNumberMessage[] = "【コード】は数字13桁で入力してください。";
constexpr char kCompositeTextMessage[] =
    "【二次元】は半角英数字、半角スペースおよび記号「 ! \" % & ' ( ) * + , - . / : ; < > = ? _ # ^ "
    "$ "
    "」で入力してください。\n括弧()"
    "は目視文字のみ表示されバーコードにはなりません。\n改行は入れないでください。";
constexpr char kModuleWidthMessage[] =
    "【モジュール幅】は 0.1～9.999 までの数値で入力してください。";
constexpr char kHeightMessage[] = "【高さ】は 0.1～200 までの数値で入力してください。";
constexpr char kSeparatorHeightMessage[] =
    "【セパレータの高さ】は 0.1～9.999 までの数値で入力してください。";
constexpr char kCompositeRowHeightMessage[] =
    "【二次元一段の高さ】は 0.1～9.999 までの数値で入力してください。";
constexpr char kStackedSeparatorHeightMessage[] =
    "Stackedの【セパレータの高さ】は 0.1～9.999 までの数値で入力してください。";
constexpr char kSecondRowHeightMessage[] =
    "Stackedの【一次元下段の高さ】は 0.1～200 までの数値で入力してください。";
constexpr char kBarWidthReductionMessage[] =
    "【バー幅補正】は 0 以上、【モジュール幅】未満の数値で入力してください。";
constexpr char kNoDocumentMessage[] = "ドキュメントがありません。新規作成して下さい。";

// When the encoder refuses data that passed the field rules.
constexpr char kCompositeNotEncodableMessage[] =
    "【二次元】のデータを二次元シンボルにできませんでした。アプリケーション識別子とデータの内容を確"
    "認してください。";
// The 2D data needs more room than the largest component over the chosen type: its type label,
// columns, data bits and rows fill the blanks.
constexpr char kCompositeTooLongFormat[] =
    "【二次元】のデータが長すぎます。%sの二次元シンボル（%d列）に入るデータは最大%dビット（CC-B "
    "%d段）までです。データを減らしてください。";
// A 2D text whose only data characters are spaces.
constexpr char kCompositeNoDataMessage[] = "二次元にデータが入力されていません。";
constexpr char kItemNumberNotEncodableMessage[] =
    "【コード】のデータをバーコードにできませんでした。";

}  // namespace panels
