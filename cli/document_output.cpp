#include "cli/document_output.h"

#include <algorithm>
#include <cctype>

#include "cli/command_messages.h"
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
  options.format = output.format;
  return emulator::WriteDocument(document, path, options).error;
}

bool OutputChoice::IsPng() const {
  return !dump && (format.empty() ? IsPngOutput(path) : format == ".png");
}

OutputChoice ReadOutputOptions(const ParsedOptions& options) {
  OutputChoice choice;
  choice.dump = options.has("dump");
  const std::optional<std::string> output = options.value("output");
  const auto refuse = [&choice](std::string option, const panels::Message& error) {
    choice.option = std::move(option);
    choice.error = panels::BothLanguages(error, {});
    return choice;
  };
  if (choice.dump && output)
    return refuse("--dump", kMsgDumpWithOutput);
  if (!choice.dump && !output)
    return refuse("-o", kMsgOutputRequired);
  const bool standardOutput = output == "-";
  if (output && !standardOutput && !IsSupportedOutput(*output))
    return refuse("-o", kMsgOutputExtension);
  if (const std::optional<std::string> format = options.value("format")) {
    if (!standardOutput)
      return refuse("--format", kMsgFormatOnlyForStandardOutput);
    choice.format = "." + *format;
    if (!IsSupportedOutput(choice.format))
      return refuse("--format", kMsgExpectedFormat);
  } else if (standardOutput) {
    choice.format = ".svg";
  }
  choice.path = output.value_or("");
  if (const std::optional<std::string> dpi = options.value("dpi")) {
    const bool digits = !dpi->empty() && dpi->size() <= 4 &&
                        dpi->find_first_not_of("0123456789") == std::string::npos;
    choice.dpi = digits ? std::stoi(*dpi) : 0;
    if (choice.dpi < kSmallestDpi || choice.dpi > kLargestDpi)
      return refuse("--dpi", kMsgExpectedDpi);
  }
  return choice;
}

}  // namespace cli
