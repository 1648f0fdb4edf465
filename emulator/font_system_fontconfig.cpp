// Fonts found through fontconfig and measured with FreeType from the font file.
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <utility>

#include "emulator/estimated_extent.h"
#include "emulator/font_aliases.h"
#include "emulator/font_system.h"
#include "emulator/string_key.h"

namespace emulator {

namespace {

struct PatternDeleter {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

bool SameFamily(std::string_view a, std::string_view b) {
  if (a.size() != b.size())
    return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
    if (lower(a[i]) != lower(b[i]))
      return false;
  }
  return true;
}

// Whether any family name of the matched font (fonts carry names in several languages) is the
// requested one.
bool HasFamily(FcPattern* match, std::string_view family) {
  FcChar8* name = nullptr;
  for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
    if (SameFamily(reinterpret_cast<const char*>(name), family))
      return true;
  }
  return false;
}

std::optional<ResolvedFont> Match(std::string_view family, bool substitute) {
  Pattern pattern(FcPatternCreate());
  if (!pattern)
    return std::nullopt;
  const std::string familyText(family);
  FcPatternAddString(pattern.get(), FC_FAMILY,
                     reinterpret_cast<const FcChar8*>(familyText.c_str()));
  FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());
  FcResult result = FcResultNoMatch;
  Pattern match(FcFontMatch(nullptr, pattern.get(), &result));
  if (!match || result != FcResultMatch)
    return std::nullopt;
  if (!substitute && !HasFamily(match.get(), family))
    return std::nullopt;
  FcChar8* file = nullptr;
  FcChar8* matchedFamily = nullptr;
  int index = 0;
  if (FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch)
    return std::nullopt;
  FcPatternGetString(match.get(), FC_FAMILY, 0, &matchedFamily);
  FcPatternGetInteger(match.get(), FC_INDEX, 0, &index);
  ResolvedFont font;
  font.file = reinterpret_cast<const char*>(file);
  font.family = matchedFamily != nullptr ? reinterpret_cast<const char*>(matchedFamily) : "";
  font.index = index;
  return font;
}

// One Unicode code point from UTF-16 at position i, advancing i past it.
char32_t NextCodePoint(std::u16string_view text, size_t& i) {
  const char16_t unit = text[i++];
  if (unit >= 0xD800 && unit <= 0xDBFF && i < text.size() && text[i] >= 0xDC00 &&
      text[i] <= 0xDFFF) {
    return 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (text[i++] - 0xDC00);
  }
  return unit;
}

}  // namespace

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BARQUILL_ADDRESS_SANITIZER 1  // clang's way of saying so
#endif
#endif

#if defined(__SANITIZE_ADDRESS__) || defined(BARQUILL_ADDRESS_SANITIZER)
// fontconfig loses a few bytes of its process-wide configuration on first use (they are never
// freed before exit, and calling FcFini would break other threads). Every program that resolves
// fonts through the emulator links this file, so the leak checker is told here, once for all:
// by the shared library's name, or where fontconfig is linked from its archive, by its
// functions' prefix.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\nleak:Fc\n";
}
// The expected suppression is not reported either, so that the programs' error output holds
// only their own messages.
extern "C" const char* __lsan_default_options() {
  return "print_suppressions=0";
}
#endif

// fontconfig loads its process-wide configuration on first use, which takes a while and much of
// a small program's memory. It is loaded once, when a font is first resolved, so that programs
// that set no text never pay for it; threads that first use it at the same time would each load
// one, so the load is guarded.
void LoadFontConfiguration() {
  static std::once_flag loaded;
  std::call_once(loaded, [] { FcInit(); });
}

struct FontSystem::Impl {
  FT_Library library = nullptr;
  bool libraryTried = false;
  std::map<std::pair<std::string, int>, FT_Face> faces;  // null where the file cannot be read
  // Glyph advances in font units by face and code point, or none where the font has none: the
  // same few characters are measured again and again, and asking FreeType costs far more.
  std::map<std::pair<FT_Face, char32_t>, std::optional<FT_Fixed>> advances;
  StringKeyMap<std::optional<ResolvedFont>> substituted;
  StringKeyMap<std::optional<ResolvedFont>> exact;

  ~Impl() {
    for (const auto& [key, face] : faces) {
      if (face != nullptr)
        FT_Done_Face(face);
    }
    if (library != nullptr)
      FT_Done_FreeType(library);
  }

  FT_Face Face(const ResolvedFont& font) {
    const auto key = std::make_pair(font.file, font.index);
    const auto found = faces.find(key);
    if (found != faces.end())
      return found->second;
    if (!libraryTried) {
      libraryTried = true;
      if (FT_Init_FreeType(&library) != 0)
        library = nullptr;
    }
    FT_Face face = nullptr;
    if (library == nullptr || FT_New_Face(library, font.file.c_str(), font.index, &face) != 0) {
      face = nullptr;
    }
    faces.emplace(key, face);
    return face;
  }

  std::optional<FT_Fixed> Advance(FT_Face face, char32_t codePoint) {
    const auto key = std::make_pair(face, codePoint);
    const auto found = advances.find(key);
    if (found != advances.end())
      return found->second;
    FT_Fixed advance = 0;
    std::optional<FT_Fixed> known;
    if (FT_Get_Advance(face, FT_Get_Char_Index(face, codePoint), FT_LOAD_NO_SCALE, &advance) == 0)
      known = advance;
    advances.emplace(key, known);
    return known;
  }
};

// FreeType starts when the first face is opened.
FontSystem::FontSystem() : impl_(std::make_unique<Impl>()) {}

FontSystem::~FontSystem() = default;

std::optional<ResolvedFont> FontSystem::Resolve(std::string_view name, bool substitute) {
  auto& cache = substitute ? impl_->substituted : impl_->exact;
  const auto cached = cache.find(name);
  if (cached != cache.end())
    return cached->second;
  LoadFontConfiguration();
  auto font = Match(InstalledFamilyFor(name), substitute);
  cache.emplace(name, font);
  return font;
}

TextExtent FontSystem::Measure(const ResolvedFont& font, std::u16string_view text,
                               host::Real size) {
  const FT_Face face = impl_->Face(font);
  if (face == nullptr || face->units_per_EM == 0)
    return EstimatedExtent(text, size);
  const double scale = static_cast<double>(size) / face->units_per_EM;
  double advance = 0;
  for (size_t i = 0; i < text.size();) {
    if (const std::optional<FT_Fixed> glyphAdvance = impl_->Advance(face, NextCodePoint(text, i)))
      advance += static_cast<double>(*glyphAdvance);
  }
  return {static_cast<host::Real>(face->ascender * scale),
          static_cast<host::Real>(-face->descender * scale),
          static_cast<host::Real>(advance * scale)};
}

}  // namespace emulator
