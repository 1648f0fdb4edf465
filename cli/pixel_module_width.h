// A PNG file's module width: rounded to whole pixels at the file's resolution before the symbol
// is made, so that every module edge falls on a pixel boundary.
#pragma once

#include <string>
#include <string_view>

#include "cli/command_report.h"
#include "cli/document_output.h"

namespace cli {

// For a PNG file, the module width text (millimetres) as the nearest whole number of pixels at
// its resolution, at least the forms' smallest width, as a length field's text; a note on
// standard error names the option when that moves the width by more than 5 %. The output
// remembers the pixels. Other files, and texts that are not a width the form accepts, keep the
// text for the form to judge.
std::string ModuleWidthForOutput(const std::string& text, OutputChoice& output,
                                 const CommandReport& report, std::string_view option);

// Once the symbol is made, with the module width in points as the document holds it (a field
// keeps three decimals of a millimetre, and the symbology's own arithmetic may round further):
// the scale at which that module is exactly the remembered pixels wide.
void FitModuleToPixels(OutputChoice& output, double modulePoints);

}  // namespace cli
