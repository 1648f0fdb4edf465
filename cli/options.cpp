#include "cli/options.h"

#include <algorithm>

#include "cli/command_messages.h"

namespace cli {

namespace {

const OptionDefinition* FindOption(std::string_view argument,
                                   std::span<const OptionDefinition> definitions) {
  for (const OptionDefinition& definition : definitions) {
    if (argument.substr(0, 2) == "--" && argument.substr(2) == definition.name)
      return &definition;
    if (!definition.alias.empty() && argument == definition.alias)
      return &definition;
  }
  return nullptr;
}

}  // namespace

std::optional<std::string> ParsedOptions::value(std::string_view name) const {
  const auto found = values_.find(std::string(name));
  if (found == values_.end())
    return std::nullopt;
  return found->second;
}

ParseResult ParseOptions(std::span<const std::string_view> arguments,
                         std::span<const OptionDefinition> definitions) {
  ParseResult result;
  for (size_t i = 0; i < arguments.size(); ++i) {
    std::string_view argument = arguments[i];
    std::optional<std::string_view> inlineValue;
    if (const size_t equals = argument.find('=');
        argument.starts_with("--") && equals != std::string_view::npos) {
      inlineValue = argument.substr(equals + 1);
      argument = argument.substr(0, equals);
    }
    const OptionDefinition* definition = FindOption(argument, definitions);
    if (definition == nullptr) {
      result.error = panels::BothLanguages(
          argument.starts_with("-") ? kMsgUnknownOption : kMsgUnexpectedArgument, {argument});
      return result;
    }
    const std::string name = "--" + std::string(definition->name);
    if (result.options.has(definition->name)) {
      result.error = panels::BothLanguages(kMsgGivenTwice, {name});
      return result;
    }
    if (!definition->takesValue()) {
      if (inlineValue) {
        result.error = panels::BothLanguages(kMsgTakesNoValue, {name});
        return result;
      }
      result.options.set(definition->name, "");
      continue;
    }
    if (!inlineValue) {
      // An option where the value should be means the value was left out.
      if (i + 1 == arguments.size() || arguments[i + 1].starts_with("--") ||
          FindOption(arguments[i + 1], definitions) != nullptr) {
        result.error = panels::BothLanguages(kMsgNeedsValue, {name, definition->valueName});
        return result;
      }
      inlineValue = arguments[++i];
    }
    result.options.set(definition->name, std::string(*inlineValue));
  }
  return result;
}

void PrintOptionHelp(std::ostream& out, std::span<const OptionDefinition> definitions) {
  constexpr size_t kColumn = 36;
  constexpr size_t kWidth = 100;
  const std::string indent(kColumn, ' ');
  for (const OptionDefinition& definition : definitions) {
    std::string forms = "  ";
    if (!definition.alias.empty())
      forms.append(definition.alias).append(", ");
    forms.append("--").append(definition.name);
    if (definition.takesValue())
      forms.append(" ").append(definition.valueName);
    out << forms;
    if (forms.size() + 2 > kColumn)
      out << "\n" << indent;
    else
      out << std::string(kColumn - forms.size(), ' ');
    // The help in lines that end before kWidth, broken between words.
    std::string_view rest = definition.help;
    while (rest.size() > kWidth - kColumn) {
      size_t cut = rest.rfind(' ', kWidth - kColumn);
      if (cut == std::string_view::npos)
        cut = rest.find(' ');
      if (cut == std::string_view::npos)
        break;
      out << rest.substr(0, cut) << "\n" << indent;
      rest.remove_prefix(cut + 1);
    }
    out << rest << "\n" << indent << "e.g. " << definition.example << "\n";
  }
}

TextOptionsReading ReadTextOptions(const ParsedOptions& options) {
  TextOptionsReading reading;
  TextFlags& flags = reading.flags;
  const std::string mode = options.value("text").value_or("ocr-b");
  if (mode == "frame") {
    flags.textAsOutlines = 0;
    flags.textAsFrame = 1;
  } else if (mode == "none") {
    flags.showText = 0;
  } else if (mode != "ocr-b") {
    return {flags, "--text", panels::BothLanguages(kMsgExpectedTextMode, {})};
  }
  const bool fit = options.has("fit-text");
  const bool noFit = options.has("no-fit-text");
  if (fit && noFit)
    return {flags, "--fit-text", panels::BothLanguages(kMsgContradicts, {"--no-fit-text"})};
  if ((fit || noFit) && mode != "ocr-b")
    return {flags, fit ? "--fit-text" : "--no-fit-text",
            panels::BothLanguages(kMsgOnlyWithOcrB, {})};
  flags.fitText = noFit ? 0 : 1;
  flags.showCompositeText = options.has("cc-text") ? 1 : 0;
  return reading;
}

std::string LengthFieldText(std::string_view value) {
  std::string_view number = value;
  if (number.ends_with("mm"))
    number.remove_suffix(2);
  std::string_view magnitude = number;
  if (!magnitude.empty() && (magnitude.front() == '+' || magnitude.front() == '-'))
    magnitude.remove_prefix(1);
  const bool plain = magnitude.find_first_of("0123456789") != std::string_view::npos &&
                     magnitude.find_first_not_of(".0123456789") == std::string_view::npos &&
                     magnitude.find('.') == magnitude.rfind('.');
  return plain ? std::string(number) : std::string();
}

}  // namespace cli
