// Option parsing shared by the subcommands: "--name value", "--name=value" and short aliases such
// as "-o FILE". Every option may be given once; anything that is not a known option is refused.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "panels/messages.h"

namespace cli {

struct OptionDefinition {
  std::string_view name;       // long name without the dashes, e.g. "module-width"
  std::string_view alias;      // short form with its dash, e.g. "-o", or empty
  std::string_view valueName;  // e.g. "MM"; empty for a flag
  std::string_view example;    // the option as a user gives it, e.g. "--height 20"
  std::string_view help;

  bool takesValue() const { return !valueName.empty(); }
};

class ParsedOptions {
 public:
  bool has(std::string_view name) const { return values_.count(std::string(name)) != 0; }
  std::optional<std::string> value(std::string_view name) const;
  void set(std::string_view name, std::string value) {
    values_[std::string(name)] = std::move(value);
  }

 private:
  std::map<std::string, std::string> values_;
};

struct ParseResult {
  ParsedOptions options;
  std::optional<panels::MessageLines> error;  // why the arguments cannot be read
};

ParseResult ParseOptions(std::span<const std::string_view> arguments,
                         std::span<const OptionDefinition> definitions);

// One line per option: its forms, its value and its help text.
void PrintOptionHelp(std::ostream& out, std::span<const OptionDefinition> definitions);

// One table of the options of several groups, in order.
template <size_t... N>
constexpr std::array<OptionDefinition, (N + ...)> JoinOptions(
    const OptionDefinition (&... groups)[N]) {
  std::array<OptionDefinition, (N + ...)> joined{};
  size_t next = 0;
  for (const std::span<const OptionDefinition> group :
       {std::span<const OptionDefinition>(groups)...}) {
    for (const OptionDefinition& definition : group)
      joined[next++] = definition;
  }
  return joined;
}

// The human-readable text options of the DataBar commands, as the panels' text controls:
// --text ocr-b|frame|none (the show-text check box and the two radio buttons), --fit-text and
// --no-fit-text (fit the outline text to the bars), --cc-text (show the 2D text).
inline constexpr OptionDefinition kTextOptions[] = {
    {"text", "", "MODE", "--text frame",
     "the human-readable text: ocr-b (outline glyphs), frame (a text frame) or none "
     "(default ocr-b)"},
    {"fit-text", "", "", "--fit-text",
     "ocr-b: fit the text to the width of the bars (the default)"},
    {"no-fit-text", "", "", "--no-fit-text", "ocr-b: keep the text at its full size"},
    {"cc-text", "", "", "--cc-text", "show the 2D text above the 2D part"},
};

// The panels' text flags; the defaults are the panels' defaults.
struct TextFlags {
  int32_t showText = 1;
  int32_t textAsOutlines = 1;
  int32_t fitText = 1;
  int32_t textAsFrame = 0;
  int32_t showCompositeText = 0;
};

struct TextOptionsReading {
  TextFlags flags;
  std::string option;                         // the option refused, with its dashes, or empty
  std::optional<panels::MessageLines> error;  // why
};

TextOptionsReading ReadTextOptions(const ParsedOptions& options);

// The text a length option gives its form field: the number, in millimetres, without the "mm"
// it may carry. A value with any other unit or trailing text ("0.33in", "20cm", "1.5x") gives
// an empty text, which the form refuses with the option's own message; the panels keep their
// rule of reading the number at the start of a field.
std::string LengthFieldText(std::string_view value);

}  // namespace cli
