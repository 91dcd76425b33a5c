// Conversions between the program's wide strings (UTF-32 code points in wchar_t) and UTF-8, the
// encoding of fontconfig, file names and the console. Invalid input becomes U+FFFD.
#pragma once

#include <string>
#include <string_view>

std::string Utf8FromWide(std::wstring_view text);
std::wstring WideFromUtf8(std::string_view text);
