#include "panels/win32/expanded_panel.h"

#include <string>

#include "frame/plugin_factory.h"
#include "host/suite_pointers.h"
#include "panels/symbol_creation.h"
#include "panels/win32/control_values.h"

namespace panels {

namespace {

constexpr wchar_t kProperty[] = L"REXP";

constexpr PanelKind kExpandedKind{.id = "GS1DataBar Expanded",
                                  .title = "GS1DataBar Expanded",
                                  .property = kProperty,
                                  .procedure = &PanelProcedure<kProperty>,
                                  .stateCount = 2,
                                  .sizes = {{300, 134}, {300, 398}}};

// The host panel while the AI entry view is shown, in every one of its four sizes.
constexpr host::Size kAiEntrySize{300, 258};

constexpr int kCodeCharacters = 70;
constexpr int kCompositeTextCharacters = 100;
constexpr int kSegmentsEntries = (kMaxSegmentsPerRow - kMinSegmentsPerRow) / 2 + 1;

constexpr DWORD kTextAreaStyle =
    WS_BORDER | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL;
constexpr DWORD kCheckBox = BS_AUTOCHECKBOX | WS_TABSTOP;

// Messages need the host's suites, which an unloaded plug-in does not hold.
void Alert(const std::string& message) {
  if (host::sUser != nullptr)
    ShowMessageAlert(message.c_str());
}

}  // namespace

int ExpandedPanel::SegmentsOfEntry(int entry) {
  return entry < 0 ? 0 : kMinSegmentsPerRow + 2 * entry;
}

int ExpandedPanel::EntryOfSegments(int segments) {
  return (segments - kMinSegmentsPerRow) / 2;
}

ExpandedPanel::ExpandedPanel(host::PluginHandle plugin, host::MenuItemHandle menuItem)
    : PanelShell(plugin, menuItem, kExpandedKind) {
  Construct();
}

ExpandedPanel::~ExpandedPanel() {
  TearDown();
}

std::vector<ControlEntry> ExpandedPanel::MainLayout() {
  using enum ControlRole;
  std::vector<ControlEntry> entries = {
      {{L"STATIC", "ｺｰﾄﾞ ", 0, 5, 8, 50, 14, SS_RIGHT, kLabel}},
      {{L"EDIT", nullptr, kExpandedCode, 57, 5, 210, 33, kTextAreaStyle, kField},
       &code_,
       kCodeCharacters},
      {{L"BUTTON", nullptr, kExpandedOpenAiEntry, 272, 4, 18, 18, BS_OWNERDRAW, kBitmapButton},
       nullptr,
       0,
       "bmpInput"},
      {{L"BUTTON", nullptr, kExpandedClear, 272, 23, 18, 18, BS_OWNERDRAW, kBitmapButton},
       nullptr,
       0,
       kClearBitmap},
      {{L"STATIC", "二次元ｺｰﾄﾞ", 0, 5, 46, 50, 14, SS_RIGHT, kLabel}},
      {{L"EDIT", nullptr, kExpandedCompositeText, 57, 43, 210, 33, kTextAreaStyle, kField},
       &compositeText_,
       kCompositeTextCharacters},
      {{L"BUTTON", "FNC1 (#)", kExpandedInsertFnc1, 15, 80, 60, 18, BS_OWNERDRAW, kPushButton}},
      {{L"BUTTON", "ｼﾝﾎﾞﾙｾﾊﾟﾚｰﾀ (^)", kExpandedInsertSeparator, 80, 80, 100, 18, BS_OWNERDRAW,
        kPushButton}},
      {{L"BUTTON", "目視文字の改行 ($)", kExpandedInsertLineBreak, 185, 80, 110, 18, BS_OWNERDRAW,
        kPushButton}},
      {{L"BUTTON", "作 成", kExpandedCreate, 235, 105, 60, 21, BS_OWNERDRAW, kPushButton}},
      {{L"STATIC", nullptr, 0, 5, 130, 290, 2, SS_SUNKEN, kSeparator}},
  };

  lengths_.AppendLayout(entries, kModuleWidthRow, kHeightRow);
  entries.push_back({{L"STATIC", "単位:mm", 0, 0, 135, 60, 14, SS_CENTER, kLabel}});
  lengths_.AppendLayout(entries, kHeightRow, kStackedSeparatorHeightRow);
  lengths_.AppendLayout(entries, kBarWidthReductionRow, kBarWidthReductionRow + 1);
  entries.push_back({{L"BUTTON", "Stacked専用ｵﾌﾟｼｮﾝ", kExpandedStackedOptions, 5, 265, 290, 40,
                      BS_OWNERDRAW, kGroupFrame}});
  lengths_.AppendLayout(entries, kStackedSeparatorHeightRow, kBarWidthReductionRow);

  const ControlEntry options[] = {
      {{L"STATIC", "ｾｸﾞﾒﾝﾄ数 ", 0, 15, 319, 100, 14, SS_RIGHT, kLabel}},
      {{L"COMBOBOX", nullptr, kExpandedSegments, 117, 315, 160, DroppedHeight(20, kSegmentsEntries),
        CBS_DROPDOWNLIST | WS_TABSTOP | WS_VSCROLL, kField},
       &segments_},
      {{L"BUTTON", nullptr, kExpandedShowText, 25, 350, 20, 20, kCheckBox, kLabel}, &showText_},
      {{L"STATIC", "一次元目視文字を表示する", 0, 45, 353, 150, 14, SS_LEFT, kLabel}},
      {{L"BUTTON", nullptr, kExpandedShowCompositeText, 25, 370, 20, 20, kCheckBox, kLabel},
       &showCompositeText_},
      {{L"STATIC", "ニ次元目視文字を表示する", 0, 45, 373, 140, 14, SS_LEFT, kLabel}},
      {{L"BUTTON", "初期値", kExpandedDefaults, 192, 370, 50, 21, BS_OWNERDRAW, kPushButton}},
      {{L"BUTTON", "最小値", kExpandedMinimums, 245, 370, 50, 21, BS_OWNERDRAW, kPushButton}},
  };
  entries.insert(entries.end(), std::begin(options), std::end(options));
  return entries;
}

bool ExpandedPanel::CreateControls() {
  if (!AddControls(MainLayout(), &mainControls_) ||
      !AddControls(aiEntry_.Layout(), &aiEntryControls_)) {
    return false;
  }
  for (int entry = 0; entry < kSegmentsEntries; ++entry)
    AddListItem(segments_, std::to_string(SegmentsOfEntry(entry)));
  aiEntry_.FillOrderLists();
  // The entry view starts hidden; the shell makes every control visible.
  for (HWND control : aiEntryControls_)
    ShowWindow(control, SW_HIDE);
  return true;
}

bool ExpandedPanel::OnCommand(int id, int notification, HWND control) {
  switch (id) {
    case kAiEntryItemNumber:
      if (notification != EN_UPDATE)
        return false;
      aiEntry_.RefreshCheckDigit();
      return true;
    case kExpandedModuleWidth:
      if (notification != EN_UPDATE)
        return false;
      RefreshMinimums();
      return true;
    case kAiEntryOrder: {
      const int row = aiEntry_.RowOfOrderList(control);
      if (notification != CBN_SELCHANGE || row < 0)
        return false;
      aiEntry_.EnableRow(row);
      return true;
    }
    default:
      return notification == BN_CLICKED && OnButton(id);
  }
}

bool ExpandedPanel::OnButton(int id) {
  switch (id) {
    case kExpandedCreate:
      CreateSymbol();
      return true;
    case kExpandedClear:  // also the entry view's
      ClearData();
      return true;
    case kExpandedDefaults:
      ApplyDefaults();
      return true;
    case kExpandedMinimums:
      ApplyMinimums();
      return true;
    case kExpandedInsertFnc1:
      InsertAtSelection(compositeText_, L"#");
      return true;
    case kExpandedInsertSeparator:
      InsertAtSelection(compositeText_, L"^");
      return true;
    case kExpandedInsertLineBreak:
      InsertAtSelection(compositeText_, L"$");
      return true;
    case kExpandedOpenAiEntry:
      OpenAiEntry();
      return true;
    case kAiEntryAccept:
      AcceptAiEntry();
      return true;
    case kAiEntryCancel:
      HideAiEntry();
      return true;
    default:
      return false;
  }
}

void ExpandedPanel::EnableOptionFields(bool optionsShown) {
  lengths_.Enable(0, lengths_.size(), optionsShown);
}

void ExpandedPanel::RefreshMinimums() {
  ExpandedForm form = ReadForm();
  form.RefreshMinimums();
  lengths_.WriteMinimums(form.minimums);
}

void ExpandedPanel::ApplyMinimums() {
  ExpandedForm form = ReadForm();
  form.ApplyMinimums();
  lengths_.WriteLengths(form.lengths);
}

void ExpandedPanel::ApplyDefaults() {
  ExpandedForm form = ReadForm();
  form.ApplyDefaults();
  lengths_.WriteLengths(form.lengths);
  lengths_.WriteMinimums(form.minimums);
  WriteOptions(form);
}

void ExpandedPanel::ClearData() {
  if (aiEntryShown_) {
    aiEntry_.WriteRows(ClearedAiEntryRows());
    SetFocus(aiEntry_.ControlOf(0, AiEntryControl::kData));
    return;
  }
  ExpandedForm form = ReadForm();
  form.ClearData();
  WriteIfChanged(code_, form.code);
  WriteIfChanged(compositeText_, form.compositeText);
  FocusIfAny(ControlOf(form.focus));
}

void ExpandedPanel::CreateSymbol() {
  RunInAppContext(plugin(), [this] {
    ExpandedForm form = ReadForm();
    // Messages are shown by the form; host failures while placing the symbol stay silent.
    form.CreateSymbol();
    lengths_.WriteLengths(form.lengths);
    FocusIfAny(ControlOf(form.focus));
  });
}

void ExpandedPanel::OpenAiEntry() {
  const OpenAiEntryResult opened = panels::OpenAiEntry(ReadText(code_, kFieldReadLimit));
  if (!opened.ok) {
    Alert(opened.message);
    SetFocus(code_);
    return;
  }
  aiEntry_.WriteRows(opened.rows);
  ShowAiEntry();
  FocusIfAny(aiEntry_.FirstEnabledField());
}

void ExpandedPanel::AcceptAiEntry() {
  const AcceptAiEntryResult accepted = panels::AcceptAiEntry(aiEntry_.ReadRows());
  if (!accepted.ok) {
    Alert(accepted.message);
    FocusIfAny(aiEntry_.ControlOf(accepted.row, accepted.focus));
    return;
  }
  WriteIfChanged(code_, accepted.code);
  HideAiEntry();
}

void ExpandedPanel::ShowAiEntry() {
  SwitchViews(true);
}

// The focus would otherwise stay on a control that is no longer shown.
void ExpandedPanel::HideAiEntry() {
  SwitchViews(false);
  SetFocus(code_);
}

// The panel is redrawn once, when the switch is complete. Turning drawing back on would also
// show a hidden window, so a panel that is not shown is left as it is.
void ExpandedPanel::SwitchViews(bool toAiEntry) {
  const bool shown = IsWindowVisible(window()) != FALSE;
  if (shown)
    SendMessageW(window(), WM_SETREDRAW, FALSE, 0);
  aiEntryShown_ = toAiEntry;
  for (HWND control : mainControls_)
    ShowWindow(control, toAiEntry ? SW_HIDE : SW_SHOW);
  for (HWND control : aiEntryControls_)
    ShowWindow(control, toAiEntry ? SW_SHOW : SW_HIDE);
  if (toAiEntry) {
    FitHostPanelToAiEntry();
  } else {
    RestoreHostPanel();
  }
  if (shown) {
    SendMessageW(window(), WM_SETREDRAW, TRUE, 0);
    RedrawWindow(window(), nullptr, nullptr,
                 RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
  }
}

// The entry view has one size and no options to show, so the host panel loses its flyout menu
// while the view is shown.
void ExpandedPanel::FitHostPanelToAiEntry() {
  if (hostPanelFitted_ || host::sPanel == nullptr)
    return;
  const host::PanelHandle panel = hostPanel();
  if (host::sPanel->GetState(panel, &stateBeforeAiEntry_) != host::kNoError ||
      host::sPanel->GetFlyoutMenu(panel, &flyoutBeforeAiEntry_) != host::kNoError) {
    return;
  }
  hostPanelFitted_ = true;
  host::sPanel->SetSizes(panel, kAiEntrySize, kAiEntrySize, kAiEntrySize, kAiEntrySize);
  host::sPanel->SetFlyoutMenu(panel, nullptr);
}

// Setting the remembered state gives the panel that state's sizes and enabled fields.
void ExpandedPanel::RestoreHostPanel() {
  if (!hostPanelFitted_ || host::sPanel == nullptr)
    return;
  hostPanelFitted_ = false;
  const host::PanelHandle panel = hostPanel();
  host::sPanel->SetFlyoutMenu(panel, flyoutBeforeAiEntry_);
  host::sPanel->SetState(panel, stateBeforeAiEntry_);
}

ExpandedForm ExpandedPanel::ReadForm() const {
  ExpandedForm form;
  form.code = ReadText(code_, kFieldReadLimit);
  form.compositeText = ReadText(compositeText_, kFieldReadLimit);
  lengths_.Read(form.lengths, form.minimums);
  form.segmentsPerRow =
      SegmentsOfEntry(static_cast<int>(SendMessageW(segments_, CB_GETCURSEL, 0, 0)));
  form.showText = IsChecked(showText_);
  form.showCompositeText = IsChecked(showCompositeText_);
  return form;
}

void ExpandedPanel::WriteOptions(const ExpandedForm& form) {
  SendMessageW(segments_, CB_SETCURSEL, EntryOfSegments(form.segmentsPerRow), 0);
  SetChecked(showText_, form.showText);
  SetChecked(showCompositeText_, form.showCompositeText);
}

HWND ExpandedPanel::ControlOf(ExpandedField field) const {
  switch (field) {
    case ExpandedField::kCode:
      return code_;
    case ExpandedField::kCompositeText:
      return compositeText_;
    case ExpandedField::kModuleWidth:
      return lengths_.FieldOf(kModuleWidthRow);
    case ExpandedField::kHeight:
      return lengths_.FieldOf(kHeightRow);
    case ExpandedField::kSeparatorHeight:
      return lengths_.FieldOf(kSeparatorHeightRow);
    case ExpandedField::kCompositeRowHeight:
      return lengths_.FieldOf(kCompositeRowHeightRow);
    case ExpandedField::kStackedSeparatorHeight:
      return lengths_.FieldOf(kStackedSeparatorHeightRow);
    case ExpandedField::kSegments:
      return segments_;
    case ExpandedField::kBarWidthReduction:
      return lengths_.FieldOf(kBarWidthReductionRow);
    case ExpandedField::kNone:
      break;
  }
  return nullptr;
}

}  // namespace panels

std::unique_ptr<frame::Panel> frame::MakeExpandedPanel(host::PluginHandle plugin,
                                                       host::MenuItemHandle menuItem) {
  return panels::MakePanel<panels::ExpandedPanel>(plugin, menuItem);
}
