// The registry records in which the two DataBar panels keep their lengths and text options: the
// key and value names, the version marker and the 72-byte settings records. The Win32 store reads
// and writes the bytes; everything about their layout and validation lives here.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace panels {

// Under HKEY_CURRENT_USER; all values are binary.
inline constexpr char kDataBarSettingsKey[] = "SOFTWARE\\Vantrel\\DOROV2";
inline constexpr char kExpandedSettingsKey[] = "SOFTWARE\\Vantrel\\ZIRURIRO2";
inline constexpr char kVersionValueName[] = "version";
inline constexpr char kTypeValueName[] = "type";
inline constexpr char kDataBarRecordNameFormat[] = "TYL%d";  // one record per DataBar type
inline constexpr char kExpandedRecordName[] = "EXP";

// Stored without a terminating NUL.
inline constexpr std::string_view kSettingsVersion = "TYL Ver.2.0.0";

inline constexpr size_t kSettingsRecordSize = 72;
inline constexpr size_t kSettingsTextLength = 7;  // each text slot is 8 bytes with its NUL

using SettingsRecord = std::array<uint8_t, kSettingsRecordSize>;
using StoredType = std::array<uint8_t, 4>;

// The GS1 DataBar panel's settings of one type.
struct DataBarSettings {
  // Field texts: module width, height, separator height, 2D row height, separator between the
  // linear rows, lower row height.
  std::array<std::string, 6> lengths;
  bool showText = false;
  bool textAsOutlines = false;
  bool fitText = false;
  bool textAsFrame = false;
  bool showCompositeText = false;
};

// The Expanded panel's settings.
struct ExpandedSettings {
  // Field texts: module width, height, separator height, 2D row height, stacked separator height.
  std::array<std::string, 5> lengths;
  int32_t segmentsEntry = 0;  // entry of the segments list: 0 for "2" up to 10 for "22"
  bool showText = false;
  bool showCompositeText = false;
};

inline constexpr int32_t kSegmentsEntryCount = 11;

// Texts longer than 7 bytes keep their first 7 (never half a UTF-8 character); every byte the
// record does not use is zero.
SettingsRecord EncodeDataBarSettings(const DataBarSettings& settings);
SettingsRecord EncodeExpandedSettings(const ExpandedSettings& settings);

// nullopt, meaning "use the defaults", for a record that this program cannot have written: any
// size but 72 bytes, a text without its NUL within its 8 bytes, a state other than 0 or 1, both
// or neither of the two text forms chosen (DataBar), a segments entry out of range (Expanded).
std::optional<DataBarSettings> DecodeDataBarSettings(std::span<const uint8_t> record);
std::optional<ExpandedSettings> DecodeExpandedSettings(std::span<const uint8_t> record);

// The "version" value: exactly the 13 bytes of kSettingsVersion.
std::span<const uint8_t> VersionValue();
bool IsCurrentVersion(std::span<const uint8_t> value);

// The "type" value: a DataBar type 0 to 4, signed 32-bit little-endian. Anything else stored
// reads as 0 (Omnidirectional).
StoredType EncodeStoredType(int32_t type);
int32_t DecodeStoredType(std::span<const uint8_t> value);

// "TYL0" to "TYL4".
std::string DataBarRecordName(int32_t type);

// The bar width reduction is kept in a binary value of its own beside each record, named after
// the record ("TYL0BWR" to "TYL4BWR", "EXPBWR"), so that the records keep their layout: its
// text, at most 7 bytes, in an 8-byte slot ended by a NUL.
using BarWidthReductionValue = std::array<uint8_t, kSettingsTextLength + 1>;
std::string BarWidthReductionName(std::string_view recordName);
BarWidthReductionValue EncodeBarWidthReduction(std::string_view text);
// The stored text; no reduction ("0.000") for a value that is missing (a record written before
// the field existed) or that this program cannot have written.
std::string DecodeBarWidthReduction(std::optional<std::span<const uint8_t>> value);

}  // namespace panels
