// The fonts of the system the emulator runs on: finding a font for a host font name and
// measuring a line of text set in it. Each emulator has its own, so emulators on different
// threads share no font state.
#pragma once

#include <memory>
#include <optional>
#include <string_view>

#include "emulator/resolved_font.h"
#include "host/fixed.h"

namespace emulator {

class FontSystem {
 public:
  FontSystem();
  ~FontSystem();
  FontSystem(const FontSystem&) = delete;
  FontSystem& operator=(const FontSystem&) = delete;

  // The installed font for a host font name (see font_aliases.h). With substitution the nearest
  // font is accepted; without it only a font of the named family, else nothing.
  std::optional<ResolvedFont> Resolve(std::string_view name, bool substitute);

  // The extent of one line of UTF-16 text at the size in points.
  TextExtent Measure(const ResolvedFont& font, std::u16string_view text, host::Real size);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace emulator
