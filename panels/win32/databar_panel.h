// The GS1 DataBar panel's window: the type list, the item number with its check digit, the 2D
// data with its insert buttons, the six lengths with their minimums, the text options, and the
// clear, defaults, minimums and create buttons. What the fields mean, their minimums, the
// validation and the making of the symbol belong to DataBarForm; this view moves texts between
// the controls and the form, keeps the item number and 2D data of each type while another type
// is shown, and keeps each type's lengths and text options in the registry.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "frame/panel.h"
#include "host/handles.h"
#include "panels/databar_form.h"
#include "panels/win32/length_fields.h"
#include "panels/win32/panel_shell.h"

namespace panels {

// The controls' identifiers.
enum DataBarControlId : int {
  kDataBarCreate = 1,
  kDataBarType = 2,
  kDataBarItemNumber = 3,
  kDataBarCompositeText = 4,
  kDataBarCheckDigit = 6,
  kDataBarHeight = 10,
  kDataBarModuleWidth = 11,
  kDataBarClear = 13,
  kDataBarDefaults = 14,
  kDataBarMinimums = 15,
  kDataBarInsertFnc1 = 16,
  kDataBarInsertSeparator = 17,
  kDataBarInsertLineBreak = 18,
  kDataBarSeparatorHeight = 19,
  kDataBarCompositeRowHeight = 20,
  kDataBarStackedSeparatorHeight = 21,
  kDataBarSecondRowHeight = 22,
  kDataBarStackedOptions = 23,  // the group frame
  kDataBarShowText = 24,
  kDataBarTextAsOutlines = 25,
  kDataBarFitText = 26,
  kDataBarTextAsFrame = 27,
  kDataBarShowCompositeText = 28,
  kDataBarBarWidthReduction = 31,
};

class DataBarPanel final : public PanelShell {
 public:
  DataBarPanel(host::PluginHandle plugin, host::MenuItemHandle menuItem);
  ~DataBarPanel() override;

 private:
  // What the user typed for one type, kept while another type is shown.
  struct TypedTexts {
    std::string itemNumber;
    std::string checkDigit;
    std::string compositeText;
  };

  // The six lengths in the order their record stores them, then the bar width reduction, which
  // is stored beside the record.
  static constexpr LengthFieldRow kLengthRows[] = {
      {kDataBarModuleWidth, &DataBarLengthTexts::moduleWidth, "ﾓｼﾞｭｰﾙ幅 ", 5, 110, 162},
      {kDataBarHeight, &DataBarLengthTexts::height, "高さ ", 5, 110, 187},
      {kDataBarSeparatorHeight, &DataBarLengthTexts::separatorHeight, "ｾﾊﾟﾚｰﾀの高さ ", 5, 110, 212},
      {kDataBarCompositeRowHeight, &DataBarLengthTexts::compositeRowHeight, "二次元一段の高さ ", 5,
       110, 237},
      {kDataBarStackedSeparatorHeight, &DataBarLengthTexts::stackedSeparatorHeight, "ｾﾊﾟﾚｰﾀの高さ ",
       15, 100, 302},
      {kDataBarSecondRowHeight, &DataBarLengthTexts::secondRowHeight, "一次元下段の高さ ", 15, 100,
       327},
      {kDataBarBarWidthReduction, &DataBarLengthTexts::barWidthReduction, "ﾊﾞｰ幅補正 ", 5, 110, 262,
       false},
  };
  static constexpr size_t kBarWidthReductionRow = std::size(kLengthRows) - 1;

  // The type whose stored settings LoadSettings restores along with the type itself.
  static constexpr int32_t kStoredType = -1;

  bool CreateControls() override;
  bool OnCommand(int id, int notification, HWND control) override;
  bool OnButton(int id);
  void EnableOptionFields(bool optionsShown) override;

  // The settings store (databar_panel_settings.cpp).
  void LoadSettings() override;
  void SaveSettings() override { SaveSettings(currentType_); }
  // Fills the lengths and text options from the type's stored record, or the defaults when
  // there is none; kStoredType also restores the stored type as the current one.
  void LoadSettings(int32_t type);
  void SaveSettings(int32_t type);
  void SaveType(int32_t type);

  // The commands.
  void SwitchType();
  void RefreshCheckDigit();
  void RefreshMinimums();
  void ApplyMinimums();
  void ApplyDefaults();
  void UpdateOptionStates();
  void ClearData();
  // The create button's action: validates, and makes the symbol in the current document.
  void CreateSymbol();

  // The controls as a form, and the form's texts and options back into the controls where they
  // differ.
  DataBarForm ReadForm() const;
  void WriteOptions(const DataBarForm& form);
  HWND ControlOf(DataBarField field) const;

  int32_t currentType_ = 0;
  bool optionsShown_ = false;  // the panel is in state 2
  std::array<TypedTexts, 5> typed_;

  HWND typeList_ = nullptr;
  HWND itemNumber_ = nullptr;
  HWND checkDigit_ = nullptr;
  HWND compositeText_ = nullptr;
  LengthFields lengths_{kLengthRows};
  HWND showText_ = nullptr;
  HWND textAsOutlines_ = nullptr;
  HWND fitText_ = nullptr;
  HWND textAsFrame_ = nullptr;
  HWND showCompositeText_ = nullptr;
};

}  // namespace panels
