// Paints a document as the page description of a print file: the operators of a PDF content
// stream, or PostScript that uses the same path operators (m l c h re q Q cm, which the EPS
// prolog defines) and PostScript's own paint operators. Colours are stated in the space of the
// art's own colour (grey as a grey level, process colours as their inks), so grey art stays
// grey; text is filled glyph outlines from the frame's font.
//
// Coordinates are the document's own, written at full precision: the canvas is painted on a page
// at the document's origin, whose y is the document's negated, and the description's transform
// places the document on the file's page.
#pragma once

#include <string>
#include <vector>

#include "emulator/document_painting.h"
#include "emulator/glyph_outlines.h"
#include "emulator/path_rectangle.h"

namespace emulator {

enum class PrintDialect { kPdf, kPostScript };

// Appends the shortest text that reads back as exactly the value, with a space before it.
void AppendExact(std::string& out, double value);

struct PageDescription {
  std::string text;
  std::string error;  // why a part could not be described, or empty
};

// Appends to the description the document as it lies on the page (see PageFor, PlacedPage), in
// its own coordinates inside a transform that places it.
void DescribeOnPage(PageDescription& description, const Document& document, const Page& page,
                    PrintDialect dialect);

class PrintCanvas : public Canvas {
 public:
  PrintCanvas(std::string& out, PrintDialect dialect, GlyphOutlines& glyphs);

  void MoveTo(PagePoint point) override;
  void LineTo(PagePoint point) override;
  void CurveTo(PagePoint control1, PagePoint control2, PagePoint point) override;
  void ClosePath() override;
  void Paint(const ShapePaint& paint) override;
  void Text(const PointText& text, PagePoint baselineStart) override;

  // Why a text could not be drawn (its font file cannot be read), or empty.
  const std::string& error() const { return error_; }

 private:
  void PaintPdf(const ShapePaint& paint, bool fill, bool stroke);
  void PaintPostScript(const ShapePaint& paint, bool fill, bool stroke);
  void WritePath();
  bool WriteRectangle();
  void WriteOperator(const char* op);
  void WritePoint(PagePoint point);
  void SetInk(const Ink& ink, bool forStroke);
  void WriteStrokeSettings(const ShapePaint& paint);
  void WriteGlyphs(const TextOutline& line, PagePoint start);

  std::string& out_;
  PrintDialect dialect_;
  GlyphOutlines& glyphs_;
  std::vector<PathStep> path_;  // the contours traced since the last paint
  std::optional<Ink> fillInk_;  // as last set; PostScript has one colour for both
  std::optional<Ink> strokeInk_;
  std::string error_;
};

}  // namespace emulator
