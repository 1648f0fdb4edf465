#include "emulator/svg_writer.h"

#include <fstream>
#include <initializer_list>
#include <optional>
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

void AppendHex(std::string& text, const Rgb& colour) {
  constexpr char kHexDigits[] = "0123456789abcdef";
  char hex[7] = {'#'};
  char* out = hex + 1;
  for (const double unit : {colour.red, colour.green, colour.blue}) {
    const int byte = static_cast<int>(unit * 255 + 0.5);
    *out++ = kHexDigits[(byte >> 4) & 0xF];
    *out++ = kHexDigits[byte & 0xF];
  }
  text.append(hex, sizeof hex);
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

// Writes the document's text into one string, which the file then receives in one write. A
// path's data is written straight into it, and taken back when the path is not painted.
class SvgCanvas : public Canvas {
 public:
  explicit SvgCanvas(std::string& out) : out_(out) {}

  void MoveTo(PagePoint p) override { AppendCommand('M', {p}); }
  void LineTo(PagePoint p) override { AppendCommand('L', {p}); }
  void CurveTo(PagePoint c1, PagePoint c2, PagePoint p) override {
    AppendCommand('C', {c1, c2, p});
  }
  void ClosePath() override {
    OpenPath();
    out_ += 'Z';
  }

  void Paint(const ShapePaint& paint) override {
    if (!tracing_)
      return;
    tracing_ = false;
    if (!paint.fill && !paint.stroke) {
      out_.resize(pathStart_);
      return;
    }
    // Paths mostly come in runs of one paint, whose attributes are written once.
    if (!paintText_ || !(paint == paintOfText_)) {
      paintText_ = PaintAttributes(paint);
      paintOfText_ = paint;
    }
    out_ += *paintText_;
  }

  // The font the plug-in asked for first, then the one that stands in for it here, then any.
  void Text(const PointText& text, PagePoint start) override {
    out_ += "<text x=\"" + Number(start.x) + "\" y=\"" + Number(start.y) + "\" font-family=\"";
    for (const std::string* family : {&text.requestedFont, &text.font.family}) {
      if (!family->empty())
        out_.append("'").append(Escaped(*family)).append("', ");
    }
    out_ += "sans-serif\" font-size=\"" + Number(text.size) +
            "\" fill=\"#000000\" xml:space=\"preserve\">" + Escaped(host::Utf16ToUtf8(text.text)) +
            "</text>\n";
  }

 private:
  // Opens the path element for the first command of its data.
  void OpenPath() {
    if (!tracing_) {
      tracing_ = true;
      pathStart_ = out_.size();
      out_ += "<path d=\"";
    }
  }

  // The command and its points, separated by spaces, in one append.
  void AppendCommand(char command, std::initializer_list<PagePoint> points) {
    OpenPath();
    char text[1 + 3 * (2 * kMostNumberCharacters + 2)];
    char* out = text;
    *out++ = command;
    for (const PagePoint& p : points) {
      if (out != text + 1)
        *out++ = ' ';
      out = numbers_.Write(out, p.x);
      *out++ = ' ';
      out = numbers_.Write(out, p.y);
    }
    out_.append(text, static_cast<size_t>(out - text));
  }

  // The end of a path element that closes its data and paints it so.
  static std::string PaintAttributes(const ShapePaint& paint) {
    std::string text = "\" fill=\"";
    if (paint.fill) {
      AppendHex(text, *paint.fill);
    } else {
      text += "none";
    }
    text += paint.evenOdd ? "\" fill-rule=\"evenodd\"" : "\" fill-rule=\"nonzero\"";
    if (paint.stroke) {
      text += " stroke=\"";
      AppendHex(text, *paint.stroke);
      text += "\" stroke-width=\"";
      AppendNumber(text, paint.strokeWidth);
      text += "\" stroke-linecap=\"";
      text += NameOf(kCaps, paint.cap);
      text += "\" stroke-linejoin=\"";
      text += NameOf(kJoins, paint.join);
      text += "\" stroke-miterlimit=\"";
      AppendNumber(text, paint.miterLimit);
      text += '"';
    }
    text += "/>\n";
    return text;
  }

  std::string& out_;
  NumberWriter numbers_;
  std::optional<std::string> paintText_;  // the attributes last written
  ShapePaint paintOfText_;                // and the paint they say
  bool tracing_ = false;                  // a path's data is being written
  size_t pathStart_ = 0;                  // where its element starts in out_
};

// Writes one SVG page of the given size, painted by `paint` on its canvas.
template <typename Paint>
WriteResult WriteSvgFile(const std::string& path, double width, double height, Paint paint) {
  // Each thread keeps the one buffer, so that a run of files neither allocates nor grows a new
  // one for each.
  thread_local std::string text;
  text.assign(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"");
  text += Number(width) + "pt\" height=\"" + Number(height) + "pt\" viewBox=\"0 0 " +
          Number(width) + " " + Number(height) + "\">\n";
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
