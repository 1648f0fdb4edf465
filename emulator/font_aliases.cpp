#include "emulator/font_aliases.h"

#include <array>
#include <string>

namespace emulator {

namespace {

struct Alias {
  std::string_view key;  // the host name in lower case without spaces, hyphens or underscores
  std::string_view family;
};

constexpr std::array<Alias, 4> kAliases = {{
    {"msgothic", "IPAGothic"},
    {"mspgothic", "IPAPGothic"},
    {"msmincho", "IPAMincho"},
    {"mspmincho", "IPAPMincho"},
}};

std::string AliasKey(std::string_view name) {
  std::string key;
  for (const char c : name) {
    if (c == ' ' || c == '-' || c == '_')
      continue;
    key += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  }
  return key;
}

}  // namespace

std::string_view InstalledFamilyFor(std::string_view hostName) {
  const std::string key = AliasKey(hostName);
  for (const Alias& alias : kAliases) {
    if (alias.key == key)
      return alias.family;
  }
  return hostName;
}

}  // namespace emulator
