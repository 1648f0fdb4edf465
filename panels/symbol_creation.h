// Making a symbol in the document. What every panel's create action asks of the host besides
// drawing: telling the user why an action stopped, and the point at which a new symbol is placed.
// What the GS1 DataBar and Expanded forms share: their outcome, their failures, the 2D field's
// rules, the host steps that place an encoded symbol in the document, and the one create flow
// that both forms' create buttons run.
//
// panels/ holds each panel's form without its windows, which the Win32 views and the command both
// fill: databar_form, expanded_form and medical128_form, and here what their create actions
// share. Beside them: length_field (the length fields' reading and the DataBar forms' bounds),
// character_rules (what each field may hold), element_string and ai_table (the Expanded code and
// the panel's AI table), ai_entry (the rows of the AI entry view), gs1_message (the GS1 data
// checks of a form's data), settings_record (the stored settings' byte layout) and messages.h
// (every alert text in Japanese and English). The Win32 views are in panels/win32/ (panel_shell.h
// says where).
#pragma once

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/encode_error.h"
#include "databar/gs1_databar_symbol.h"
#include "host/error.h"
#include "host/geometry.h"
#include "host/handles.h"
#include "panels/messages.h"

namespace panels {

// Shows the UTF-8 message in a host message alert. A host that cannot show it is not told
// anything further.
void ShowMessageAlert(const char* message);

struct Placement {
  host::FixedPoint point;                  // the centre of document view 0
  host::ErrorCode error = host::kNoError;  // why the point could not be had
};

Placement DocumentViewCentre();

enum class DataBarOutcome {
  kCreated,        // the symbol is in the document
  kFieldRejected,  // a field failed its rule: its message was shown, focus names the field
  kNoDocument,     // no document is open: its message was shown
  kNotEncodable,   // the fields passed but the encoder refused the data: its message was shown
  kHostFailure,    // the host failed while placing the symbol; nothing was shown
};

struct DataBarResult {
  DataBarOutcome outcome = DataBarOutcome::kCreated;
  host::ErrorCode error = host::kNoError;  // the host's code for kHostFailure
  std::string message = {};                // the message shown (UTF-8), or empty
  std::string english = {};                // the same in English, where the message has one
};

// Why a DataBar or Expanded form refused its fields or its data: the message, the field to
// focus, and the message in English where it has one.
template <typename Field>
struct FormFailure {
  std::string message;
  Field focus;
  std::string english = {};
};

// The 2D field's rule: at most 100 characters, as Valid2DText says.
bool IsValidCompositeText(std::string_view text);

// A 2D text that passed its rule but whose only data characters are spaces: its component would
// carry nothing a reader could use.
bool CompositeHoldsNoData(std::string_view text);

// Whether the 2D text holds data to check: a text of spaces and markers only is left to the
// panel's own message.
bool HasCompositeData(std::string_view text);

// The text of a printf format with its blanks filled.
template <typename... Values>
std::string FormatMessage(const char* format, Values... values) {
  const int size = std::snprintf(nullptr, 0, format, values...);
  std::string message(size, '\0');
  std::snprintf(message.data(), message.size() + 1, format, values...);
  return message;
}

DataBarResult HostFailure(host::ErrorCode error);

// Shows the message and returns the outcome with it (and its English, which is not shown).
DataBarResult Refused(DataBarOutcome outcome, const std::string& message,
                      const std::string& english = {});

// Finds where a new symbol goes: the current layer's first art. Without a current layer the
// no-document message is shown; a view without a centre or a layer without art is a host
// failure. Returns the outcome that ends the action, or nothing.
std::optional<DataBarResult> FindSymbolContainer(const Placement& placement,
                                                 host::ArtHandle& firstArt);

// Makes a new group on top inside firstArt and draws into it. A host failure, returned by draw
// or thrown as ATE::Exception, ends the drawing and becomes kHostFailure; what was drawn stays.
DataBarResult DrawInNewGroup(host::ArtHandle firstArt,
                             const std::function<host::ErrorCode(host::ArtHandle group)>& draw);

// What the panel tells the user after the form's Encode returned the result: its refusal (the
// form's EncodeFailure for the encoder's EncodeError 1, 2 or 3), or a 2D text that holds no data;
// nothing for a symbol to draw or a host failure.
template <typename Form, typename Request>
auto EncodedFailure(const Form& form, const Request& accepted, int32_t result)
    -> std::optional<decltype(form.EncodeFailure(accepted, result))> {
  using Failure = decltype(form.EncodeFailure(accepted, result));
  if (databar::IsEncodeErrorCode(result))
    return form.EncodeFailure(accepted, result);
  if (result == 0 && CompositeHoldsNoData(form.compositeText))
    return Failure{kMsgCompositeNoData.japanese, decltype(form.focus)::kCompositeText};
  return std::nullopt;
}

// The create button of the GS1 DataBar and Expanded forms: validates, then places the symbol at
// the centre of document view 0 in a new group on top inside the current layer's first art, as
// the form's Draw draws it. The group is made only once the symbol is encoded, so a refused
// symbol leaves nothing behind; a host failure while drawing ends the drawing, leaves what was
// drawn before it and is reported as kHostFailure. The form's focus names the field a refusal
// concerns. The caller holds the application context.
template <typename Request, typename Form>
DataBarResult CreateEncodedSymbol(Form& form) {
  form.focus = decltype(form.focus)::kNone;
  const Placement placement = DocumentViewCentre();

  Request accepted;
  if (const auto failure = form.Validate(accepted)) {
    form.focus = failure->focus;
    return Refused(DataBarOutcome::kFieldRejected, failure->message, failure->english);
  }
  host::ArtHandle firstArt = nullptr;
  if (const std::optional<DataBarResult> ended = FindSymbolContainer(placement, firstArt))
    return *ended;

  databar::CGS1DataBarSymbol symbol;
  const int32_t result = form.Encode(symbol, accepted, placement.point);
  if (const auto failure = EncodedFailure(form, accepted, result)) {
    form.focus = failure->focus;
    return Refused(DataBarOutcome::kNotEncodable, failure->message);
  }
  if (result != 0)
    return HostFailure(result);
  return DrawInNewGroup(firstArt, [&](host::ArtHandle group) { return form.Draw(symbol, group); });
}

}  // namespace panels
