// The platform layer's demonstration window: a shaped top-level window (one corner cut off, the
// others rounded) with a caption band to drag it by, a few painted rectangles and text.
#pragma once

#include "platform/wnd/afxwin.hpp"

namespace demo {

inline constexpr int kWidth = 320;
inline constexpr int kHeight = 200;
inline constexpr int kCaptionHeight = 32;
inline constexpr wchar_t kTitle[] = L"Vespane RGB platform demo";

class DemoWindow : public CWnd {
  public:
    // Creates the window, shown, with its top-left corner at the screen point.
    BOOL CreateAt(POINT topLeft);

  protected:
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    LRESULT OnNcHitTest(POINT screenPoint) override;
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    void OnDestroy() override;  // ends the message loop

  private:
    CFont captionFont_;
    CFont textFont_;
};

}  // namespace demo
