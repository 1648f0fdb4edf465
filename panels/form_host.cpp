#include "panels/form_host.h"

#include <string_view>

#include "host/ai_error.h"
#include "host/suite_pointers.h"
#include "host/unicode_string.h"

namespace panels {

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

}  // namespace panels
