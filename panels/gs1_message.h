// The GS1 data of a panel's fields as one message for the element-string checks: each element
// string remembers the field it came from, so that a fault can be shown with the focus there.
// Every panel and, through the panels' forms, every command judges its data here.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gs1/element_string.h"
#include "gs1/fault_messages.h"

namespace panels {

// What is wrong with the data: the messages for the user and the field that holds the fault
// (the tag its element string was added with).
struct Gs1DataFault {
  gs1::UserMessage message;
  int field = 0;
};

class Gs1Message {
 public:
  // Adds an element string that the panel's own rules accepted.
  void Add(std::string_view ai, std::string_view data, int field);
  // As Add, for an element string that the Expanded panel's AI table accepted. Where the checks
  // know no such AI, or give its data other lengths, the table decides: the element string is
  // then left out of the checks.
  void AddAcceptedByAiTable(std::string_view ai, std::string_view data, int field);
  // Adds the element strings of a DataBar panel's 2D text: '$' only breaks the shown lines; the
  // AIs are either all in parentheses, each data ending at the next '(' (a '#' or '^' typed just
  // before it is allowed), or none are, the text then being in the form the encoder takes
  // ('#' or '^' after a field whose length readers do not know). A text that is not such a
  // sequence of element strings is the fault returned.
  std::optional<Gs1DataFault> AddCompositeText(std::string_view text, int field);

  // The first fault of the message as a whole, or nothing.
  std::optional<Gs1DataFault> FirstFault() const;
  // The warnings about AIs that the message's AIs are used with and that it lacks. They are not
  // refused: GS1 judges them over every barcode on the item.
  std::vector<gs1::UserMessage> UnmetRequirements() const;

 private:
  std::string_view Keep(std::string_view text);

  std::deque<std::string> texts_;  // the element strings' texts; a deque keeps them in place
  gs1::ElementStrings elements_;
  std::vector<int> fields_;
};

}  // namespace panels
