#include "panels/character_rules.h"

#include <algorithm>

namespace panels {
namespace {

bool IsAsciiAlphanumeric(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Characters that stand for themselves in both the element string and the 2D data.
bool IsDataCharacter(char c) {
  return IsAsciiAlphanumeric(c) ||
         std::string_view(" !\"%&'*+,-./:;<>=?_").find(c) != std::string_view::npos;
}

bool IsParenthesis(char c) {
  return c == '(' || c == ')';
}

// Characters of the 2D data that carry no data of their own.
bool Is2DMarker(char c) {
  return IsParenthesis(c) || c == '#' || c == '^' || c == '$';
}

}  // namespace

bool IsDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool ValidCodeText(std::string_view text, CodeView view) {
  if (text.empty()) {
    return false;
  }
  for (const char c : text) {
    const bool escape = view == CodeView::kMain && c == '\\';
    if (!IsDataCharacter(c) && !IsParenthesis(c) && !escape) {
      return false;
    }
  }
  return true;
}

bool Valid2DText(std::string_view text) {
  bool hasData = false;
  for (const char c : text) {
    if (IsDataCharacter(c)) {
      hasData = true;
    } else if (!Is2DMarker(c)) {
      return false;
    }
  }
  return text.empty() || hasData;
}

}  // namespace panels
