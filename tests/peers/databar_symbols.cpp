#include "tests/peers/databar_symbols.h"

#include "databar/gs1_databar_symbol.h"
#include "emulator/document_writer.h"
#include "panels/databar_form.h"

namespace peers {

const DataBarKind kDataBarKinds[5] = {
    {"Omnidirectional", databar::kOmnidirectional, 29, 1, 10'000'000'000'000, "DataBarOmni"},
    {"Truncated", databar::kTruncated, 29, 1, 10'000'000'000'000, "DataBarOmni"},
    {"Stacked", databar::kStacked, 79, 3, 10'000'000'000'000, "DataBarStk"},
    // The decoder names both stacked forms alike.
    {"StackedOmnidirectional", databar::kStackedOmnidirectional, 80, 5, 10'000'000'000'000,
     "DataBarStk"},
    {"Limited", databar::kLimited, 30, 1, 2'000'000'000'000, "DataBarLtd"},
};

DataBarMaker::DataBarMaker() {
  emulator_.NewDocument();
}

ModuleRows DataBarMaker::Rows(int32_t type, const std::string& itemNumber,
                              const std::string& compositeText, int32_t* result) {
  databar::CGS1DataBarSymbol symbol;
  const int32_t encoded =
      symbol.EncodeDataBar(type, itemNumber.c_str(), nullptr, compositeText.c_str(), 0.353, 10,
                           0.353, 0.706, 0.353, 10, 0, 0, 0, 0, 0, 0, 0, 0);
  if (result != nullptr)
    *result = encoded;
  return databar::ModuleRows(symbol);
}

std::string DataBarMaker::WritePng(int32_t type, const std::string& itemNumber,
                                   const std::filesystem::path& file, int dpi) {
  const emulator::Document& document = emulator_.NewDocument();
  panels::DataBarForm form;
  form.type = type;
  form.ApplyDefaults();
  form.itemNumber = itemNumber;
  const panels::DataBarResult result = form.CreateSymbol();
  if (result.outcome != panels::DataBarOutcome::kCreated)
    return "not created";
  emulator::WriteOptions options;
  options.dpi = dpi;
  return emulator::WriteDocument(document, file.string(), options).error;
}

}  // namespace peers
