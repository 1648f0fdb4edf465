#include "host/suite_pointers.h"
#include "host/suite_list.h"

namespace host {

const BasicSuite* sBasic = nullptr;

const AccessSuite* sAccess = nullptr;
const PluginsSuite* sPlugins = nullptr;
const NotifierSuite* sNotifier = nullptr;
const ContextSuite* sContext = nullptr;
const UserSuite* sUser = nullptr;
const FilePathSuite* sFilePath = nullptr;
const FoldersSuite* sFolders = nullptr;

const ArtSuite* sArt = nullptr;
const PathSuite* sPath = nullptr;
const PathStyleSuite* sPathStyle = nullptr;
const RealMathSuite* sRealMath = nullptr;
const FixedMathSuite* sFixedMath = nullptr;
const MatchingArtSuite* sMatchingArt = nullptr;
const UnicodeStringSuite* sUnicodeString = nullptr;
const BlocksSuite* sBlocks = nullptr;
const PanelSuite* sPanel = nullptr;
const MenuSuite* sMenu = nullptr;
const FlyoutMenuSuite* sFlyoutMenu = nullptr;
const StringFormatUtilsSuite* sStringFormatUtils = nullptr;
const PreferenceSuite* sPreference = nullptr;
const DocumentViewSuite* sDocumentView = nullptr;
const LayerSuite* sLayer = nullptr;
const FontSuite* sFont = nullptr;
const TextFrameSuite* sTextFrame = nullptr;
const CharacterEncodingSuite* sCharacterEncoding = nullptr;
const TextRangeSuite* sTextRange = nullptr;
const CharFeaturesSuite* sCharFeatures = nullptr;
const TextEngineFontSuite* sTextEngineFont = nullptr;

namespace {

template <typename Suite>
SuiteEntry Entry(const Suite*& global) {
  return {Suite::kName, Suite::kVersion, reinterpret_cast<const void**>(&global)};
}

}  // namespace

const SuiteEntry kFrameworkSuites[] = {
    Entry(sAccess), Entry(sPlugins),  Entry(sNotifier), Entry(sContext),
    Entry(sUser),   Entry(sFilePath), Entry(sFolders),  {nullptr, 0, nullptr},
};

const SuiteEntry kPluginSuites[] = {
    Entry(sArt),           Entry(sPath),         Entry(sPathStyle),
    Entry(sRealMath),      Entry(sFixedMath),    Entry(sMatchingArt),
    Entry(sUnicodeString), Entry(sBlocks),       Entry(sPanel),
    Entry(sMenu),          Entry(sFlyoutMenu),   Entry(sStringFormatUtils),
    Entry(sPreference),    Entry(sDocumentView), Entry(sLayer),
    Entry(sFont),          Entry(sTextFrame),    Entry(sCharacterEncoding),
    Entry(sTextRange),     Entry(sCharFeatures), Entry(sTextEngineFont),
    {nullptr, 0, nullptr},
};

}  // namespace host
