// The GS1-128 panel's form with any field texts, code set and narrow-width entry, created in the
// stand-in host. A refused form shows one message and draws nothing; a created symbol is read
// back from its rectangles: start C, FNC1, the element strings of the fields, a correct check
// character and the stop character, with the human-readable text under it.
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "emulator/document.h"
#include "fuzz/check.h"
#include "fuzz/host_run.h"
#include "fuzz/input_fields.h"
#include "gs1_128/mm_to_points.h"
#include "gs1_128/mod10_check.h"
#include "gs1_128/symbol_values.h"
#include "host/suite_pointers.h"
#include "host/utf.h"
#include "panels/length_field.h"
#include "panels/medical128_form.h"
#include "tests/hardening/art_checks.h"

namespace {

using emulator::Art;
using emulator::ArtKind;
using panels::Medical128Outcome;

constexpr int16_t kStartC = gs1_128::kStartCValue;
constexpr int16_t kStop = gs1_128::kStopValue;

panels::Medical128Form ReadForm(fuzz::InputFields& in) {
  panels::Medical128Form form;
  form.productCode = in.Text();
  form.expiry = in.Text();
  form.quantity = in.Text();
  form.lot = in.Text();
  form.lotCodeSet = in.Int(gs1_128::kLotCodeA);
  form.height = in.Text();
  form.narrowWidthEntry = in.Int(2);
  form.narrowWidthText = in.Text();
  return form;
}

// The values a GS1-128 symbol for medical products may hold.
std::vector<int16_t> SymbolValues() {
  std::vector<int16_t> values;
  for (int16_t v = 0; v <= gs1_128::kFnc1Value; ++v)
    values.push_back(v);
  values.push_back(kStartC);
  values.push_back(kStop);
  return values;
}

// The symbol values of the rectangles between the quiet zones, from their widths in modules. The
// group holds the left quiet zone, the bars and spaces, the right quiet zone and the text.
std::vector<int16_t> ReadValues(const Art& group, double modulePoints) {
  std::string widths;
  FUZZ_CHECK(group.children.size() >= 3);
  for (size_t i = 1; i + 2 < group.children.size(); ++i) {
    const Art& art = *group.children[i];
    FUZZ_CHECK(art.kind == ArtKind::kPath);
    const auto& segments = art.path.segments;
    const double modules = (segments[1].p.h - segments[0].p.h) / modulePoints;
    FUZZ_CHECK(std::abs(modules - std::round(modules)) < 0.01);
    // Bars and spaces alternate from a bar.
    FUZZ_CHECK(art.path.style.fill.colour.components[0] == (widths.size() % 2 == 0 ? 1.0f : 0.0f));
    widths += static_cast<char>('0' + std::lround(modules));
  }
  std::vector<int16_t> values;
  for (size_t at = 0; at < widths.size();) {
    std::optional<int16_t> found;
    for (const int16_t v : SymbolValues()) {
      const std::string_view pattern = gs1_128::PatternOf(v);
      // The stop character, of 7 elements, is the last.
      if (widths.compare(at, pattern.size(), pattern) == 0 &&
          (v == kStop) == (at + pattern.size() == widths.size())) {
        found = v;
        at += pattern.size();
        break;
      }
    }
    FUZZ_CHECK(found.has_value());
    values.push_back(*found);
  }
  return values;
}

// The data of the values between the leading FNC1 and the check character; FNC1 reads as '#'.
std::string DecodeData(const std::vector<int16_t>& values) {
  enum { kA, kB, kC } set = kC;
  std::string data;
  for (size_t i = 2; i + 2 < values.size(); ++i) {
    const int16_t v = values[i];
    if (v == gs1_128::kFnc1Value) {
      data += '#';
    } else if (v == gs1_128::kCodeCValue && set != kC) {
      set = kC;
    } else if (v == gs1_128::kCodeBValue && set != kB) {
      set = kB;
    } else if (v == gs1_128::kCodeAValue && set != kA) {
      set = kA;
    } else if (set == kC) {
      FUZZ_CHECK(v < 100);
      data += static_cast<char>('0' + v / 10);
      data += static_cast<char>('0' + v % 10);
    } else {
      FUZZ_CHECK(v < (set == kA ? 64 : 95));
      data += static_cast<char>(v + 32);
    }
  }
  return data;
}

void CheckSymbol(const panels::Medical128Form& form, const Art& group) {
  const double modulePoints =
      gs1_128::MmToPoints(*panels::ReadDecimal(form.narrowWidthText)) / 65536.0;
  const std::vector<int16_t> values = ReadValues(group, modulePoints);
  FUZZ_CHECK(values.size() >= 5);
  FUZZ_CHECK(values.front() == kStartC && values[1] == gs1_128::kFnc1Value);
  FUZZ_CHECK(values.back() == kStop);
  int sum = kStartC;
  for (size_t i = 1; i + 2 < values.size(); ++i)
    sum += values[i] * static_cast<int>(i);
  FUZZ_CHECK(values[values.size() - 2] == sum % 103);

  const std::string gtin = form.productCode + gs1_128::Mod10CheckCharacter(form.productCode);
  const size_t firstDigit = form.quantity.find_first_not_of('0');
  const std::string quantity =
      firstDigit == std::string::npos ? "" : form.quantity.substr(firstDigit);
  std::string expected = "01" + gtin;
  std::string text = "(01)" + gtin;
  if (!form.expiry.empty()) {
    expected += "17" + form.expiry;
    text += "(17)" + form.expiry;
  }
  if (!quantity.empty()) {
    expected += "30" + quantity + (form.lot.empty() ? "" : "#");
    text += "(30)" + quantity;
  }
  if (!form.lot.empty()) {
    expected += "10" + form.lot;
    text += "(10)" + form.lot;
  }
  FUZZ_CHECK(DecodeData(values) == expected);
  const Art& frame = *group.children.back();
  FUZZ_CHECK(frame.kind == ArtKind::kTextFrame && host::Utf16ToUtf8(frame.text.text) == text);
}

bool IsNormalised(const std::string& field) {
  const std::optional<double> value = panels::ReadDecimal(field);
  return value && panels::FormatLength(*value) == field;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::InputFields in(data, size);
  panels::Medical128Form form = ReadForm(in);
  fuzz::HostRun host;
  host::AppContextHandle context = nullptr;
  FUZZ_CHECK(host::sContext->PushAppContext(nullptr, &context) == host::kNoError);
  const panels::Medical128Result result = form.CreateMedical128();
  host::sContext->PopAppContext(context);

  const Art& layerGroup = host.document().group();
  const auto& alerts = host.emulator().alerts();
  switch (result.outcome) {
    case Medical128Outcome::kCreated:
      FUZZ_CHECK(alerts.empty() && form.focus == panels::Medical128Control::kNone);
      FUZZ_CHECK(IsNormalised(form.height) && IsNormalised(form.narrowWidthText));
      FUZZ_CHECK(layerGroup.children.size() == 1);
      FUZZ_CHECK(hardening::FindBrokenArt(host.document()).empty());
      CheckSymbol(form, *layerGroup.children[0]);
      break;
    case Medical128Outcome::kFieldRejected:
      FUZZ_CHECK(alerts.size() == 1 && alerts[0] == result.message);
      FUZZ_CHECK(form.focus != panels::Medical128Control::kNone);
      FUZZ_CHECK(layerGroup.children.empty());
      break;
    case Medical128Outcome::kNotEncodable:
      FUZZ_CHECK(form.lotCodeSet < gs1_128::kLotCodeA || form.lotCodeSet > gs1_128::kLotCodeAuto);
      FUZZ_CHECK(layerGroup.children.empty());
      break;
    case Medical128Outcome::kNoDocument:
    case Medical128Outcome::kHostFailure:
      FUZZ_CHECK(!"a host failure without any injected");
  }
  return 0;
}
