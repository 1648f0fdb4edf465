// The PDF and EPS writers: grey art stays grey, every coordinate is written as the document holds
// it, text becomes outlines, the EPS bounding box is the page; the PNG writer's whole pixels and
// stated resolution.
#include <cairo.h>
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <memory>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "art/rectangle.h"
#include "emulator/document_writer.h"
#include "emulator/page_geometry.h"
#include "tests/emulator/emulator_fixture.h"
#include "tests/emulator/page_description.h"

namespace emulator {
namespace {

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class PrintWriters : public EmulatorTest {
 protected:
  PrintWriters() { target_.group = Group(); }

  void AddRectangle(host::Fixed left, host::Fixed bottom, host::Fixed right, host::Fixed top,
                    host::Real grey) {
    art::AddRectangle(target_, left, bottom, right, top, host::GreyColour(grey));
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

  // A white background and bars of 1, 2 and 3 modules of 0.254 mm (its fixed-point form is not
  // exact), the first bar's edge not on a whole point.
  void Bars() {
    constexpr host::Fixed kModule = 47186;  // 0.72 pt
    const host::Fixed left = 306 * 65536 + 12345;
    const host::Fixed bottom = 396 * 65536 + 777;
    const host::Fixed top = bottom + 20 * 65536;
    AddRectangle(left, bottom, left + 12 * kModule, top, 0);
    host::Fixed x = left + kModule;
    for (int modules = 1; modules <= 3; ++modules) {
      AddRectangle(x, bottom, x + modules * kModule, top, 1);
      x += (modules + 1) * kModule;
    }
  }

  std::string Path(const std::string& name) { return ::testing::TempDir() + "print_" + name; }

  art::RectangleTarget target_;
};

// Each rectangle reads back as exactly the document's edges, and its width as their difference:
// nothing is rounded to a coarser grid. Bars are black and the background white, both in grey.
TEST_F(PrintWriters, RectanglesAreGreyAndExactlyAsTheDocumentHoldsThem) {
  Bars();
  ASSERT_TRUE(WriteDocument(document_, Path("bars.pdf")).ok());
  ASSERT_TRUE(WriteDocument(document_, Path("bars.eps")).ok());
  const std::string eps = Contents(Path("bars.eps"));
  const auto paths = document_.Paths();
  const std::pair<std::string, const char*> descriptions[] = {
      {PdfContent(Contents(Path("bars.pdf"))), " g"}, {eps, " setgray"}};
  for (const auto& [description, greyOperator] : descriptions) {
    const std::vector<PaintedRectangle> rectangles = PaintedRectangles(description);
    ASSERT_EQ(rectangles.size(), paths.size());
    for (size_t i = 0; i < paths.size(); ++i) {
      const auto& s = paths[i]->path.segments;
      EXPECT_EQ(rectangles[i].x, static_cast<double>(s[0].p.h)) << i;
      EXPECT_EQ(rectangles[i].y, static_cast<double>(s[0].p.v)) << i;
      EXPECT_EQ(rectangles[i].width, static_cast<double>(s[1].p.h) - s[0].p.h) << i;
      EXPECT_EQ(rectangles[i].height, static_cast<double>(s[2].p.v) - s[0].p.v) << i;
      EXPECT_EQ(rectangles[i].colour, (i == 0 ? "1" : "0") + std::string(greyOperator));
    }
    EXPECT_EQ(description.find("rg"), std::string::npos);
    EXPECT_EQ(description.find("setrgbcolor"), std::string::npos);
  }
}

// The page transform puts the art's bounds the margin away from the page's lower-left corner;
// the EPS bounding box is that page, not the ink.
TEST_F(PrintWriters, PageIsTheArtWithItsMargin) {
  Bars();
  WriteOptions options;
  options.marginMm = 2;
  ASSERT_TRUE(WriteDocument(document_, Path("page.pdf"), options).ok());
  ASSERT_TRUE(WriteDocument(document_, Path("page.eps"), options).ok());
  const Page page = PageFor(document_, 2);
  const std::string pdf = Contents(Path("page.pdf"));
  std::smatch box;
  ASSERT_TRUE(std::regex_search(pdf, box, std::regex("/MediaBox \\[ 0 0 (\\S+) (\\S+) \\]")));
  EXPECT_EQ(std::strtod(box[1].str().c_str(), nullptr), page.width);
  EXPECT_EQ(std::strtod(box[2].str().c_str(), nullptr), page.height);
  const std::string eps = Contents(Path("page.eps"));
  ASSERT_TRUE(std::regex_search(eps, box, std::regex("%%HiResBoundingBox: 0 0 (\\S+) (\\S+)\n")));
  EXPECT_EQ(std::strtod(box[1].str().c_str(), nullptr), page.width);
  EXPECT_EQ(std::strtod(box[2].str().c_str(), nullptr), page.height);
  EXPECT_NE(
      eps.find("%%BoundingBox: 0 0 " + std::to_string(static_cast<int>(std::ceil(page.width))) +
               " " + std::to_string(static_cast<int>(std::ceil(page.height))) + "\n"),
      std::string::npos);
  const std::string translation = "q 1 0 0 1 -" + std::to_string(page.left).substr(0, 6);
  EXPECT_EQ(PdfContent(pdf).rfind(translation, 0), 0u);
  EXPECT_NE(eps.find(translation), std::string::npos);
}

// Text is filled glyph outlines of the resolved Gothic font, one per visible glyph, in black; the
// file holds no font.
TEST_F(PrintWriters, TextIsOutlinedInBlack) {
  TextLine(u"(01) 医療", {0, 0});
  ASSERT_TRUE(WriteDocument(document_, Path("text.pdf")).ok());
  ASSERT_TRUE(WriteDocument(document_, Path("text.eps")).ok());
  const std::string pdf = Contents(Path("text.pdf"));
  EXPECT_EQ(pdf.find("/Font"), std::string::npos);
  const std::string content = PdfContent(pdf);
  const auto count = [](const std::string& text, const std::regex& pattern) {
    return std::distance(std::sregex_iterator(text.begin(), text.end(), pattern),
                         std::sregex_iterator());
  };
  EXPECT_EQ(count(content, std::regex(" cm\\b")), 1 + 6);  // the page and six glyphs, no space
  EXPECT_EQ(count(content, std::regex(" f Q\n")), 6);
  EXPECT_GT(count(content, std::regex(" c\\b")), 6);
  EXPECT_NE(content.find(" 0 g q "), std::string::npos);
  const std::string eps = Contents(Path("text.eps"));
  EXPECT_EQ(count(eps, std::regex(" fill Q\n")), 6);
}

TEST_F(PrintWriters, PdfObjectsAreWhereTheCrossReferenceTableSays) {
  Bars();
  TextLine(u"(01)", {300, 380});
  ASSERT_TRUE(WriteDocument(document_, Path("xref.pdf")).ok());
  const std::string pdf = Contents(Path("xref.pdf"));
  const size_t table = pdf.find("xref\n0 ");
  ASSERT_NE(table, std::string::npos);
  EXPECT_NE(pdf.find("startxref\n" + std::to_string(table) + "\n%%EOF\n"), std::string::npos);
  const std::regex entry("(\\d{10}) 00000 n \n");
  int object = 0;
  for (auto m = std::sregex_iterator(pdf.begin() + table, pdf.end(), entry);
       m != std::sregex_iterator(); ++m) {
    const size_t offset = std::stoul((*m)[1]);
    const std::string start = std::to_string(++object) + " 0 obj";
    EXPECT_EQ(pdf.compare(offset, start.size(), start), 0) << object;
  }
  EXPECT_EQ(object, 5);  // catalog, pages, page, content, information
}

TEST_F(PrintWriters, SheetPdfHoldsEveryPageAtItsSize) {
  Bars();
  const SheetPage pages[] = {{200, 100, {{&document_, 10, 10}}},
                             {150.5, 300.25, {{&document_, 0, 0}, {&document_, 20, 40}}}};
  ASSERT_TRUE(WriteSheet(pages, Path("sheet.pdf")).ok());
  const std::string pdf = Contents(Path("sheet.pdf"));
  EXPECT_NE(pdf.find("/Count 2"), std::string::npos);
  EXPECT_NE(pdf.find("/MediaBox [ 0 0 200 100 ]"), std::string::npos);
  EXPECT_NE(pdf.find("/MediaBox [ 0 0 150.5 300.25 ]"), std::string::npos);
}

struct Image {
  std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface{nullptr,
                                                                             cairo_surface_destroy};
  int width() const { return cairo_image_surface_get_width(surface.get()); }
  int height() const { return cairo_image_surface_get_height(surface.get()); }
  int Level(int x, int y) const {
    const unsigned char* row =
        cairo_image_surface_get_data(surface.get()) +
        static_cast<ptrdiff_t>(y) * cairo_image_surface_get_stride(surface.get());
    return reinterpret_cast<const uint32_t*>(row)[x] & 0xFF;
  }
};

// Rectangles at edges between pixels fill whole pixels, two rows that meet at such an edge leave
// no seam, and the file states its resolution.
TEST_F(PrintWriters, PngFillsWholePixelsWithoutSeamsAndStatesItsResolution) {
  // At 600 dpi one pixel is 0.12 pt; the edges lie at thirds and halves of pixels.
  const host::Fixed third = 65536 * 12 / 100 / 3;
  const host::Fixed left = 100 * 65536 + third;
  const host::Fixed middle = 200 * 65536 + 65536 * 6 / 100;  // half a pixel
  AddRectangle(left, 180 * 65536, left + 65536, middle, 1);
  AddRectangle(left + 65536 / 2, middle, left + 2 * 65536, 220 * 65536, 1);
  WriteOptions options;
  options.dpi = 600;
  options.marginMm = 0.5;
  ASSERT_TRUE(WriteDocument(document_, Path("pixels.png"), options).ok());
  const std::string png = Contents(Path("pixels.png"));
  EXPECT_EQ(png.compare(37, 4, "pHYs"), 0);
  EXPECT_EQ(png.compare(41, 9, std::string("\0\0\x5c\x46\0\0\x5c\x46\1", 9)), 0);  // 23622 /m

  Image image;
  image.surface.reset(cairo_image_surface_create_from_png(Path("pixels.png").c_str()));
  int darkInColumn = 0;
  const int column = 12 + 6;  // the margin, then 0.75 pt right of the left edge
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const int level = image.Level(x, y);
      ASSERT_TRUE(level == 0 || level == 255) << x << ", " << y;
    }
    darkInColumn += image.Level(column, y) == 0;
  }
  // The column crosses both rectangles: 40 pt of dark without a light pixel between.
  EXPECT_NEAR(darkInColumn, 40 * 600 / 72, 1);
}

}  // namespace
}  // namespace emulator
