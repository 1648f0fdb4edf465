#include "emulator/svg_writer.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "emulator/document_painting.h"
#include "emulator/emulator_state.h"
#include "emulator/svg_number.h"
#include "emulator/whole_file.h"
#include "host/utf.h"

namespace emulator {

namespace {

constexpr double kMmPerPoint = 25.4 / 72;

// The coordinates are the document's own, the y axis negated so that it grows downward: every
// number the file holds is a value of the document, written exactly (see svg_number.h). The
// view box places the page over them.
constexpr Page kDocumentCoordinates{};

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
void AppendEscaped(std::string& out, std::string_view text) {
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&apos;";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r') {
          out += "\xEF\xBF\xBD";
        } else {
          out += c;
        }
    }
  }
}

// A length in millimetres to a tenth of a micrometre: the size a viewer gives the page. The view
// box holds the page's exact size in points.
void AppendMillimetres(std::string& text, double points) {
  char number[400];  // room for the largest double in full
  const auto written = std::to_chars(number, number + sizeof number, points * kMmPerPoint,
                                     std::chars_format::fixed, 4);
  std::string_view digits(number, static_cast<size_t>(written.ptr - number));
  while (digits.ends_with('0'))
    digits.remove_suffix(1);
  if (digits.ends_with('.'))
    digits.remove_suffix(1);
  text.append(digits).append("mm");
}

constexpr const char* kCaps[] = {"butt", "round", "square"};
constexpr const char* kJoins[] = {"miter", "round", "bevel"};

// The name of a cap or join code; unknown codes take the first.
const char* NameOf(const char* const (&names)[3], int code) {
  return code >= 0 && code < 3 ? names[code] : names[0];
}

// What the root element gives every shape: filled black, non-zero, no stroke.
ShapePaint DefaultPaint() {
  ShapePaint paint;
  paint.fill = Rgb{};
  return paint;
}

// The attributes of a shape painted so, beyond what it inherits from the root element.
std::string PaintAttributes(const ShapePaint& paint) {
  std::string text;
  if (paint.fill != DefaultPaint().fill) {
    text += " fill=\"";
    if (paint.fill) {
      AppendHex(text, *paint.fill);
    } else {
      text += "none";
    }
    text += '"';
  }
  if (paint.evenOdd)
    text += " fill-rule=\"evenodd\"";
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
  return text;
}

// One command of a shape's outline, as the painter traced it.
struct Command {
  char op;  // 'M', 'L', 'C' or 'Z'
  PagePoint points[3];
};

// Path data: commands and their numbers, a straight edge along an axis as H or V, numbers
// separated by a space unless a minus sign separates them already. Relative data (lower-case
// commands, each point less the current one) is written only for whole numbers, whose sums are
// exact.
class PathData {
 public:
  PathData(std::string& out, NumberWriter& numbers) : out_(out), numbers_(numbers) {}

  // The outline moved by -origin.
  void Append(const std::vector<Command>& commands, PagePoint origin) { Write(commands, origin); }
  // The outline, of whole numbers, in relative commands.
  void AppendRelative(const std::vector<Command>& commands) {
    relative_ = true;
    Write(commands, {});
  }

 private:
  void Write(const std::vector<Command>& commands, PagePoint origin) {
    used_ = 0;
    for (const Command& command : commands) {
      const PagePoint from = relative_ ? current_ : PagePoint{};
      switch (command.op) {
        case 'M':
          start_ = current_ = Moved(command.points[0], origin);
          Put('M', {current_.x - from.x, current_.y - from.y});
          break;
        case 'L': {
          const PagePoint p = Moved(command.points[0], origin);
          if (p.y == current_.y) {
            Put('H', {p.x - from.x});
          } else if (p.x == current_.x) {
            Put('V', {p.y - from.y});
          } else {
            Put('L', {p.x - from.x, p.y - from.y});
          }
          current_ = p;
          break;
        }
        case 'C': {
          const PagePoint c1 = Moved(command.points[0], origin);
          const PagePoint c2 = Moved(command.points[1], origin);
          current_ = Moved(command.points[2], origin);
          Put('C', {c1.x - from.x, c1.y - from.y, c2.x - from.x, c2.y - from.y, current_.x - from.x,
                    current_.y - from.y});
          break;
        }
        default:
          *Room() = relative_ ? 'z' : 'Z';
          ++used_;
          current_ = start_;  // closing returns to the contour's start
      }
    }
    out_.append(text_, used_);
  }

