// The GS1 DataBar Expanded panel's window: the element string with the buttons that open the AI
// entry view and clear it, the 2D data with its insert buttons, the five lengths with their
// minimums, the segments per row, the two text options, and the defaults, minimums and create
// buttons; and, shown instead of them, the AI entry view (ai_entry_view.h). What the fields
// mean, their minimums, the validation and the making of the symbol belong to ExpandedForm, the
// rows of the entry view to ai_entry.h; this view moves texts between the controls and those,
// shows their messages, focuses the control they name, and keeps the lengths, the segments and
// the text options in the registry.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "frame/panel.h"
#include "host/handles.h"
#include "panels/expanded_form.h"
#include "panels/win32/ai_entry_view.h"
#include "panels/win32/length_fields.h"
#include "panels/win32/panel_shell.h"

namespace panels {

// The main view's controls' identifiers.
enum ExpandedControlId : int {
  kExpandedCreate = 1,
  kExpandedCode = 3,
  kExpandedCompositeText = 4,
  kExpandedHeight = 10,
  kExpandedModuleWidth = 11,
  kExpandedClear = 13,
  kExpandedDefaults = 14,
  kExpandedMinimums = 15,
  kExpandedInsertFnc1 = 16,
  kExpandedInsertSeparator = 17,
  kExpandedInsertLineBreak = 18,
  kExpandedSeparatorHeight = 19,
  kExpandedCompositeRowHeight = 20,
  kExpandedStackedSeparatorHeight = 21,
  kExpandedStackedOptions = 23,  // the group frame
  kExpandedShowText = 24,
  kExpandedShowCompositeText = 28,
  kExpandedOpenAiEntry = 29,
  kExpandedSegments = 30,
  kExpandedBarWidthReduction = 31,
};

class ExpandedPanel final : public PanelShell {
 public:
  ExpandedPanel(host::PluginHandle plugin, host::MenuItemHandle menuItem);
  ~ExpandedPanel() override;

 private:
  // The five lengths in the order their record stores them, then the bar width reduction, which
  // is stored beside the record.
  static constexpr LengthFieldRow kLengthRows[] = {
      {kExpandedModuleWidth, &DataBarLengthTexts::moduleWidth, "ﾓｼﾞｭｰﾙ幅 ", 5, 110, 140},
      {kExpandedHeight, &DataBarLengthTexts::height, "高さ ", 5, 110, 165},
      {kExpandedSeparatorHeight, &DataBarLengthTexts::separatorHeight, "ｾﾊﾟﾚｰﾀの高さ ", 5, 110,
       190},
      {kExpandedCompositeRowHeight, &DataBarLengthTexts::compositeRowHeight, "二次元一段の高さ ", 5,
       110, 215},
      {kExpandedStackedSeparatorHeight, &DataBarLengthTexts::stackedSeparatorHeight,
       "ｾﾊﾟﾚｰﾀの高さ ", 15, 100, 280},
      {kExpandedBarWidthReduction, &DataBarLengthTexts::barWidthReduction, "ﾊﾞｰ幅補正 ", 5, 110,
       240, false},
  };
  static constexpr size_t kBarWidthReductionRow = std::size(kLengthRows) - 1;

  // The segments per row of an entry of their list (2, 4, ..., 22; 0 for none chosen), and the
  // entry of a number of segments.
  static int SegmentsOfEntry(int entry);
  static int EntryOfSegments(int segments);

  bool CreateControls() override;
  std::vector<ControlEntry> MainLayout();
  bool OnCommand(int id, int notification, HWND control) override;
  bool OnButton(int id);
  void EnableOptionFields(bool optionsShown) override;

  // The settings store (expanded_panel_settings.cpp).
  void LoadSettings() override;
  void SaveSettings() override;

  // The main view's commands.
  void RefreshMinimums();
  void ApplyMinimums();
  void ApplyDefaults();
  // Empties the code and the 2D data in the main view; resets the rows in the AI entry view.
  void ClearData();
  // The create button's action: validates, and makes the symbol in the current document.
  void CreateSymbol();

  // The AI entry view: opened from the code field's element string, accepted back into it.
  void OpenAiEntry();
  void AcceptAiEntry();
  void ShowAiEntry();
  void HideAiEntry();
  // Shows one view's controls instead of the other's, and fits the host panel to the view.
  void SwitchViews(bool toAiEntry);
  void FitHostPanelToAiEntry();
  void RestoreHostPanel();

  // The controls as a form, and the form's texts and options back into the controls where they
  // differ.
  ExpandedForm ReadForm() const;
  void WriteOptions(const ExpandedForm& form);
  HWND ControlOf(ExpandedField field) const;

  bool aiEntryShown_ = false;
  // The host panel as the AI entry view found it; kept while the view is shown.
  bool hostPanelFitted_ = false;
  int16_t stateBeforeAiEntry_ = 1;
  host::FlyoutMenuHandle flyoutBeforeAiEntry_ = nullptr;

  std::vector<HWND> mainControls_;
  std::vector<HWND> aiEntryControls_;
  AiEntryView aiEntry_;

  HWND code_ = nullptr;
  HWND compositeText_ = nullptr;
  LengthFields lengths_{kLengthRows};
  HWND segments_ = nullptr;
  HWND showText_ = nullptr;
  HWND showCompositeText_ = nullptr;
};

}  // namespace panels
