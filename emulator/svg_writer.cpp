#include "emulator/svg_writer.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "emulator/document_painting.h"
#include "host/utf.h"

namespace emulator {

namespace {

// Enough digits for 1/65536 point at any position on a page.
std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", value);
  return text;
}

std::string Hex(const Rgb& colour) {
  const auto byte = [](double unit) { return static_cast<int>(unit * 255 + 0.5); };
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", byte(colour.red), byte(colour.green),
                byte(colour.blue));
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

class SvgCanvas : public Canvas {
 public:
  explicit SvgCanvas(std::ostream& out) : out_(out) {}

  void MoveTo(PagePoint p) override { data_ << "M" << Point(p); }
  void LineTo(PagePoint p) override { data_ << "L" << Point(p); }
  void CurveTo(PagePoint c1, PagePoint c2, PagePoint p) override {
    data_ << "C" << Point(c1) << " " << Point(c2) << " " << Point(p);
  }
  void ClosePath() override { data_ << "Z"; }

  void Paint(const ShapePaint& paint) override {
    const std::string data = data_.str();
    data_.str("");
    if (data.empty() || (!paint.fill && !paint.stroke))
      return;
    out_ << "<path d=\"" << data << "\" fill=\"" << (paint.fill ? Hex(*paint.fill) : "none")
         << "\" fill-rule=\"" << (paint.evenOdd ? "evenodd" : "nonzero") << "\"";
    if (paint.stroke) {
      out_ << " stroke=\"" << Hex(*paint.stroke) << "\" stroke-width=\""
           << Number(paint.strokeWidth) << "\" stroke-linecap=\"" << NameOf(kCaps, paint.cap)
           << "\" stroke-linejoin=\"" << NameOf(kJoins, paint.join) << "\" stroke-miterlimit=\""
           << Number(paint.miterLimit) << "\"";
    }
    out_ << "/>\n";
  }

  // The font the plug-in asked for first, then the one that stands in for it here, then any.
  void Text(const PointText& text, PagePoint start) override {
    out_ << "<text x=\"" << Number(start.x) << "\" y=\"" << Number(start.y) << "\" font-family=\"";
    if (!text.requestedFont.empty())
      out_ << "'" << Escaped(text.requestedFont) << "', ";
    if (!text.font.family.empty())
      out_ << "'" << Escaped(text.font.family) << "', ";
    out_ << "sans-serif\" font-size=\"" << Number(text.size)
         << "\" fill=\"#000000\" xml:space=\"preserve\">" << Escaped(host::Utf16ToUtf8(text.text))
         << "</text>\n";
  }

 private:
  static std::string Point(PagePoint p) { return Number(p.x) + " " + Number(p.y); }

  std::ostream& out_;
  std::ostringstream data_;
};

}  // namespace

WriteResult WriteSvg(const Document& document, const std::string& path,
                     const WriteOptions& options) {
  const Page page = PageFor(document, options.marginMm);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out)
    return {"cannot open " + path + " for writing"};
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << Number(page.width)
      << "pt\" height=\"" << Number(page.height) << "pt\" viewBox=\"0 0 " << Number(page.width)
      << " " << Number(page.height) << "\">\n";
  SvgCanvas canvas(out);
  PaintDocument(document, page, canvas);
  out << "</svg>\n";
  out.close();
  if (!out)
    return {"cannot write " + path};
  return {};
}

}  // namespace emulator