 private:
  static PagePoint Moved(PagePoint p, PagePoint origin) { return {p.x - origin.x, p.y - origin.y}; }

  // Where the next command goes, with room for its letter and six numbers; the data gathered
  // so far goes to the output when the buffer is nearly full.
  char* Room() {
    if (used_ + kMostCommandCharacters > sizeof text_) {
      out_.append(text_, used_);
      used_ = 0;
    }
    return text_ + used_;
  }

  void Put(char op, std::initializer_list<double> numbers) {
    char* const first = Room();
    char* out = first;
    *out++ = relative_ ? static_cast<char>(op - 'A' + 'a') : op;
    // A number's text begins with '-' exactly when its sign bit is set (-0 and NaN included),
    // so the separator is known before the number is written in place.
    for (const double number : numbers) {
      if (out != first + 1 && !std::signbit(number))
        *out++ = ' ';
      out = numbers_.Write(out, number);
    }
    used_ += static_cast<size_t>(out - first);
  }

  static constexpr size_t kMostCommandCharacters = 1 + 6 * (kMostNumberCharacters + 1);

  std::string& out_;
  NumberWriter& numbers_;
  PagePoint current_;
  PagePoint start_;
  bool relative_ = false;
  char text_[4096];
  size_t used_ = 0;
};

// Whether p - origin is exactly representable, so that the origin and the moved point add up
// to p again: the rounding error of the subtraction, found by the two-sum method, is zero.
bool SubtractsExactly(double p, double origin) {
  const double difference = p - origin;
  const double originPart = difference - p;
  return (p - (difference - originPart)) + (-origin - originPart) == 0;
}

// The smallest exponent e > 0 that makes every value times 2^e a whole number of at most 23 bits,
// whose differences single-precision arithmetic holds exactly; 0 when the values are whole already
// or no exponent up to kMostScaleBits does it. A glyph's coordinates relative to its first point
// are multiples of the single-precision spacing at the glyph's place, so such whole numbers take
// about half the characters of the decimals.
constexpr int kMostScaleBits = 30;
constexpr double kMostWholeNumber = 1 << 23;

int WholeNumberExponent(const std::vector<double>& values) {
  int exponent = 0;
  double largest = 0;
  for (const double value : values) {
    if (value == 0)
      continue;
    int binaryExponent = 0;
    const double fraction = std::frexp(value, &binaryExponent);  // value = fraction * 2^exp
    const auto mantissa = static_cast<uint64_t>(std::ldexp(std::fabs(fraction), 53));
    const int fractionBits = 53 - std::countr_zero(mantissa) - binaryExponent;
    exponent = std::max(exponent, fractionBits);
    largest = std::max(largest, std::fabs(value));
  }
  if (exponent > kMostScaleBits || std::ldexp(largest, exponent) >= kMostWholeNumber)
    return 0;
  return exponent;
}

// 2^exponent (exponent < 0) in full: a power of two has as many decimals as its exponent.
std::string PowerOfTwoText(int exponent) {
  char text[2 + kMostScaleBits + 1];
  const auto written = std::to_chars(text, text + sizeof text, std::ldexp(1.0, exponent),
                                     std::chars_format::fixed, -exponent);
  return {text, written.ptr};
}

// The outlines of many shapes and their data texts, kept across the files a thread writes: the
// glyphs of a line of text repeat within a file and from one file to the next, and a shape seen
// before costs a comparison instead of its data's writing. Shapes are compared by their exact
// coordinates relative to their first point.
class SharedShapes {
 public:
  struct Shape {
    std::vector<char> ops;
    std::vector<double> coordinates;
    std::string paint;
    std::string data;   // the path data, relative to the first point
    std::string scale;  // the exact power of two its data's whole numbers are scaled by, or empty
    uint64_t file = 0;  // the file it was last defined in
    int id = 0;         // its id in that file
  };

