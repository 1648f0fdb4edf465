#include "panels/win32/length_fields.h"

#include "panels/length_field.h"
#include "panels/win32/control_values.h"

namespace panels {

namespace {

constexpr DWORD kLengthStyle = WS_BORDER | WS_TABSTOP | ES_RIGHT | ES_AUTOHSCROLL;

}  // namespace

LengthFields::LengthFields(std::span<const LengthFieldRow> rows)
    : rows_(rows), controls_(rows.size()) {}

void LengthFields::AppendLayout(std::vector<ControlEntry>& entries, size_t first, size_t end) {
  using enum ControlRole;
  for (size_t i = first; i < end; ++i) {
    const LengthFieldRow& row = rows_[i];
    Controls& controls = controls_[i];
    entries.push_back(
        {{L"STATIC", row.label, 0, row.labelX, row.y + 4, row.labelWidth, 14, SS_RIGHT, kLabel}});
    entries.push_back({{L"EDIT", nullptr, row.id, 117, row.y, 40, 20, kLengthStyle, kField},
                       &controls.field,
                       static_cast<int>(kLengthFieldCharacters),
                       nullptr,
                       true});
    if (!row.showsMinimum)
      continue;
    entries.push_back({{L"STATIC", "≧", 0, 162, row.y + 4, 10, 14, SS_RIGHT, kLabel}});
    entries.push_back(
        {{L"STATIC", nullptr, 0, 177, row.y + 4, 40, 14, SS_LEFT, kLabel}, &controls.minimum});
  }
}

void LengthFields::Read(DataBarLengthTexts& lengths, DataBarLengthTexts& minimums) const {
  for (size_t i = 0; i < rows_.size(); ++i) {
    lengths.*rows_[i].text = ReadText(controls_[i].field, kFieldReadLimit);
    if (rows_[i].showsMinimum)
      minimums.*rows_[i].text = ReadText(controls_[i].minimum, kFieldReadLimit);
  }
}

void LengthFields::WriteLengths(const DataBarLengthTexts& lengths) const {
  for (size_t i = 0; i < rows_.size(); ++i)
    WriteIfChanged(controls_[i].field, lengths.*rows_[i].text);
}

void LengthFields::WriteMinimums(const DataBarLengthTexts& minimums) const {
  for (size_t i = 0; i < rows_.size(); ++i) {
    if (rows_[i].showsMinimum)
      WriteIfChanged(controls_[i].minimum, minimums.*rows_[i].text);
  }
}

void LengthFields::Enable(size_t first, size_t end, bool enabled) const {
  for (size_t i = first; i < end; ++i)
    EnableWindow(controls_[i].field, enabled);
}

}  // namespace panels
