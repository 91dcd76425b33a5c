// How the device commands show a message to the user without drawing anything themselves: the
// main window implements this with a message box (OK button, the application name as caption).
#pragma once

#include <optional>
#include <string_view>

#include "device/ui_language.hpp"

class MessageSink {
  public:
    virtual ~MessageSink() = default;
    // Shows the text and returns when the user has closed the message.
    virtual void ShowMessage(std::wstring_view text) = 0;
};

// Shown when "Apply" sends a VRGB effect that the VRGB channel does not have.
inline constexpr std::wstring_view kSelectEffectEnglish =
    L"Please select lamp effect before application!";
// 应用之前，请选择灯效！
inline constexpr std::wstring_view kSelectEffectChinese =
    L"\u5e94\u7528\u4e4b\u524d\uff0c\u8bf7\u9009\u62e9\u706f\u6548\uff01";

// The text in the given language; empty for a language that is neither.
std::optional<std::wstring_view> SelectEffectText(UiLanguage language);