  // The shape of these commands and paint, made if it is new. Null when its coordinates cannot
  // be moved exactly. The data of an unstroked shape is written in whole numbers where a power
  // of two scales them to its coordinates exactly (see WholeNumberExponent).
  Shape* Find(const std::vector<Command>& commands, PagePoint origin, const std::string& paint,
              bool scalable, NumberWriter& numbers) {
    uint64_t hash = 0;
    if (!Relative(commands, origin, hash))
      return nullptr;
    for (const char c : paint)
      hash = Mix(hash, static_cast<unsigned char>(c));
    std::vector<size_t>& slot = slots_[hash & (kSlots - 1)];
    for (size_t index : slot) {
      Shape& shape = shapes_[index];
      if (shape.ops == ops_ && shape.coordinates == coordinates_ && shape.paint == paint)
        return &shape;
    }
    if (shapes_.size() == kMostShapes)
      Clear();
    Shape& shape = shapes_.emplace_back();
    shape.ops = ops_;
    shape.coordinates = coordinates_;
    shape.paint = paint;
    const int exponent = scalable ? WholeNumberExponent(coordinates_) : 0;
    if (exponent > 0) {
      shape.scale = PowerOfTwoText(-exponent);
      PathData(shape.data, numbers).AppendRelative(Scaled(commands, origin, exponent));
    } else {
      PathData(shape.data, numbers).Append(commands, origin);
    }
    slots_[hash & (kSlots - 1)].push_back(shapes_.size() - 1);
    return &shape;
  }

 private:
  static constexpr size_t kSlots = 1024;
  static constexpr size_t kMostShapes = 4096;  // then all are forgotten

  void Clear() {
    shapes_.clear();
    for (auto& slot : slots_)
      slot.clear();
  }

  static uint64_t Mix(uint64_t hash, uint64_t value) {
    return (hash ^ value) * 0x9E3779B97F4A7C15u + (hash >> 29);
  }

  // The commands' coordinates less the origin into coordinates_, and their hash; false if one is
  // inexact. Coordinates are compared as numbers: -0 and 0 are the same place.
  bool Relative(const std::vector<Command>& commands, PagePoint origin, uint64_t& hash) {
    ops_.clear();
    coordinates_.clear();
    for (const Command& command : commands) {
      ops_.push_back(command.op);
      hash = Mix(hash, static_cast<unsigned char>(command.op));
      const int points = command.op == 'C' ? 3 : command.op == 'Z' ? 0 : 1;
      for (int i = 0; i < points; ++i) {
        const PagePoint p = command.points[i];
        if (!SubtractsExactly(p.x, origin.x) || !SubtractsExactly(p.y, origin.y))
          return false;
        const double x = p.x - origin.x + 0.0;  // + 0.0 turns -0 into 0
        const double y = p.y - origin.y + 0.0;
        coordinates_.push_back(x);
        coordinates_.push_back(y);
        hash = Mix(Mix(hash, std::bit_cast<uint64_t>(x)), std::bit_cast<uint64_t>(y));
      }
    }
    return true;
  }

  // The commands moved by -origin and multiplied by 2^exponent, exactly.
  const std::vector<Command>& Scaled(const std::vector<Command>& commands, PagePoint origin,
                                     int exponent) {
    scaled_ = commands;
    for (Command& command : scaled_) {
      for (PagePoint& p : command.points) {
        p.x = std::ldexp(p.x - origin.x, exponent);
        p.y = std::ldexp(p.y - origin.y, exponent);
      }
    }
    return scaled_;
  }

  std::vector<Shape> shapes_;
  std::vector<std::vector<size_t>> slots_ = std::vector<std::vector<size_t>>(kSlots);
  std::vector<char> ops_;
  std::vector<double> coordinates_;
  std::vector<Command> scaled_;
};

}  // namespace

