// Fonts where no font files can be read: the host name's stand-in family by name, and lines
// measured by estimate.
#include "emulator/estimated_extent.h"
#include "emulator/font_aliases.h"
#include "emulator/font_system.h"

namespace emulator {

struct FontSystem::Impl {};

FontSystem::FontSystem() : impl_(std::make_unique<Impl>()) {}

FontSystem::~FontSystem() = default;

std::optional<ResolvedFont> FontSystem::Resolve(std::string_view name, bool /*substitute*/) {
  ResolvedFont font;
  font.family = std::string(InstalledFamilyFor(name));
  return font;
}

TextExtent FontSystem::Measure(const ResolvedFont& /*font*/, std::u16string_view text,
                               host::Real size) {
  return EstimatedExtent(text, size);
}

}  // namespace emulator
