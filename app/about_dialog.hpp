// The About box: the program's icon, name and version, a one-line notice and an OK button, from
// dialog template 100. The main window opens it from its system menu.
#pragma once

#include "platform/wnd/afxwin.hpp"

class CAboutDlg : public CDialogEx {
  public:
    static constexpr UINT kTemplateId = 100;

    CAboutDlg();
};
