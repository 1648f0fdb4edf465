// This project's own declarations of the host suites the plug-in acquires: C structs of function
// pointers, each acquired by name and version through the basic suite. Only the operations the
// plug-in calls are declared. Every operation returns a host error code unless it is pure
// arithmetic (the math suites), which cannot fail.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/colour.h"
#include "host/error.h"
#include "host/fixed.h"
#include "host/geometry.h"
#include "host/handles.h"

namespace host {

// ---------------------------------------------------------------------------------------------
// Framework suites

struct BasicSuite {
  static constexpr const char* kName = "SP Basic Suite";
  static constexpr int32_t kVersion = 4;
  ErrorCode (*AcquireSuite)(const char* name, int32_t version, const void** suite);
  ErrorCode (*ReleaseSuite)(const char* name, int32_t version);
};

struct AccessSuite {
  static constexpr const char* kName = "SP Access Suite";
  static constexpr int32_t kVersion = 3;
  // Asks the host to keep the plug-in loaded until the handle is released.
  ErrorCode (*AcquirePlugin)(PluginHandle plugin, AccessHandle* access);
  ErrorCode (*ReleasePlugin)(AccessHandle access);
};

struct PluginsSuite {
  static constexpr const char* kName = "SP Plug-ins Suite";
  static constexpr int32_t kVersion = 4;
  ErrorCode (*SetPluginName)(PluginHandle plugin, const char* name);
};

struct NotifierSuite {
  static constexpr const char* kName = "AI Notifier Suite";
  static constexpr int32_t kVersion = 3;
  // notifier may be null when the caller does not keep the handle.
  ErrorCode (*AddNotifier)(PluginHandle plugin, const char* name, const char* type,
                           NotifierHandle* notifier);
};

struct ContextSuite {
  static constexpr const char* kName = "AI Context Suite";
  static constexpr int32_t kVersion = 6;
  ErrorCode (*PushAppContext)(PluginHandle plugin, AppContextHandle* context);
  ErrorCode (*PopAppContext)(AppContextHandle context);
};

struct UserSuite {
  static constexpr const char* kName = "AI User Suite";
  static constexpr int32_t kVersion = 10;
  ErrorCode (*MessageAlert)(UnicodeStringHandle text);
  ErrorCode (*ErrorAlert)(ErrorCode error);
};

// Acquired with the framework suites; the plug-in calls none of their operations.
struct FilePathSuite {
  static constexpr const char* kName = "AI File Path Suite";
  static constexpr int32_t kVersion = 3;
};

struct FoldersSuite {
  static constexpr const char* kName = "AI Folders Suite";
  static constexpr int32_t kVersion = 4;
};

// ---------------------------------------------------------------------------------------------
// Document and art

// Art kinds and paint orders of NewArt.
constexpr int16_t kGroupArt = 1;
constexpr int16_t kPathArt = 2;
constexpr int16_t kCompoundPathArt = 3;
constexpr int16_t kTextFrameArt = 4;
constexpr int16_t kPlaceInsideOnTop = 3;

struct ArtSuite {
  static constexpr const char* kName = "AI Art Suite";
  static constexpr int32_t kVersion = 16;
  ErrorCode (*NewArt)(int16_t type, int16_t paintOrder, ArtHandle prep, ArtHandle* newArt);
  ErrorCode (*GetFirstArtOfLayer)(LayerHandle layer, ArtHandle* art);
  ErrorCode (*GetArtBounds)(ArtHandle art, RealRect* bounds);
  // Removes the art and everything inside it from the document.
  ErrorCode (*DisposeArt)(ArtHandle art);
};

struct PathSuite {
  static constexpr const char* kName = "AI Path Suite";
  static constexpr int32_t kVersion = 10;
  ErrorCode (*SetPathSegmentCount)(ArtHandle path, int16_t count);
  ErrorCode (*SetPathSegments)(ArtHandle path, int16_t first, int16_t count,
                               const PathSegment* segments);
  ErrorCode (*SetPathClosed)(ArtHandle path, bool closed);
};

struct PathStyleSuite {
  static constexpr const char* kName = "AI Path Style Suite";
  static constexpr int32_t kVersion = 12;
  ErrorCode (*GetPathStyle)(ArtHandle path, PathStyle* style);
  ErrorCode (*SetPathStyle)(ArtHandle path, const PathStyle* style);
  ErrorCode (*GetCurrentPathStyle)(PathStyle* style, PathStyleMap* map);
};

struct RealMathSuite {
  static constexpr const char* kName = "AI Real Math Suite";
  static constexpr int32_t kVersion = 2;
  void (*FixedPointToRealPoint)(const FixedPoint* in, RealPoint* out);
  void (*RealPointToFixedPoint)(const RealPoint* in, FixedPoint* out);
  void (*FixedRectToRealRect)(const FixedRect* in, RealRect* out);
};

struct FixedMathSuite {
  static constexpr const char* kName = "AI Fixed Math Suite";
  static constexpr int32_t kVersion = 3;
  Fixed (*FixedAdd)(Fixed a, Fixed b);
  // Product and quotient of two 16.16 numbers, truncated toward zero.
  Fixed (*FixedMul)(Fixed a, Fixed b);
  Fixed (*FixedDiv)(Fixed a, Fixed b);
  Real (*FixedToReal)(Fixed a);
  Fixed (*RealToFixed)(Real a);
};

struct MatchingArtSuite {
  static constexpr const char* kName = "AI Matching Art Suite";
  static constexpr int32_t kVersion = 6;
};

struct DocumentViewSuite {
  static constexpr const char* kName = "AI Document View Suite";
  static constexpr int32_t kVersion = 11;
  ErrorCode (*GetNthDocumentView)(int32_t n, DocumentViewHandle* view);
  ErrorCode (*GetDocumentViewCenter)(DocumentViewHandle view, RealPoint* center);
};

struct LayerSuite {
  static constexpr const char* kName = "AI Layer Suite";
  static constexpr int32_t kVersion = 12;
  // Fails when no document is open.
  ErrorCode (*GetCurrentLayer)(LayerHandle* layer);
};

struct BlocksSuite {
  static constexpr const char* kName = "SP Blocks Suite";
  static constexpr int32_t kVersion = 2;
  ErrorCode (*AllocateBlock)(size_t size, const char* debugName, void** block);
  ErrorCode (*FreeBlock)(void* block);
};

// ---------------------------------------------------------------------------------------------
// Strings, menus, panels, preferences

struct UnicodeStringSuite {
  static constexpr const char* kName = "AI Unicode String Suite";
  static constexpr int32_t kVersion = 7;
  // Makes a host string from UTF-16 code units (length in units, -1 up to a zero unit).
  ErrorCode (*NewFromUtf16)(const char16_t* text, int32_t length, UnicodeStringHandle* string);
  ErrorCode (*Dispose)(UnicodeStringHandle string);
  // The string's code units, valid while the string lives; not zero-terminated.
  ErrorCode (*GetUtf16)(UnicodeStringHandle string, const char16_t** text, int32_t* length);
};

struct MenuItemData {
  const char* groupName;
  UnicodeStringHandle itemText;
};

struct MenuSuite {
  static constexpr const char* kName = "AI Menu Suite";
  static constexpr int32_t kVersion = 10;
  ErrorCode (*AddMenuItem)(PluginHandle plugin, const char* keyboardName, const MenuItemData* data,
                           uint32_t options, MenuItemHandle* item);
  ErrorCode (*AddMenuGroupAsSubMenu)(const char* groupName, uint32_t options, MenuItemHandle item,
                                     MenuGroupHandle* group);
  ErrorCode (*CheckItem)(MenuItemHandle item, bool checked);
};

using PanelFlyoutPreVisibilityProc = void (*)(PanelHandle panel);
using PanelFlyoutCommandProc = void (*)(PanelHandle panel, uint32_t item);
using PanelVisibilityChangedProc = void (*)(PanelHandle panel, bool visible);
using PanelStateChangedProc = void (*)(PanelHandle panel, int16_t newState);

struct PanelSuite {
  static constexpr const char* kName = "AI Panel Suite";
  static constexpr int32_t kVersion = 1;
  ErrorCode (*Create)(PluginHandle plugin, UnicodeStringHandle id, UnicodeStringHandle title,
                      int16_t stateCount, Size minimumSize, bool resizable, FlyoutMenuHandle flyout,
                      void* userData, PanelHandle* panel);
  ErrorCode (*Destroy)(PanelHandle panel);
  ErrorCode (*GetPlatformWindow)(PanelHandle panel, PlatformWindow* window);
  ErrorCode (*Show)(PanelHandle panel, bool show);
  ErrorCode (*IsShown)(PanelHandle panel, bool* shown);
  ErrorCode (*GetUserData)(PanelHandle panel, void** userData);
  ErrorCode (*SetIcon)(PanelHandle panel, const void* png, uint32_t byteCount, int32_t reserved1,
                       int32_t reserved2);
  ErrorCode (*SetSizes)(PanelHandle panel, Size minimum, Size preferred, Size constrained,
                        Size maximum);
  ErrorCode (*SetState)(PanelHandle panel, int16_t state);
  ErrorCode (*GetState)(PanelHandle panel, int16_t* state);
  ErrorCode (*GetFlyoutMenu)(PanelHandle panel, FlyoutMenuHandle* flyout);
  ErrorCode (*SetFlyoutMenu)(PanelHandle panel, FlyoutMenuHandle flyout);
  ErrorCode (*SetFlyoutMenuPreVisibilityProc)(PanelHandle panel, PanelFlyoutPreVisibilityProc);
  ErrorCode (*SetFlyoutMenuProc)(PanelHandle panel, PanelFlyoutCommandProc proc);
  ErrorCode (*SetVisibilityChangedNotifyProc)(PanelHandle panel, PanelVisibilityChangedProc proc);
  ErrorCode (*SetStateChangedNotifyProc)(PanelHandle panel, PanelStateChangedProc proc);
};

struct FlyoutMenuSuite {
  static constexpr const char* kName = "AI Panel Flyout Menu Suite";
  static constexpr int32_t kVersion = 1;
  ErrorCode (*Create)(FlyoutMenuHandle* flyout);
  ErrorCode (*Destroy)(FlyoutMenuHandle flyout);
  ErrorCode (*AppendItem)(FlyoutMenuHandle flyout, uint32_t item, UnicodeStringHandle text);
  ErrorCode (*SetItemText)(FlyoutMenuHandle flyout, uint32_t item, UnicodeStringHandle text);
};

struct StringFormatUtilsSuite {
  static constexpr const char* kName = "AI String Format Utils Suite";
  static constexpr int32_t kVersion = 2;
};

struct PreferenceSuite {
  static constexpr const char* kName = "AI Preference Suite";
  static constexpr int32_t kVersion = 5;
};

// Reads the plug-in's own resources. Acquired only around a resource read.
struct DataFilterSuite {
  static constexpr const char* kName = "AI Data Filter Suite";
  static constexpr int32_t kVersion = 7;
  ErrorCode (*OpenResource)(PluginHandle plugin, uint32_t type, int32_t id, const char* name,
                            DataFilterHandle* filter);
  // count: in, the bytes wanted; out, the bytes read.
  ErrorCode (*Read)(DataFilterHandle filter, char* buffer, int32_t* count);
  ErrorCode (*Close)(DataFilterHandle filter);
};

// ---------------------------------------------------------------------------------------------
// Text

constexpr int32_t kHorizontalText = 0;
constexpr int32_t kPlatformEncoding = 17;  // source encoding of ASCII texts
constexpr int32_t kUtf16Encoding = 2;

struct FontSuite {
  static constexpr const char* kName = "AI Font Suite";
  static constexpr int32_t kVersion = 5;
  ErrorCode (*FindFont)(const char* name, int32_t lookup, int32_t script, int32_t substitute,
                        FontKeyHandle* font);
  ErrorCode (*FontKeyToTextEngineFont)(FontKeyHandle font, TextEngineFontHandle* engineFont);
};

struct TextFrameSuite {
  static constexpr const char* kName = "AI Text Frame Suite";
  static constexpr int32_t kVersion = 3;
  ErrorCode (*NewPointText)(int16_t paintOrder, ArtHandle prep, int32_t orientation,
                            RealPoint anchor, ArtHandle* frame);
  // The range is retained for the caller, who releases it through the text range suite.
  ErrorCode (*GetTextRange)(ArtHandle frame, TextRangeHandle* range);
};

struct CharacterEncodingSuite {
  static constexpr const char* kName = "AI Character Encoding Suite";
  static constexpr int32_t kVersion = 4;
  ErrorCode (*ConvertBuffer)(const void* source, size_t sourceBytes, int32_t sourceEncoding,
                             void* destination, size_t destinationBytes,
                             int32_t destinationEncoding, size_t* destinationLength,
                             bool allowSubstitution);
};

// Text-engine suites: reference-counted objects; every call returns a host error code.
struct TextRangeSuite {
  static constexpr const char* kName = "ATE TextRange Suite";
  static constexpr int32_t kVersion = 1;
  ErrorCode (*AddRef)(TextRangeHandle range);
  ErrorCode (*Release)(TextRangeHandle range);
  ErrorCode (*InsertAfter)(TextRangeHandle range, const char16_t* text, int32_t length);
  ErrorCode (*SetLocalCharFeatures)(TextRangeHandle range, CharFeaturesHandle features);
};

struct CharFeaturesSuite {
  static constexpr const char* kName = "ATE CharFeatures Suite";
  static constexpr int32_t kVersion = 101;
  ErrorCode (*Initialize)(CharFeaturesHandle* features);
  ErrorCode (*AddRef)(CharFeaturesHandle features);
  ErrorCode (*Release)(CharFeaturesHandle features);
  ErrorCode (*SetFont)(CharFeaturesHandle features, TextEngineFontHandle font);
  ErrorCode (*SetFontSize)(CharFeaturesHandle features, Real size);
};

struct TextEngineFontSuite {
  static constexpr const char* kName = "ATE Font Suite";
  static constexpr int32_t kVersion = 1;
  ErrorCode (*AddRef)(TextEngineFontHandle font);
  ErrorCode (*Release)(TextEngineFontHandle font);
};

}  // namespace host
