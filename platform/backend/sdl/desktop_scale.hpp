// The scale factor of the program's windows on the running desktop.
#pragma once

namespace platform::sdl {

// VESPANE_RGB_SCALE, else GDK_SCALE, else the XSETTINGS Gdk/WindowScalingFactor of the X server
// on DISPLAY, else 1 (scale_choice.hpp); prints one line on stderr for each value it ignores.
int DesktopScaleFactor();

}  // namespace platform::sdl
