// Which characters the panels accept in the element string and in the 2D data. Texts are UTF-8;
// only ASCII characters can pass, so a multi-byte character always fails.
#pragma once

#include <string_view>

namespace panels {

// Every character is '0' to '9' (true for an empty text).
bool IsDigits(std::string_view text);

enum class CodeView {
  kMain,     // the code field: '\' escapes a parenthesis of the data
  kAiEntry,  // a data field of the AI entry view: no escapes
};

// At least one character, each a digit, a letter, a space, one of ! " % & ' ( ) * + , - . / : ;
// < > = ? _ or, in the main view, '\'.
bool ValidCodeText(std::string_view text, CodeView view);

// The 2D data of both DataBar panels: empty, or made of the code characters without '\' plus
// '#' (FNC1), '^' (separator), '$' (line break of the text) and parentheses (shown in the text
// only), with at least one character that is none of these five.
bool Valid2DText(std::string_view text);

}  // namespace panels
