// A font catalog whose installed families and registration result a test chooses.
#pragma once

#include <algorithm>
#include <cwctype>
#include <string>
#include <utility>
#include <vector>

#include "platform/gdi/font_catalog.hpp"

class FakeCatalog : public FontCatalog {
  public:
    FakeCatalog() = default;
    explicit FakeCatalog(std::vector<std::wstring> families, bool registrationSucceeds = false)
        : installed(std::move(families)), registrationWorks(registrationSucceeds) {}

    std::vector<std::wstring> installed;
    bool registrationWorks = false;
    std::vector<std::wstring> registered;

    std::vector<std::wstring> FamiliesNamed(std::wstring_view family) override {
        std::vector<std::wstring> out;
        for (const auto& name : installed) {
            if (name.size() == family.size() &&
                std::equal(name.begin(), name.end(), family.begin(), [](wchar_t a, wchar_t b) {
                    return std::towlower(a) == std::towlower(b);
                })) {
                out.push_back(name);
            }
        }
        return out;
    }
    bool RegisterFontFile(std::wstring_view fileName) override {
        registered.emplace_back(fileName);
        return registrationWorks;
    }
};

// Puts a fake catalog in place for the life of the object.
class ScopedFontCatalog {
  public:
    explicit ScopedFontCatalog(FontCatalog& catalog) { SetFontCatalogForTesting(&catalog); }
    ScopedFontCatalog(const ScopedFontCatalog&) = delete;
    ScopedFontCatalog& operator=(const ScopedFontCatalog&) = delete;
    ~ScopedFontCatalog() { SetFontCatalogForTesting(nullptr); }
};
