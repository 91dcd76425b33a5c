// The main window's control table: 47 rows, IDs 1500 to 1546, in creation order.
#pragma once

#include <array>

#include "controls/control_spec.hpp"

class CVespaneRezuVovAdodizozaviDlg;

inline constexpr std::size_t kMainControlCount = 47;

std::array<ControlSpec, kMainControlCount> MainControlTable(CVespaneRezuVovAdodizozaviDlg& dlg);
