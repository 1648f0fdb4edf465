// The GS1-128 panel's window: the controls of the four medical application identifiers, the
// lot's code set, the bar height and the narrow width, with the check-digit box, the clear,
// defaults and create buttons. What the fields mean, how they are validated and how the symbol is
// made belongs to Medical128Form; this view moves texts between the controls and the form, shows
// the form's verdict (the host shows its message) and focuses the control it names.
#pragma once

#include <windows.h>

#include <memory>

#include "frame/panel.h"
#include "host/handles.h"
#include "panels/medical128_form.h"
#include "panels/win32/panel_shell.h"

namespace panels {

// The controls' identifiers.
enum Medical128ControlId : int {
  kMedical128Create = 1,
  kMedical128ProductCode = 5,
  kMedical128CheckDigit = 6,  // the separator shares it
  kMedical128Expiry = 7,
  kMedical128Quantity = 8,
  kMedical128Lot = 9,
  kMedical128Height = 10,
  kMedical128NarrowWidth = 11,
  kMedical128LotCodeSet = 12,
  kMedical128Clear = 13,
  kMedical128Defaults = 14,
  kMedical128BarWidthReduction = 15,
};

class Medical128Panel final : public PanelShell {
 public:
  Medical128Panel(host::PluginHandle plugin, host::MenuItemHandle menuItem);
  ~Medical128Panel() override;

 private:
  // The create button's action: validates, and makes the symbol in the current document.
  void CreateMedical128();
  // Empties the four data fields and the check-digit box; the focus goes to the product code.
  void ClearData();
  // The default bar height and narrow width, and no bar width reduction.
  void ResetDimensions();
  bool CreateControls() override;
  void LoadSettings() override { ResetDimensions(); }
  bool OnCommand(int id, int notification, HWND control) override;

  void RefreshCheckDigit();
  Medical128Form ReadForm() const;
  // The selected narrow-width entry, or -1 when the list's edit part shows another text.
  int SelectedNarrowWidth(const std::string& shownText) const;
  // The normalised texts of the number fields, where they changed.
  void WriteBack(const Medical128Form& form, const Medical128Form& read);
  HWND ControlOf(Medical128Control control) const;

  HWND productCode_ = nullptr;
  HWND checkDigit_ = nullptr;
  HWND expiry_ = nullptr;
  HWND quantity_ = nullptr;
  HWND lotCodeSet_ = nullptr;
  HWND lot_ = nullptr;
  HWND height_ = nullptr;
  HWND narrowWidth_ = nullptr;
  HWND barWidthReduction_ = nullptr;
};

}  // namespace panels
