// The encoders measured: each DataBar form with and without a 2D component, Expanded at several
// segment counts, GS1-128. Both sides start from the same input form and pay the same setup:
// every iteration takes the next of a thousand distinct inputs as the user types it and makes a
// fresh symbol from it. Ours is a new symbol object whose record comes from the stand-in host's
// blocks (EncodeDataBar copies the texts, filters the 2D text, encodes and lays out; Expanded
// parses its element string first; GS1-128 adds the check digit and stores the element strings);
// zint's is a symbol it creates, encodes from its own GS1 input syntax and deletes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench/benchmark_inputs.h"
#include "bench/encoder_benchmarks.h"
#include "bench/zint_peer.h"
#include "core/encode_error.h"
#include "databar/gs1_databar_symbol.h"
#include "emulator/emulator.h"
#include "gs1_128/medical128_symbol.h"
#include "gs1_128/mod10_check.h"
#include "host/fixed.h"
#include "host/suite_acquisition.h"
#include "panels/element_string.h"

namespace bench {

namespace {

// zint's symbology codes.
constexpr int kZintGs1128 = 16;
constexpr int kZintOmni = 29;
constexpr int kZintLimited = 30;
constexpr int kZintExpanded = 31;
constexpr int kZintStacked = 79;
constexpr int kZintStackedOmni = 80;
constexpr int kZintExpandedStacked = 81;
constexpr int kZintOmniCc = 132;
constexpr int kZintLimitedCc = 133;
constexpr int kZintExpandedCc = 134;
constexpr int kZintStackedCc = 137;
constexpr int kZintStackedOmniCc = 138;
constexpr int kZintExpandedStackedCc = 139;

// The panels' defaults at module width 0.353 mm, and the placement of a new document's symbol.
constexpr double kModuleWidth = 0.353;
constexpr double kRowHeight = 33 * kModuleWidth;
constexpr double kSecondRowHeight = 7 * kModuleWidth;
constexpr host::Fixed kPlaceX = host::FixedFromInt(306);
constexpr host::Fixed kPlaceY = host::FixedFromInt(396);

enum class Component { kNone, kCcA, kCcB };

const char* ComponentName(Component component) {
  return component == Component::kCcA ? "+CC-A" : component == Component::kCcB ? "+CC-B" : "";
}

// Rows of the largest CC-A of 2, 3 and 4 columns.
int LargestCcARows(int columns) {
  return columns == 2 ? 12 : columns == 3 ? 8 : 7;
}

[[noreturn]] void Refuse(const std::string& name, const std::string& why) {
  std::fprintf(stderr, "benchmark case %s: %s\n", name.c_str(), why.c_str());
  std::exit(1);
}

// The stand-in host the encoders allocate their records from, with the plug-in's suites held.
struct Host {
  emulator::Emulator emulator;
  host::ScopedSuites suites{emulator.basic()};
};

// Our side of a case encodes input i of the case's inputs; zint's encodes request i.
using OurEncode = std::function<int32_t(size_t i)>;

void RegisterPair(const std::string& name, OurEncode ours, std::vector<ZintRequest> zint) {
  benchmark::RegisterBenchmark((name + "/barquill").c_str(),
                               [ours, count = zint.size()](benchmark::State& state) {
                                 Host host;
                                 size_t i = 0;
                                 for (auto _ : state) {
                                   benchmark::DoNotOptimize(ours(i));
                                   i = i + 1 == count ? 0 : i + 1;
                                 }
                               });
  benchmark::RegisterBenchmark((name + "/zint").c_str(), [zint](benchmark::State& state) {
    size_t i = 0;
    for (auto _ : state) {
      benchmark::DoNotOptimize(ZintEncode(zint[i]));
      i = i + 1 == zint.size() ? 0 : i + 1;
    }
  });
}

// Draws candidates until the case holds kInputCount that zint makes and `keep` accepts; `keep`
// also fills in our side's input.
template <typename Candidate>
std::vector<ZintRequest> CollectInputs(const std::string& name, Candidate candidate,
                                       const std::function<bool(ZintRequest&)>& keep) {
  std::vector<ZintRequest> zint;
  for (int tries = 0; zint.size() < kInputCount; ++tries) {
    if (tries > 20 * kInputCount)
      Refuse(name, "too few candidates make the symbol");
    ZintRequest request = candidate();
    if (ZintSucceeded(ZintEncode(request)) && keep(request))
      zint.push_back(std::move(request));
  }
  return zint;
}

// ---- DataBar Omnidirectional, Truncated, Stacked, Stacked Omnidirectional, Limited

struct LinearForm {
  const char* name;
  int32_t type;
  int columns;  // of a 2D component over it
  int zint;
  int zintCc;
};

struct DataBarInput {
  std::string item;
  std::string composite;  // as typed, or empty
};

int32_t EncodeDataBar(int32_t type, const DataBarInput& input, int* compositeRows = nullptr) {
  databar::CGS1DataBarSymbol symbol;
  const int32_t result =
      symbol.EncodeDataBar(type, input.item.c_str(), nullptr, input.composite.c_str(), kModuleWidth,
                           kRowHeight, kModuleWidth, 2 * kModuleWidth, kModuleWidth,
                           kSecondRowHeight, 0, 1, 1, 1, 0, 0, kPlaceX, kPlaceY);
  if (compositeRows != nullptr && result == databar::kEncodeOk) {
    switch (databar::LayoutOf(type)) {
      case databar::DataBarLayout::kStacked:
        *compositeRows = symbol.record<databar::StackedSymbol>().ccRowCount;
        break;
      case databar::DataBarLayout::kStackedOmni:
        *compositeRows = symbol.record<databar::StackedOmniSymbol>().ccRowCount;
        break;
      case databar::DataBarLayout::kExpanded:
        *compositeRows = symbol.record<databar::ExpandedSymbol>().ccRowCount;
        break;
      default:
        *compositeRows = symbol.record<databar::LinearSymbol>().ccRowCount;
    }
  }
  return result;
}

// Whether a component of that many rows is of the kind the case measures.
bool IsComponent(Component component, int rows, int columns) {
  switch (component) {
    case Component::kNone:
      return rows == 0;
    case Component::kCcA:
      return rows > 0 && rows <= LargestCcARows(columns);
    case Component::kCcB:
      return rows > LargestCcARows(columns);
  }
  return false;
}

void RegisterLinear(const LinearForm& form, Component component, InputSource& source) {
  const std::string name = std::string("encode/") + form.name + ComponentName(component);
  auto inputs = std::make_shared<std::vector<DataBarInput>>();
  DataBarInput next;
  const auto candidate = [&] {
    next.item = source.ItemNumber(form.type == databar::kLimited);
    ZintRequest request{.symbology = form.zint, .data = next.item};
    if (component == Component::kNone) {
      next.composite.clear();
      return request;
    }
    const ComponentText text = component == Component::kCcA ? source.SmallComponent(form.columns)
                                                            : source.LargeComponent();
    next.composite = text.typed;
    return ZintRequest{.symbology = form.zintCc,
                       .data = text.zint,
                       .primary = next.item,
                       .option1 = component == Component::kCcA ? 1 : 2};
  };
  const auto keep = [&](ZintRequest&) {
    int rows = 0;
    if (EncodeDataBar(form.type, next, &rows) != databar::kEncodeOk ||
        !IsComponent(component, rows, form.columns)) {
      return false;
    }
    inputs->push_back(next);
    return true;
  };
  std::vector<ZintRequest> zint = CollectInputs(name, candidate, keep);
  RegisterPair(
      name, [type = form.type, inputs](size_t i) { return EncodeDataBar(type, (*inputs)[i]); },
      std::move(zint));
}

// ---- Expanded and Expanded Stacked

struct ExpandedInput {
  std::string code;       // the element string as typed
  std::string composite;  // as typed, or empty
};

int32_t EncodeExpanded(int segmentsPerRow, const ExpandedInput& input, int* rows = nullptr,
                       int* compositeRows = nullptr) {
  panels::ParsedCode parsed;
  if (!panels::ParseCodeText(input.code, parsed).ok)
    return databar::kInvalidData;
  databar::CGS1DataBarSymbol symbol;
  const int32_t result = symbol.EncodeDataBar(
      databar::kExpanded, parsed.encoderText, parsed.fieldStrings, input.composite.c_str(),
      kModuleWidth, 34 * kModuleWidth, kModuleWidth, 2 * kModuleWidth, kModuleWidth, 0,
      segmentsPerRow, 1, 1, 0, 0, 0, kPlaceX, kPlaceY);
  if (rows != nullptr && result == databar::kEncodeOk) {
    *rows = symbol.record<databar::ExpandedSymbol>().rowCount;
    *compositeRows = symbol.record<databar::ExpandedSymbol>().ccRowCount;
  }
  return result;
}

void RegisterExpanded(int segmentsPerRow, Component component, InputSource& source) {
  const std::string name =
      "encode/Expanded/" + std::to_string(segmentsPerRow) + "-segments" + ComponentName(component);
  const bool stacked = segmentsPerRow < 22;
  auto inputs = std::make_shared<std::vector<ExpandedInput>>();
  ExpandedInput next;
  const auto candidate = [&] {
    const ComponentText code = source.ElementString(stacked ? 8 : 4);
    next.code = code.typed;
    ZintRequest request{.symbology = stacked ? kZintExpandedStacked : kZintExpanded,
                        .data = code.zint,
                        .option2 = stacked ? segmentsPerRow / 2 : 0};
    next.composite.clear();
    if (component == Component::kNone)
      return request;
    const ComponentText text =
        component == Component::kCcA ? source.SmallComponent(4) : source.LargeComponent();
    next.composite = text.typed;
    request.symbology = stacked ? kZintExpandedStackedCc : kZintExpandedCc;
    request.primary = code.zint;
    request.data = text.zint;
    request.option1 = component == Component::kCcA ? 1 : 2;
    return request;
  };
  const auto keep = [&](ZintRequest&) {
    int rows = 0;
    int compositeRows = 0;
    if (EncodeExpanded(segmentsPerRow, next, &rows, &compositeRows) != databar::kEncodeOk ||
        stacked != (rows > 1) || !IsComponent(component, compositeRows, 4)) {
      return false;
    }
    inputs->push_back(next);
    return true;
  };
  std::vector<ZintRequest> zint = CollectInputs(name, candidate, keep);
  RegisterPair(
      name,
      [segmentsPerRow, inputs](size_t i) { return EncodeExpanded(segmentsPerRow, (*inputs)[i]); },
      std::move(zint));
}

// ---- GS1-128

// Keeps the widths of every symbol character, as the drawing reads them.
class WidthCollector final : public gs1_128::SymbolCharacterSink {
 public:
  void Put(int16_t value, const char* widths) override { checksum_ += value + widths[0]; }
  int checksum() const { return checksum_; }

