#include <cairo.h>
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "art/rectangle.h"
#include "emulator/document_writer.h"
#include "host/unicode_string.h"
#include "tests/emulator/emulator_fixture.h"

namespace emulator {
namespace {

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Image {
  std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface{nullptr,
                                                                             cairo_surface_destroy};
  int width() const { return cairo_image_surface_get_width(surface.get()); }
  int height() const { return cairo_image_surface_get_height(surface.get()); }
  // The red channel (the art is grey) of the pixel at column x, row y from the top.
  int Red(int x, int y) const {
    const unsigned char* row =
        cairo_image_surface_get_data(surface.get()) +
        static_cast<ptrdiff_t>(y) * cairo_image_surface_get_stride(surface.get());
    return (reinterpret_cast<const uint32_t*>(row)[x] >> 16) & 0xFF;
  }
};

Image ReadPng(const std::string& path) {
  Image image;
  image.surface.reset(cairo_image_surface_create_from_png(path.c_str()));
  cairo_surface_flush(image.surface.get());
  return image;
}

class Writers : public EmulatorTest {
 protected:
  Writers() { target_.group = Group(); }

  void Rectangle(int left, int bottom, int right, int top, host::Real grey = 1) {
    art::AddRectangle(target_, host::FixedFromInt(left), host::FixedFromInt(bottom),
                      host::FixedFromInt(right), host::FixedFromInt(top), host::GreyColour(grey));
  }

  void TextLine(const char16_t* text, host::RealPoint anchor) {
    host::ArtHandle frame = nullptr;
    host::TextRangeHandle range = nullptr;
    host::FontKeyHandle key = nullptr;
    host::TextEngineFontHandle font = nullptr;
    host::CharFeaturesHandle features = nullptr;
    host::sTextFrame->NewPointText(host::kPlaceInsideOnTop, Group(), 0, anchor, &frame);
    host::sTextFrame->GetTextRange(frame, &range);
    host::sTextRange->InsertAfter(range, text, -1);
    host::sFont->FindFont("MS-Gothic", 101, 1, 1, &key);
    host::sFont->FontKeyToTextEngineFont(key, &font);
    host::sCharFeatures->Initialize(&features);
    host::sCharFeatures->SetFont(features, font);
    host::sCharFeatures->SetFontSize(features, 8);
    host::sTextRange->SetLocalCharFeatures(range, features);
    host::sTextEngineFont->Release(font);
    host::sCharFeatures->Release(features);
    host::sTextRange->Release(range);
  }

  // A square ring: the outer contour counter-clockwise, the inner one clockwise.
  void Ring(int left, int bottom, int size, int wall) {
    host::ArtHandle compound = nullptr;
    host::sArt->NewArt(host::kCompoundPathArt, host::kPlaceInsideOnTop, Group(), &compound);
    const auto contour = [&](float l, float b, float r, float t, bool clockwise) {
      host::ArtHandle path = nullptr;
      host::sArt->NewArt(host::kPathArt, host::kPlaceInsideOnTop, compound, &path);
      host::PathSegment s[4];
      const host::RealPoint corners[4] = {{l, b}, {r, b}, {r, t}, {l, t}};
      for (int i = 0; i < 4; ++i) {
        const host::RealPoint p = corners[clockwise ? 3 - i : i];
        s[i].p = s[i].in = s[i].out = p;
      }
      host::sPath->SetPathSegments(path, 0, 4, s);
      host::sPath->SetPathClosed(path, true);
    };
    contour(left, bottom, left + size, bottom + size, false);
    contour(left + wall, bottom + wall, left + size - wall, bottom + size - wall, true);
  }

  std::string Path(const std::string& name) { return ::testing::TempDir() + "emu_" + name; }

