// SPDX-License-Identifier: MIT
#include "startup/TerminalText.h"

#include <cstdint>
#include <cstdio>

namespace startup {

namespace {

// The length of the well-formed UTF-8 sequence at the start of `text` and the code point it encodes, or a
// length of 0.
std::size_t decodeUtf8(std::string_view text, char32_t& codePoint)
{
    const auto byte = [&text](std::size_t at) { return static_cast<std::uint8_t>(text[at]); };
    const std::uint8_t lead = byte(0);
    std::size_t length = 0;
    char32_t smallest = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    if ((lead & 0xe0) == 0xc0) {
        length = 2;
        smallest = 0x80;
        codePoint = lead & 0x1f;
    } else if ((lead & 0xf0) == 0xe0) {
        length = 3;
        smallest = 0x800;
        codePoint = lead & 0x0f;
    } else if ((lead & 0xf8) == 0xf0) {
        length = 4;
        smallest = 0x10000;
        codePoint = lead & 0x07;
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    for (std::size_t at = 1; at < length; ++at) {
        if ((byte(at) & 0xc0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (byte(at) & 0x3f);
    }
    const bool surrogate = codePoint >= 0xd800 && codePoint <= 0xdfff;
    return codePoint < smallest || codePoint > 0x10ffff || surrogate ? 0 : length;
}

bool actsOnATerminal(char32_t codePoint)
{
    const bool c1 = codePoint >= 0x80 && codePoint <= 0x9f;
    const bool embeddingOrOverride = codePoint >= 0x202a && codePoint <= 0x202e;
    const bool isolate = codePoint >= 0x2066 && codePoint <= 0x2069;
    return c1 || embeddingOrOverride || isolate;
}

std::string escaped(const char* format, unsigned value)
{
    char text[8];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

} // namespace

std::string shownOnOneLine(std::string_view text, std::size_t maximumBytes)
{
    static constexpr std::string_view cutMark = "…";
    std::string shown;
    // Where the text is cut if what follows does not fit: the end of the last piece that leaves room for the
    // mark. A piece (an escape, a character) is never split.
    std::size_t cutAt = 0;
    while (!text.empty()) {
        char32_t codePoint = 0;
        const std::size_t length = decodeUtf8(text, codePoint);
        if (length == 0 || codePoint < 0x20 || codePoint == 0x7f)
            shown += escaped("\\x%02x", static_cast<std::uint8_t>(text[0]));
        else if (codePoint == '\\')
            shown += "\\\\";
        else if (actsOnATerminal(codePoint))
            shown += escaped("\\u%04x", static_cast<unsigned>(codePoint));
        else
            shown += text.substr(0, length);
        text.remove_prefix(length == 0 ? 1 : length);
        if (shown.size() > maximumBytes)
            return shown.substr(0, cutAt).append(cutMark);
        if (shown.size() + cutMark.size() <= maximumBytes)
            cutAt = shown.size();
    }
    return shown;
}

} // namespace startup
