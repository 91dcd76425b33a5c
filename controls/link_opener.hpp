// Opening a link in the desktop's web browser.
#pragma once

#include <string>

// Starts the desktop's opener (xdg-open, looked up on PATH) with the target as its one argument,
// directly, never through a shell, and does not wait for it. A failure (no opener, no browser, a
// bad target) is ignored.
void OpenLinkInBrowser(const std::wstring& target);
