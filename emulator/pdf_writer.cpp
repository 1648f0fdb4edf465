#include "emulator/pdf_writer.h"

#include <zlib.h>

#include <cstdio>
#include <vector>

#include "emulator/print_canvas.h"
#include "emulator/whole_file.h"

namespace emulator {

namespace {

struct PdfPage {
  double width = 0;
  double height = 0;
  PageDescription description;
};

// The objects of a file in order, each remembered by its offset for the cross-reference table.
class PdfFile {
 public:
  PdfFile() { bytes_ = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n"; }

  void Add(const std::string& object) {
    offsets_.push_back(bytes_.size());
    bytes_ += std::to_string(offsets_.size()) + " 0 obj\n" + object + "\nendobj\n";
  }

  // The cross-reference table and the trailer; the catalog is object 1, the information last.
  const std::string& Finish() {
    const size_t table = bytes_.size();
    bytes_ += "xref\n0 " + std::to_string(offsets_.size() + 1) + "\n0000000000 65535 f \n";
    for (const size_t offset : offsets_) {
      char entry[21];
      std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
      bytes_ += entry;
    }
    bytes_ += "trailer\n<< /Size " + std::to_string(offsets_.size() + 1) + " /Root 1 0 R /Info " +
              std::to_string(offsets_.size()) + " 0 R >>\nstartxref\n" + std::to_string(table) +
              "\n%%EOF\n";
    return bytes_;
  }

 private:
  std::string bytes_;
  std::vector<size_t> offsets_;
};

std::string Compressed(const std::string& text) {
  uLongf size = compressBound(text.size());
  std::string compressed(size, '\0');
  compress2(reinterpret_cast<Bytef*>(compressed.data()), &size,
            reinterpret_cast<const Bytef*>(text.data()), text.size(), Z_DEFAULT_COMPRESSION);
  compressed.resize(size);
  return compressed;
}

std::string Numbers(std::initializer_list<double> values) {
  std::string text;
  for (const double value : values)
    AppendExact(text, value);
  return text;
}

// Catalog, page tree, each page and its content stream, information.
WriteResult WritePages(const std::vector<PdfPage>& pages, const std::string& path) {
  for (const PdfPage& page : pages) {
    if (!page.description.error.empty())
      return {page.description.error};
  }
  PdfFile file;
  file.Add("<< /Type /Catalog /Pages 2 0 R >>");
  std::string kids;
  for (size_t i = 0; i < pages.size(); ++i)
    kids += " " + std::to_string(3 + 2 * i) + " 0 R";
  file.Add("<< /Type /Pages /Kids [" + kids + " ] /Count " + std::to_string(pages.size()) + " >>");
  for (size_t i = 0; i < pages.size(); ++i) {
    const PdfPage& page = pages[i];
    file.Add("<< /Type /Page /Parent 2 0 R /MediaBox [" + Numbers({0, 0, page.width, page.height}) +
             " ] /Resources << >> /Contents " + std::to_string(4 + 2 * i) + " 0 R >>");
    const std::string stream = Compressed(page.description.text);
    file.Add("<< /Length " + std::to_string(stream.size()) + " /Filter /FlateDecode >>\nstream\n" +
             stream + "\nendstream");
  }
  file.Add("<< /Producer (Barquill) >>");
  const std::string& bytes = file.Finish();
  return WriteWholeFile(path, bytes);
}

}  // namespace

WriteResult WritePdf(const Document& document, const std::string& path,
                     const WriteOptions& options) {
  const Page page = PageFor(document, options.marginMm);
  std::vector<PdfPage> pages(1);
  pages[0].width = page.width;
  pages[0].height = page.height;
  DescribeOnPage(pages[0].description, document, page, PrintDialect::kPdf);
  return WritePages(pages, path);
}

WriteResult WritePdfSheet(std::span<const SheetPage> sheetPages, const std::string& path) {
  if (sheetPages.empty())
    return {"a sheet needs at least one page: " + path};
  std::vector<PdfPage> pages(sheetPages.size());
  for (size_t i = 0; i < sheetPages.size(); ++i) {
    const SheetPage& sheetPage = sheetPages[i];
    pages[i].width = sheetPage.width;
    pages[i].height = sheetPage.height;
    for (const SheetPlacement& placed : sheetPage.placements) {
      const Document& document = *placed.document;
      DescribeOnPage(pages[i].description, document,
                     PlacedPage(document, placed.x, placed.y, sheetPage.width, sheetPage.height),
                     PrintDialect::kPdf);
    }
  }
  return WritePages(pages, path);
}

}  // namespace emulator
