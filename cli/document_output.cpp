#include "cli/document_output.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "cli/worker_host.h"
#include "emulator/document_writer.h"

namespace cli {

namespace {

// From the last dot on, in lower case; empty without a dot.
std::string LowerExtension(std::string_view path) {
  const size_t dot = path.rfind('.');
  if (dot == std::string_view::npos)
    return {};
  std::string extension(path.substr(dot));
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

}  // namespace

bool IsSupportedOutput(std::string_view path) {
  const std::string extension = LowerExtension(path);
  return extension == ".svg" || extension == ".pdf" || extension == ".eps" || extension == ".png";
}

bool IsPngOutput(std::string_view path) {
  return LowerExtension(path) == ".png";
}

std::string WriteDocument(const emulator::Document& document, const OutputChoice& output) {
  const std::string& path = output.path;
  if (WorkerHost* worker = WorkerHost::Current(); worker != nullptr && worker->keepsDocuments()) {
    worker->KeepDocument(document);
    return {};
  }
  emulator::WriteOptions options;
  options.dpi = output.dpi;
  options.pixelsPerPoint = output.pixelsPerPoint;
  const emulator::WriteResult result = emulator::WriteDocument(document, path, options);
  if (!result.ok()) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
  }
  return result.error;
}

OutputChoice ReadOutputOptions(const ParsedOptions& options) {
  OutputChoice choice;
  choice.dump = options.has("dump");
  const std::optional<std::string> output = options.value("output");
  const auto refuse = [&choice](std::string option, std::string error) {
    choice.option = std::move(option);
    choice.error = std::move(error);
    return choice;
  };
  if (choice.dump && output)
    return refuse("--dump", "writes to standard output; leave out -o");
  if (!choice.dump && !output)
    return refuse("-o", "an output file (or --dump) is required");
  if (output && !IsSupportedOutput(*output))
    return refuse("-o", "the file name must end in .svg, .pdf, .eps or .png");
  choice.path = output.value_or("");
  if (const std::optional<std::string> dpi = options.value("dpi")) {
    const bool digits = !dpi->empty() && dpi->size() <= 4 &&
                        dpi->find_first_not_of("0123456789") == std::string::npos;
    choice.dpi = digits ? std::stoi(*dpi) : 0;
    if (choice.dpi < kSmallestDpi || choice.dpi > kLargestDpi)
      return refuse("--dpi", "expected a whole number from 10 to 4800");
  }
  return choice;
}

}  // namespace cli
