// The bitmap resource IDs of a skinned control (the low 16 bits of each are the ID; 0 = none).
#pragma once

#include "platform/wintypes.hpp"

class CMPWndBmp {
  public:
    CMPWndBmp() = default;
    CMPWndBmp(const CMPWndBmp&) = delete;
    CMPWndBmp& operator=(const CMPWndBmp&) = delete;
    virtual ~CMPWndBmp();

    UINT normalBmp = 0;    // normal look
    UINT hotBmp = 0;       // hover, pressed or latched look
    UINT disabledBmp = 0;  // kept for the owner; no painting reads it
};

// The resource ID held in a bitmap field.
constexpr UINT BitmapResourceId(UINT field) {
    return field & 0xFFFF;
}
