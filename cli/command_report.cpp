#include "cli/command_report.h"

#include <iostream>

#include "cli/exit_codes.h"

namespace cli {

int CommandReport::BadInput(std::string_view option, std::string_view message,
                            std::string_view english) const {
  std::cerr << "barquill " << command_ << ": ";
  if (!option.empty())
    std::cerr << option << ": ";
  std::cerr << message << "\n";
  if (!english.empty()) {
    std::cerr << "barquill " << command_ << ": ";
    if (!option.empty())
      std::cerr << option << ": ";
    std::cerr << english << "\n";
  }
  return kExitBadInput;
}

int CommandReport::Failed(std::string_view what) const {
  std::cerr << "barquill " << command_ << ": " << what << "\n";
  return kExitFailure;
}

int CommandReport::HostFailed(host::ErrorCode error) const {
  std::cerr << "barquill " << command_ << ": the host failed (error " << error << ")\n";
  return kExitFailure;
}

void CommandReport::Warning(std::string_view japanese, std::string_view english) const {
  std::cerr << "barquill " << command_ << ": warning: " << japanese << "\n";
  std::cerr << "barquill " << command_ << ": warning: " << english << "\n";
}

void CommandReport::Note(std::string_view what) const {
  std::cerr << "barquill " << command_ << ": note: " << what << "\n";
}

}  // namespace cli
