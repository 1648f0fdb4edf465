#include "emulator/cairo_writer.h"

#include <cairo-ft.h>
#include <cairo-pdf.h>
#include <cairo-ps.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <cmath>
#include <map>
#include <memory>
#include <utility>

#include "emulator/document_painting.h"
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

class CairoCanvas : public Canvas {
 public:
  explicit CairoCanvas(cairo_t* cairo) : cairo_(cairo) {}

  void MoveTo(PagePoint p) override { cairo_move_to(cairo_, p.x, p.y); }
  void LineTo(PagePoint p) override { cairo_line_to(cairo_, p.x, p.y); }
  void CurveTo(PagePoint c1, PagePoint c2, PagePoint p) override {
    cairo_curve_to(cairo_, c1.x, c1.y, c2.x, c2.y, p.x, p.y);
  }
  void ClosePath() override { cairo_close_path(cairo_); }

  void Paint(const ShapePaint& paint) override {
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
  void SetColour(const Rgb& colour) {
    cairo_set_source_rgb(cairo_, colour.red, colour.green, colour.blue);
  }

  cairo_t* cairo_;
  FontFaces faces_;
};

std::string Failure(const std::string& path, cairo_status_t status) {
  return "cannot write " + path + ": " + cairo_status_to_string(status);
}

// Pixels needed to cover a length in points at the resolution.
int Pixels(double points, double dpi) {
  return static_cast<int>(std::ceil(points * dpi / 72.0 - 1e-9));
}

Surface MakeSurface(const std::string& path, CairoFormat format, const Page& page,
                    const WriteOptions& options) {
  switch (format) {
    case CairoFormat::kPdf:
      return Surface(cairo_pdf_surface_create(path.c_str(), page.width, page.height));
    case CairoFormat::kEps: {
      Surface surface(cairo_ps_surface_create(path.c_str(), page.width, page.height));
      cairo_ps_surface_set_eps(surface.get(), 1);
      return surface;
    }
    case CairoFormat::kPng:
      break;
  }
  return Surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, Pixels(page.width, options.dpi),
                                            Pixels(page.height, options.dpi)));
}

void Draw(cairo_t* cairo, const Document& document, const Page& page, CairoFormat format,
          const WriteOptions& options) {
  if (format == CairoFormat::kPng) {
    cairo_set_source_rgb(cairo, 1, 1, 1);
    cairo_paint(cairo);
    cairo_scale(cairo, options.dpi / 72.0, options.dpi / 72.0);
  }
  CairoCanvas canvas(cairo);
  PaintDocument(document, page, canvas);
  cairo_show_page(cairo);
}

}  // namespace

WriteResult WriteWithCairo(const Document& document, const std::string& path, CairoFormat format,
                           const WriteOptions& options) {
  if (format == CairoFormat::kPng && !(options.dpi > 0))
    return {"the resolution must be positive"};
  const Page page = PageFor(document, options.marginMm);
  Surface surface = MakeSurface(path, format, page, options);
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
    return {Failure(path, cairo_surface_status(surface.get()))};
  }
  {
    Context cairo(cairo_create(surface.get()));
    Draw(cairo.get(), document, page, format, options);
    if (cairo_status(cairo.get()) != CAIRO_STATUS_SUCCESS) {
      return {Failure(path, cairo_status(cairo.get()))};
    }
  }
  if (format == CairoFormat::kPng) {
    const cairo_status_t status = cairo_surface_write_to_png(surface.get(), path.c_str());
    if (status != CAIRO_STATUS_SUCCESS)
      return {Failure(path, status)};
  }
  cairo_surface_finish(surface.get());
  const cairo_status_t status = cairo_surface_status(surface.get());
  if (status != CAIRO_STATUS_SUCCESS)
    return {Failure(path, status)};
  return {};
}

WriteResult WritePdfSheet(std::span<const SheetPage> pages, const std::string& path) {
  if (pages.empty())
    return {"a sheet needs at least one page: " + path};
  Surface surface(cairo_pdf_surface_create(path.c_str(), pages[0].width, pages[0].height));
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
    return {Failure(path, cairo_surface_status(surface.get()))};
  }
  {
    Context cairo(cairo_create(surface.get()));
    CairoCanvas canvas(cairo.get());
    for (const SheetPage& page : pages) {
      cairo_pdf_surface_set_size(surface.get(), page.width, page.height);
      for (const SheetPlacement& placed : page.placements) {
        const Document& document = *placed.document;
        PaintDocument(document, PlacedPage(document, placed.x, placed.y, page.width, page.height),
                      canvas);
      }
      cairo_show_page(cairo.get());
    }
    if (cairo_status(cairo.get()) != CAIRO_STATUS_SUCCESS) {
      return {Failure(path, cairo_status(cairo.get()))};
    }
  }
  cairo_surface_finish(surface.get());
  const cairo_status_t status = cairo_surface_status(surface.get());
  if (status != CAIRO_STATUS_SUCCESS)
    return {Failure(path, status)};
  return {};
}

}  // namespace emulator
