#include "cli/sheet_layout.h"

#include <algorithm>

namespace cli {

namespace {

class SheetWriter {
 public:
  explicit SheetWriter(const SheetFormat& format) : format_(format) { StartPage(); }

  void Place(const emulator::Document& document, double width, double height) {
    if (x_ > format_.margin && x_ + width > format_.width - format_.margin)
      StartRow();
    if (y_ > format_.margin && y_ + height > format_.height - format_.margin)
      StartPage();
    emulator::SheetPage& page = pages_.back();
    page.placements.push_back({&document, x_, y_});
    page.width = std::max(page.width, x_ + width + format_.margin);
    page.height = std::max(page.height, y_ + height + format_.margin);
    x_ += width + format_.gap;
    rowHeight_ = std::max(rowHeight_, height);
  }

  std::vector<emulator::SheetPage> TakePages() { return std::move(pages_); }

 private:
  void StartRow() {
    x_ = format_.margin;
    y_ += rowHeight_ + format_.gap;
    rowHeight_ = 0;
  }

  void StartPage() {
    pages_.push_back({format_.width, format_.height, {}});
    x_ = format_.margin;
    y_ = format_.margin;
    rowHeight_ = 0;
  }

  const SheetFormat& format_;
  std::vector<emulator::SheetPage> pages_;
  double x_ = 0;
  double y_ = 0;
  double rowHeight_ = 0;
};

}  // namespace

std::vector<emulator::SheetPage> LayOutSheet(std::span<const emulator::Document* const> documents,
                                             const SheetFormat& format) {
  SheetWriter writer(format);
  for (const emulator::Document* document : documents) {
    const auto bounds = document->Bounds();
    if (!bounds)
      continue;
    writer.Place(*document, static_cast<double>(bounds->right) - bounds->left,
                 static_cast<double>(bounds->top) - bounds->bottom);
  }
  return writer.TakePages();
}

}  // namespace cli
