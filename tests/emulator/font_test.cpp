#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "emulator/errors.h"
#include "emulator/font_system.h"
#include "tests/emulator/emulator_fixture.h"

namespace emulator {
namespace {

TEST(FontSystem, HostNamesOfJapaneseFontsMapToInstalledFontFiles) {
  FontSystem fonts;
  for (const char* name : {"MS-Gothic", "MS Gothic", "ms gothic"}) {
    const auto font = fonts.Resolve(name, false);
    ASSERT_TRUE(font) << name;
    EXPECT_EQ(font->family, "IPAGothic");
    EXPECT_TRUE(std::filesystem::is_regular_file(font->file)) << font->file;
  }
  // Measured from the file: IPAGothic sets digits at half an em.
  const TextExtent extent = fonts.Measure(*fonts.Resolve("MS-Gothic", true), u"0123", 10);
  EXPECT_FLOAT_EQ(extent.advance, 20);
  EXPECT_NEAR(extent.ascent + extent.descent, 10, 0.5);
}

using Fonts = EmulatorTest;

TEST_F(Fonts, FontsAreFoundByNameWithOrWithoutSubstitution) {
  host::FontKeyHandle first = nullptr, again = nullptr, missing = nullptr;
  ASSERT_EQ(host::sFont->FindFont("MS-Gothic", 101, 1, 1, &first), host::kNoError);
  ASSERT_EQ(host::sFont->FindFont("MS-Gothic", 101, 1, 0, &again), host::kNoError);
  EXPECT_EQ(first, again);
  EXPECT_EQ(host::sFont->FindFont("No Such Font Family", 101, 1, 0, &missing), kNotFound);
  EXPECT_EQ(host::sFont->FindFont("No Such Font Family", 101, 1, 1, &missing), host::kNoError);
}

}  // namespace
}  // namespace emulator
