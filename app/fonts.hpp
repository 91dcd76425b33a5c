// The application's fonts: making sure the "Arial" face is available, and the font table that
// the control tables index by font number (0 the small font, 1 the large bold font, the other
// entries empty).
#pragma once

#include <array>

#include "platform/gdi/afxgdi.hpp"

class FontTable {
  public:
    // The control tables use font numbers 0, 1 and 5.
    static constexpr int kSize = 6;

    // Font set-up: registers "arial.ttf" unless an installed family is named exactly "Arial",
    // then creates fonts 0 and 1. FALSE, with the table left empty, when the registration fails.
    BOOL SetUp();
    // The font of a number; null for an empty entry or a number outside the table.
    HFONT Font(int number) const;

  private:
    std::array<CFont, kSize> fonts_;
};

// The application's own table (a field of the application object in spirit; one per platform
// context).
FontTable& AppFontTable();
BOOL SetUpFonts();
HFONT AppFont(int number);
