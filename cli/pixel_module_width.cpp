#include "cli/pixel_module_width.h"

#include <cmath>
#include <cstdio>
#include <optional>

#include "cli/command_messages.h"
#include "panels/length_field.h"

namespace cli {

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kLargestWidth = 9.999;  // the forms' bounds, in millimetres
constexpr double kNoteworthyChange = 0.05;

// The text of a width of whole pixels, within the forms' bounds.
std::string PixelWidthText(int pixels, int dpi) {
  return panels::FormatLength(pixels * kMmPerInch / dpi);
}

}  // namespace

std::string ModuleWidthForOutput(const std::string& text, OutputChoice& output,
                                 const CommandReport& report, std::string_view option) {
  if (!output.IsPng())
    return text;
  // A width the form refuses stays as it is, for the form's own message.
  const std::optional<double> given =
      panels::ReadDecimal(panels::FormatLength(panels::ReadDecimal(text).value_or(0)));
  if (!given || *given < panels::kSmallestLength || *given > kLargestWidth)
    return text;
  const double exact = *given * output.dpi / kMmPerInch;
  int pixels = std::max(1, static_cast<int>(std::lround(exact)));
  while (*panels::ReadDecimal(PixelWidthText(pixels, output.dpi)) < panels::kSmallestLength)
    ++pixels;
  while (pixels > 1 && *panels::ReadDecimal(PixelWidthText(pixels, output.dpi)) > kLargestWidth)
    --pixels;
  const std::string rounded = PixelWidthText(pixels, output.dpi);
  output.modulePixels = pixels;
  const double change = *panels::ReadDecimal(rounded) / *given - 1;
  if (std::abs(change) > kNoteworthyChange) {
    char exactText[32];
    std::snprintf(exactText, sizeof exactText, "%.2f", exact);
    char changeText[32];
    std::snprintf(changeText, sizeof changeText, "%+.1f", 100 * change);
    report.Note(
        panels::BothLanguages(kMsgPixelWidth, {option, text, exactText, std::to_string(output.dpi),
                                               std::to_string(pixels), rounded, changeText}));
  }
  return rounded;
}

void FitModuleToPixels(OutputChoice& output, double modulePoints) {
  if (output.modulePixels > 0 && modulePoints > 0)
    output.pixelsPerPoint = output.modulePixels / modulePoints;
}

}  // namespace cli
