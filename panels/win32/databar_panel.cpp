#include "panels/win32/databar_panel.h"

#include <new>
#include <vector>

#include "frame/app_context.h"
#include "host/suite_pointers.h"
#include "panels/length_field.h"
#include "panels/win32/control_entry.h"
#include "panels/win32/control_values.h"
#include "panels/win32/wide_text.h"

namespace panels {

namespace {

constexpr wchar_t kProperty[] = L"TYLB";

constexpr PanelKind kDataBarKind{
    "GS1DataBar", "GS1DataBar", kProperty, &PanelProcedure<kProperty>, 2, {{300, 154}, {300, 425}}};

constexpr char kClearBitmap[] = "bmpClear";

constexpr int kItemNumberCharacters = 13;
constexpr int kCompositeTextCharacters = 100;

constexpr DWORD kLengthStyle = WS_BORDER | WS_TABSTOP | ES_RIGHT | ES_AUTOHSCROLL;

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

  // A length field: its label, the field, "≧" and the static showing its minimum.
  const auto addLengthRow = [&entries](const char* label, int labelX, int labelWidth, int id, int y,
                                       LengthControls& controls) {
    entries.push_back({{L"STATIC", label, 0, labelX, y + 4, labelWidth, 14, SS_RIGHT, kLabel}});
    entries.push_back({{L"EDIT", nullptr, id, 117, y, 40, 20, kLengthStyle, kField},
                       &controls.field,
                       static_cast<int>(kLengthFieldCharacters),
                       nullptr,
                       true});
    entries.push_back({{L"STATIC", "≧", 0, 162, y + 4, 10, 14, SS_RIGHT, kLabel}});
    entries.push_back(
        {{L"STATIC", nullptr, 0, 177, y + 4, 40, 14, SS_LEFT, kLabel}, &controls.minimum});
  };
  addLengthRow("ﾓｼﾞｭｰﾙ幅 ", 5, 110, kDataBarModuleWidth, 162, moduleWidth_);
  entries.push_back({{L"STATIC", "単位:mm", 0, 0, 157, 60, 14, SS_CENTER, kLabel}});
  addLengthRow("高さ ", 5, 110, kDataBarHeight, 187, height_);
  addLengthRow("ｾﾊﾟﾚｰﾀの高さ ", 5, 110, kDataBarSeparatorHeight, 212, separatorHeight_);
  addLengthRow("二次元一段の高さ ", 5, 110, kDataBarCompositeRowHeight, 237, compositeRowHeight_);
  entries.push_back({{L"BUTTON", "Stacked専用ｵﾌﾟｼｮﾝ", kDataBarStackedOptions, 5, 262, 290, 65,
                      BS_OWNERDRAW, kGroupFrame}});
  addLengthRow("ｾﾊﾟﾚｰﾀの高さ ", 15, 100, kDataBarStackedSeparatorHeight, 277,
               stackedSeparatorHeight_);
  addLengthRow("一次元下段の高さ ", 15, 100, kDataBarSecondRowHeight, 302, secondRowHeight_);

  constexpr DWORD kCheckBox = BS_AUTOCHECKBOX | WS_TABSTOP;
  constexpr DWORD kRadioButton = BS_AUTORADIOBUTTON | WS_TABSTOP;
  const ControlEntry options[] = {
      {{L"BUTTON", nullptr, kDataBarShowText, 25, 337, 20, 20, kCheckBox, kLabel}, &showText_},
      {{L"STATIC", "一次元目視文字を表示する", 0, 45, 340, 150, 14, SS_LEFT, kLabel}},
      {{L"BUTTON", nullptr, kDataBarTextAsOutlines, 35, 357, 20, 20, kRadioButton | WS_GROUP,
        kLabel},
       &textAsOutlines_},
      {{L"STATIC", "OCR-B", 0, 55, 360, 40, 14, SS_LEFT, kLabel}},
      {{L"BUTTON", nullptr, kDataBarFitText, 100, 357, 20, 20, kCheckBox, kLabel}, &fitText_},
      {{L"STATIC", "OCRをバー幅に合わせる", 0, 120, 360, 150, 14, SS_LEFT, kLabel}},
      {{L"BUTTON", nullptr, kDataBarTextAsFrame, 35, 377, 20, 20, kRadioButton, kLabel},
       &textAsFrame_},
      // Ends the group of the two radio buttons.
      {{L"STATIC", "ﾃｷｽﾄ", 0, 55, 380, 40, 14, SS_LEFT | WS_GROUP, kLabel}},
      {{L"BUTTON", nullptr, kDataBarShowCompositeText, 25, 397, 20, 20, kCheckBox, kLabel},
       &showCompositeText_},
      {{L"STATIC", "ニ次元目視文字を表示する", 0, 45, 400, 140, 14, SS_LEFT, kLabel}},
      {{L"BUTTON", "初期値", kDataBarDefaults, 192, 397, 50, 21, BS_OWNERDRAW, kPushButton}},
      {{L"BUTTON", "最小値", kDataBarMinimums, 245, 397, 50, 21, BS_OWNERDRAW, kPushButton}},
  };
  entries.insert(entries.end(), std::begin(options), std::end(options));

