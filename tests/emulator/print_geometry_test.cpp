// Every form made by its panel's form on random data, written as SVG and PDF and read back from
// the files: the light space around the bars is the standard's in whole modules (guard spaces of
// the DataBar forms, the 5 light modules after Limited's right guard, GS1-128's quiet zones of
// at least ten modules), and with a bar width reduction every dark element is narrower by exactly
// the reduction, to the fixed-point unit, about the same centre, the symbol as wide as before.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "databar/item_number.h"
#include "emulator/document_writer.h"
#include "gs1_128/medical128_elements.h"
#include "gs1_128/mod10_check.h"
#include "host/suite_pointers.h"
#include "panels/databar_form.h"
#include "panels/expanded_form.h"
#include "panels/medical128_form.h"
#include "tests/emulator/emulator_fixture.h"
#include "tests/emulator/page_description.h"

namespace emulator {
namespace {

constexpr double kFixedUnit = 1.0 / 65536;
constexpr char kModuleWidth[] = "0.330";
constexpr char kReduction[] = "0.050";
constexpr int kInputsPerForm = 4;

// A filled rectangle as a file paints it, in the document's coordinates.
struct Box {
  double left, bottom, right, top;
  bool dark;
  double width() const { return right - left; }
  double centre() const { return (left + right) / 2; }
};

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The rectangles of an SVG file: paths "Mx yHx'Vy'Hx Z", black unless filled white; the file's
// y axis points down.
std::vector<Box> SvgBoxes(const std::string& svg) {
  std::vector<Box> boxes;
  const std::string n = R"((-?(?:\d+\.?\d*|\.\d+)(?:e[+-]?\d+)?))";
  const std::regex path("<path d=\"M" + n + " ?" + n + "H" + n + "V" + n + "H" + n +
                        "Z\"( fill=\"([^\"]+)\")?");
  for (auto m = std::sregex_iterator(svg.begin(), svg.end(), path); m != std::sregex_iterator();
       ++m) {
    const auto number = [&m](int i) {
      return static_cast<double>(std::strtof((*m)[i].str().c_str(), nullptr));
    };
    const double y0 = -number(2);
    const double y1 = -number(4);
    const bool white = (*m)[7].matched && (*m)[7].str() == "#ffffff";
    boxes.push_back({std::min(number(1), number(3)), std::min(y0, y1),
                     std::max(number(1), number(3)), std::max(y0, y1), !white});
  }
  return boxes;
}

// The rectangles of a PDF file's content, black for grey 0.
std::vector<Box> PdfBoxes(const std::string& pdf) {
  std::vector<Box> boxes;
  for (const PaintedRectangle& r : PaintedRectangles(PdfContent(pdf))) {
    boxes.push_back({r.x, r.y, r.x + r.width, r.y + r.height, r.colour == "0 g"});
  }
  return boxes;
}

// One symbol read from a file: its extent and its bars in rows (by bottom and top edge).
struct ReadSymbol {
  std::vector<Box> boxes;
  double left = 1e9;
  double right = -1e9;
  std::map<std::pair<double, double>, std::vector<Box>> rows;
};

ReadSymbol Read(std::vector<Box> boxes) {
  ReadSymbol symbol;
  for (const Box& box : boxes) {
    symbol.left = std::min(symbol.left, box.left);
    symbol.right = std::max(symbol.right, box.right);
    if (box.dark)
      symbol.rows[{box.bottom, box.top}].push_back(box);
  }
  for (auto& [edges, bars] : symbol.rows)
    std::sort(bars.begin(), bars.end(), [](const Box& a, const Box& b) { return a.left < b.left; });
  symbol.boxes = std::move(boxes);
  return symbol;
}

// The light space before the first and after the last bar of the symbol, in modules.
struct Margins {
  double left = 1e9;
  double right = 1e9;
};

Margins MarginsOf(const ReadSymbol& symbol, double module) {
  Margins margins;
  for (const auto& [edges, bars] : symbol.rows) {
    margins.left = std::min(margins.left, (bars.front().left - symbol.left) / module);
    margins.right = std::min(margins.right, (symbol.right - bars.back().right) / module);
  }
  return margins;
}

// One form's symbol: what makes it in the open document (with the given reduction text), and the
// light margins it must have in modules; some forms end on either element of their right guard,
// as the data falls.
struct FormCase {
  std::string name;
  std::function<bool(const char* reduction)> make;
  Margins expected;
  std::optional<double> otherRight;
};

class PrintGeometry : public EmulatorTest {
 protected:
  // Makes the symbol in a new document placed so that every coordinate is exact in single
  // precision, writes it, and reads both files back.
  std::pair<ReadSymbol, ReadSymbol> Made(const FormCase& form, const char* reduction) {
    emulator_.NewDocument({-160.0f, 0.0f});
    host::AppContextHandle context = nullptr;
    EXPECT_EQ(host::sContext->PushAppContext(nullptr, &context), host::kNoError);
    EXPECT_TRUE(form.make(reduction)) << form.name;
    EXPECT_EQ(host::sContext->PopAppContext(context), host::kNoError);
    const std::string base = ::testing::TempDir() + "geometry";
    EXPECT_TRUE(WriteDocument(*emulator_.document(), base + ".svg").ok());
    EXPECT_TRUE(WriteDocument(*emulator_.document(), base + ".pdf").ok());
    return {Read(SvgBoxes(Contents(base + ".svg"))), Read(PdfBoxes(Contents(base + ".pdf")))};
  }
};

std::string Digits(std::mt19937_64& random, int count) {
  std::string digits;
  for (int i = 0; i < count; ++i)
    digits += static_cast<char>('0' + random() % 10);
  return digits;
}

std::string LotText(std::mt19937_64& random, int count) {
  static const std::string characters =
      "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-./";
  std::string text;
  for (int i = 0; i < count; ++i)
    text += characters[random() % characters.size()];
  return text;
}

std::string CompositeText(std::mt19937_64& random) {
  return "(17)" + std::to_string(20 + random() % 10) + "1231(10)" +
         LotText(random, 1 + static_cast<int>(random() % 12));
}

std::vector<FormCase> Forms(std::mt19937_64& random) {
  std::vector<FormCase> forms;
  // The left guard's light module; the right guard ends with a bar; the stacked forms' lower
  // row begins with a bar, and with a 2D part their rows are as wide as its rows, which end one
  // module short; Limited's 5 light modules after its right guard.
  const struct {
    int32_t type;
    const char* name;
    Margins plain;
    Margins withComposite;
  } databar[] = {
      {databar::kOmnidirectional, "omnidirectional", {1, 0}, {1, 0}},
      {databar::kTruncated, "truncated", {1, 0}, {1, 0}},
      {databar::kStacked, "stacked", {0, 0}, {0, 1}},
      {databar::kStackedOmnidirectional, "stacked omnidirectional", {0, 0}, {0, 1}},
      {databar::kLimited, "limited", {1, 5}, {1, 5}},
  };
  for (const auto& type : databar) {
    for (const bool composite : {false, true}) {
      std::string item = Digits(random, 13);
      if (type.type == databar::kLimited)
        item[0] = static_cast<char>('0' + random() % 2);
      const std::string cc = composite ? CompositeText(random) : "";
      forms.push_back({std::string(type.name) + " " + item + " " + cc,
                       [type = type.type, item, cc](const char* reduction) {
                         panels::DataBarForm form;
                         form.type = type;
                         form.ApplyDefaults();
                         form.itemNumber = item;
                         form.compositeText = cc;
                         form.lengths.moduleWidth = kModuleWidth;
                         form.RefreshMinimums();
                         form.ApplyMinimums();
                         form.lengths.barWidthReduction = reduction;
                         form.showText = false;
                         return form.CreateSymbol().outcome == panels::DataBarOutcome::kCreated;
                       },
                       composite ? type.withComposite : type.plain, std::nullopt});
    }
  }
  for (const int segments : {22, 4}) {
    for (const bool composite : {false, true}) {
      const std::string gtin = Digits(random, 13);
      const std::string code =
          "(01)" + gtin + std::to_string(databar::ComputeCheckDigit(gtin.c_str())) + "(3202)" +
          Digits(random, 6) + "(21)" + LotText(random, 1 + static_cast<int>(random() % 10));
      const std::string cc = composite ? CompositeText(random) : "";
      forms.push_back({"expanded " + std::to_string(segments) + " " + code + " " + cc,
                       [segments, code, cc](const char* reduction) {
                         panels::ExpandedForm form;
                         form.code = code;
                         form.compositeText = cc;
                         form.segmentsPerRow = segments;
                         form.lengths.moduleWidth = kModuleWidth;
                         form.RefreshMinimums();
                         form.ApplyMinimums();
                         form.lengths.barWidthReduction = reduction;
                         form.showText = false;
                         return form.CreateSymbol().outcome == panels::DataBarOutcome::kCreated;
                       },
                       // Stacked rows of 4 segments begin with a bar or the guard's space.
                       {segments == 4 ? 0.0 : 1.0, 0},
                       1.0});
    }
  }
  // Quiet zones of ten modules where those are wider than 2.2 mm (0.25 and 0.33), else 2.2 mm
  // (0.191: 11.5 modules).
  for (const char* narrowWidth : {"0.33", "0.25", "0.191"}) {
    const std::string gtin = Digits(random, 13);
    const std::string expiry =
        random() % 2 ? Digits(random, 2) + "0" + std::to_string(1 + random() % 9) + "15" : "";
    const std::string quantity = random() % 2 ? std::to_string(1 + random() % 9999) : "";
    const std::string lot = LotText(random, 1 + static_cast<int>(random() % 8));
    const double modules = std::string(narrowWidth) == "0.191" ? 2.2 / 0.191 : 10;
    forms.push_back({std::string("gs1-128 ") + narrowWidth + " " + gtin + " " + expiry + " " +
                         quantity + " " + lot,
                     [=](const char* reduction) {
                       panels::Medical128Form form;
                       form.productCode = gtin;
                       form.expiry = expiry;
                       form.quantity = quantity;
                       form.lot = lot;
                       form.lotCodeSet = gs1_128::kLotCodeAuto;
                       form.narrowWidthEntry = -1;
                       form.narrowWidthText = narrowWidth;
                       form.barWidthReduction = reduction;
                       return form.CreateMedical128().outcome ==
                              panels::Medical128Outcome::kCreated;
                     },
                     {modules, modules},
                     std::nullopt});
  }
  return forms;
}

// The reduction in points truncated to the fixed-point unit (the DataBar art holds its lengths
// in single precision first); each edge moves by half of it, truncated.
double ExpectedReduction(const std::string& form) {
  const double points = std::strtod(kReduction, nullptr) * 72.0 / 25.4;
  const host::Fixed fixed = form.starts_with("gs1-128")
                                ? host::FixedFromReal(points)
                                : host::FixedFromReal(static_cast<host::Real>(points));
  return 2 * (fixed / 2) * kFixedUnit;
}

TEST_F(PrintGeometry, MarginsInModulesAndReducedBarsReadBackFromSvgAndPdf) {
  std::mt19937_64 random(16);
  int symbols = 0;
  for (int input = 0; input < kInputsPerForm; ++input) {
    for (const FormCase& form : Forms(random)) {
      SCOPED_TRACE(form.name);
      const auto [fullSvg, fullPdf] = Made(form, "0");
      const auto [reducedSvg, reducedPdf] = Made(form, kReduction);
      const double reduction = ExpectedReduction(form.name);
      ++symbols;
      for (const auto& [full, reduced] :
           {std::pair{&fullSvg, &reducedSvg}, {&fullPdf, &reducedPdf}}) {
        ASSERT_FALSE(full->rows.empty());
        // The module is the narrowest bar: every form has bars of one module.
        double module = 1e9;
        for (const auto& [edges, bars] : full->rows) {
          for (const Box& bar : bars)
            module = std::min(module, bar.width());
        }
        for (const auto& [edges, bars] : full->rows) {
          for (const Box& bar : bars)
            EXPECT_EQ(bar.width(), std::round(bar.width() / module) * module);
        }
        // Whole modules, or 2.2 mm in modules as near as the fixed-point widths give. A DataBar
        // background is measured in single precision, not summed from the fixed-point elements,
        // and so may reach a few thousandths of a module further.
        const Margins margins = MarginsOf(*full, module);
        const bool quietZones = form.name.starts_with("gs1-128");
        EXPECT_NEAR(margins.left, form.expected.left, quietZones ? 0.02 : 0.0);
        const double right = form.otherRight && std::round(margins.right) == *form.otherRight
                                 ? *form.otherRight
                                 : form.expected.right;
        EXPECT_GE(margins.right, right - (quietZones ? 0.02 : 0.0));
        EXPECT_LT(margins.right, right + (quietZones ? 0.02 : 0.01));
        if (quietZones) {
          EXPECT_GE(std::min(margins.left, margins.right), 10.0);
        }

        // Reduced: the same rectangles, the symbol as wide, every bar narrower by the reduction
        // and every light element wider by it where it lies between two bars, centres kept.
        EXPECT_EQ(reduced->left, full->left);
        EXPECT_EQ(reduced->right, full->right);
        ASSERT_EQ(reduced->boxes.size(), full->boxes.size());
        EXPECT_NEAR(reduction, std::strtod(kReduction, nullptr) / 25.4 * 72, 2 * kFixedUnit);
        for (size_t i = 0; i < full->boxes.size(); ++i) {
          const Box& before = full->boxes[i];
          const Box& after = reduced->boxes[i];
          ASSERT_EQ(after.dark, before.dark) << i;
          const bool leftOuter = before.left == full->left;
          const bool rightOuter = before.right == full->right;
          if (before.dark) {
            EXPECT_EQ(before.width() - after.width(), reduction) << i;
            EXPECT_EQ(after.centre(), before.centre()) << i;
          } else if (leftOuter && rightOuter) {  // a background
            EXPECT_EQ(after.left, before.left) << i;
            EXPECT_EQ(after.right, before.right) << i;
          } else if (leftOuter || rightOuter) {  // a quiet zone grows towards the bars only
            EXPECT_EQ(leftOuter ? after.left : after.right, leftOuter ? before.left : before.right);
            EXPECT_EQ(after.width() - before.width(), reduction / 2) << i;
          } else {  // a space between two bars
            EXPECT_EQ(after.width() - before.width(), reduction) << i;
            EXPECT_EQ(after.centre(), before.centre()) << i;
          }
        }
      }
    }
  }
  EXPECT_EQ(symbols, kInputsPerForm * 17);
}

}  // namespace
}  // namespace emulator
