// Every form the command makes, written as PDF, EPS and PNG: the PDF and EPS page descriptions
// paint in grey only, pdftoppm and Ghostscript render them, and zxing-wasm decodes the renders and
// the PNG files to the data. The PNG files state their resolution and draw every bar and space on
// whole pixels: with the module width rounded to pixels, each run of a row is whole modules. With
// a bar width reduction of 0.05 mm at a module of 0.33 mm every form still decodes.
#include <cairo.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "tests/emulator/page_description.h"
#include "tests/peers/peer_support.h"

namespace peers {
namespace {

constexpr int kDpi = 600;

struct Form {
  const char* name;
  std::string arguments;  // after "barquill"
  double moduleWidth;     // millimetres
  const char* format;     // zxing's name
  const char* decoded;
};

const std::string kCc = " --cc '(17)991231(10)LOT1001'";

std::vector<Form> Forms() {
  std::vector<Form> forms;
  const struct {
    const char* type;
    const char* format;
    const char* code;  // Limited carries item numbers below 2000000000000 only
    const char* decoded;
  } databar[] = {{"omnidirectional", "DataBarOmni", "2001234567890", "(01)20012345678909"},
                 {"truncated", "DataBarOmni", "2001234567890", "(01)20012345678909"},
                 {"stacked", "DataBarStk", "2001234567890", "(01)20012345678909"},
                 {"stacked-omnidirectional", "DataBarStk", "2001234567890", "(01)20012345678909"},
                 {"limited", "DataBarLtd", "1234567890123", "(01)12345678901231"}};
  for (const auto& type : databar) {
    const std::string base = std::string("databar --type ") + type.type + " --code " + type.code +
                             " --module-width 0.33";
    forms.push_back({type.type, base, 0.33, type.format, type.decoded});
    forms.push_back({type.type, base + kCc, 0.33, type.format, type.decoded});
  }
  const std::string expanded =
      "expanded --code '(01)98898765432106(3202)012345(15)991231' --module-width 0.33";
  const char* expandedData = "(01)98898765432106(3202)012345(15)991231";
  for (const char* segments : {" --segments 22", " --segments 4"}) {
    forms.push_back({"expanded", expanded + segments, 0.33, "DataBarExp", expandedData});
    forms.push_back({"expanded", expanded + segments + kCc, 0.33, "DataBarExp", expandedData});
  }
  forms.push_back({"gs1-128",
                   "gs1-128 --gtin 1234567890123 --expiry 011231 --quantity 25 --lot Lot-42b "
                   "--lot-code-set B --narrow-width 0.25",
                   0.25, "Code128", "(01)12345678901231(17)011231(30)25(10)Lot-42b"});
  forms.push_back(
      {"gs1-128", "gs1-128 --gtin 1234567890123 --lot 123456 --lot-code-set C --narrow-width 0.191",
       0.191, "Code128", "(01)12345678901231(10)123456"});
  return forms;
}

std::string Contents(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Each token of a page description that is an operator (not a number).
std::vector<std::string> Operators(const std::string& description) {
  std::vector<std::string> operators;
  const std::regex token("[^\\s\\[\\]{}()/<>]+");
  for (auto match = std::sregex_iterator(description.begin(), description.end(), token);
       match != std::sregex_iterator(); ++match) {
    const std::string text = match->str();
    if (text.find_first_not_of("0123456789.-+e") != std::string::npos)
      operators.push_back(text);
  }
  return operators;
}

// Grey and process colour only: no operator that sets an RGB colour or a colour space.
void ExpectNoRgb(const std::vector<std::string>& operators, const std::string& where) {
  for (const std::string& op : operators) {
    EXPECT_TRUE(op != "rg" && op != "RG" && op != "sc" && op != "scn" && op != "SC" &&
                op != "SCN" && op != "cs" && op != "CS" && op != "setrgbcolor" &&
                op != "setcolor" && op != "setcolorspace" && op != "sethsbcolor")
        << where << ": " << op;
  }
}

// The PNG's resolution in pixels per metre, from its pHYs chunk; 0 without one.
uint32_t PixelsPerMetre(const std::string& png) {
  for (size_t at = 8; at + 12 <= png.size();) {
    const auto word = [&](size_t i) {
      return static_cast<uint32_t>(static_cast<unsigned char>(png[i])) << 24 |
             static_cast<uint32_t>(static_cast<unsigned char>(png[i + 1])) << 16 |
             static_cast<uint32_t>(static_cast<unsigned char>(png[i + 2])) << 8 |
             static_cast<unsigned char>(png[i + 3]);
    };
    const uint32_t length = word(at);
    if (png.compare(at + 4, 4, "pHYs") == 0 && png[at + 16] == 1 && word(at + 8) == word(at + 12))
      return word(at + 8);
    at += 12 + length;
  }
  return 0;
}

// Rows of the image without grey pixels (those of text are anti-aliased): each run of dark or
// light pixels between the row's first and last dark pixel is whole modules. Returns the rows
// checked.
int ExpectWholeModuleRuns(const std::filesystem::path& file, int modulePixels) {
  std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> image(
      cairo_image_surface_create_from_png(file.c_str()), cairo_surface_destroy);
  EXPECT_EQ(cairo_surface_status(image.get()), CAIRO_STATUS_SUCCESS);
  const int width = cairo_image_surface_get_width(image.get());
  const int height = cairo_image_surface_get_height(image.get());
  const int stride = cairo_image_surface_get_stride(image.get());
  const unsigned char* data = cairo_image_surface_get_data(image.get());
  int rows = 0;
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
    std::vector<int> runs;
    bool grey = false;
    for (int x = 0; x < width; ++x) {
      const uint32_t level = row[x] & 0xFF;
      grey = grey || (level != 0 && level != 0xFF);
      const bool dark = level == 0;
      if (runs.empty() ? dark : (runs.size() % 2 == 1) != dark)
        runs.push_back(0);
      if (!runs.empty())
        ++runs.back();
    }
    if (grey || runs.empty())
      continue;
    if (runs.size() % 2 == 0)
      runs.pop_back();  // the light margin after the last bar
    ++rows;
    for (size_t i = 0; i < runs.size(); ++i) {
      EXPECT_EQ(runs[i] % modulePixels, 0)
          << file.filename() << " row " << y << " run " << i << " of " << runs[i] << " pixels";
    }
  }
  return rows;
}

TEST(PrintFiles, DecodeInGreyAndOnWholePixels) {
  const ScratchDirectory scratch;
  const std::vector<Form> forms = Forms();
  std::vector<std::filesystem::path> renders;
  std::vector<const Form*> expected;
  for (size_t i = 0; i < forms.size(); ++i) {
    const Form& form = forms[i];
    const std::filesystem::path base = scratch.path() / std::to_string(i);
    for (const char* extension : {".pdf", ".eps", ".png"}) {
      RunCommand(std::string(BARQUILL_COMMAND) + " " + form.arguments + " --dpi " +
                 std::to_string(kDpi) + " -o " + base.string() + extension + " 2>/dev/null");
    }
    const std::string pdf = Contents(base.string() + ".pdf");
    const std::string eps = Contents(base.string() + ".eps");
    const std::vector<std::string> pdfOperators = Operators(emulator::PdfContent(pdf));
    ExpectNoRgb(pdfOperators, form.arguments + " (PDF)");
    EXPECT_NE(std::find(pdfOperators.begin(), pdfOperators.end(), "g"), pdfOperators.end());
    EXPECT_EQ(pdf.find("/Font"), std::string::npos) << "the text is outlined";
    const std::vector<std::string> epsOperators = Operators(eps);
    ExpectNoRgb(epsOperators, form.arguments + " (EPS)");
    EXPECT_NE(std::find(epsOperators.begin(), epsOperators.end(), "setgray"), epsOperators.end());

    RunCommand("pdftoppm -r " + std::to_string(kDpi) + " -png -singlefile " + base.string() +
               ".pdf " + base.string() + "-pdf");
    RunCommand("gs -q -dSAFER -dBATCH -dNOPAUSE -dEPSCrop -sDEVICE=png16m -r" +
               std::to_string(kDpi) + " -sOutputFile=" + base.string() + "-eps.png " +
               base.string() + ".eps");
    for (const char* render : {"-pdf.png", "-eps.png", ".png"}) {
      renders.push_back(base.string() + render);
      expected.push_back(&form);
    }

    const std::string png = Contents(base.string() + ".png");
    EXPECT_EQ(PixelsPerMetre(png), static_cast<uint32_t>(std::lround(kDpi / 0.0254)));
    const int modulePixels = static_cast<int>(std::lround(form.moduleWidth * kDpi / 25.4));
    EXPECT_GT(ExpectWholeModuleRuns(base.string() + ".png", modulePixels), 0) << form.arguments;
  }

  const std::vector<Decoded> decoded = DecodePngs(renders);
  int agreed = 0;
  for (size_t i = 0; i < renders.size(); ++i) {
    // The decoder names an Expanded Stacked symbol "DataBarExpStk" or "DataBarExp", by how it
    // found it.
    if (decoded[i].format.starts_with(expected[i]->format) &&
        decoded[i].text == expected[i]->decoded) {
      ++agreed;
    } else {
      ADD_FAILURE() << renders[i].filename() << " of " << expected[i]->arguments << " decoded as ["
                    << decoded[i].format << "] " << decoded[i].text;
    }
  }
  std::cout << "print files: " << agreed << " of " << renders.size()
            << " renders (pdftoppm, Ghostscript, PNG) decoded to their data\n";
}

// Ink spread is what the reduction makes room for; unspread, the narrower bars must still read,
// from the PNG file and from pdftoppm's render of the PDF file.
TEST(PrintFiles, DecodeWithBarWidthReduction) {
  const ScratchDirectory scratch;
  std::vector<std::filesystem::path> renders;
  std::vector<Form> expected;
  for (Form form : Forms()) {
    if (form.moduleWidth != 0.33) {  // the GS1-128 forms
      form.arguments = std::regex_replace(form.arguments, std::regex("--narrow-width \\S+"),
                                          "--narrow-width 0.33");
    }
    form.arguments += " --bar-width-reduction 0.05";
    const std::string base = (scratch.path() / std::to_string(renders.size())).string();
    for (const char* extension : {".pdf", ".png"}) {
      RunCommand(std::string(BARQUILL_COMMAND) + " " + form.arguments + " --dpi " +
                 std::to_string(kDpi) + " -o " + base + extension + " 2>/dev/null");
    }
    RunCommand("pdftoppm -r " + std::to_string(kDpi) + " -png -singlefile " + base + ".pdf " +
               base + "-pdf");
    for (const char* render : {"-pdf.png", ".png"}) {
      renders.push_back(base + render);
      expected.push_back(form);
    }
  }
  const std::vector<Decoded> decoded = DecodePngs(renders);
  for (size_t i = 0; i < renders.size(); ++i) {
    EXPECT_TRUE(decoded[i].format.starts_with(expected[i].format) &&
                decoded[i].text == expected[i].decoded)
        << renders[i].filename() << " of " << expected[i].arguments << " decoded as ["
        << decoded[i].format << "] " << decoded[i].text;
  }
}

}  // namespace
}  // namespace peers
