#include "panels/ai_entry.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "databar/item_number.h"
#include "panels/character_rules.h"
#include "panels/element_string.h"
#include "panels/gs1_message.h"
#include "panels/messages.h"

namespace panels {
namespace {

enum FixedRow { kItemRow = 0, kExpiryRow = 1, kQuantityRow = 2, kLotRow = 3 };

int FixedRowOf(std::string_view ai) {
  const auto it = std::find(kFixedRowAis.begin(), kFixedRowAis.end(), ai);
  return it == kFixedRowAis.end() ? -1 : static_cast<int>(it - kFixedRowAis.begin());
}

OpenAiEntryResult OpenFailure(const char* message) {
  return {false, message, {}};
}

AcceptAiEntryResult AcceptFailure(std::string message, int row, AiEntryControl focus) {
  return {false, std::move(message), row, focus, {}};
}

// The digit rules of the fixed rows; an empty (17) or (30) passes here and fails as data later.
const char* FixedRowFault(int row, std::string_view data) {
  switch (row) {
    case kItemRow:
      return data.size() == 13 && IsDigits(data) ? nullptr : kMsgProductCode.japanese;
    case kExpiryRow:
      return data.empty() || (data.size() == 6 && IsDigits(data)) ? nullptr : kMsgExpiry.japanese;
    case kQuantityRow:
      return data.empty() || (data.size() <= 8 && IsDigits(data) &&
                              data.find_first_not_of('0') != std::string_view::npos)
                 ? nullptr
                 : kMsgQuantity.japanese;
    default:
      return nullptr;
  }
}

std::string EscapeParentheses(std::string_view data) {
  std::string escaped;
  for (const char c : data) {
    if (c == '(' || c == ')') {
      escaped += '\\';
    }
    escaped += c;
  }
  return escaped;
}

}  // namespace

AiEntryRows ClearedAiEntryRows() {
  AiEntryRows rows;
  rows[kItemRow].order = 1;
  rows[kExpiryRow].order = 2;
  rows[kLotRow].order = 4;
  return rows;
}

OpenAiEntryResult OpenAiEntry(std::string_view code) {
  if (code.empty()) {
    return {true, {}, ClearedAiEntryRows()};
  }
  ParsedCode parsed;
  if (ParseResult parse = ParseCodeText(code, parsed); !parse.ok) {
    return {false, std::move(parse.message), {}};
  }
  OpenAiEntryResult result;  // every row cleared, no orders
  int nextFreeRow = kFixedAiRowCount;
  for (int i = 0; i < parsed.fieldCount; ++i) {
    const int order = i + 1;
    if (order > kAiEntryRowCount) {
      return OpenFailure(kMsgTooManyAis.japanese);
    }
    const std::string_view line = parsed.FieldString(i);  // "(AI)data"
    const size_t close = line.find(')');
    const std::string_view ai = line.substr(1, close - 1);
    const std::string_view data = line.substr(close + 1);
    int row = FixedRowOf(ai);
    if (row < 0) {
      if (nextFreeRow == kAiEntryRowCount) {
        return OpenFailure(kMsgTooManyOtherAis.japanese);
      }
      row = nextFreeRow++;
      result.rows[row].ai = ai;
    }
    result.rows[row].order = order;
    result.rows[row].data = row == kItemRow ? data.substr(0, 13) : data;
  }
  return result;
}

AcceptAiEntryResult AcceptAiEntry(const AiEntryRows& rows) {
  std::array<std::string, kAiEntryRowCount + 1> slots;  // by order, 1 to 8
  Gs1Message message;                                   // each row's element string, by row
  std::vector<std::string> checkedAis;
  for (int r = 0; r < kAiEntryRowCount; ++r) {
    const AiEntryRow& row = rows[r];
    if (row.order < 1 || row.order > kAiEntryRowCount) {
      continue;  // no order chosen
    }
    if (const char* fault = FixedRowFault(r, row.data)) {
      return AcceptFailure(fault, r, AiEntryControl::kData);
    }
    if (!slots[row.order].empty()) {
      return AcceptFailure(kMsgDuplicateOrder.japanese, r, AiEntryControl::kOrder);
    }
    const bool fixed = r < kFixedAiRowCount;
    const std::string ai(fixed ? kFixedRowAis[r] : row.ai);
    const std::string data =
        r == kItemRow
            ? row.data + static_cast<char>('0' + databar::ComputeCheckDigit(row.data.c_str()))
            : row.data;
    if (!ValidCodeText(data, CodeView::kAiEntry)) {
      return AcceptFailure(ai.empty() ? kMsgInvalidData.japanese : WithAi(kMsgInvalidRowData, ai),
                           r, AiEntryControl::kData);
    }
    if (const ElementCheck check = CheckElement(ai, data); check.fault != ElementFault::kNone) {
      const bool blameAi = check.fault == ElementFault::kAi && !fixed;
      return AcceptFailure(check.message, r, blameAi ? AiEntryControl::kAi : AiEntryControl::kData);
    }
    // An AI in two rows is left to the code field's parse, which refuses it at the create action.
    if (std::find(checkedAis.begin(), checkedAis.end(), ai) == checkedAis.end()) {
      checkedAis.push_back(ai);
      message.AddAcceptedByAiTable(ai, data, r);
      if (const std::optional<Gs1DataFault> fault = message.FirstFault())
        return AcceptFailure(fault->message.japanese, fault->field, AiEntryControl::kData);
    }
    slots[row.order] = "(" + ai + ")" + EscapeParentheses(data);
  }
  std::string code;
  for (const std::string& slot : slots) {
    code += slot;
  }
  if (static_cast<int>(code.size()) > kMaxCodeLength) {
    return AcceptFailure(kMsgTooMuchData.japanese, -1, AiEntryControl::kNone);
  }
  return {true, {}, -1, AiEntryControl::kNone, std::move(code)};
}

}  // namespace panels
