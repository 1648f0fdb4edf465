#include "panels/ai_table.h"

namespace panels {
namespace {

constexpr AiTableRow FixedNumeric(std::string_view ai, int aiDigits, int maxLength) {
  return {ai, false, false, aiDigits, maxLength};
}

constexpr AiTableRow VariableNumeric(std::string_view ai, int aiDigits, int maxLength) {
  return {ai, true, false, aiDigits, maxLength};
}

constexpr AiTableRow VariableText(std::string_view ai, int aiDigits, int maxLength) {
  return {ai, true, true, aiDigits, maxLength};
}

bool Matches(const AiTableRow& row, std::string_view ai) {
  if (static_cast<int>(ai.size()) != row.aiDigits) {
    return false;
  }
  return ai.starts_with(row.ai);
}

}  // namespace

const std::array<AiTableRow, kAiTableRowCount> AiTable = {{
    FixedNumeric("00", 2, 20),    FixedNumeric("01", 2, 16),   FixedNumeric("02", 2, 16),
    VariableText("10", 2, 22),    FixedNumeric("11", 2, 8),    FixedNumeric("13", 2, 8),
    FixedNumeric("15", 2, 8),     FixedNumeric("17", 2, 8),    FixedNumeric("20", 2, 4),
    VariableText("21", 2, 22),    VariableText("22", 2, 31),   VariableText("23", 3, 22),
    VariableText("240", 3, 33),   VariableText("241", 3, 33),  VariableText("25", 3, 33),
    VariableNumeric("30", 2, 10), FixedNumeric("310", 4, 10),  FixedNumeric("311", 4, 10),
    FixedNumeric("312", 4, 10),   FixedNumeric("313", 4, 10),  FixedNumeric("314", 4, 10),
    FixedNumeric("315", 4, 10),   FixedNumeric("316", 4, 10),  FixedNumeric("320", 4, 10),
    FixedNumeric("321", 4, 10),   FixedNumeric("322", 4, 10),  FixedNumeric("323", 4, 10),
    FixedNumeric("324", 4, 10),   FixedNumeric("325", 4, 10),  FixedNumeric("326", 4, 10),
    FixedNumeric("327", 4, 10),   FixedNumeric("328", 4, 10),  FixedNumeric("329", 4, 10),
    FixedNumeric("330", 4, 10),   FixedNumeric("331", 4, 10),  FixedNumeric("332", 4, 10),
    FixedNumeric("333", 4, 10),   FixedNumeric("334", 4, 10),  FixedNumeric("335", 4, 10),
    FixedNumeric("336", 4, 10),   FixedNumeric("337", 4, 10),  FixedNumeric("340", 4, 10),
    FixedNumeric("341", 4, 10),   FixedNumeric("342", 4, 10),  FixedNumeric("343", 4, 10),
    FixedNumeric("344", 4, 10),   FixedNumeric("345", 4, 10),  FixedNumeric("346", 4, 10),
    FixedNumeric("347", 4, 10),   FixedNumeric("348", 4, 10),  FixedNumeric("349", 4, 10),
    FixedNumeric("350", 4, 10),   FixedNumeric("351", 4, 10),  FixedNumeric("352", 4, 10),
    FixedNumeric("353", 4, 10),   FixedNumeric("354", 4, 10),  FixedNumeric("355", 4, 10),
    FixedNumeric("356", 4, 10),   FixedNumeric("360", 4, 10),  FixedNumeric("361", 4, 10),
    FixedNumeric("362", 4, 10),   FixedNumeric("363", 4, 10),  FixedNumeric("364", 4, 10),
    FixedNumeric("365", 4, 10),   FixedNumeric("366", 4, 10),  FixedNumeric("367", 4, 10),
    FixedNumeric("368", 4, 10),   FixedNumeric("369", 4, 10),  VariableNumeric("37", 2, 10),
    VariableText("400", 3, 33),   VariableText("401", 3, 33),  FixedNumeric("410", 3, 16),
    FixedNumeric("411", 3, 16),   FixedNumeric("412", 3, 16),  FixedNumeric("413", 3, 16),
    FixedNumeric("414", 3, 16),   VariableText("420", 3, 12),  VariableText("421", 3, 15),
    VariableText("43", 2, 24),    FixedNumeric("8001", 4, 18), VariableText("8002", 4, 24),
    VariableText("8003", 4, 34),  VariableText("8004", 4, 34), FixedNumeric("8005", 4, 10),
    FixedNumeric("8006", 4, 22),  FixedNumeric("8018", 4, 22), FixedNumeric("8100", 4, 10),
    FixedNumeric("8101", 4, 14),  FixedNumeric("8102", 4, 6),  VariableText("90", 2, 32),
    VariableText("91", 2, 32),    VariableText("92", 2, 32),   VariableText("93", 2, 32),
    VariableText("94", 2, 32),    VariableText("95", 2, 32),   VariableText("96", 2, 32),
    VariableText("97", 2, 32),    VariableText("98", 2, 32),   VariableText("99", 2, 32),
}};

const AiTableRow* FindAiRow(std::string_view ai) {
  for (const AiTableRow& row : AiTable) {
    if (Matches(row, ai)) {
      return &row;
    }
  }
  return nullptr;
}

}  // namespace panels
