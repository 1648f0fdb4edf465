#include "panels/win32/databar_panel.h"

#include <vector>

#include "frame/plugin_factory.h"
#include "panels/win32/control_values.h"

namespace panels {

namespace {

constexpr wchar_t kProperty[] = L"TYLB";

constexpr PanelKind kDataBarKind{
    "GS1DataBar", "GS1DataBar", kProperty, &PanelProcedure<kProperty>, 2, {{300, 154}, {300, 450}}};

constexpr int kItemNumberCharacters = 13;
constexpr int kCompositeTextCharacters = 100;

}  // namespace

DataBarPanel::DataBarPanel(host::PluginHandle plugin, host::MenuItemHandle menuItem)
    : PanelShell(plugin, menuItem, kDataBarKind) {
  Construct();
}

DataBarPanel::~DataBarPanel() {
  TearDown();
}

bool DataBarPanel::CreateControls() {
  using enum ControlRole;
  std::vector<ControlEntry> entries = {
      {{L"STATIC", "ﾊﾞｰｺｰﾄﾞ ", 0, 5, 8, 50, 14, SS_RIGHT, kLabel}},
      {{L"COMBOBOX", nullptr, kDataBarType, 57, 5, 160,
        DroppedHeight(20, static_cast<int>(std::size(kDataBarTypeLabels))),
        CBS_DROPDOWNLIST | WS_TABSTOP | WS_VSCROLL, kField},
       &typeList_},
      {{L"STATIC", nullptr, 0, 5, 30, 290, 2, SS_SUNKEN, kSeparator}},
      {{L"STATIC", "ｺｰﾄﾞ ", 0, 5, 43, 50, 14, SS_RIGHT, kLabel}},
      {{L"EDIT", nullptr, kDataBarItemNumber, 57, 40, 90, 20, WS_BORDER | ES_AUTOHSCROLL, kField},
       &itemNumber_,
       kItemNumberCharacters},
      {{L"STATIC", nullptr, kDataBarCheckDigit, 150, 41, 20, 18, SS_CENTER | SS_SUNKEN, kResult},
       &checkDigit_},
      {{L"BUTTON", nullptr, kDataBarClear, 175, 41, 18, 18, BS_OWNERDRAW, kBitmapButton},
       nullptr,
       0,
       kClearBitmap},
      {{L"STATIC", "二次元ｺｰﾄﾞ", 0, 5, 68, 50, 14, SS_RIGHT, kLabel}},
      {{L"EDIT", nullptr, kDataBarCompositeText, 57, 65, 230, 33,
        WS_BORDER | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL, kField},
       &compositeText_,
       kCompositeTextCharacters},
      {{L"BUTTON", "FNC1 (#)", kDataBarInsertFnc1, 15, 102, 60, 18, BS_OWNERDRAW, kPushButton}},
      {{L"BUTTON", "ｼﾝﾎﾞﾙｾﾊﾟﾚｰﾀ (^)", kDataBarInsertSeparator, 80, 102, 100, 18, BS_OWNERDRAW,
        kPushButton}},
      {{L"BUTTON", "目視文字の改行 ($)", kDataBarInsertLineBreak, 185, 102, 110, 18, BS_OWNERDRAW,
        kPushButton}},
      {{L"BUTTON", "作 成", kDataBarCreate, 235, 127, 60, 21, BS_OWNERDRAW, kPushButton}},
      {{L"STATIC", nullptr, 0, 5, 152, 290, 2, SS_SUNKEN, kSeparator}},
  };

  lengths_.AppendLayout(entries, kModuleWidthRow, kHeightRow);
  entries.push_back({{L"STATIC", "単位:mm", 0, 0, 157, 60, 14, SS_CENTER, kLabel}});
  lengths_.AppendLayout(entries, kHeightRow, kStackedSeparatorHeightRow);
  lengths_.AppendLayout(entries, kBarWidthReductionRow, kBarWidthReductionRow + 1);
  entries.push_back({{L"BUTTON", "Stacked専用ｵﾌﾟｼｮﾝ", kDataBarStackedOptions, 5, 287, 290, 65,
                      BS_OWNERDRAW, kGroupFrame}});
  lengths_.AppendLayout(entries, kStackedSeparatorHeightRow, kBarWidthReductionRow);

  constexpr DWORD kCheckBox = BS_AUTOCHECKBOX | WS_TABSTOP;
  constexpr DWORD kRadioButton = BS_AUTORADIOBUTTON | WS_TABSTOP;
  const ControlEntry options[] = {
      {{L"BUTTON", nullptr, kDataBarShowText, 25, 362, 20, 20, kCheckBox, kLabel}, &showText_},
      {{L"STATIC", "一次元目視文字を表示する", 0, 45, 365, 150, 14, SS_LEFT, kLabel}},
      {{L"BUTTON", nullptr, kDataBarTextAsOutlines, 35, 382, 20, 20, kRadioButton | WS_GROUP,
        kLabel},
       &textAsOutlines_},
      {{L"STATIC", "OCR-B", 0, 55, 385, 40, 14, SS_LEFT, kLabel}},
      {{L"BUTTON", nullptr, kDataBarFitText, 100, 382, 20, 20, kCheckBox, kLabel}, &fitText_},
      {{L"STATIC", "OCRをバー幅に合わせる", 0, 120, 385, 150, 14, SS_LEFT, kLabel}},
      {{L"BUTTON", nullptr, kDataBarTextAsFrame, 35, 402, 20, 20, kRadioButton, kLabel},
       &textAsFrame_},
      // Ends the group of the two radio buttons.
      {{L"STATIC", "ﾃｷｽﾄ", 0, 55, 405, 40, 14, SS_LEFT | WS_GROUP, kLabel}},
      {{L"BUTTON", nullptr, kDataBarShowCompositeText, 25, 422, 20, 20, kCheckBox, kLabel},
       &showCompositeText_},
      {{L"STATIC", "ニ次元目視文字を表示する", 0, 45, 425, 140, 14, SS_LEFT, kLabel}},
      {{L"BUTTON", "初期値", kDataBarDefaults, 192, 422, 50, 21, BS_OWNERDRAW, kPushButton}},
      {{L"BUTTON", "最小値", kDataBarMinimums, 245, 422, 50, 21, BS_OWNERDRAW, kPushButton}},
  };
  entries.insert(entries.end(), std::begin(options), std::end(options));

  if (!AddControls(entries))
    return false;
  for (const char* label : kDataBarTypeLabels)
    AddListItem(typeList_, label);
  return true;
}

bool DataBarPanel::OnCommand(int id, int notification, HWND /*control*/) {
  switch (id) {
    case kDataBarType:
      if (notification != CBN_SELCHANGE)
        return false;
      SwitchType();
      return true;
    case kDataBarItemNumber:
      if (notification != EN_CHANGE)
        return false;
      RefreshCheckDigit();
      return true;
    case kDataBarModuleWidth:
      if (notification != EN_CHANGE)
        return false;
      RefreshMinimums();
      return true;
    case kDataBarShowText:
    case kDataBarTextAsOutlines:
    case kDataBarTextAsFrame:
      UpdateOptionStates();
      return true;
    default:
      return notification == BN_CLICKED && OnButton(id);
  }
}

bool DataBarPanel::OnButton(int id) {
  switch (id) {
    case kDataBarCreate:
      CreateSymbol();
      return true;
    case kDataBarClear:
      ClearData();
      return true;
    case kDataBarDefaults:
      ApplyDefaults();
      return true;
    case kDataBarMinimums:
      ApplyMinimums();
      return true;
    case kDataBarInsertFnc1:
      InsertAtSelection(compositeText_, L"#");
      return true;
    case kDataBarInsertSeparator:
      InsertAtSelection(compositeText_, L"^");
      return true;
    case kDataBarInsertLineBreak:
      InsertAtSelection(compositeText_, L"$");
      return true;
    default:
      return false;
  }
}

void DataBarPanel::EnableOptionFields(bool optionsShown) {
  optionsShown_ = optionsShown;
  UpdateOptionStates();
}

void DataBarPanel::SwitchType() {
  const auto selected = static_cast<int32_t>(SendMessageW(typeList_, CB_GETCURSEL, 0, 0));
  if (selected < 0 || selected >= static_cast<int32_t>(typed_.size()))
    return;
  TypedTexts& old = typed_[currentType_];
  old.itemNumber = ReadText(itemNumber_, kFieldReadLimit);
  old.checkDigit = ReadText(checkDigit_, kFieldReadLimit);
  old.compositeText = ReadText(compositeText_, kFieldReadLimit);
  SaveSettings(currentType_);

  currentType_ = selected;
  const TypedTexts& kept = typed_[currentType_];
  WriteIfChanged(itemNumber_, kept.itemNumber);
  WriteIfChanged(checkDigit_, kept.checkDigit);
  WriteIfChanged(compositeText_, kept.compositeText);
  LoadSettings(currentType_);
  SaveType(currentType_);
  RefreshMinimums();
  UpdateOptionStates();
}

void DataBarPanel::RefreshCheckDigit() {
  DataBarForm form = ReadForm();
  form.RefreshCheckDigit();
  WriteIfChanged(checkDigit_, form.checkDigit);
}

void DataBarPanel::RefreshMinimums() {
  DataBarForm form = ReadForm();
  form.RefreshMinimums();
  lengths_.WriteMinimums(form.minimums);
}

void DataBarPanel::ApplyMinimums() {
  DataBarForm form = ReadForm();
  form.ApplyMinimums();
  lengths_.WriteLengths(form.lengths);
}

void DataBarPanel::ApplyDefaults() {
  DataBarForm form = ReadForm();
  form.ApplyDefaults();
  lengths_.WriteLengths(form.lengths);
  RefreshMinimums();
  WriteOptions(form);
  UpdateOptionStates();
}

void DataBarPanel::UpdateOptionStates() {
  const DataBarOptionStates states = ReadForm().OptionStates();
  lengths_.Enable(kModuleWidthRow, kStackedSeparatorHeightRow, optionsShown_);
  lengths_.Enable(kBarWidthReductionRow, kBarWidthReductionRow + 1, optionsShown_);
  // Lengths that a type does not use stay disabled also in state 2; in state 1 all are hidden.
  lengths_.Enable(kStackedSeparatorHeightRow, kBarWidthReductionRow,
                  optionsShown_ && states.stackedFields);
  EnableWindow(textAsOutlines_, states.textModes);
  EnableWindow(textAsFrame_, states.textModes);
  EnableWindow(fitText_, states.fitText);
  EnableWindow(showCompositeText_, TRUE);
}

void DataBarPanel::ClearData() {
  DataBarForm form = ReadForm();
  form.ClearData();
  WriteIfChanged(itemNumber_, form.itemNumber);
  WriteIfChanged(compositeText_, form.compositeText);
  WriteIfChanged(checkDigit_, form.checkDigit);
  FocusIfAny(ControlOf(form.focus));
}

void DataBarPanel::CreateSymbol() {
  RunInAppContext(plugin(), [this] {
    DataBarForm form = ReadForm();
    // Messages are shown by the form; host failures while placing the symbol stay silent.
    form.CreateSymbol();
    lengths_.WriteLengths(form.lengths);
    FocusIfAny(ControlOf(form.focus));
  });
}

DataBarForm DataBarPanel::ReadForm() const {
  DataBarForm form;
  form.type = currentType_;
  form.itemNumber = ReadText(itemNumber_, kFieldReadLimit);
  form.checkDigit = ReadText(checkDigit_, kFieldReadLimit);
  form.compositeText = ReadText(compositeText_, kFieldReadLimit);
  lengths_.Read(form.lengths, form.minimums);
  form.showText = IsChecked(showText_);
  form.textAsOutlines = IsChecked(textAsOutlines_);
  form.fitText = IsChecked(fitText_);
  form.textAsFrame = IsChecked(textAsFrame_);
  form.showCompositeText = IsChecked(showCompositeText_);
  return form;
}

void DataBarPanel::WriteOptions(const DataBarForm& form) {
  SetChecked(showText_, form.showText);
  SetChecked(textAsOutlines_, form.textAsOutlines);
  SetChecked(fitText_, form.fitText);
  SetChecked(textAsFrame_, form.textAsFrame);
  SetChecked(showCompositeText_, form.showCompositeText);
}

HWND DataBarPanel::ControlOf(DataBarField field) const {
  switch (field) {
    case DataBarField::kItemNumber:
      return itemNumber_;
    case DataBarField::kCompositeText:
      return compositeText_;
    case DataBarField::kModuleWidth:
      return lengths_.FieldOf(kModuleWidthRow);
    case DataBarField::kHeight:
      return lengths_.FieldOf(kHeightRow);
    case DataBarField::kSeparatorHeight:
      return lengths_.FieldOf(kSeparatorHeightRow);
    case DataBarField::kCompositeRowHeight:
      return lengths_.FieldOf(kCompositeRowHeightRow);
    case DataBarField::kStackedSeparatorHeight:
      return lengths_.FieldOf(kStackedSeparatorHeightRow);
    case DataBarField::kSecondRowHeight:
      return lengths_.FieldOf(kSecondRowHeightRow);
    case DataBarField::kBarWidthReduction:
      return lengths_.FieldOf(kBarWidthReductionRow);
    case DataBarField::kNone:
      break;
  }
  return nullptr;
}

}  // namespace panels

std::unique_ptr<frame::Panel> frame::MakeDataBarPanel(host::PluginHandle plugin,
                                                      host::MenuItemHandle menuItem) {
  return panels::MakePanel<panels::DataBarPanel>(plugin, menuItem);
}