  for (const ControlEntry& entry : entries) {
    HWND control = entry.bitmap != nullptr ? AddBitmapButton(entry.spec, entry.bitmap)
                                           : AddControl(entry.spec);
    if (control == nullptr)
      return false;
    if (entry.slot != nullptr)
      *entry.slot = control;
    if (entry.textLimit > 0)
      SendMessageW(control, EM_LIMITTEXT, entry.textLimit, 0);
    if (entry.inTabRing && !AddToTabRing(control))
      return false;
  }
  for (const char* label : kDataBarTypeLabels)
    SendMessageW(typeList_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(label).c_str()));
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
      InsertIntoCompositeText(L"#");
      return true;
    case kDataBarInsertSeparator:
      InsertIntoCompositeText(L"^");
      return true;
    case kDataBarInsertLineBreak:
      InsertIntoCompositeText(L"$");
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
  const DataBarLengthTexts& minimums = form.minimums;
  WriteIfChanged(moduleWidth_.minimum, minimums.moduleWidth);
  WriteIfChanged(height_.minimum, minimums.height);
  WriteIfChanged(separatorHeight_.minimum, minimums.separatorHeight);
  WriteIfChanged(compositeRowHeight_.minimum, minimums.compositeRowHeight);
  WriteIfChanged(stackedSeparatorHeight_.minimum, minimums.stackedSeparatorHeight);
  WriteIfChanged(secondRowHeight_.minimum, minimums.secondRowHeight);
}

void DataBarPanel::ApplyMinimums() {
  DataBarForm form = ReadForm();
  form.ApplyMinimums();
  WriteLengths(form.lengths);
}

void DataBarPanel::ApplyDefaults() {
  DataBarForm form = ReadForm();
  form.ApplyDefaults();
  WriteLengths(form.lengths);
  RefreshMinimums();
  WriteOptions(form);
  UpdateOptionStates();
}

void DataBarPanel::UpdateOptionStates() {
  const DataBarOptionStates states = ReadForm().OptionStates();
  for (const LengthControls* length :
       {&moduleWidth_, &height_, &separatorHeight_, &compositeRowHeight_}) {
    EnableWindow(length->field, optionsShown_);
  }
  // Lengths that a type does not use stay disabled also in state 2; in state 1 all are hidden.
  for (const LengthControls* length : {&stackedSeparatorHeight_, &secondRowHeight_})
    EnableWindow(length->field, optionsShown_ && states.stackedFields);
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
  if (HWND focus = ControlOf(form.focus))
    SetFocus(focus);
}

// Replaces the selection as typing does, so that the user can undo it.
void DataBarPanel::InsertIntoCompositeText(const wchar_t* text) {
  SendMessageW(compositeText_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
  SetFocus(compositeText_);
}

void DataBarPanel::CreateSymbol() {
  // While the plug-in is unloaded it holds no host suites and can make nothing.
  if (host::sContext == nullptr)
    return;
  const frame::AppContext context(plugin());
  if (context.result() != host::kNoError)
    return;
  DataBarForm form = ReadForm();
  // Messages are shown by the form; host failures while placing the symbol stay silent.
  form.CreateSymbol();
  WriteLengths(form.lengths);
  if (HWND focus = ControlOf(form.focus))
    SetFocus(focus);
}

DataBarForm DataBarPanel::ReadForm() const {
  DataBarForm form;
  form.type = currentType_;
  form.itemNumber = ReadText(itemNumber_, kFieldReadLimit);
  form.checkDigit = ReadText(checkDigit_, kFieldReadLimit);
  form.compositeText = ReadText(compositeText_, kFieldReadLimit);
  const auto read = [](const LengthControls& controls, std::string& text, std::string& minimum) {
    text = ReadText(controls.field, kFieldReadLimit);
    minimum = ReadText(controls.minimum, kFieldReadLimit);
  };
  DataBarLengthTexts& lengths = form.lengths;
  DataBarLengthTexts& minimums = form.minimums;
  read(moduleWidth_, lengths.moduleWidth, minimums.moduleWidth);
  read(height_, lengths.height, minimums.height);
  read(separatorHeight_, lengths.separatorHeight, minimums.separatorHeight);
  read(compositeRowHeight_, lengths.compositeRowHeight, minimums.compositeRowHeight);
  read(stackedSeparatorHeight_, lengths.stackedSeparatorHeight, minimums.stackedSeparatorHeight);
  read(secondRowHeight_, lengths.secondRowHeight, minimums.secondRowHeight);
  form.showText = IsChecked(showText_);
  form.textAsOutlines = IsChecked(textAsOutlines_);
  form.fitText = IsChecked(fitText_);
  form.textAsFrame = IsChecked(textAsFrame_);
  form.showCompositeText = IsChecked(showCompositeText_);
  return form;
}

void DataBarPanel::WriteLengths(const DataBarLengthTexts& lengths) {
  WriteIfChanged(moduleWidth_.field, lengths.moduleWidth);
  WriteIfChanged(height_.field, lengths.height);
  WriteIfChanged(separatorHeight_.field, lengths.separatorHeight);
  WriteIfChanged(compositeRowHeight_.field, lengths.compositeRowHeight);
  WriteIfChanged(stackedSeparatorHeight_.field, lengths.stackedSeparatorHeight);
  WriteIfChanged(secondRowHeight_.field, lengths.secondRowHeight);
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
      return moduleWidth_.field;
    case DataBarField::kHeight:
      return height_.field;
    case DataBarField::kSeparatorHeight:
      return separatorHeight_.field;
    case DataBarField::kCompositeRowHeight:
      return compositeRowHeight_.field;
    case DataBarField::kStackedSeparatorHeight:
      return stackedSeparatorHeight_.field;
    case DataBarField::kSecondRowHeight:
      return secondRowHeight_.field;
    case DataBarField::kNone:
      break;
  }
  return nullptr;
}

std::unique_ptr<frame::Panel> MakeDataBarPanel(host::PluginHandle plugin,
                                               host::MenuItemHandle menuItem) {
  return std::unique_ptr<frame::Panel>(new (std::nothrow) DataBarPanel(plugin, menuItem));
}

}  // namespace panels
