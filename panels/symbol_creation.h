// What the GS1 DataBar and Expanded panels' create actions share: their outcome, the 2D field's
// rules, and the host steps that place an encoded symbol in the document.
#pragma once

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "host/error.h"
#include "host/geometry.h"
#include "host/handles.h"
#include "panels/form_host.h"

namespace panels {

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

// The 2D field's rule: at most 100 characters, as Valid2DText says.
bool IsValidCompositeText(std::string_view text);

// A 2D text that passed its rule but whose only data characters are spaces: its component would
// carry nothing a reader could use.
bool CompositeHoldsNoData(std::string_view text);

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

}  // namespace panels
