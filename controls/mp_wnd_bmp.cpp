#include "controls/mp_wnd_bmp.hpp"

CMPWndBmp::~CMPWndBmp() = default;