struct SvgBuffers {
  std::string body;
  std::string definitions;
  std::string file;
  std::vector<Command> shape;
  NumberWriter numbers;
  SharedShapes shared;
  uint64_t files = 0;
};

void SvgBuffersDeleter::operator()(SvgBuffers* buffers) const {
  delete buffers;
}

namespace {

// The buffers of the emulator current on this thread, made when first needed; else `own`'s.
SvgBuffers& BuffersFor(SvgBuffersPointer& own) {
  Emulator* emulator = Emulator::Current();
  SvgBuffersPointer& buffers = emulator != nullptr ? emulator->state().svgBuffers : own;
  if (!buffers)
    buffers.reset(new SvgBuffers);
  return *buffers;
}

// Writes the document's shapes and texts into the body; an outline of more than a few points is
// written once per file as a definition and placed with <use> wherever it recurs.
class SvgCanvas : public Canvas {
 public:
  explicit SvgCanvas(SvgBuffers& buffers)
      : buffers_(buffers), data_(buffers.body, buffers.numbers) {
    ++buffers_.files;
    buffers_.body.clear();
    buffers_.definitions.clear();
    buffers_.shape.clear();
  }

  int definitions() const { return definitions_; }

  void MoveTo(PagePoint p) override { Next('M').points[0] = p; }
  void LineTo(PagePoint p) override { Next('L').points[0] = p; }
  void CurveTo(PagePoint c1, PagePoint c2, PagePoint p) override {
    Command& command = Next('C');
    command.points[0] = c1;
    command.points[1] = c2;
    command.points[2] = p;
  }
  void ClosePath() override { Next('Z'); }

  void Paint(const ShapePaint& paint) override {
    std::vector<Command>& shape = buffers_.shape;
    if (shape.empty() || (!paint.fill && !paint.stroke)) {
      shape.clear();
      return;
    }
    // Paths mostly come in runs of one paint, whose attributes are made once.
    if (!paintKnown_ || !(paint == paint_)) {
      paintText_ = PaintAttributes(paint);
      paint_ = paint;
      paintKnown_ = true;
    }
    if (shape.size() < kSharedCommands || !PlaceShared()) {
      std::string& body = buffers_.body;
      body += "<path d=\"";
      data_.Append(shape, {});
      body += '"';
      body += paintText_;
      body += "/>\n";
    }
    shape.clear();
  }

  // The font the plug-in asked for first, then the one that stands in for it here, then any.
  void Text(const PointText& text, PagePoint start) override {
    std::string& body = buffers_.body;
    body += "<text x=\"";
    AppendNumber(body, start.x);
    body += "\" y=\"";
    AppendNumber(body, start.y);
    body += "\" font-family=\"";
    for (const std::string* family : {&text.requestedFont, &text.font.family}) {
      if (!family->empty()) {
        body += '\'';
        AppendEscaped(body, *family);
        body += "', ";
      }
    }
    body += "sans-serif\" font-size=\"";
    AppendNumber(body, text.size);
    body += "\" xml:space=\"preserve\">";
    AppendEscaped(body, host::Utf16ToUtf8(text.text));
    body += "</text>\n";
  }

  void BeginGroup() override { buffers_.body += "<g>\n"; }
  void EndGroup() override { buffers_.body += "</g>\n"; }

  // Around art moved by (x, y).
  void BeginTranslation(double x, double y) {
    std::string& body = buffers_.body;
    body += "<g transform=\"translate(";
    AppendNumber(body, x);
    body += ' ';
    AppendNumber(body, y);
    body += ")\">\n";
  }
  void EndTranslation() { EndGroup(); }

 private:
  // Outlines of at least this many commands are shared; a rectangle's is shorter written out.
  static constexpr size_t kSharedCommands = 8;

  // The next command, made in place and its points set there: a command built whole and then
  // copied in costs a stall on every one, its parts stored and read back at once.
  Command& Next(char op) {
    Command& command = buffers_.shape.emplace_back();
    command.op = op;
    return command;
  }

