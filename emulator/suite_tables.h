// The function tables of every suite the emulator offers, and the lookup by name and version.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "host/suites.h"

namespace emulator {

extern const host::BasicSuite kBasicSuite;
extern const host::AccessSuite kAccessSuite;
extern const host::PluginsSuite kPluginsSuite;
extern const host::NotifierSuite kNotifierSuite;
extern const host::ContextSuite kContextSuite;
extern const host::UserSuite kUserSuite;
extern const host::ArtSuite kArtSuite;
extern const host::PathSuite kPathSuite;
extern const host::PathStyleSuite kPathStyleSuite;
extern const host::RealMathSuite kRealMathSuite;
extern const host::FixedMathSuite kFixedMathSuite;
extern const host::DocumentViewSuite kDocumentViewSuite;
extern const host::LayerSuite kLayerSuite;
extern const host::BlocksSuite kBlocksSuite;
extern const host::UnicodeStringSuite kUnicodeStringSuite;
extern const host::MenuSuite kMenuSuite;
extern const host::PanelSuite kPanelSuite;
extern const host::FlyoutMenuSuite kFlyoutMenuSuite;
extern const host::DataFilterSuite kDataFilterSuite;
extern const host::FontSuite kFontSuite;
extern const host::TextFrameSuite kTextFrameSuite;
extern const host::CharacterEncodingSuite kCharacterEncodingSuite;
extern const host::TextRangeSuite kTextRangeSuite;
extern const host::CharFeaturesSuite kCharFeaturesSuite;
extern const host::TextEngineFontSuite kTextEngineFontSuite;

// The suite offered under exactly this name and version, or null.
const void* FindSuite(std::string_view name, int32_t version);

// The operation under which the acquisitions of one suite are counted and can be made to fail,
// besides "Basic.AcquireSuite" for all of them.
std::string AcquisitionOperation(std::string_view suiteName);

}  // namespace emulator
