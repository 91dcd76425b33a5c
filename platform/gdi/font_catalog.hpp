// Which font families are installed, and registering a font file for this process: what
// EnumFontFamiliesW and AddFontResourceW ask. The system catalog asks fontconfig; tests put
// their own catalog in its place.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class FontCatalog {
  public:
    FontCatalog() = default;
    FontCatalog(const FontCatalog&) = delete;
    FontCatalog& operator=(const FontCatalog&) = delete;
    virtual ~FontCatalog() = default;

    // The installed families whose name equals `family` ignoring case, spelled as installed.
    // An alias (a name that only substitutes another family) is not an installed family.
    virtual std::vector<std::wstring> FamiliesNamed(std::wstring_view family) = 0;
    // Makes a font file's face available to this process; false when that is not possible.
    virtual bool RegisterFontFile(std::wstring_view fileName) = 0;
};

// The catalog in use: the system one unless a test has set another.
FontCatalog& CurrentFontCatalog();
// Test seam: the catalog to use from now on; null returns to the system catalog.
void SetFontCatalogForTesting(FontCatalog* catalog);

// The family to look up for a face name: the Windows dialog font ("MS Shell Dlg", "MS Shell Dlg
// 2") gives Liberation Sans; a name registered as standing for an installed family
// (AddFontResourceW of a missing file) gives that family; any other name is returned unchanged.
std::string FontFamilyFor(const std::string& faceName);
