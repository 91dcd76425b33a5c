#include "app/about_dialog.hpp"

CAboutDlg::CAboutDlg() : CDialogEx(kTemplateId) {}
