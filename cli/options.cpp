#include "cli/options.h"

#include <algorithm>

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
      result.error = argument.starts_with("-") ? "unknown option " + std::string(argument)
                                               : "unexpected argument " + std::string(argument);
      return result;
    }
    const std::string name = "--" + std::string(definition->name);
    if (result.options.has(definition->name)) {
      result.error = name + " is given more than once";
      return result;
    }
    if (!definition->takesValue()) {
      if (inlineValue) {
        result.error = name + " takes no value";
        return result;
      }
      result.options.set(definition->name, "");
      continue;
    }
    if (!inlineValue) {
      // An option where the value should be means the value was left out.
      if (i + 1 == arguments.size() || arguments[i + 1].starts_with("--") ||
          FindOption(arguments[i + 1], definitions) != nullptr) {
        result.error = name + " needs a value (" + std::string(definition->valueName) + ")";
        return result;
      }
      inlineValue = arguments[++i];
    }
    result.options.set(definition->name, std::string(*inlineValue));
  }
  return result;
}

void PrintOptionHelp(std::ostream& out, std::span<const OptionDefinition> definitions) {
  for (const OptionDefinition& definition : definitions) {
    std::string forms = "  ";
    if (!definition.alias.empty())
      forms.append(definition.alias).append(", ");
    forms.append("--").append(definition.name);
    if (definition.takesValue())
      forms.append(" ").append(definition.valueName);
    out << forms;
    const size_t column = 36;
    if (forms.size() + 2 > column) {
      out << "\n" << std::string(column, ' ');
    } else {
      out << std::string(column - forms.size(), ' ');
    }
    out << definition.help << "\n";
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
    return {flags, "--text", "expected ocr-b, frame or none"};
  }
  const bool fit = options.has("fit-text");
  const bool noFit = options.has("no-fit-text");
  if (fit && noFit)
    return {flags, "--fit-text", "contradicts --no-fit-text"};
  if ((fit || noFit) && mode != "ocr-b")
    return {flags, fit ? "--fit-text" : "--no-fit-text", "applies only to --text ocr-b"};
  flags.fitText = noFit ? 0 : 1;
  flags.showCompositeText = options.has("cc-text") ? 1 : 0;
  return reading;
}

}  // namespace cli
