#include "figures/JpegNames.h"

#include "platform/FileNoCase.h"

#include <algorithm>

namespace qv {

namespace {

// `name` is longer than `ending` by at least `before` characters and ends with it.
bool endsWithNoCase(std::string_view name, std::string_view ending, std::size_t before = 1) {
    return name.size() >= ending.size() + before &&
           sameNameNoCase(name.substr(name.size() - ending.size()), ending);
}

// Length of the UTF-8 sequence starting at `i`, or 0 when it is not valid there.
std::size_t utf8Length(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = lead < 0x80                   ? 1
                         : lead >= 0xC2 && lead < 0xE0 ? 2
                         : lead >= 0xE0 && lead < 0xF0 ? 3
                         : lead >= 0xF0 && lead < 0xF5 ? 4
                                                       : 0;
    if (length == 0 || i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

bool validUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = utf8Length(text, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

} // namespace

bool isJpegName(std::string_view name) {
    return endsWithNoCase(name, ".jpg") || endsWithNoCase(name, ".jpeg");
}

bool matchesSearch(std::string_view name, std::string_view initials) {
    if (!isJpegName(name))
        return false;
    std::size_t at = 0; // in name
    for (std::size_t i = 0; i < initials.size();) {
        if (at >= name.size())
            return false;
        if (initials[i] == '?') {
            at += std::max<std::size_t>(utf8Length(name, at), 1); // one character
            ++i;
            continue;
        }
        const std::size_t end = std::min(initials.find('?', i), initials.size());
        const std::string_view letters = initials.substr(i, end - i);
        if (!sameNameNoCase(name.substr(at, letters.size()), letters))
            return false;
        at += letters.size();
        i = end;
    }
    // The ending follows the initials; it cannot be part of them.
    const std::string_view rest = name.substr(std::min(at, name.size()));
    return endsWithNoCase(rest, ".jpg", 0) || endsWithNoCase(rest, ".jpeg", 0);
}

std::optional<char> invalidSearchCharacter(std::string_view initials) {
    const auto found = std::find_if(initials.begin(), initials.end(), [](char c) {
        return c == '*' || c == '"' || c == '\\' || c == '/';
    });
    if (found == initials.end())
        return std::nullopt;
    return *found;
}

std::string readableName(std::string_view bytes) {
    if (validUtf8(bytes))
        return std::string(bytes);
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            text += c;
        } else {
            text += static_cast<char>(0xC0 | byte >> 6);
            text += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return text;
}

} // namespace qv
