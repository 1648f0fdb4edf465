// The barquill command's own messages, in the form of the panels' catalogue (panels/messages.h):
// each a Japanese text and an English text saying the same, printed one under the other, so that
// the two languages always come together. "%s" marks a blank.
#pragma once

#include "panels/messages.h"

namespace cli {

using panels::Message;

// Reading the arguments.
inline constexpr Message kMsgUnknownOption = {"%s は不明なオプションです。", "unknown option %s"};
inline constexpr Message kMsgUnexpectedArgument = {"%s は余分な引数です。",
                                                   "unexpected argument %s"};
inline constexpr Message kMsgGivenTwice = {"%s が2回以上指定されています。",
                                           "%s is given more than once"};
inline constexpr Message kMsgTakesNoValue = {"%s には値を付けません。", "%s takes no value"};
inline constexpr Message kMsgNeedsValue = {"%s には値（%s）が必要です。", "%s needs a value (%s)"};
inline constexpr Message kMsgSeeHelp = {"（barquill %s --help を参照してください）",
                                        "(see barquill %s --help)"};
inline constexpr Message kMsgRequired = {"必ず指定してください。", "is required"};
inline constexpr Message kMsgUnknownCommand = {"「%s」は不明なコマンドです。",
                                               "unknown command \"%s\""};

// Values the panels' fields do not judge.
inline constexpr Message kMsgExpectedType = {
    "omnidirectional、truncated、stacked、stacked-omnidirectional、limited "
    "のいずれかを指定してください。",
    "expected omnidirectional, truncated, stacked, stacked-omnidirectional or limited"};
inline constexpr Message kMsgExpectedTextMode = {
    "ocr-b、frame、none のいずれかを指定してください。", "expected ocr-b, frame or none"};
inline constexpr Message kMsgExpectedFrameOrNone = {"frame か none を指定してください。",
                                                    "expected frame or none"};
inline constexpr Message kMsgContradicts = {"%s と同時には指定できません。", "contradicts %s"};
inline constexpr Message kMsgOnlyWithOcrB = {"--text ocr-b のときだけ指定できます。",
                                             "applies only to --text ocr-b"};
inline constexpr Message kMsgStackedOnly = {
    "stacked と stacked-omnidirectional のときだけ指定できます。",
    "applies only to the stacked and stacked-omnidirectional types"};
inline constexpr Message kMsgExpectedSegments = {"2, 4, 6, ..., 22 のいずれかを指定してください。",
                                                 "expected one of 2, 4, 6, ..., 22"};
inline constexpr Message kMsgExpectedCodeSet = {"A、B、C、auto のいずれかを指定してください。",
                                                "expected A, B, C or auto"};
inline constexpr Message kMsgCompositeTooManyCharacters = {
    "100文字以内で入力してください（パネルの二次元の欄にはそれ以上入りません）。",
    "at most 100 characters (the panel's 2D field holds no more)"};
inline constexpr Message kMsgCodeTooManyCharacters = {
    "70文字以内で入力してください（パネルのコードの欄にはそれ以上入りません）。",
    "at most 70 characters (the panel's code field holds no more)"};
inline constexpr Message kMsgFieldCharacters = {"%s文字以内で入力してください（パネルと同じ）。",
                                                "at most %s characters (as the panel)"};

// The output.
inline constexpr Message kMsgDumpWithOutput = {
    "--dump は標準出力に書き出すので -o は付けないでください。",
    "writes to standard output; leave out -o"};
inline constexpr Message kMsgOutputRequired = {"出力ファイル（または --dump）を指定してください。",
                                               "an output file (or --dump) is required"};
inline constexpr Message kMsgOutputExtension = {
    "ファイル名は .svg、.pdf、.eps、.png のいずれかで終えてください。",
    "the file name must end in .svg, .pdf, .eps or .png"};
inline constexpr Message kMsgExpectedFormat = {"svg、pdf、eps、png のいずれかを指定してください。",
                                               "expected svg, pdf, eps or png"};
inline constexpr Message kMsgFormatOnlyForStandardOutput = {
    "-o - のときだけ指定できます。ファイルの形式は拡張子で決まります。",
    "applies only to -o - (standard output); a file's format is its extension"};
inline constexpr Message kMsgExpectedDpi = {"10～4800 の整数を指定してください。",
                                            "expected a whole number from 10 to 4800"};
inline constexpr Message kMsgPixelWidth = {
    "%s の %s mm は %s ピクセル（%s dpi）です。PNG ファイルは %s ピクセル、%s mm（%s "
    "%）で作ります。",
    "%s %s mm is %s pixels at %s dpi; the PNG file is made with %s pixels, %s mm (%s %)"};
inline constexpr Message kMsgBelowMinimum = {
    "%s の %s mm は最小値 %s mm（GS1 の最小値）より小さい値です。そのまま作図します。",
    "%s %s mm is below its minimum of %s mm (the GS1 minimum); drawn as given"};
inline constexpr Message kMsgBelowMinimumRefused = {
    "%s の %s mm は最小値 %s mm（GS1 の最小値）より小さい値です。--strict のため作図しません。",
    "%s %s mm is below its minimum of %s mm (the GS1 minimum); refused under --strict"};

// Failures.
inline constexpr Message kMsgNotEncodable = {"データを符号化できません。",
                                             "the data cannot be encoded"};
inline constexpr Message kMsgSuitesUnavailable = {"ホストのスイートを取得できませんでした。",
                                                  "the host's suites could not be acquired"};
inline constexpr Message kMsgInternalError = {"内部エラー: %s", "internal error: %s"};
inline constexpr Message kMsgHostFailed = {"ホストがエラー %s を返しました。",
                                           "the host failed (error %s)"};
inline constexpr Message kMsgCannotWrite = {"%s を書き出せませんでした（%s）。",
                                            "%s could not be written (%s)"};
inline constexpr Message kMsgInterrupted = {"中断しました。書きかけのファイルは残していません。",
                                            "interrupted; no partly written file is left"};

// The batch.
inline constexpr Message kMsgBatchInputRequired = {
    "バッチファイル（標準入力なら -）を指定してください。",
    "a batch file (or - for standard input) is required"};
inline constexpr Message kMsgBatchTwoInputs = {"バッチファイルが2つあります: %s と %s",
                                               "more than one batch file: %s and %s"};
inline constexpr Message kMsgExpectedJobs = {"1～256 の整数を指定してください。",
                                             "expected a whole number from 1 to 256"};
inline constexpr Message kMsgSheetWithOutput = {
    "すべてのシンボルを1つのファイルに置くので -o は付けないでください。",
    "puts every symbol in one file; leave out -o"};
inline constexpr Message kMsgSheetExtension = {"ファイル名は .pdf か .svg で終えてください。",
                                               "the file name must end in .pdf or .svg"};
inline constexpr Message kMsgCannotMakeDirectory = {"ディレクトリ %s を作れません（%s）。",
                                                    "cannot make the directory %s (%s)"};
inline constexpr Message kMsgCannotRead = {"%s を読めません。", "cannot read %s"};
inline constexpr Message kMsgBatchRunsBatch = {"バッチの行では batch を実行できません。",
                                               "a batch line cannot run batch"};
inline constexpr Message kMsgBatchOutsideDirectory = {
    "出力ファイル %s "
    "は出力ディレクトリの外を指します。「..」を含まない相対パスで指定してください。",
    "the output %s leaves the output directory: name it by a relative path without .."};
inline constexpr Message kMsgBatchStandardOutput = {
    "バッチのジョブは標準出力に書き出せません。ファイル名を指定してください。",
    "a batch job cannot write to standard output; name a file"};
inline constexpr Message kMsgBatchWritesTwice = {"%s に書き出します。%s 行目と同じファイルです。",
                                                 "writes %s, as line %s does"};
inline constexpr Message kMsgFailedWithStatus = {"終了ステータス %s で失敗しました。",
                                                 "failed with exit status %s"};
inline constexpr Message kMsgBatchNoSymbol = {
    "シンボルが一つも作られなかったので %s は書き出していません。",
    "no symbol was made, so %s was not written"};
inline constexpr Message kMsgBatchSummary = {
    "書き出したファイル: %s、作れなかったジョブ: %s%s、時間: %s 秒",
    "files written: %s, jobs refused or failed: %s%s, time: %s s"};
inline constexpr Message kMsgBatchSummaryLines = {"（%s 行目）", " (lines %s)"};

// Every message above, once.
inline constexpr const Message* kAllCommandMessages[] = {&kMsgUnknownOption,
                                                         &kMsgUnexpectedArgument,
                                                         &kMsgGivenTwice,
                                                         &kMsgTakesNoValue,
                                                         &kMsgNeedsValue,
                                                         &kMsgSeeHelp,
                                                         &kMsgRequired,
                                                         &kMsgUnknownCommand,
                                                         &kMsgExpectedType,
                                                         &kMsgExpectedTextMode,
                                                         &kMsgExpectedFrameOrNone,
                                                         &kMsgContradicts,
                                                         &kMsgOnlyWithOcrB,
                                                         &kMsgStackedOnly,
                                                         &kMsgExpectedSegments,
                                                         &kMsgExpectedCodeSet,
                                                         &kMsgCompositeTooManyCharacters,
                                                         &kMsgCodeTooManyCharacters,
                                                         &kMsgFieldCharacters,
                                                         &kMsgDumpWithOutput,
                                                         &kMsgOutputRequired,
                                                         &kMsgOutputExtension,
                                                         &kMsgExpectedFormat,
                                                         &kMsgFormatOnlyForStandardOutput,
                                                         &kMsgExpectedDpi,
                                                         &kMsgPixelWidth,
                                                         &kMsgBelowMinimum,
                                                         &kMsgBelowMinimumRefused,
                                                         &kMsgNotEncodable,
                                                         &kMsgSuitesUnavailable,
                                                         &kMsgInternalError,
                                                         &kMsgHostFailed,
                                                         &kMsgCannotWrite,
                                                         &kMsgInterrupted,
                                                         &kMsgBatchInputRequired,
                                                         &kMsgBatchTwoInputs,
                                                         &kMsgExpectedJobs,
                                                         &kMsgSheetWithOutput,
                                                         &kMsgSheetExtension,
                                                         &kMsgCannotMakeDirectory,
                                                         &kMsgCannotRead,
                                                         &kMsgBatchRunsBatch,
                                                         &kMsgBatchOutsideDirectory,
                                                         &kMsgBatchStandardOutput,
                                                         &kMsgBatchWritesTwice,
                                                         &kMsgFailedWithStatus,
                                                         &kMsgBatchNoSymbol,
                                                         &kMsgBatchSummary,
                                                         &kMsgBatchSummaryLines};

}  // namespace cli
