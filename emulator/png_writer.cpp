#include "emulator/png_writer.h"

#include <cairo-ft.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <zlib.h>

#include <cmath>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "emulator/document_painting.h"
#include "emulator/path_rectangle.h"
#include "emulator/whole_file.h"
#include "host/utf.h"

namespace emulator {

namespace {

struct SurfaceDeleter {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextDeleter {
  void operator()(cairo_t* cairo) const { cairo_destroy(cairo); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
using Context = std::unique_ptr<cairo_t, ContextDeleter>;

// Font faces made from font files, one per file for the duration of one write.
class FontFaces {
 public:
  FontFaces() = default;
  FontFaces(const FontFaces&) = delete;
  FontFaces& operator=(const FontFaces&) = delete;
  ~FontFaces() {
    for (const auto& [key, face] : faces_)
      cairo_font_face_destroy(face);
  }

  // Null when the file is unknown; the caller then lets cairo choose by family.
  cairo_font_face_t* ForFile(const ResolvedFont& font) {
    if (font.file.empty())
      return nullptr;
    const auto key = std::make_pair(font.file, font.index);
    const auto found = faces_.find(key);
    if (found != faces_.end())
      return found->second;
    FcPattern* pattern = FcPatternCreate();
    if (pattern == nullptr)
      return nullptr;
    FcPatternAddString(pattern, FC_FILE, reinterpret_cast<const FcChar8*>(font.file.c_str()));
    FcPatternAddInteger(pattern, FC_INDEX, font.index);
    cairo_font_face_t* face = cairo_ft_font_face_create_for_pattern(pattern);
    FcPatternDestroy(pattern);
    faces_.emplace(key, face);
    return face;
  }

 private:
  std::map<std::pair<std::string, int>, cairo_font_face_t*> faces_;
};

constexpr cairo_line_cap_t kCaps[] = {CAIRO_LINE_CAP_BUTT, CAIRO_LINE_CAP_ROUND,
                                      CAIRO_LINE_CAP_SQUARE};
constexpr cairo_line_join_t kJoins[] = {CAIRO_LINE_JOIN_MITER, CAIRO_LINE_JOIN_ROUND,
                                        CAIRO_LINE_JOIN_BEVEL};

int Code(int code) {
  return code >= 0 && code < 3 ? code : 0;
}

// Paints in page points; cairo's matrix takes them to pixels.
class PixelCanvas : public Canvas {
 public:
  explicit PixelCanvas(cairo_t* cairo) : cairo_(cairo) {}

  void MoveTo(PagePoint p) override { path_.push_back({'m', {p}}); }
  void LineTo(PagePoint p) override { path_.push_back({'l', {p}}); }
  void CurveTo(PagePoint c1, PagePoint c2, PagePoint p) override {
    path_.push_back({'c', {c1, c2, p}});
  }
  void ClosePath() override { path_.push_back({'h', {}}); }

  void Paint(const ShapePaint& paint) override {
    const std::optional<PathRectangle> rectangle = AsRectangle(path_);
    if (rectangle && paint.fill && !paint.stroke) {
      FillOnPixels(*rectangle, *paint.fill);
    } else {
      Trace();
      PaintTraced(paint);
    }
    path_.clear();
  }

  void Text(const PointText& text, PagePoint start) override {
    if (cairo_font_face_t* face = faces_.ForFile(text.font)) {
      cairo_set_font_face(cairo_, face);
    } else {
      cairo_select_font_face(cairo_, text.font.family.c_str(), CAIRO_FONT_SLANT_NORMAL,
                             CAIRO_FONT_WEIGHT_NORMAL);
    }
    cairo_set_font_size(cairo_, text.size);
    cairo_set_source_rgb(cairo_, 0, 0, 0);
    cairo_move_to(cairo_, start.x, start.y);
    cairo_show_text(cairo_, host::Utf16ToUtf8(text.text).c_str());
    cairo_new_path(cairo_);
  }

 private:
  void Trace() {
    for (const PathStep& step : path_) {
      const PagePoint* p = step.points;
      switch (step.op) {
        case 'm':
          cairo_move_to(cairo_, p[0].x, p[0].y);
          break;
        case 'l':
          cairo_line_to(cairo_, p[0].x, p[0].y);
          break;
        case 'c':
          cairo_curve_to(cairo_, p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y);
          break;
        default:
          cairo_close_path(cairo_);
      }
    }
  }

  void PaintTraced(const ShapePaint& paint) {
    if (paint.fill) {
      SetColour(*paint.fill);
      cairo_set_fill_rule(cairo_,
                          paint.evenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
      cairo_fill_preserve(cairo_);
    }
    if (paint.stroke) {
      SetColour(*paint.stroke);
      cairo_set_line_width(cairo_, paint.strokeWidth);
      cairo_set_line_cap(cairo_, kCaps[Code(paint.cap)]);
      cairo_set_line_join(cairo_, kJoins[Code(paint.join)]);
      cairo_set_miter_limit(cairo_, paint.miterLimit);
      cairo_stroke_preserve(cairo_);
    }
    cairo_new_path(cairo_);
  }

  // Each edge on the pixel boundary nearest to it; a rectangle narrower than half a pixel may
  // cover none.
  void FillOnPixels(const PathRectangle& rectangle, const Rgb& colour) {
    double left = rectangle.left;
    double top = rectangle.top;
    double right = rectangle.right;
    double bottom = rectangle.bottom;
    cairo_user_to_device(cairo_, &left, &top);
    cairo_user_to_device(cairo_, &right, &bottom);
    cairo_save(cairo_);
    cairo_identity_matrix(cairo_);
    const double x0 = std::round(left);
    const double y0 = std::round(top);
    cairo_rectangle(cairo_, x0, y0, std::round(right) - x0, std::round(bottom) - y0);
    cairo_set_antialias(cairo_, CAIRO_ANTIALIAS_NONE);
    SetColour(colour);
    cairo_fill(cairo_);
    cairo_restore(cairo_);
  }

  void SetColour(const Rgb& colour) {
    cairo_set_source_rgb(cairo_, colour.red, colour.green, colour.blue);
  }

  cairo_t* cairo_;
  std::vector<PathStep> path_;
  FontFaces faces_;
};

std::string Failure(const std::string& path, cairo_status_t status) {
  return "cannot write " + path + ": " + cairo_status_to_string(status);
}

// The image: the art's bounds from a pixel boundary, in whole pixels, with a margin of whole
// pixels on every side.
struct PixelPage {
  Page page;  // in points, its top-left corner the art's
  double pixelsPerPoint = 0;
  int margin = 0;  // pixels
  int width = 0;
  int height = 0;
};

PixelPage PixelPageFor(const Document& document, const WriteOptions& options) {
  const Page art = PageFor(document, 0);
  PixelPage pixels;
  pixels.page = art;
  pixels.pixelsPerPoint = options.pixelsPerPoint > 0 ? options.pixelsPerPoint : options.dpi / 72.0;
  pixels.margin = static_cast<int>(std::lround(options.marginMm / 25.4 * options.dpi));
  const auto cover = [&](double points) {
    return static_cast<int>(std::ceil(points * pixels.pixelsPerPoint - 1e-9));
  };
  pixels.width = cover(art.width) + 2 * pixels.margin;
  pixels.height = cover(art.height) + 2 * pixels.margin;
  return pixels;
}

void AppendBigEndian(std::string& bytes, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8)
    bytes += static_cast<char>((value >> shift) & 0xFF);
}

// The resolution chunk, in pixels per metre on both axes.
std::string ResolutionChunk(double dpi) {
  std::string chunk;
  AppendBigEndian(chunk, 9);
  std::string body = "pHYs";
  const auto perMetre = static_cast<uint32_t>(std::lround(dpi / 0.0254));
  AppendBigEndian(body, perMetre);
  AppendBigEndian(body, perMetre);
  body += '\1';  // the unit is the metre
  chunk += body;
  AppendBigEndian(chunk, static_cast<uint32_t>(
                             crc32(0, reinterpret_cast<const Bytef*>(body.data()), body.size())));
  return chunk;
}

cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

// cairo's PNG bytes with the resolution chunk after the header chunk, which comes first: the
// signature (8 bytes), then the header's length, type, 13 bytes of data and check value.
constexpr size_t kAfterHeaderChunk = 8 + 4 + 4 + 13 + 4;

}  // namespace

WriteResult WritePng(const Document& document, const std::string& path,
                     const WriteOptions& options) {
  if (!(options.dpi > 0))
    return {"the resolution must be positive"};
  const PixelPage pixels = PixelPageFor(document, options);
  Surface surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, pixels.width, pixels.height));
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
    return {Failure(path, cairo_surface_status(surface.get()))};
  {
    Context cairo(cairo_create(surface.get()));
    cairo_set_source_rgb(cairo.get(), 1, 1, 1);
    cairo_paint(cairo.get());
    cairo_translate(cairo.get(), pixels.margin, pixels.margin);
    cairo_scale(cairo.get(), pixels.pixelsPerPoint, pixels.pixelsPerPoint);
    PixelCanvas canvas(cairo.get());
    PaintDocument(document, pixels.page, canvas);
    if (cairo_status(cairo.get()) != CAIRO_STATUS_SUCCESS)
      return {Failure(path, cairo_status(cairo.get()))};
  }
  std::string bytes;
  const cairo_status_t status =
      cairo_surface_write_to_png_stream(surface.get(), AppendBytes, &bytes);
  if (status != CAIRO_STATUS_SUCCESS)
    return {Failure(path, status)};
  bytes.insert(kAfterHeaderChunk, ResolutionChunk(options.dpi));
  return WriteWholeFile(path, bytes);
}

}  // namespace emulator