 private:
  int checksum_ = 0;
};

std::string WithIdentifier(const char* ai, const std::string& data) {
  return data.empty() ? std::string() : ai + data;
}

// The element strings made from the fields as the panel makes them, and the symbol characters.
int EncodeMedical128(const Medical128Fields& fields) {
  gs1_128::CMedical128Symbol symbol;
  const std::string gtin =
      "01" + fields.productCode + gs1_128::Mod10CheckCharacter(fields.productCode);
  if (!symbol.SetElements(gtin, WithIdentifier("17", fields.expiry),
                          WithIdentifier("30", fields.quantity), WithIdentifier("10", fields.lot),
                          fields.lotCodeSet)) {
    return -1;
  }
  WidthCollector collector;
  symbol.EncodeSymbol(collector);
  return collector.checksum();
}

void RegisterGs1128(InputSource& source) {
  const std::string name = "encode/GS1-128";
  auto inputs = std::make_shared<std::vector<Medical128Fields>>();
  Medical128Fields next;
  const auto candidate = [&] {
    next = source.Medical128();
    return ZintRequest{.symbology = kZintGs1128, .data = next.zint};
  };
  const auto keep = [&](ZintRequest&) {
    if (EncodeMedical128(next) < 0)
      return false;
    inputs->push_back(next);
    return true;
  };
  std::vector<ZintRequest> zint = CollectInputs(name, candidate, keep);
  RegisterPair(
      name, [inputs](size_t i) { return EncodeMedical128((*inputs)[i]); }, std::move(zint));
}

}  // namespace

void RegisterEncoderBenchmarks() {
  Host host;  // checking the candidates encodes them
  InputSource source(17);
  const LinearForm forms[] = {
      {"Omnidirectional", databar::kOmnidirectional, 4, kZintOmni, kZintOmniCc},
      // Truncated has the modules of Omnidirectional; only its height differs.
      {"Truncated", databar::kTruncated, 4, kZintOmni, kZintOmniCc},
      {"Stacked", databar::kStacked, 2, kZintStacked, kZintStackedCc},
      {"StackedOmnidirectional", databar::kStackedOmnidirectional, 2, kZintStackedOmni,
       kZintStackedOmniCc},
      {"Limited", databar::kLimited, 3, kZintLimited, kZintLimitedCc},
  };
  for (const LinearForm& form : forms) {
    for (const Component component : {Component::kNone, Component::kCcA, Component::kCcB})
      RegisterLinear(form, component, source);
  }
  for (const int segments : {22, 8, 4, 2})
    RegisterExpanded(segments, Component::kNone, source);
  RegisterExpanded(22, Component::kCcA, source);
  RegisterExpanded(4, Component::kCcB, source);
  RegisterGs1128(source);
}

}  // namespace bench
