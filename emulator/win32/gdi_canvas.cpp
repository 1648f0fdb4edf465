#include "emulator/win32/gdi_canvas.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "emulator/document_painting.h"
#include "emulator/page_geometry.h"

namespace emulator {

namespace {

constexpr COLORREF kDesk = RGB(128, 128, 128);
constexpr double kPageMarginMm = 10;
constexpr double kLargestScale = 8;
constexpr int kDeskMargin = 16;
constexpr wchar_t kTextFace[] = L"MS Gothic";

COLORREF ColourOf(const Rgb& colour) {
  const auto byte = [](double unit) {
    return static_cast<BYTE>(std::clamp(unit, 0.0, 1.0) * 255 + 0.5);
  };
  return RGB(byte(colour.red), byte(colour.green), byte(colour.blue));
}

class GdiCanvas : public Canvas {
 public:
  GdiCanvas(HDC dc, double scale, double left, double top)
      : dc_(dc), scale_(scale), left_(left), top_(top) {}

  void MoveTo(PagePoint point) override {
    if (!tracing_)
      BeginPath(dc_);
    tracing_ = true;
    const POINT p = Device(point);
    MoveToEx(dc_, p.x, p.y, nullptr);
  }
  void LineTo(PagePoint point) override {
    const POINT p = Device(point);
    ::LineTo(dc_, p.x, p.y);
  }
  void CurveTo(PagePoint control1, PagePoint control2, PagePoint point) override {
    const POINT points[3] = {Device(control1), Device(control2), Device(point)};
    PolyBezierTo(dc_, points, 3);
  }
  void ClosePath() override { CloseFigure(dc_); }

  void Paint(const ShapePaint& paint) override {
    if (!tracing_)
      return;
    tracing_ = false;
    EndPath(dc_);
    SetPolyFillMode(dc_, paint.evenOdd ? ALTERNATE : WINDING);
    HBRUSH brush = paint.fill ? CreateSolidBrush(ColourOf(*paint.fill)) : nullptr;
    const int penWidth = std::max(1, static_cast<int>(std::lround(paint.strokeWidth * scale_)));
    HPEN pen = paint.stroke ? CreatePen(PS_SOLID, penWidth, ColourOf(*paint.stroke)) : nullptr;
    const HGDIOBJ oldBrush = SelectObject(dc_, brush ? brush : GetStockObject(NULL_BRUSH));
    const HGDIOBJ oldPen = SelectObject(dc_, pen ? pen : GetStockObject(NULL_PEN));
    if (brush && pen) {
      StrokeAndFillPath(dc_);
    } else if (brush) {
      FillPath(dc_);
    } else if (pen) {
      StrokePath(dc_);
    } else {
      AbortPath(dc_);
    }
    SelectObject(dc_, oldBrush);
    SelectObject(dc_, oldPen);
    if (brush)
      DeleteObject(brush);
    if (pen)
      DeleteObject(pen);
  }

  void Text(const PointText& text, PagePoint baselineStart) override {
    const int height = std::max(1, static_cast<int>(std::lround(text.size * scale_)));
    HFONT font = CreateFontW(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                             DEFAULT_PITCH, kTextFace);
    const HGDIOBJ oldFont = SelectObject(dc_, font);
    SetTextAlign(dc_, TA_BASELINE | TA_LEFT);
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, RGB(0, 0, 0));
    const std::wstring units(text.text.begin(), text.text.end());
    const POINT p = Device(baselineStart);
    TextOutW(dc_, p.x, p.y, units.c_str(), static_cast<int>(units.size()));
    SelectObject(dc_, oldFont);
    DeleteObject(font);
  }

 private:
  POINT Device(PagePoint point) const {
    return {static_cast<LONG>(std::lround(left_ + point.x * scale_)),
            static_cast<LONG>(std::lround(top_ + point.y * scale_))};
  }

  HDC dc_;
  double scale_;
  double left_;
  double top_;
  bool tracing_ = false;
};

}  // namespace

void PaintDocumentView(HDC dc, const RECT& area, const Document* document) {
  HBRUSH desk = CreateSolidBrush(kDesk);
  FillRect(dc, &area, desk);
  DeleteObject(desk);
  if (document == nullptr)
    return;
  const Page page = PageFor(*document, kPageMarginMm);
  const double width = std::max(1L, area.right - area.left - 2 * kDeskMargin);
  const double height = std::max(1L, area.bottom - area.top - 2 * kDeskMargin);
  const double scale = std::min({width / page.width, height / page.height, kLargestScale});
  const double left = area.left + (area.right - area.left - page.width * scale) / 2;
  const double top = area.top + (area.bottom - area.top - page.height * scale) / 2;
  const RECT sheet{static_cast<LONG>(left), static_cast<LONG>(top),
                   static_cast<LONG>(left + page.width * scale),
                   static_cast<LONG>(top + page.height * scale)};
  FillRect(dc, &sheet, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  GdiCanvas canvas(dc, scale, left, top);
  PaintDocument(*document, page, canvas);
}

}  // namespace emulator
