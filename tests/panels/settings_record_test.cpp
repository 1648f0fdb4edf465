#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "panels/settings_record.h"

namespace panels {
namespace {

DataBarSettings SampleDataBar() {
  return {
      {"0.353", "11.649", "0.353", "0.706", "0.353", "200.000"}, true, false, true, true, false};
}

ExpandedSettings SampleExpanded() {
  return {{"0.353", "12.002", "0.353", "0.706", "0.353"}, 1, true, true};
}

void PutInt32(std::vector<uint8_t>& record, size_t offset, int32_t value) {
  std::memcpy(record.data() + offset, &value, 4);  // little-endian on every target
}

TEST(SettingsRecord, LayoutIsFixedAndUnusedBytesAreZero) {
  SettingsRecord expected{};
  const char* texts[] = {"0.353", "11.649", "0.353", "0.706", "0.353", "200.000"};
  for (size_t slot = 0; slot < 6; ++slot) {
    std::memcpy(expected.data() + 8 * slot, texts[slot], std::strlen(texts[slot]));
  }
  expected[52] = expected[60] = expected[64] = 1;  // show text, fit text, text frames
  EXPECT_EQ(EncodeDataBarSettings(SampleDataBar()), expected);

  expected.fill(0);
  for (size_t slot = 0; slot < 5; ++slot) {
    std::memcpy(expected.data() + 8 * slot, texts[slot], std::strlen(texts[slot]));
  }
  std::memcpy(expected.data() + 8, "12.002", 6);
  expected[48] = 1;                 // segments entry "4"
  expected[52] = expected[68] = 1;  // element strings, 2D text
  EXPECT_EQ(EncodeExpandedSettings(SampleExpanded()), expected);
}

TEST(SettingsRecord, RoundTripsEveryOption) {
  for (int bits = 0; bits < 16; ++bits) {
    DataBarSettings settings = SampleDataBar();
    settings.showText = bits & 1;
    settings.fitText = bits & 2;
    settings.showCompositeText = bits & 4;
    settings.textAsOutlines = bits & 8;
    settings.textAsFrame = !settings.textAsOutlines;
    settings.lengths[bits % 6] = "";
    const auto decoded = DecodeDataBarSettings(EncodeDataBarSettings(settings));
    ASSERT_TRUE(decoded.has_value()) << bits;
    EXPECT_EQ(EncodeDataBarSettings(*decoded), EncodeDataBarSettings(settings));
    EXPECT_EQ(decoded->lengths, settings.lengths);
  }
  for (int32_t entry = 0; entry < kSegmentsEntryCount; ++entry) {
    const ExpandedSettings settings{SampleExpanded().lengths, entry, (entry & 1) != 0, entry > 5};
    const auto decoded = DecodeExpandedSettings(EncodeExpandedSettings(settings));
    ASSERT_TRUE(decoded.has_value()) << entry;
    EXPECT_EQ(EncodeExpandedSettings(*decoded), EncodeExpandedSettings(settings));
  }
}

TEST(SettingsRecord, TextsKeepAtMostSevenBytesOfWholeCharacters) {
  ExpandedSettings settings = SampleExpanded();
  settings.lengths[0] = "123456789";
  settings.lengths[1] = "12345\xEF\xBC\x90";  // a 3-byte character ending at byte 8
  settings.lengths[2] = "1234\xEF\xBC\x90";   // ending at byte 7
  const auto decoded = DecodeExpandedSettings(EncodeExpandedSettings(settings));
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(decoded->lengths[0], "1234567");
  EXPECT_EQ(decoded->lengths[1], "12345");
  EXPECT_EQ(decoded->lengths[2], "1234\xEF\xBC\x90");
}

TEST(SettingsRecord, ForeignRecordsReadAsDefaultsAndUnusedBytesAreIgnored) {
  const SettingsRecord dataBar = EncodeDataBarSettings(SampleDataBar());
  const SettingsRecord expanded = EncodeExpandedSettings(SampleExpanded());
  using Change = std::function<void(std::vector<uint8_t>&)>;
  auto readsDataBar = [&](const Change& change) {
    std::vector<uint8_t> record(dataBar.begin(), dataBar.end());
    change(record);
    return DecodeDataBarSettings(record).has_value();
  };
  auto readsExpanded = [&](const Change& change) {
    std::vector<uint8_t> record(expanded.begin(), expanded.end());
    change(record);
    return DecodeExpandedSettings(record).has_value();
  };
  EXPECT_TRUE(readsDataBar([](auto& r) { std::memset(r.data() + 48, 0xA5, 4); }));
  EXPECT_TRUE(readsDataBar([](auto& r) { r[7] = 'x'; }));  // after the NUL of "0.353"
  EXPECT_TRUE(readsExpanded([](auto& r) {
    std::memset(r.data() + 40, 0xA5, 8);
    std::memset(r.data() + 56, 0x5A, 12);
  }));
  // Short, long and empty records.
  EXPECT_FALSE(readsDataBar([](auto& r) { r.pop_back(); }));
  EXPECT_FALSE(readsDataBar([](auto& r) { r.push_back(0); }));
  EXPECT_FALSE(readsExpanded([](auto& r) { r.clear(); }));
  // A text without its NUL within its 8 bytes.
  EXPECT_FALSE(readsDataBar([](auto& r) { std::memset(r.data() + 40, '9', 8); }));
  EXPECT_FALSE(readsExpanded([](auto& r) { std::memset(r.data() + 32, '9', 8); }));
  // States other than 0 and 1, both text forms or neither, segments outside "2" to "22".
  EXPECT_FALSE(readsDataBar([](auto& r) { PutInt32(r, 68, 2); }));
  EXPECT_FALSE(readsExpanded([](auto& r) { PutInt32(r, 52, -1); }));
  EXPECT_FALSE(readsDataBar([](auto& r) { PutInt32(r, 56, 1); }));
  EXPECT_FALSE(readsDataBar([](auto& r) { PutInt32(r, 64, 0); }));
  EXPECT_FALSE(readsExpanded([](auto& r) { PutInt32(r, 48, 11); }));
  EXPECT_FALSE(readsExpanded([](auto& r) { PutInt32(r, 48, -1); }));
}

TEST(SettingsRecord, VersionAndStoredType) {
  auto isCurrent = [](std::string_view text) {
    return IsCurrentVersion({reinterpret_cast<const uint8_t*>(text.data()), text.size()});
  };
  EXPECT_TRUE(IsCurrentVersion(VersionValue()));
  EXPECT_TRUE(isCurrent("TYL Ver.2.0.0"));
  EXPECT_FALSE(isCurrent(std::string_view("TYL Ver.2.0.0", 14)));  // with a NUL
  EXPECT_FALSE(isCurrent("TYL Ver.2.0."));
  EXPECT_FALSE(isCurrent("TYL Ver.1.0.0"));

  for (int32_t type = 0; type <= 4; ++type) {
    EXPECT_EQ(DecodeStoredType(EncodeStoredType(type)), type);
  }
  EXPECT_EQ(EncodeStoredType(3), (StoredType{3, 0, 0, 0}));
  // Anything but a type 0 to 4 in 4 bytes reads as Omnidirectional.
  const uint8_t shortValue[] = {2, 0};
  const uint8_t longValue[] = {2, 0, 0, 0, 0};
  EXPECT_EQ(DecodeStoredType(EncodeStoredType(5)), 0);
  EXPECT_EQ(DecodeStoredType(EncodeStoredType(-1)), 0);
  EXPECT_EQ(DecodeStoredType(shortValue), 0);
  EXPECT_EQ(DecodeStoredType(longValue), 0);
  EXPECT_EQ(DataBarRecordName(2), "TYL2");
}

// The reduction's own value: named after its record, its text in 8 bytes; a value missing (a
// record from before) or of another size reads as no reduction.
TEST(SettingsRecord, BarWidthReductionBesideTheRecord) {
  EXPECT_EQ(BarWidthReductionName(DataBarRecordName(3)), "TYL3BWR");
  EXPECT_EQ(BarWidthReductionName(kExpandedRecordName), "EXPBWR");
  const BarWidthReductionValue value = EncodeBarWidthReduction("0.05");
  EXPECT_EQ(value, (BarWidthReductionValue{'0', '.', '0', '5', 0, 0, 0, 0}));
  EXPECT_EQ(DecodeBarWidthReduction(std::span<const uint8_t>(value)), "0.05");
  const BarWidthReductionValue cut = EncodeBarWidthReduction("0.12345678");
  EXPECT_EQ(DecodeBarWidthReduction(std::span<const uint8_t>(cut)), "0.12345");
  EXPECT_EQ(DecodeBarWidthReduction(std::nullopt), "0.000");
  EXPECT_EQ(DecodeBarWidthReduction(std::span<const uint8_t>(value).first(7)), "0.000");
  const BarWidthReductionValue unterminated = {'1', '1', '1', '1', '1', '1', '1', '1'};
  EXPECT_EQ(DecodeBarWidthReduction(std::span<const uint8_t>(unterminated)), "0.000");
}

}  // namespace
}  // namespace panels