  art::RectangleTarget target_;
};

TEST_F(Writers, PngIsTrueSizeAtTheDpiFlippedLikeTheHost) {
  Rectangle(0, 0, 72, 36, 0);  // white background, one inch by half an inch
  Rectangle(0, 18, 36, 36);    // black in the upper left quarter
  const std::string path = Path("page.png");
  WriteOptions options;
  options.dpi = 144;
  options.marginMm = 0;
  ASSERT_TRUE(WriteDocument(document_, path, options).ok());
  const Image image = ReadPng(path);
  EXPECT_EQ(image.width(), 144);
  EXPECT_EQ(image.height(), 72);
  EXPECT_EQ(image.Red(10, 10), 0);     // upper left: black
  EXPECT_EQ(image.Red(10, 60), 255);   // lower left: white
  EXPECT_EQ(image.Red(130, 10), 255);  // upper right: white
}

TEST_F(Writers, MarginWidensThePageOnEverySide) {
  Rectangle(10, 10, 82, 82);
  const std::string path = Path("margin.png");
  WriteOptions options;
  options.dpi = 72;
  options.marginMm = 25.4;  // one inch
  ASSERT_TRUE(WriteDocument(document_, path, options).ok());
  const Image image = ReadPng(path);
  EXPECT_EQ(image.width(), 72 * 3);
  EXPECT_EQ(image.height(), 72 * 3);
  EXPECT_EQ(image.Red(60, 60), 255);
  EXPECT_EQ(image.Red(108, 108), 0);
}

TEST_F(Writers, CompoundPathIsOnePathSoCountersStayOpen) {
  Ring(0, 0, 72, 18);
  const std::string path = Path("ring.png");
  WriteOptions options;
  options.dpi = 72;
  options.marginMm = 0;
  ASSERT_TRUE(WriteDocument(document_, path, options).ok());
  const Image image = ReadPng(path);
  EXPECT_EQ(image.Red(9, 36), 0);     // the wall
  EXPECT_EQ(image.Red(36, 36), 255);  // the counter
}

TEST_F(Writers, JapaneseTextRendersFromTheResolvedFont) {
  TextLine(u"医療用", {0, 0});
  const std::string path = Path("text.png");
  WriteOptions options;
  options.dpi = 300;
  ASSERT_TRUE(WriteDocument(document_, path, options).ok());
  const Image image = ReadPng(path);
  int dark = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x)
      dark += image.Red(x, y) < 128 ? 1 : 0;
  }
  // Three full-width glyphs at 8 pt: thousands of dark pixels, not three empty boxes' outlines.
  EXPECT_GT(dark, 1000);
}

TEST_F(Writers, SvgHoldsThePathsAndTheText) {
  Rectangle(0, 0, 10, 20);
  TextLine(u"(01)20012345678909 <&>", {0, -10});
  const std::string path = Path("doc.svg");
  ASSERT_TRUE(WriteDocument(document_, path).ok());
  const std::string svg = Contents(path);
  EXPECT_NE(svg.find("<path d=\"M"), std::string::npos);
  EXPECT_NE(svg.find("fill=\"#000000\""), std::string::npos);
  EXPECT_NE(svg.find("font-family=\"'MS-Gothic', 'IPAGothic'"), std::string::npos);
  EXPECT_NE(svg.find(">(01)20012345678909 &lt;&amp;&gt;</text>"), std::string::npos);
  EXPECT_NE(svg.find("font-size=\"8\""), std::string::npos);
}

TEST_F(Writers, PdfAndEpsCarryTheirMagic) {
  Rectangle(0, 0, 10, 20);
  TextLine(u"(01)", {0, -10});
  ASSERT_TRUE(WriteDocument(document_, Path("doc.pdf")).ok());
  ASSERT_TRUE(WriteDocument(document_, Path("doc.EPS")).ok());
  EXPECT_EQ(Contents(Path("doc.pdf")).rfind("%PDF-", 0), 0u);
  const std::string eps = Contents(Path("doc.EPS"));
  EXPECT_EQ(eps.rfind("%!PS-", 0), 0u);
  EXPECT_LT(eps.find(" EPSF-3.0\n"), eps.find('\n') + 1);
}

TEST_F(Writers, UnknownFormatsAndUnwritablePathsAreErrors) {
  Rectangle(0, 0, 10, 20);
  const WriteResult unknown = WriteDocument(document_, Path("doc.jpg"));
  EXPECT_FALSE(unknown.ok());
  EXPECT_NE(unknown.error.find(".jpg"), std::string::npos);
  for (const char* name : {"/nonexistent-dir/doc.png", "/nonexistent-dir/doc.pdf",
                           "/nonexistent-dir/doc.eps", "/nonexistent-dir/doc.svg"}) {
    EXPECT_FALSE(WriteDocument(document_, name).ok()) << name;
  }
}

}  // namespace
}  // namespace emulator
