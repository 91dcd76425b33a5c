#include "device/message_sink.hpp"

std::optional<std::wstring_view> SelectEffectText(UiLanguage language) {
    switch (language) {
        case UiLanguage::English:
            return kSelectEffectEnglish;
        case UiLanguage::Chinese:
            return kSelectEffectChinese;
    }
    return std::nullopt;
}
