#include "panels/symbol_creation.h"

#include <algorithm>
#include <string_view>

#include "host/ai_error.h"
#include "host/suite_pointers.h"
#include "host/unicode_string.h"
#include "panels/character_rules.h"
#include "textengine/exception.h"

namespace panels {

namespace {

constexpr size_t kCompositeTextCapacity = 100;

// The 2D text's characters that are neither data nor markers ('#' '^' '$' and parentheses).
constexpr std::string_view kMarkersAndSpace = "#^$() ";

}  // namespace

void ShowMessageAlert(const char* message) {
  try {
    const ai::UnicodeString text{std::string_view(message)};
    host::sUser->MessageAlert(text.handle());
  } catch (const ai::Error&) {
    // Nothing more can be told to the user when the host cannot show a message.
  }
}

Placement DocumentViewCentre() {
  Placement placement;
  host::DocumentViewHandle view = nullptr;
  host::RealPoint centre;
  placement.error = host::sDocumentView->GetNthDocumentView(0, &view);
  if (placement.error == host::kNoError)
    placement.error = host::sDocumentView->GetDocumentViewCenter(view, &centre);
  if (placement.error == host::kNoError)
    host::sRealMath->RealPointToFixedPoint(&centre, &placement.point);
  return placement;
}

bool IsValidCompositeText(std::string_view text) {
  return text.size() <= kCompositeTextCapacity && Valid2DText(text);
}

bool CompositeHoldsNoData(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
    return kMarkersAndSpace.find(c) != std::string_view::npos;
  });
}

bool HasCompositeData(std::string_view text) {
  return !text.empty() && !CompositeHoldsNoData(text);
}

DataBarResult HostFailure(host::ErrorCode error) {
  return {DataBarOutcome::kHostFailure, error, {}};
}

DataBarResult Refused(DataBarOutcome outcome, const std::string& message,
                      const std::string& english) {
  ShowMessageAlert(message.c_str());
  return {outcome, host::kNoError, message, english};
}

std::optional<DataBarResult> FindSymbolContainer(const Placement& placement,
                                                 host::ArtHandle& firstArt) {
  host::LayerHandle layer = nullptr;
  if (host::sLayer->GetCurrentLayer(&layer) != host::kNoError)
    return Refused(DataBarOutcome::kNoDocument, kMsgNoDocument.japanese);
  if (placement.error != host::kNoError)
    return HostFailure(placement.error);
  if (const host::ErrorCode error = host::sArt->GetFirstArtOfLayer(layer, &firstArt))
    return HostFailure(error);
  return std::nullopt;
}

DataBarResult DrawInNewGroup(host::ArtHandle firstArt,
                             const std::function<host::ErrorCode(host::ArtHandle group)>& draw) {
  host::ArtHandle group = nullptr;
  if (const host::ErrorCode error =
          host::sArt->NewArt(host::kGroupArt, host::kPlaceInsideOnTop, firstArt, &group)) {
    return HostFailure(error);
  }
  try {
    if (const host::ErrorCode error = draw(group))
      return HostFailure(error);
  } catch (const ATE::Exception& failure) {
    return HostFailure(failure.code());
  }
  return {};
}

}  // namespace panels
