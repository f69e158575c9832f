#pragma once

#include <string>
#include <string_view>

namespace qv {

/// The first `count` characters of a UTF-8 text; a character is a lead byte with
/// its continuation bytes, so "ã" is never split.
std::string firstCharacters(std::string_view text, std::size_t count);

} // namespace qv
