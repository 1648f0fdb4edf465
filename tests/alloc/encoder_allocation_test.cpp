// Encoding a symbol allocates nothing on the heap: every encoder works in the caller's record and
// in fixed buffers of its own, and its tables are built by the compiler, not on first use. Each
// case counts from the very first encode, so lazily built tables would be caught as well.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "composite/composite_component.h"
#include "composite/expanded_encoder.h"
#include "core/encode_error.h"
#include "databar/limited_encoder.h"
#include "databar/omnidirectional_encoders.h"
#include "gs1_128/medical128_elements.h"
#include "gs1_128/symbol_characters.h"
#include "tests/alloc/counting_allocator.h"

namespace {

using alloc_test::CountAllocations;

constexpr const char* kItems[] = {"2001234567890", "0614141999996", "1", "1999999999999"};

// No component, a CC-A, a CC-B (of every column count), and data no component holds.
constexpr const char* kComponents[] = {
    nullptr, "1799123110LOT1001", "10ABCDEFGHIJKLMNOPQRST#21SERIAL12345678#240PART42",
    "10ABCDEFGHIJKLMNOPQRSTUVWXYZ#21ABCDEFGHIJKLMNOPQRST#240ABCDEFGHIJKLMNOPQRSTUVWXYZ1234"
    "#241ABCDEFGHIJKLMNOPQRSTUVWXYZ1234#90ABCDEFGHIJKLMNOPQRSTUVWXYZ"};

databar::DataBarSource Source(const char* item, const char* component) {
  databar::DataBarSource source;
  source.linearText = item;
  source.compositeText = component;
  source.hasComposite = component != nullptr ? 1 : 0;
  return source;
}

// Encodes every item with every component and returns the allocations made on the way, also
// when the encoder refuses the input.
template <typename Record>
long AllocationsOf(int32_t (*encoder)(const databar::DataBarSource&, Record&)) {
  auto record = std::make_unique<Record>();
  CountAllocations counting;
  int encoded = 0;
  for (const char* item : kItems) {
    for (const char* component : kComponents)
      encoded += encoder(Source(item, component), *record) == databar::kEncodeOk ? 1 : 0;
  }
  const long allocations = counting.count().total();
  EXPECT_GT(encoded, 0) << "no input was encoded, so nothing was measured";
  return allocations;
}

// Where the allocations below escape to, so that the compiler cannot leave them out.
void* volatile gEscaped = nullptr;

TEST(CountingAllocator, SeesEveryKindOfAllocation) {
  CountAllocations counting;
  auto number = std::make_unique<int>(1);
  gEscaped = number.get();
  std::string text(100, 'x');
  gEscaped = text.data();
  gEscaped = std::malloc(16);
  std::free(gEscaped);
  EXPECT_EQ(counting.count().news, 2);
  EXPECT_EQ(counting.count().mallocs, 1);
}

TEST(EncoderAllocations, LinearEncodersWithAndWithoutComponents) {
  EXPECT_EQ(AllocationsOf(databar::EncodeOmnidirectional), 0);
  EXPECT_EQ(AllocationsOf(databar::EncodeStacked), 0);
  EXPECT_EQ(AllocationsOf(databar::EncodeStackedOmnidirectional), 0);
  EXPECT_EQ(AllocationsOf(databar::EncodeLimited), 0);
}

TEST(EncoderAllocations, CompositeComponentOfEveryColumnCount) {
  databar::CompositeRowBuffer rows{};
  CountAllocations counting;
  int rowsMade = 0;
  for (const int columns : {2, 3, 4, 5}) {
    for (const char* component : kComponents)
      rowsMade += composite::EncodeComposite(columns, component, rows);
  }
  EXPECT_EQ(counting.count().total(), 0);
  EXPECT_GT(rowsMade, 0);
}

TEST(EncoderAllocations, ExpandedAtEverySegmentCount) {
  auto record = std::make_unique<databar::ExpandedSymbol>();
  constexpr const char* kTexts[] = {
      "0198898765432106"
      "3202012345",
      "0100012345678905"
      "10LOT12345#"
      "21SERIAL77",
      "0195012345678903"
      "3103000123"
      "15991231"
      "10A1B2C3",
      "01000123456789051"};  // one digit too many
  CountAllocations counting;
  int encoded = 0;
  for (const int segments : {22, 8, 4, 2}) {
    for (const char* text : kTexts) {
      for (const char* component : {kComponents[0], kComponents[1], kComponents[2]}) {
        databar::DataBarSource source = Source(text, component);
        source.segmentsPerRow = segments;
        encoded += composite::EncodeExpanded(source, *record) == databar::kEncodeOk ? 1 : 0;
      }
    }
  }
  EXPECT_EQ(counting.count().total(), 0);
  EXPECT_GT(encoded, 0);
}

// Keeps nothing: what matters is what producing the characters costs.
class DiscardingSink final : public gs1_128::SymbolCharacterSink {
 public:
  void Put(int16_t, const char*) override { ++count; }
  int count = 0;
};

TEST(EncoderAllocations, Gs1128SymbolCharacters) {
  gs1_128::Medical128Elements elements;
  DiscardingSink sink;
  CountAllocations counting;
  for (const int32_t codeSet : {gs1_128::kLotCodeA, gs1_128::kLotCodeB, gs1_128::kLotCodeC}) {
    if (gs1_128::StoreElements(elements, "0114987654321015", "17251231", "30120", "101234",
                               codeSet)) {
      gs1_128::EncodeSymbol(elements, sink);
    }
  }
  EXPECT_EQ(counting.count().total(), 0);
  EXPECT_GT(sink.count, 0);
}

}  // namespace
