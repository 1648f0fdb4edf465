// The GS1 DataBar panel without its windows: the texts its controls hold, the minimums shown
// beside the length fields, the enabled states, the validation of the create action with its
// messages and the field each failure focuses, the texts written back, and the create action
// against the host suites. The Win32 view and the command line fill the same form, so both
// validate and create identically.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/symbol_records.h"
#include "databar/gs1_databar_symbol.h"
#include "host/error.h"
#include "host/geometry.h"
#include "host/handles.h"
#include "panels/gs1_message.h"
#include "panels/symbol_creation.h"

namespace panels {

// The fields a form action may give the focus to (the panel's control ids in comments).
enum class DataBarField {
  kNone,
  kItemNumber,              // 3
  kCompositeText,           // 4
  kModuleWidth,             // 11
  kHeight,                  // 10
  kSeparatorHeight,         // 19: between the linear part and the 2D component
  kCompositeRowHeight,      // 20
  kStackedSeparatorHeight,  // 21: between the two linear rows
  kSecondRowHeight,         // 22: the lower linear row
  kBarWidthReduction,       // 31
};

// The length fields' texts, or their minimums (the bar width reduction has none).
struct DataBarLengthTexts {
  std::string moduleWidth;
  std::string height;
  std::string separatorHeight;
  std::string compositeRowHeight;
  std::string stackedSeparatorHeight;
  std::string secondRowHeight;
  std::string barWidthReduction;
};

// Copies the minimums into the fields other than the module width and the bar width reduction:
// the heights and separators that the form's minimums button resets.
void CopyMinimums(const DataBarLengthTexts& minimums, DataBarLengthTexts& lengths);

// Validated lengths in millimetres; the two stacked-only lengths are 0 for the other types.
struct DataBarLengths {
  double moduleWidth = 0;
  double height = 0;
  double separatorHeight = 0;
  double compositeRowHeight = 0;
  double stackedSeparatorHeight = 0;
  double secondRowHeight = 0;
  double barWidthReduction = 0;
};

using DataBarFailure = FormFailure<DataBarField>;

// The labels of the type list, indexed by DataBarType.
constexpr const char* kDataBarTypeLabels[] = {"Omnidirectional", "Truncated", "Stacked",
                                              "Stacked Omnidirectional", "Limited"};

// Which option controls are enabled (the length fields also depend on the panel's state).
struct DataBarOptionStates {
  bool stackedFields = false;  // ids 21 and 22
  bool textModes = false;      // the radio buttons 25 and 27
  bool fitText = false;        // check box 26
};

struct DataBarForm {
  DataBarForm() { ApplyDefaults(); }

  int32_t type = databar::kOmnidirectional;  // index of the type list, 0..4
  std::string itemNumber;                    // at most 13 characters
  std::string checkDigit;                    // the check-digit box
  std::string compositeText;                 // at most 100 characters
  DataBarLengthTexts lengths;
  DataBarLengthTexts minimums;     // the value statics beside the fields
  bool showText = false;           // check box 24
  bool textAsOutlines = false;     // radio button 25
  bool fitText = false;            // check box 26
  bool textAsFrame = false;        // radio button 27
  bool showCompositeText = false;  // check box 28

  // The field the view should focus after the last action, or kNone.
  DataBarField focus = DataBarField::kNone;

  bool IsStackedType() const;
  // The message the panel shows when the field is refused.
  const char* MessageFor(DataBarField field) const;

  // After every change of the item number: its check digit when it is valid, else empty.
  void RefreshCheckDigit();
  // Empties the item number, the 2D text and the check digit; focuses the item number.
  void ClearData();
  // The minimums for the type and the module width; nothing changes when the module width is
  // not a valid length.
  void RefreshMinimums();
  // Copies the minimums into the five fields other than the module width.
  void ApplyMinimums();
  // Module width "0.353", the other lengths at their minimums, no bar width reduction, text shown
  // as outlines fitted to the bars, no text frame, no 2D text.
  void ApplyDefaults();
  DataBarOptionStates OptionStates() const;

  // Checks the fields in the panel's order and stops at the first failure: the item number, the
  // 2D field's characters, the GS1 data of the 2D text together with the item number's (01),
  // then the lengths, the bar width reduction last. Accepted lengths are written back normalised.
  std::optional<DataBarFailure> Validate(DataBarLengths& accepted);
  // For data that passed Validate: the warnings about AIs that the 2D text's AIs are used with
  // and that the symbol lacks.
  std::vector<gs1::UserMessage> Gs1Warnings() const;

  // Encodes the form's data with validated lengths, placed at the given point.
  int32_t Encode(databar::CGS1DataBarSymbol& symbol, const DataBarLengths& accepted,
                 host::FixedPoint placement) const;
  // What the panel tells the user when Encode refused the data (its EncodeError 1, 2 or 3):
  // for 2D data too long, the largest capacity of the type's component. The lengths play no part;
  // they are taken as the Expanded form's request is, so that both forms share one create flow.
  DataBarFailure EncodeFailure(const DataBarLengths& accepted, int32_t error) const;
  // Draws the encoded symbol into the group in the panel's order, the text as the options say.
  // Returns 0 or the code of the host call that failed, which ends the drawing; throws
  // ATE::Exception with the host's code when a text frame cannot be made.
  host::ErrorCode Draw(databar::CGS1DataBarSymbol& symbol, host::ArtHandle group) const;

  // The create button: validates, then places the symbol at the centre of document view 0 in a
  // new group on top inside the current layer's first art: the item line as a text frame, the
  // background, the item line as outline glyphs, the rows, the 2D text, as the options ask. The
  // group is made only once the symbol is encoded, so a refused symbol leaves nothing behind; a
  // host failure while drawing ends the drawing, leaves what was drawn before it and is reported
  // as kHostFailure. The caller holds the application context.
  DataBarResult CreateSymbol();

 private:
  // The item number's (01) and the 2D text's element strings; readFault is set when the 2D text
  // is not a sequence of element strings.
  Gs1Message Gs1Data(std::optional<Gs1DataFault>& readFault) const;
  std::optional<Gs1DataFault> CompositeFault() const;
};

}  // namespace panels