  // Places the shape as <use> of its definition in this file, defining it first if needed.
  bool PlaceShared() {
    const PagePoint origin = buffers_.shape.front().points[0];
    SharedShapes::Shape* shape =
        buffers_.shared.Find(buffers_.shape, origin, paintText_, !paint_.stroke, buffers_.numbers);
    if (shape == nullptr)
      return false;
    if (shape->file != buffers_.files) {
      shape->file = buffers_.files;
      shape->id = definitions_++;
      std::string& definitions = buffers_.definitions;
      definitions += "<path id=\"s";
      definitions += std::to_string(shape->id);
      if (!shape->scale.empty())
        definitions.append("\" transform=\"scale(").append(shape->scale).append(")");
      definitions += "\" d=\"";
      definitions += shape->data;
      definitions += '"';
      definitions += shape->paint;
      definitions += "/>\n";
    }
    std::string& body = buffers_.body;
    body += "<use xlink:href=\"#s";
    body += std::to_string(shape->id);
    body += "\" x=\"";
    AppendRecentNumber(origin.x);
    body += "\" y=\"";
    AppendRecentNumber(origin.y);
    body += "\"/>\n";
    return true;
  }

  // The glyphs of a line share their baseline, and their places recur from file to file.
  void AppendRecentNumber(double value) {
    char text[kMostNumberCharacters];
    buffers_.body.append(text, static_cast<size_t>(buffers_.numbers.Write(text, value) - text));
  }

  SvgBuffers& buffers_;
  PathData data_;
  int definitions_ = 0;
  std::string paintText_;  // the attributes of the paint last used
  ShapePaint paint_;
  bool paintKnown_ = false;
};

// The page's rectangle in the file's coordinates: its left edge, its top edge (y downward),
// its width and height in points.
struct ViewBox {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
};

// Writes one SVG page, its art painted by `paint` on the canvas, in one write.
template <typename Paint>
WriteResult WriteSvgFile(const std::string& path, const ViewBox& box, Paint paint) {
  SvgBuffersPointer own;
  SvgBuffers& buffers = BuffersFor(own);
  SvgCanvas canvas(buffers);
  paint(canvas);
  std::string& file = buffers.file;
  file.assign(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\"");
  if (canvas.definitions() > 0)
    file += " xmlns:xlink=\"http://www.w3.org/1999/xlink\"";
  file += " width=\"";
  AppendMillimetres(file, box.width);
  file += "\" height=\"";
  AppendMillimetres(file, box.height);
  file += "\" viewBox=\"";
  for (const double number : {box.left, box.top, box.width, box.height}) {
    AppendNumber(file, number);
    file += ' ';
  }
  file.back() = '"';
  file += " fill=\"#000000\">\n";
  if (canvas.definitions() > 0)
    file.append("<defs>\n").append(buffers.definitions).append("</defs>\n");
  file += buffers.body;
  file += "</svg>\n";

  return WriteWholeFile(path, file);
}

}  // namespace

WriteResult WriteSvg(const Document& document, const std::string& path,
                     const WriteOptions& options) {
  const Page page = PageFor(document, options.marginMm);
  return WriteSvgFile(
      path, {page.left, -page.top, page.width, page.height},
      [&](SvgCanvas& canvas) { PaintDocument(document, kDocumentCoordinates, canvas); });
}

// Each document's art moved onto the page by a translation of its group.
WriteResult WriteSvgPage(const SheetPage& sheetPage, const std::string& path) {
  return WriteSvgFile(path, {0, 0, sheetPage.width, sheetPage.height}, [&](SvgCanvas& canvas) {
    for (const SheetPlacement& placed : sheetPage.placements) {
      const Document& document = *placed.document;
      const Page page = PlacedPage(document, placed.x, placed.y, sheetPage.width, sheetPage.height);
      canvas.BeginTranslation(-page.left, page.top);
      PaintDocument(document, kDocumentCoordinates, canvas);
      canvas.EndTranslation();
    }
  });
}

}  // namespace emulator
