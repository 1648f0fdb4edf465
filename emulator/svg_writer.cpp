#include "emulator/svg_writer.h"

#include <fstream>
#include <string>

#include "emulator/document_painting.h"
#include "emulator/svg_number.h"
#include "host/utf.h"

namespace emulator {

namespace {

// Enough digits for 1/65536 point at any position on a page.
std::string Number(double value) {
  std::string text;
  AppendNumber(text, value);
  return text;
}

std::string Hex(const Rgb& colour) {
  constexpr char kHexDigits[] = "0123456789abcdef";
  std::string text = "#";
  for (const double unit : {colour.red, colour.green, colour.blue}) {
    const int byte = static_cast<int>(unit * 255 + 0.5);
    text += kHexDigits[(byte >> 4) & 0xF];
    text += kHexDigits[byte & 0xF];
  }
  return text;
}

// Escapes the text for XML; control characters XML cannot hold become U+FFFD.
std::string Escaped(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      case '\'':
        escaped += "&apos;";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r') {
          escaped += "\xEF\xBF\xBD";
        } else {
          escaped += c;
        }
    }
  }
  return escaped;
}

constexpr const char* kCaps[] = {"butt", "round", "square"};
constexpr const char* kJoins[] = {"miter", "round", "bevel"};

// The name of a cap or join code; unknown codes take the first.
const char* NameOf(const char* const (&names)[3], int code) {
  return code >= 0 && code < 3 ? names[code] : names[0];
}

// Writes the document's text into one string, which the file then receives in one write.
class SvgCanvas : public Canvas {
 public:
  explicit SvgCanvas(std::string& out) : out_(out) {}

  void MoveTo(PagePoint p) override {
    data_ += 'M';
    AppendPoint(p);
  }
  void LineTo(PagePoint p) override {
    data_ += 'L';
    AppendPoint(p);
  }
  void CurveTo(PagePoint c1, PagePoint c2, PagePoint p) override {
    data_ += 'C';
    AppendPoint(c1);
    data_ += ' ';
    AppendPoint(c2);
    data_ += ' ';
    AppendPoint(p);
  }
  void ClosePath() override { data_ += 'Z'; }

  void Paint(const ShapePaint& paint) override {
    if (data_.empty() || (!paint.fill && !paint.stroke)) {
      data_.clear();
      return;
    }
    out_ += "<path d=\"";
    out_ += data_;
    out_ += "\" fill=\"";
    out_ += paint.fill ? Hex(*paint.fill) : "none";
    out_ += paint.evenOdd ? "\" fill-rule=\"evenodd\"" : "\" fill-rule=\"nonzero\"";
    if (paint.stroke) {
      out_ += " stroke=\"" + Hex(*paint.stroke) + "\" stroke-width=\"";
      AppendNumber(out_, paint.strokeWidth);
      out_ += std::string("\" stroke-linecap=\"") + NameOf(kCaps, paint.cap) +
              "\" stroke-linejoin=\"" + NameOf(kJoins, paint.join) + "\" stroke-miterlimit=\"";
      AppendNumber(out_, paint.miterLimit);
      out_ += '"';
    }
    out_ += "/>\n";
    data_.clear();
  }

  // The font the plug-in asked for first, then the one that stands in for it here, then any.
  void Text(const PointText& text, PagePoint start) override {
    out_ += "<text x=\"" + Number(start.x) + "\" y=\"" + Number(start.y) + "\" font-family=\"";
    if (!text.requestedFont.empty())
      out_ += "'" + Escaped(text.requestedFont) + "', ";
    if (!text.font.family.empty())
      out_ += "'" + Escaped(text.font.family) + "', ";
    out_ += "sans-serif\" font-size=\"" + Number(text.size) +
            "\" fill=\"#000000\" xml:space=\"preserve\">" + Escaped(host::Utf16ToUtf8(text.text)) +
            "</text>\n";
  }

 private:
  void AppendPoint(PagePoint p) {
    AppendNumber(data_, p.x);
    data_ += ' ';
    AppendNumber(data_, p.y);
  }

  std::string& out_;
  std::string data_;  // the path being traced
};

// Writes one SVG page of the given size, painted by `paint` on its canvas.
template <typename Paint>
WriteResult WriteSvgFile(const std::string& path, double width, double height, Paint paint) {
  std::string text =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
      Number(width) + "pt\" height=\"" + Number(height) + "pt\" viewBox=\"0 0 " + Number(width) +
      " " + Number(height) + "\">\n";
  SvgCanvas canvas(text);
  paint(canvas);
  text += "</svg>\n";
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out)
    return {"cannot open " + path + " for writing"};
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.close();
  if (!out)
    return {"cannot write " + path};
  return {};
}

}  // namespace

WriteResult WriteSvg(const Document& document, const std::string& path,
                     const WriteOptions& options) {
  const Page page = PageFor(document, options.marginMm);
  return WriteSvgFile(path, page.width, page.height,
                      [&](Canvas& canvas) { PaintDocument(document, page, canvas); });
}

WriteResult WriteSvgPage(const SheetPage& sheetPage, const std::string& path) {
  return WriteSvgFile(path, sheetPage.width, sheetPage.height, [&](Canvas& canvas) {
    for (const SheetPlacement& placed : sheetPage.placements) {
      const Document& document = *placed.document;
      PaintDocument(document,
                    PlacedPage(document, placed.x, placed.y, sheetPage.width, sheetPage.height),
                    canvas);
    }
  });
}

}  // namespace emulator
