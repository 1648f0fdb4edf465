#include "panels/win32/medical128_panel.h"

#include <string>

#include "frame/plugin_factory.h"
#include "panels/win32/control_values.h"

namespace panels {

namespace {

constexpr wchar_t kProperty[] = L"MDCL";

constexpr PanelKind kMedical128Kind{"Medical128",
                                    "医療用GS1-128",
                                    kProperty,
                                    &PanelProcedure<kProperty>,
                                    1,
                                    {{300, 200}, {300, 200}}};

// Indexed by LotCodeSet.
constexpr const char* kLotCodeSets[] = {"A", "B", "C", "自動"};

constexpr int kNumberFieldReadLimit = 5;

constexpr DWORD kEditStyle = WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;

// The edit part of a combo box with an edit.
HWND EditPartOf(HWND combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  return GetComboBoxInfo(combo, &info) ? info.hwndItem : nullptr;
}

}  // namespace

Medical128Panel::Medical128Panel(host::PluginHandle plugin, host::MenuItemHandle menuItem)
    : PanelShell(plugin, menuItem, kMedical128Kind) {
  Construct();
}

Medical128Panel::~Medical128Panel() {
  TearDown();
}

bool Medical128Panel::CreateControls() {
  using enum ControlRole;
  const ControlEntry entries[] = {
      {{L"STATIC", "(01) 商品ｺｰﾄﾞ", 0, 5, 8, 110, 14, SS_LEFT, kLabel}},
      {{L"EDIT", nullptr, kMedical128ProductCode, 117, 5, 90, 20, kEditStyle, kField},
       &productCode_,
       13},
      {{L"STATIC", nullptr, kMedical128CheckDigit, 210, 6, 20, 18, SS_CENTER | SS_SUNKEN, kResult},
       &checkDigit_},
      {{L"BUTTON", nullptr, kMedical128Clear, 235, 6, 18, 18, BS_OWNERDRAW, kBitmapButton},
       nullptr,
       0,
       kClearBitmap},
      {{L"STATIC", "(17) 有効(使用)期限", 0, 5, 33, 110, 14, SS_LEFT, kLabel}},
      {{L"EDIT", nullptr, kMedical128Expiry, 117, 30, 50, 20, kEditStyle, kField}, &expiry_, 6},
      {{L"STATIC", "(30) 数量", 0, 5, 58, 110, 14, SS_LEFT, kLabel}},
      {{L"EDIT", nullptr, kMedical128Quantity, 117, 55, 58, 20, kEditStyle, kField}, &quantity_, 8},
      {{L"STATIC", "(10) ﾛｯﾄ(製造)番号", 0, 5, 83, 110, 14, SS_LEFT, kLabel}},
      {{L"COMBOBOX", nullptr, kMedical128LotCodeSet, 117, 79, 45,
        DroppedHeight(20, static_cast<int>(std::size(kLotCodeSets))),
        CBS_DROPDOWNLIST | WS_TABSTOP | WS_VSCROLL, kField},
       &lotCodeSet_},
      {{L"EDIT", nullptr, kMedical128Lot, 164, 80, 128, 20, kEditStyle, kField}, &lot_, 20},
      {{L"STATIC", nullptr, kMedical128CheckDigit, 5, 105, 290, 2, SS_SUNKEN, kSeparator}},
      {{L"STATIC", "高さ ", 0, 5, 122, 110, 14, SS_RIGHT, kLabel}},
      {{L"EDIT", nullptr, kMedical128Height, 117, 118, 45, 20, kEditStyle | ES_RIGHT, kField},
       &height_,
       kNumberFieldReadLimit},
      {{L"STATIC", "ﾅﾛｰ幅 ", 0, 172, 122, 40, 14, SS_LEFT, kLabel}},
      {{L"COMBOBOX", nullptr, kMedical128NarrowWidth, 212, 118, 60,
        DroppedHeight(20, kNarrowWidthEntryCount), CBS_DROPDOWN | WS_TABSTOP | WS_VSCROLL, kField},
       &narrowWidth_},
      {{L"STATIC", "ﾊﾞｰ幅補正 ", 0, 122, 147, 88, 14, SS_RIGHT, kLabel}},
      {{L"EDIT", nullptr, kMedical128BarWidthReduction, 212, 143, 60, 20, kEditStyle | ES_RIGHT,
        kField},
       &barWidthReduction_,
       kNumberFieldReadLimit},
      {{L"STATIC", "単位:mm", 0, 0, 111, 60, 14, SS_CENTER, kLabel}},
      {{L"BUTTON", "初期値", kMedical128Defaults, 177, 173, 50, 21, BS_OWNERDRAW, kPushButton}},
      {{L"BUTTON", "作 成", kMedical128Create, 232, 173, 60, 21, BS_OWNERDRAW, kPushButton}},
  };
  if (!AddControls(entries))
    return false;

  for (const char* codeSet : kLotCodeSets)
    AddListItem(lotCodeSet_, codeSet);
  SendMessageW(lotCodeSet_, CB_SETCURSEL, gs1_128::kLotCodeA, 0);
  for (const char* entry : kNarrowWidthEntries)
    AddListItem(narrowWidth_, entry);
  SendMessageW(narrowWidth_, CB_LIMITTEXT, kNumberFieldReadLimit, 0);

  for (HWND field : {productCode_, expiry_, quantity_, lot_, height_, EditPartOf(narrowWidth_),
                     barWidthReduction_})
    AddToTabRing(field);
  return true;
}

bool Medical128Panel::OnCommand(int id, int notification, HWND /*control*/) {
  if (id == kMedical128ProductCode && notification == EN_UPDATE) {
    RefreshCheckDigit();
    return true;
  }
  if (notification != BN_CLICKED)
    return false;
  switch (id) {
    case kMedical128Clear:
      ClearData();
      return true;
    case kMedical128Create:
      CreateMedical128();
      return true;
    case kMedical128Defaults:
      ResetDimensions();
      return true;
    default:
      return false;
  }
}

void Medical128Panel::RefreshCheckDigit() {
  Medical128Form form;
  form.productCode = ReadText(productCode_, kFieldReadLimit);
  form.RefreshCheckDigit();
  WriteText(checkDigit_, form.checkDigit);
}

void Medical128Panel::ClearData() {
  Medical128Form form;
  form.ClearData();
  WriteText(productCode_, form.productCode);
  WriteText(expiry_, form.expiry);
  WriteText(quantity_, form.quantity);
  WriteText(lot_, form.lot);
  WriteText(checkDigit_, form.checkDigit);
  FocusIfAny(ControlOf(form.focus));
}

void Medical128Panel::ResetDimensions() {
  const Medical128Form defaults;
  WriteText(height_, defaults.height);
  SendMessageW(narrowWidth_, CB_SETCURSEL, defaults.narrowWidthEntry, 0);
  WriteText(barWidthReduction_, defaults.barWidthReduction);
}

void Medical128Panel::CreateMedical128() {
  RunInAppContext(plugin(), [this] {
    const Medical128Form read = ReadForm();
    Medical128Form form = read;
    // Messages are shown by the form; host failures while placing the symbol stay silent.
    form.CreateMedical128();
    WriteBack(form, read);
    FocusIfAny(ControlOf(form.focus));
  });
}

Medical128Form Medical128Panel::ReadForm() const {
  Medical128Form form;
  form.productCode = ReadText(productCode_, kFieldReadLimit);
  form.expiry = ReadText(expiry_, kFieldReadLimit);
  form.quantity = ReadText(quantity_, kFieldReadLimit);
  form.lot = ReadText(lot_, kFieldReadLimit);
  form.lotCodeSet = static_cast<int>(SendMessageW(lotCodeSet_, CB_GETCURSEL, 0, 0));
  form.height = ReadText(height_, kNumberFieldReadLimit);
  form.narrowWidthText = ReadText(narrowWidth_, kNumberFieldReadLimit);
  form.narrowWidthEntry = SelectedNarrowWidth(form.narrowWidthText);
  form.barWidthReduction = ReadText(barWidthReduction_, kNumberFieldReadLimit);
  return form;
}

int Medical128Panel::SelectedNarrowWidth(const std::string& shownText) const {
  const auto entry = static_cast<int>(SendMessageW(narrowWidth_, CB_GETCURSEL, 0, 0));
  if (entry < 0 || entry >= kNarrowWidthEntryCount || shownText != kNarrowWidthEntries[entry])
    return -1;
  return entry;
}

void Medical128Panel::WriteBack(const Medical128Form& form, const Medical128Form& read) {
  if (form.height != read.height)
    WriteText(height_, form.height);
  if (form.narrowWidthText != read.narrowWidthText)
    WriteText(narrowWidth_, form.narrowWidthText);
  if (form.barWidthReduction != read.barWidthReduction)
    WriteText(barWidthReduction_, form.barWidthReduction);
}

HWND Medical128Panel::ControlOf(Medical128Control control) const {
  switch (control) {
    case Medical128Control::kProductCode:
      return productCode_;
    case Medical128Control::kExpiry:
      return expiry_;
    case Medical128Control::kQuantity:
      return quantity_;
    case Medical128Control::kLot:
      return lot_;
    case Medical128Control::kHeight:
      return height_;
    case Medical128Control::kNarrowWidth:
      return narrowWidth_;
    case Medical128Control::kBarWidthReduction:
      return barWidthReduction_;
    case Medical128Control::kNone:
      break;
  }
  return nullptr;
}

}  // namespace panels

std::unique_ptr<frame::Panel> frame::MakeMedical128Panel(host::PluginHandle plugin,
                                                         host::MenuItemHandle menuItem) {
  return panels::MakePanel<panels::Medical128Panel>(plugin, menuItem);
}
