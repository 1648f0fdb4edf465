// The encoders measured: each DataBar form with and without a 2D component, Expanded at several
// segment counts, GS1-128. Every iteration encodes the next of a few inputs, ours into a record
// kept between iterations (the plug-in's records come from the host's blocks), zint's into a
// symbol it creates and deletes.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "bench/encoder_benchmarks.h"
#include "bench/zint_peer.h"
#include "composite/expanded_encoder.h"
#include "databar/encode_error.h"
#include "databar/limited_encoder.h"
#include "databar/omnidirectional_encoders.h"
#include "gs1_128/medical128_elements.h"
#include "gs1_128/symbol_characters.h"

namespace bench {

namespace {

constexpr int kInputs = 4;

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

// A 2D component in our encoder's form ('#' FNC1) and in zint's ("[AI]data").
struct Component {
  const char* name;  // "CC-A" or "CC-B"
  int zintOption;    // zint's component type: 1 CC-A, 2 CC-B
  const char* encoderText;
  const char* zintText;
};

constexpr Component kCcA = {"CC-A", 1, "1799123110LOT1001", "[17]991231[10]LOT1001"};
constexpr Component kCcB = {"CC-B", 2, "10ABCDEFGHIJKLMNOPQRST#21SERIAL12345678#240PART42",
                            "[10]ABCDEFGHIJKLMNOPQRST[21]SERIAL12345678[240]PART42"};

// Rows of the largest CC-A of 2, 3 and 4 columns.
int LargestCcARows(int columns) {
  return columns == 2 ? 12 : columns == 3 ? 8 : 7;
}

[[noreturn]] void Refuse(const std::string& name, const std::string& why) {
  std::fprintf(stderr, "benchmark case %s: %s\n", name.c_str(), why.c_str());
  std::exit(1);
}

// Our side of a case and zint's, each encoding input i of kInputs.
template <typename Ours>
void RegisterPair(const std::string& name, Ours ours, std::array<ZintRequest, kInputs> zint) {
  for (const ZintRequest& request : zint) {
    if (!ZintSucceeded(ZintEncode(request)))
      Refuse(name, std::string("zint refuses ") + request.data);
  }
  benchmark::RegisterBenchmark((name + "/barquill").c_str(), [ours](benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
      benchmark::DoNotOptimize(ours(i));
      i = (i + 1) % kInputs;
    }
  });
  benchmark::RegisterBenchmark((name + "/zint").c_str(), [zint](benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
      benchmark::DoNotOptimize(ZintEncode(zint[i]));
      i = (i + 1) % kInputs;
    }
  });
}

// ---- DataBar Omnidirectional, Truncated, Stacked, Stacked Omnidirectional, Limited

template <typename Record>
using LinearEncoder = int32_t (*)(const databar::DataBarSource&, Record&);

struct LinearForm {
  const char* name;
  int columns;  // of a 2D component over it
  int zint;
  int zintCc;
  std::array<const char*, kInputs> items;
};

constexpr std::array<const char*, kInputs> kItems = {"2001234567890", "0614141999996",
                                                     "1234567890123", "9876543210987"};
constexpr std::array<const char*, kInputs> kLimitedItems = {"0614141999996", "1234567890123",
                                                            "0000000012345", "1999999999999"};

template <typename Record>
void RegisterLinear(const LinearForm& form, LinearEncoder<Record> encoder,
                    const Component* component) {
  std::string name = std::string("encode/") + form.name;
  if (component != nullptr)
    name += std::string("+") + component->name;

  // The record lives as long as the benchmark; the plug-in's records are as large.
  auto record = std::make_shared<Record>();
  std::array<databar::DataBarSource, kInputs> sources{};
  std::array<ZintRequest, kInputs> zint{};
  for (int i = 0; i < kInputs; ++i) {
    sources[i].linearText = form.items[i];
    zint[i].symbology = component != nullptr ? form.zintCc : form.zint;
    zint[i].data = form.items[i];
    if (component != nullptr) {
      sources[i].compositeText = component->encoderText;
      sources[i].hasComposite = 1;
      zint[i].primary = form.items[i];
      zint[i].data = component->zintText;
      zint[i].option1 = component->zintOption;
    }
    if (encoder(sources[i], *record) != databar::kEncodeOk)
      Refuse(name, std::string("our encoder refuses ") + form.items[i]);
    if (component != nullptr) {
      const bool ccB = record->ccRowCount > LargestCcARows(form.columns);
      if (ccB != (component->zintOption == 2))
        Refuse(name, "the 2D data makes a component of the other kind");
    }
  }
  RegisterPair(
      name, [encoder, record, sources](int i) { return encoder(sources[i], *record); }, zint);
}

template <typename Record>
void RegisterLinearFamily(const LinearForm& form, LinearEncoder<Record> encoder) {
  RegisterLinear(form, encoder, nullptr);
  RegisterLinear(form, encoder, &kCcA);
  RegisterLinear(form, encoder, &kCcB);
}

// ---- Expanded and Expanded Stacked

constexpr std::array<const char*, kInputs> kExpandedTexts = {
    "0198898765432106"
    "3102001234"
    "3202012345"
    "10LOT42",
    "0100012345678905"
    "10LOT12345#"
    "21SERIAL77",
    "0195012345678903"
    "3103000123"
    "15991231"
    "10A1B2C3",
    "0100614141999996"
    "17250101"
    "10ABC123#"
    "21XYZ9"};
constexpr std::array<const char*, kInputs> kExpandedZintTexts = {
    "[01]98898765432106[3102]001234[3202]012345[10]LOT42",
    "[01]00012345678905[10]LOT12345[21]SERIAL77",
    "[01]95012345678903[3103]000123[15]991231[10]A1B2C3",
    "[01]00614141999996[17]250101[10]ABC123[21]XYZ9"};

