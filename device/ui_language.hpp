// The language of the user interface. Other values than these two may occur; every
// language-dependent operation then does nothing.
#pragma once

enum class UiLanguage : int {
    English = 0,
    Chinese = 1,
};
