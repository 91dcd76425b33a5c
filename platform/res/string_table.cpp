#include "platform/res/string_table.hpp"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<UINT, std::wstring_view>, 1> kStrings{{
    {101, L"关于 Vespane Rezu Vov Adodizozavi(&A)..."},  // the About item of the system menu
}};

}  // namespace

std::wstring_view FindResourceString(UINT id) {
    for (const auto& [key, text] : kStrings) {
        if (key == id) return text;
    }
    return {};
}
