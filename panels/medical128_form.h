// The GS1-128 panel without its windows: the texts its controls hold, the check-digit box, the
// validation of the create action with its messages and the control each failure focuses, the
// texts written back, and the create action against the host suites. The Win32 view and the
// command line fill the same form, so both validate and create identically.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "gs1_128/medical128_elements.h"
#include "gs1_128/medical128_symbol.h"
#include "host/error.h"
#include "panels/gs1_message.h"

namespace panels {

// The controls a form action may give the focus to.
enum class Medical128Control {
  kNone,
  kProductCode,
  kExpiry,
  kQuantity,
  kLot,
  kHeight,
  kNarrowWidth,
  kBarWidthReduction,
};

// The entries of the narrow-width list, in millimetres.
inline constexpr const char* kNarrowWidthEntries[] = {"0.169", "0.191", "0.220",
                                                      "0.250", "0.252", "0.254"};
inline constexpr int kNarrowWidthEntryCount = 6;

enum class Medical128Outcome {
  kCreated,        // the symbol is in the document
  kFieldRejected,  // a field failed its rule: its message was shown, focus names the field
  kNoDocument,     // no document is open: its message was shown
  kHostFailure,    // the host failed while placing or drawing the symbol; nothing was shown
  kNotEncodable,   // the fields passed but the encoder refused them (a code set outside the list)
};

struct Medical128Result {
  Medical128Outcome outcome = Medical128Outcome::kCreated;
  host::ErrorCode error = host::kNoError;  // the host's code for kHostFailure
  std::string message = {};                // the message shown (UTF-8), or empty
  std::string english = {};                // the same in English, where the message has one
};

// A field that failed its rule: the message to show and the control to focus.
struct Medical128Failure {
  std::string message;
  Medical128Control focus;
  std::string english = {};  // the message in English, where it has one
};

// What the fields say once they passed every rule.
struct Medical128Request {
  std::string gtin;      // the 13 entered digits and their check digit
  std::string expiry;    // YYMMDD or empty
  std::string quantity;  // normalised: no leading zeros; or empty
  std::string lot;       // or empty
  int lotCodeSet = gs1_128::kLotCodeA;
  double barHeight = 0;          // millimetres
  double narrowWidth = 0;        // millimetres
  double barWidthReduction = 0;  // millimetres

  // Gives the symbol its element strings and dimensions; false when the encoder refuses them.
  bool SetUp(gs1_128::CMedical128Symbol& symbol) const;
  // "(01)..." followed by the (17), (30) and (10) parts that are present.
  std::string HumanReadableText() const;
};

struct Medical128Form {
  Medical128Form() { ResetDimensions(); }

  // Texts as the controls hold them.
  std::string productCode;              // at most 13 characters
  std::string expiry;                   // at most 6
  std::string quantity;                 // at most 8
  std::string lot;                      // at most 20
  int lotCodeSet = gs1_128::kLotCodeA;  // selected entry of the code-set list
  std::string height;                   // at most 5 characters are read
  int narrowWidthEntry = 2;             // selected entry of the narrow-width list, or -1
  std::string narrowWidthText;          // the list's edit part, read when no entry is selected
  std::string barWidthReduction;        // at most 5 characters are read
  std::string checkDigit;               // the check-digit box

  // The control the view should focus after the last action, or kNone.
  Medical128Control focus = Medical128Control::kNone;

  // After every change of the product code: its check digit when it is 13 digits, else empty.
  void RefreshCheckDigit();
  // Empties the four data fields and the check-digit box and focuses the product code; the code
  // set, the height and the narrow width stay.
  void ClearData();
  // Height "17.000", narrow width entry 2 ("0.220"), bar width reduction "0.000".
  void ResetDimensions();

  // Number fields: read like a stream reads a double (leading blanks skipped, reading stops at
  // the first character that cannot continue the number), rounded to three decimals, range
  // checked, and on success written back as "%.3f". At most 5 characters are read. The value is
  // stored in millimetres.
  bool ValidateHeight(double& millimetres);
  bool ValidateNarrowWidth(double& millimetres);
  // At least 0 and below the narrow width, read and written back like the number fields.
  bool ValidateBarWidthReduction(double narrowWidth, double& millimetres);

  // Checks the fields in order (product code, expiry, quantity, lot, capacity, the GS1 data of
  // the four element strings, height, narrow width, bar width reduction) and stops at the first
  // failure. The number fields that passed are written back.
  std::optional<Medical128Failure> Validate(Medical128Request& request);

  // Validates as above, showing the failure's message and focusing its control, then places the
  // symbol at the centre of document view 0 inside a new group on top of the current layer's first
  // art. Host errors while drawing end the drawing and are reported as kHostFailure: the art drawn
  // before stays, nothing is shown. The caller holds the application context.
  Medical128Result CreateMedical128();

 private:
  // The first fault of the GS1 data of fields that passed their own rules: the (01) with its
  // check digit, and the (17), (30) and (10) that were entered.
  std::optional<Gs1DataFault> Gs1Fault(const std::string& normalisedQuantity) const;
};

}  // namespace panels