void RegisterExpanded(int segmentsPerRow, const Component* component) {
  std::string name = "encode/Expanded/" + std::to_string(segmentsPerRow) + "-segments";
  if (component != nullptr)
    name += std::string("+") + component->name;
  const bool stacked = segmentsPerRow < 22;
  auto record = std::make_shared<databar::ExpandedSymbol>();
  std::array<databar::DataBarSource, kInputs> sources{};
  std::array<ZintRequest, kInputs> zint{};
  for (int i = 0; i < kInputs; ++i) {
    sources[i].linearText = kExpandedTexts[i];
    sources[i].segmentsPerRow = segmentsPerRow;
    zint[i].data = kExpandedZintTexts[i];
    zint[i].option2 = stacked ? segmentsPerRow / 2 : 0;
    zint[i].symbology = stacked ? kZintExpandedStacked : kZintExpanded;
    if (component != nullptr) {
      sources[i].compositeText = component->encoderText;
      sources[i].hasComposite = 1;
      zint[i].symbology = stacked ? kZintExpandedStackedCc : kZintExpandedCc;
      zint[i].primary = kExpandedZintTexts[i];
      zint[i].data = component->zintText;
      zint[i].option1 = component->zintOption;
    }
    if (composite::EncodeExpanded(sources[i], *record) != databar::kEncodeOk)
      Refuse(name, std::string("our encoder refuses ") + kExpandedTexts[i]);
    if (stacked != (record->rowCount > 1))
      Refuse(name, "the data makes a different number of rows");
  }
  RegisterPair(
      name, [record, sources](int i) { return composite::EncodeExpanded(sources[i], *record); },
      zint);
}

// ---- GS1-128

struct Medical128Input {
  const char* gtin;
  const char* expiry;
  const char* quantity;
  const char* lot;
  int32_t lotCodeSet;
  const char* zintText;
};

constexpr std::array<Medical128Input, kInputs> kMedical128Inputs = {{
    {"0114987654321015", "17251231", "30120", "10ABC123", gs1_128::kLotCodeA,
     "[01]14987654321015[17]251231[30]120[10]ABC123"},
    {"0104912345678904", "17260630", "", "10lot-7x", gs1_128::kLotCodeB,
     "[01]04912345678904[17]260630[10]lot-7x"},
    {"0114987654321015", "", "3012345678", "101234567890", gs1_128::kLotCodeC,
     "[01]14987654321015[30]12345678[10]1234567890"},
    {"0104912345678904", "17300101", "305", "", gs1_128::kLotCodeA,
     "[01]04912345678904[17]300101[30]5"},
}};

// Keeps the widths of every symbol character, as the drawing reads them.
class WidthCollector final : public gs1_128::SymbolCharacterSink {
 public:
  void Put(int16_t value, const char* widths) override {
    values_[count_ % kCapacity] = value;
    widths_[count_ % kCapacity] = widths;
    ++count_;
  }
  int count() const { return count_; }
  void Clear() { count_ = 0; }

 private:
  static constexpr int kCapacity = 64;
  std::array<int16_t, kCapacity> values_{};
  std::array<const char*, kCapacity> widths_{};
  int count_ = 0;
};

void RegisterGs1128() {
  const std::string name = "encode/GS1-128";
  auto collector = std::make_shared<WidthCollector>();
  auto elements = std::make_shared<gs1_128::Medical128Elements>();
  std::array<ZintRequest, kInputs> zint{};
  for (int i = 0; i < kInputs; ++i) {
    const Medical128Input& input = kMedical128Inputs[i];
    if (!gs1_128::StoreElements(*elements, input.gtin, input.expiry, input.quantity, input.lot,
                                input.lotCodeSet)) {
      Refuse(name, std::string("our encoder refuses ") + input.zintText);
    }
    zint[i].symbology = kZintGs1128;
    zint[i].data = input.zintText;
  }
  // The element strings are stored and the symbol characters produced, as the panel's create
  // action does for each symbol.
  RegisterPair(
      name,
      [collector, elements](int i) {
        const Medical128Input& input = kMedical128Inputs[i];
        gs1_128::StoreElements(*elements, input.gtin, input.expiry, input.quantity, input.lot,
                               input.lotCodeSet);
        collector->Clear();
        gs1_128::EncodeSymbol(*elements, *collector);
        return collector->count();
      },
      zint);
}

}  // namespace

void RegisterEncoderBenchmarks() {
  RegisterLinearFamily<databar::LinearSymbol>(
      {"Omnidirectional", 4, kZintOmni, kZintOmniCc, kItems}, databar::EncodeOmnidirectional);
  // Truncated has the modules of Omnidirectional; only its height differs.
  RegisterLinearFamily<databar::LinearSymbol>({"Truncated", 4, kZintOmni, kZintOmniCc, kItems},
                                              databar::EncodeOmnidirectional);
  RegisterLinearFamily<databar::StackedSymbol>({"Stacked", 2, kZintStacked, kZintStackedCc, kItems},
                                               databar::EncodeStacked);
  RegisterLinearFamily<databar::StackedOmniSymbol>(
      {"StackedOmnidirectional", 2, kZintStackedOmni, kZintStackedOmniCc, kItems},
      databar::EncodeStackedOmnidirectional);
  RegisterLinearFamily<databar::LinearSymbol>(
      {"Limited", 3, kZintLimited, kZintLimitedCc, kLimitedItems}, databar::EncodeLimited);
  for (const int segments : {22, 8, 4, 2})
    RegisterExpanded(segments, nullptr);
  RegisterExpanded(22, &kCcA);
  RegisterExpanded(4, &kCcB);
  RegisterGs1128();
}

}  // namespace bench
