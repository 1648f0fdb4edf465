// Host panels as real windows: each host panel is a top-level tool window (its frame, titled with
// the panel's title and owned by the host window when there is one) whose one child is the
// panel's platform window, which the plug-in fills with its controls. Closing a frame hides the
// panel as the host does, telling the plug-in through its visibility callback.
#pragma once

#include <windows.h>

#include <vector>

#include "emulator/emulator.h"
#include "emulator/panel_host.h"

namespace emulator {

class PanelFrames : public PanelWindows {
 public:
  // The host's panel backgrounds in its light and dark interfaces.
  static constexpr COLORREF kLightBackground = RGB(240, 240, 240);
  static constexpr COLORREF kDarkBackground = RGB(50, 50, 50);

  PanelFrames(Emulator& emulator, HWND owner, COLORREF background);
  ~PanelFrames() override;
  PanelFrames(const PanelFrames&) = delete;
  PanelFrames& operator=(const PanelFrames&) = delete;

  host::PlatformWindow Create(const PanelRecord& panel) override;
  void Show(host::PlatformWindow window, bool show) override;
  void Resize(host::PlatformWindow window, host::Size size) override;
  void Destroy(host::PlatformWindow window) override;

  // The tool window around a panel's platform window, or null.
  HWND FrameOf(host::PlatformWindow window) const;
  // Platform windows that were destroyed still subclassed by the plug-in or still carrying
  // its window properties.
  int untidyWindows() const { return untidyWindows_; }

 private:
  struct Frame {
    HWND frame;
    HWND content;
    host::PanelHandle panel;
    bool contentSawItsEnd = false;  // its own procedure got WM_DESTROY
  };

  static LRESULT CALLBACK FrameProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ContentProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  const Frame* Find(HWND window) const;
  Frame* Find(HWND window);
  POINT NextPosition(SIZE frameSize) const;
  // Whether the content is rid of the plug-in: its own procedure back and no property left.
  static bool IsTidy(HWND content);

  Emulator& emulator_;
  HWND owner_;
  HBRUSH background_;
  std::vector<Frame> frames_;
  int created_ = 0;
  int untidyWindows_ = 0;
};

}  // namespace emulator
