// The GS1 DataBar Expanded panel without its windows: the texts its controls hold, the minimums
// beside the length fields, the validation of the create action with its messages and the field
// each failure focuses, the texts written back, and the create action against the host suites.
// The Win32 view and the command line fill the same form, so both validate and create alike.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "databar/gs1_databar_symbol.h"
#include "host/geometry.h"
#include "host/handles.h"
#include "panels/databar_form.h"
#include "panels/element_string.h"
#include "panels/gs1_message.h"

namespace panels {

// The fields a form action may give the focus to (the panel's control ids in comments).
enum class ExpandedField {
  kNone,
  kCode,                    // 3
  kCompositeText,           // 4
  kModuleWidth,             // 11
  kHeight,                  // 10: every linear row
  kSeparatorHeight,         // 19: between the linear part and the 2D component
  kCompositeRowHeight,      // 20
  kStackedSeparatorHeight,  // 21: the separator rows between stacked rows
  kSegments,                // 30: the segments-per-row list
  kBarWidthReduction,       // 31
};

using ExpandedFailure = FormFailure<ExpandedField>;

// What the create action encodes once every field has passed.
struct ExpandedRequest {
  ParsedCode code;
  DataBarLengths lengths;  // secondRowHeight stays 0
};

// The entries of the segments-per-row list.
constexpr int kMinSegmentsPerRow = 2;
constexpr int kMaxSegmentsPerRow = 22;

struct ExpandedForm {
  ExpandedForm() { ApplyDefaults(); }

  std::string code;             // the element string, "(AI)data..."; at most 70 characters
  std::string compositeText;    // at most 100 characters
  DataBarLengthTexts lengths;   // secondRowHeight unused
  DataBarLengthTexts minimums;  // the value statics beside the fields
  int segmentsPerRow = kMaxSegmentsPerRow;  // the list's chosen entry: 2, 4, ..., 22
  bool showText = true;                     // check box 24: the element strings under the symbol
  bool showCompositeText = false;           // check box 28

  // The field the view should focus after the last action, or kNone.
  ExpandedField focus = ExpandedField::kNone;

  // Empties the code and the 2D text; focuses the code.
  void ClearData();
  // The minimums for the module width; nothing changes when it is not a valid length.
  void RefreshMinimums();
  // Copies the minimums into the four height fields.
  void ApplyMinimums();
  // Module width "0.353", the heights at their minimums, 22 segments per row, the element
  // strings shown, the 2D text not.
  void ApplyDefaults();

  // Checks the fields in the panel's order and stops at the first failure: the code's characters,
  // its parse against the AI table, its GS1 data, the 2D field's characters, the GS1 data of the
  // 2D text together with the code's, the lengths, the segments. Accepted lengths are written
  // back normalised.
  std::optional<ExpandedFailure> Validate(ExpandedRequest& accepted);
  // For data that passed Validate: the warnings about AIs that the symbol's AIs are used with and
  // that it lacks.
  std::vector<gs1::UserMessage> Gs1Warnings() const;

  // Encodes the validated request, placed at the given point.
  int32_t Encode(databar::CGS1DataBarSymbol& symbol, const ExpandedRequest& accepted,
                 host::FixedPoint placement) const;
  // What the panel tells the user when Encode refused the data (its EncodeError 1, 2 or 3):
  // which part did not fit, and the limit it exceeds.
  ExpandedFailure EncodeFailure(const ExpandedRequest& accepted, int32_t error) const;
  // Draws the encoded symbol into the group in the panel's order: the element strings, the
  // background, the rows, the 2D text. Returns 0 or the code of the host call that failed, which
  // ends the drawing; throws ATE::Exception with the host's code when a text frame cannot be
  // made.
  host::ErrorCode Draw(databar::CGS1DataBarSymbol& symbol, host::ArtHandle group) const;

  // The create button: validates, then places the symbol at the centre of document view 0 in a
  // new group on top inside the current layer's first art. The group is made only once the
  // symbol is encoded, so a refused symbol leaves nothing behind; a host failure while drawing
  // ends the drawing, leaves what was drawn before it and is reported as kHostFailure. The caller
  // holds the application context.
  DataBarResult CreateSymbol();
};

}  // namespace panels
