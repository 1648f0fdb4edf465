#include "emulator/print_canvas.h"

#include <charconv>
#include <cmath>

namespace emulator {

namespace {

constexpr const char* kPdfFillOperators[2][2] = {{"f", "f*"}, {"B", "B*"}};  // [stroked][evenOdd]
constexpr const char* kPostScriptFills[2] = {"fill", "eofill"};

// Glyph points in font units to a hundredth of a unit (under a ten-thousandth of a point at text
// sizes): the cubic controls of quadratic outlines fall on thirds, which would take 17 digits.
double InFontUnits(double value) {
  return std::round(value * 100) / 100;
}

// The page that leaves every coordinate as the document has it, y negated (exactly).
Page DocumentFrame(double width, double height) {
  Page page;
  page.width = width;
  page.height = height;
  return page;
}

}  // namespace

void AppendExact(std::string& out, double value) {
  char text[32];
  // Adding zero turns -0 into 0.
  const auto written = std::to_chars(text, text + sizeof text, value + 0.0);
  out += ' ';
  out.append(text, written.ptr);
}

void DescribeOnPage(PageDescription& description, const Document& document, const Page& page,
                    PrintDialect dialect) {
  // Each thread keeps its font files open and its glyph outlines for the next files it writes.
  thread_local GlyphOutlines glyphs;
  std::string& out = description.text;
  out += "q 1 0 0 1";
  AppendExact(out, -page.left);
  AppendExact(out, page.height - page.top);
  out += " cm\n";
  PrintCanvas canvas(out, dialect, glyphs);
  PaintDocument(document, DocumentFrame(page.width, page.height), canvas);
  out += "Q\n";
  if (description.error.empty())
    description.error = canvas.error();
}

PrintCanvas::PrintCanvas(std::string& out, PrintDialect dialect, GlyphOutlines& glyphs)
    : out_(out), dialect_(dialect), glyphs_(glyphs) {}

void PrintCanvas::MoveTo(PagePoint point) {
  path_.push_back({'m', {point}});
}

void PrintCanvas::LineTo(PagePoint point) {
  path_.push_back({'l', {point}});
}

void PrintCanvas::CurveTo(PagePoint control1, PagePoint control2, PagePoint point) {
  path_.push_back({'c', {control1, control2, point}});
}

void PrintCanvas::ClosePath() {
  path_.push_back({'h', {}});
}

void PrintCanvas::Paint(const ShapePaint& paint) {
  const bool fill = paint.fill && paint.fillInk;
  const bool stroke = paint.stroke && paint.strokeInk;
  if (!path_.empty() && (fill || stroke)) {
    if (!WriteRectangle())
      WritePath();
    if (dialect_ == PrintDialect::kPdf) {
      PaintPdf(paint, fill, stroke);
    } else {
      PaintPostScript(paint, fill, stroke);
    }
    out_ += '\n';
  }
  path_.clear();
}

// PDF keeps a fill and a stroke colour, and paints both in one operation.
void PrintCanvas::PaintPdf(const ShapePaint& paint, bool fill, bool stroke) {
  if (fill)
    SetInk(*paint.fillInk, false);
  if (stroke) {
    SetInk(*paint.strokeInk, true);
    WriteStrokeSettings(paint);
  }
  WriteOperator(fill ? kPdfFillOperators[stroke][paint.evenOdd] : "S");
}

// PostScript has one colour, and filling consumes the path: a fill before a stroke is made on a
// copy of the graphics state.
void PrintCanvas::PaintPostScript(const ShapePaint& paint, bool fill, bool stroke) {
  const char* fillOperator = kPostScriptFills[paint.evenOdd];
  if (fill && stroke) {
    WriteOperator("gsave");
    SetInk(*paint.fillInk, false);
    WriteOperator(fillOperator);
    WriteOperator("grestore");
    fillInk_.reset();  // the colour before gsave is back
  } else if (fill) {
    SetInk(*paint.fillInk, false);
    WriteOperator(fillOperator);
  }
  if (stroke) {
    SetInk(*paint.strokeInk, true);
    WriteStrokeSettings(paint);
    WriteOperator("stroke");
  }
}

void PrintCanvas::Text(const PointText& text, PagePoint baselineStart) {
  const std::optional<TextOutline> line = glyphs_.Outline(text.font, text.text, text.size);
  if (!line) {
    if (error_.empty())
      error_ = "cannot read the font file \"" + text.font.file + "\" to outline a text";
    return;
  }
  SetInk(Ink{Ink::kGrey, {0}}, false);  // text frames are black
  WriteGlyphs(*line, baselineStart);
}

void PrintCanvas::WriteGlyphs(const TextOutline& line, PagePoint start) {
  const char* fill = dialect_ == PrintDialect::kPdf ? "f" : "fill";
  for (const PlacedGlyph& glyph : line.glyphs) {
    if (glyph.outline->empty())
      continue;
    // Each glyph in its own units: scaled and moved onto the baseline.
    WriteOperator("q");
    for (const double value : {line.scale, 0.0, 0.0, line.scale, start.x + glyph.offset, -start.y})
      AppendExact(out_, value);
    WriteOperator("cm");
    for (const OutlineStep& step : *glyph.outline) {
      for (int i = 0; i < PointCount(step.op); ++i) {
        AppendExact(out_, InFontUnits(step.x[i]));
        AppendExact(out_, InFontUnits(step.y[i]));
      }
      out_ += ' ';
      out_ += step.op;
    }
    WriteOperator(fill);
    WriteOperator("Q");
    out_ += '\n';
  }
}

// Bars, spaces and backgrounds are written as rectangles: their width is then written as it is.
bool PrintCanvas::WriteRectangle() {
  const std::optional<PathRectangle> rectangle = AsRectangle(path_);
  if (!rectangle)
    return false;
  // Page y is the document's negated.
  const double bottom = -rectangle->bottom;
  const double top = -rectangle->top;
  for (const double value :
       {rectangle->left, bottom, rectangle->right - rectangle->left, top - bottom})
    AppendExact(out_, value);
  WriteOperator("re");
  return true;
}

void PrintCanvas::WritePath() {
  for (const PathStep& step : path_) {
    for (int i = 0; i < PointCount(step.op); ++i)
      WritePoint(step.points[i]);
    out_ += ' ';
    out_ += step.op;
  }
}

void PrintCanvas::WriteOperator(const char* op) {
  out_ += ' ';
  out_ += op;
}

void PrintCanvas::WritePoint(PagePoint point) {
  AppendExact(out_, point.x);
  AppendExact(out_, -point.y);
}

void PrintCanvas::SetInk(const Ink& ink, bool forStroke) {
  const bool postScript = dialect_ == PrintDialect::kPostScript;
  std::optional<Ink>& current = forStroke && !postScript ? strokeInk_ : fillInk_;
  if (current == ink)
    return;
  current = ink;
  const int count = ink.space == Ink::kGrey ? 1 : ink.space == Ink::kCmyk ? 4 : 3;
  for (int i = 0; i < count; ++i)
    AppendExact(out_, ink.values[i]);
  static constexpr const char* kPdf[3][2] = {{"g", "G"}, {"k", "K"}, {"rg", "RG"}};
  static constexpr const char* kPostScript[3] = {"setgray", "setcmykcolor", "setrgbcolor"};
  WriteOperator(postScript ? kPostScript[ink.space] : kPdf[ink.space][forStroke]);
}

void PrintCanvas::WriteStrokeSettings(const ShapePaint& paint) {
  const bool postScript = dialect_ == PrintDialect::kPostScript;
  AppendExact(out_, paint.strokeWidth);
  WriteOperator(postScript ? "setlinewidth" : "w");
  AppendExact(out_, paint.cap >= 0 && paint.cap < 3 ? paint.cap : 0);
  WriteOperator(postScript ? "setlinecap" : "J");
  AppendExact(out_, paint.join >= 0 && paint.join < 3 ? paint.join : 0);
  WriteOperator(postScript ? "setlinejoin" : "j");
  AppendExact(out_, paint.miterLimit);
  WriteOperator(postScript ? "setmiterlimit" : "M");
}

}  // namespace emulator
