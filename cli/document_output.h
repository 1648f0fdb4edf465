// Writing the emulator's document to the file the user named, in the format its extension
// names (.svg, .pdf, .eps or .png), or to standard output in the format --format names.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/options.h"
#include "emulator/document.h"

namespace cli {

// The options of every command that writes a document or dumps a symbol's modules.
inline constexpr OptionDefinition kOutputOptions[] = {
    {"dpi", "", "N", "--dpi 1200",
     "resolution of a PNG file, 10 to 4800 (default 600); the module width is rounded to whole "
     "pixels at it, with a note when that changes it by more than 5 %"},
    {"dump", "", "", "--dump",
     "print the module rows (1 dark, 0 light, top row first; the 2D rows and their separator "
     "included) instead of a file"},
    {"output", "-o", "FILE", "-o symbol.svg",
     "the file to write: .svg, .pdf, .eps or .png, or - for standard output; PDF and EPS are in "
     "grey (black bars, white background) with the text as outlines, not as a font"},
    {"format", "", "FORMAT", "-o - --format pdf", "-o -: svg, pdf, eps or png (default svg)"},
    {"help", "-h", "", "--help", "show this help"},
};

constexpr int kDefaultDpi = 600;
constexpr int kSmallestDpi = 10;
constexpr int kLargestDpi = 4800;

struct OutputChoice {
  bool dump = false;
  std::string path;    // the file to write when not dumping, "-" for standard output
  std::string format;  // the format of standard output, as an extension (".svg"); else empty
  int dpi = kDefaultDpi;
  // A PNG's module width in whole pixels and the scale that draws it so (pixel_module_width.h);
  // 0 where not fitted.
  int modulePixels = 0;
  double pixelsPerPoint = 0;
  std::string option;                         // the option refused, or empty
  std::optional<panels::MessageLines> error;  // why

  bool IsPng() const;
};

// Reads --dump, -o, --format and --dpi: exactly one of --dump and -o, a supported file name or
// "-" with a supported --format, a resolution of 10 to 4800.
OutputChoice ReadOutputOptions(const ParsedOptions& options);

// Whether the file name ends in one of the supported extensions (any letter case).
bool IsSupportedOutput(std::string_view path);
bool IsPngOutput(std::string_view path);

// Writes the document at true size, the page fitted to the art; PNG at the chosen resolution.
// Returns an empty text on success, else the reason. The file is written whole under a temporary
// name and then renamed, so that a failed or interrupted write leaves no file of its name. On a
// batch's worker thread that lays out a sheet, the document is kept for the sheet instead.
std::string WriteDocument(const emulator::Document& document, const OutputChoice& output);

}  // namespace cli
