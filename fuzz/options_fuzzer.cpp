// The barquill command's option parser with any arguments, against the text and output options
// every DataBar command takes and a group like the commands' own. What it accepts holds only
// defined options, flags without values, and reads back the same when written again in the
// "--name=value" form; the text options it accepts describe one of the panel's text modes.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cli/document_output.h"
#include "cli/options.h"
#include "fuzz/check.h"
#include "fuzz/input_fields.h"

namespace {

constexpr cli::OptionDefinition kSymbolOptions[] = {
    {"type", "", "TYPE", "", ""},
    {"code", "", "DIGITS", "", ""},
    {"cc", "", "TEXT", "", ""},
    {"module-width", "-x", "MM", "", ""},
};

constexpr auto kOptions = cli::JoinOptions(kSymbolOptions, cli::kTextOptions, cli::kOutputOptions);

bool SameOptions(const cli::ParsedOptions& a, const cli::ParsedOptions& b) {
  for (const cli::OptionDefinition& definition : kOptions) {
    if (a.value(definition.name) != b.value(definition.name))
      return false;
  }
  return true;
}

void CheckTextOptions(const cli::ParsedOptions& options) {
  const cli::TextOptionsReading reading = cli::ReadTextOptions(options);
  if (reading.error) {
    FUZZ_CHECK(!reading.option.empty());
    return;
  }
  const cli::TextFlags& f = reading.flags;
  FUZZ_CHECK(f.showText == 0 || f.textAsOutlines + f.textAsFrame == 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::InputFields in(data, size);
  std::vector<std::string_view> arguments;
  while (!in.empty())
    arguments.push_back(in.Text());

  const cli::ParseResult parsed = cli::ParseOptions(arguments, kOptions);
  if (parsed.error)
    return 0;
  std::vector<std::string> canonical;
  for (const cli::OptionDefinition& definition : kOptions) {
    const auto value = parsed.options.value(definition.name);
    if (!value)
      continue;
    FUZZ_CHECK(definition.takesValue() || value->empty());
    canonical.push_back("--" + std::string(definition.name) +
                        (definition.takesValue() ? "=" + *value : ""));
  }
  FUZZ_CHECK(canonical.size() <= arguments.size());
  const std::vector<std::string_view> again(canonical.begin(), canonical.end());
  const cli::ParseResult reparsed = cli::ParseOptions(again, kOptions);
  FUZZ_CHECK(!reparsed.error);
  FUZZ_CHECK(SameOptions(parsed.options, reparsed.options));
  CheckTextOptions(parsed.options);
  return 0;
}
