#include <array>

#include "emulator/suite_tables.h"

namespace emulator {

namespace {

// Suites the plug-in acquires without calling any of their operations.
constexpr host::FilePathSuite kFilePathSuite{};
constexpr host::FoldersSuite kFoldersSuite{};
constexpr host::MatchingArtSuite kMatchingArtSuite{};
constexpr host::StringFormatUtilsSuite kStringFormatUtilsSuite{};
constexpr host::PreferenceSuite kPreferenceSuite{};

struct SuiteOffer {
  std::string_view name;
  int32_t version;
  const void* table;
};

template <typename Suite>
constexpr SuiteOffer Offer(const Suite& table) {
  return {Suite::kName, Suite::kVersion, &table};
}

constexpr std::array kOffers = {
    Offer(kBasicSuite),         Offer(kAccessSuite),
    Offer(kPluginsSuite),       Offer(kNotifierSuite),
    Offer(kContextSuite),       Offer(kUserSuite),
    Offer(kFilePathSuite),      Offer(kFoldersSuite),
    Offer(kArtSuite),           Offer(kPathSuite),
    Offer(kPathStyleSuite),     Offer(kRealMathSuite),
    Offer(kFixedMathSuite),     Offer(kMatchingArtSuite),
    Offer(kUnicodeStringSuite), Offer(kBlocksSuite),
    Offer(kPanelSuite),         Offer(kMenuSuite),
    Offer(kFlyoutMenuSuite),    Offer(kStringFormatUtilsSuite),
    Offer(kPreferenceSuite),    Offer(kDocumentViewSuite),
    Offer(kLayerSuite),         Offer(kFontSuite),
    Offer(kTextFrameSuite),     Offer(kCharacterEncodingSuite),
    Offer(kDataFilterSuite),    Offer(kTextRangeSuite),
    Offer(kCharFeaturesSuite),  Offer(kTextEngineFontSuite),
};

}  // namespace

const void* FindSuite(std::string_view name, int32_t version) {
  for (const SuiteOffer& offer : kOffers) {
    if (offer.name == name && offer.version == version)
      return offer.table;
  }
  return nullptr;
}

std::string AcquisitionOperation(std::string_view suiteName) {
  return "Basic.AcquireSuite:" + std::string(suiteName);
}

}  // namespace emulator
