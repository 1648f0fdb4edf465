// The suite pointers the plug-in acquires at start-up (null while not held), and the basic-suite
// pointer refreshed from every incoming host message.
#pragma once

#include "host/suites.h"

namespace host {

extern const BasicSuite* sBasic;

extern const AccessSuite* sAccess;
extern const PluginsSuite* sPlugins;
extern const NotifierSuite* sNotifier;
extern const ContextSuite* sContext;
extern const UserSuite* sUser;
extern const FilePathSuite* sFilePath;
extern const FoldersSuite* sFolders;

extern const ArtSuite* sArt;
extern const PathSuite* sPath;
extern const PathStyleSuite* sPathStyle;
extern const RealMathSuite* sRealMath;
extern const FixedMathSuite* sFixedMath;
extern const MatchingArtSuite* sMatchingArt;
extern const UnicodeStringSuite* sUnicodeString;
extern const BlocksSuite* sBlocks;
extern const PanelSuite* sPanel;
extern const MenuSuite* sMenu;
extern const FlyoutMenuSuite* sFlyoutMenu;
extern const StringFormatUtilsSuite* sStringFormatUtils;
extern const PreferenceSuite* sPreference;
extern const DocumentViewSuite* sDocumentView;
extern const LayerSuite* sLayer;
extern const FontSuite* sFont;
extern const TextFrameSuite* sTextFrame;
extern const CharacterEncodingSuite* sCharacterEncoding;
extern const TextRangeSuite* sTextRange;
extern const CharFeaturesSuite* sCharFeatures;
extern const TextEngineFontSuite* sTextEngineFont;

}  // namespace host
