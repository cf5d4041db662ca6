#include "core/language/mnemonics.h"

#include <cctype>

namespace skemora {

namespace {

// The UTF-8 sequence starting at `pos` (one byte for anything malformed).
std::string CharacterAt(const std::string& text, std::size_t pos) {
    const unsigned char lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 1;
    if (lead >= 0xF0) {
        length = 4;
    } else if (lead >= 0xE0) {
        length = 3;
    } else if (lead >= 0xC0) {
        length = 2;
    }
    return text.substr(pos, length);
}

// Lower case for ASCII and the Latin-1 letters (Æ, Ø, Å and their kin); others unchanged.
std::string LowerCase(std::string letter) {
    if (letter.size() == 1 && letter[0] >= 'A' && letter[0] <= 'Z') {
        letter[0] = static_cast<char>(letter[0] - 'A' + 'a');
    } else if (letter.size() == 2 && static_cast<unsigned char>(letter[0]) == 0xC3) {
        const unsigned char second = static_cast<unsigned char>(letter[1]);
        // U+00C0..U+00DE are the capitals, except the multiplication sign U+00D7.
        if (second >= 0x80 && second <= 0x9E && second != 0x97) {
            letter[1] = static_cast<char>(second + 0x20);
        }
    }
    return letter;
}

}  // namespace

std::string MnemonicOf(const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return LowerCase(CharacterAt(caption, i + 1));
    }
    return {};
}

namespace {

// The caption without its "&" markers, each "&&" written as `ampersand`.
std::string WithoutMarkers(const std::string& caption, const char* ampersand) {
    std::string shown;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size() && caption[i + 1] == '&') {
            shown += ampersand;
            ++i;
        } else if (caption[i] != '&') {
            shown += caption[i];
        }
    }
    return shown;
}

}  // namespace

std::string WithoutMnemonic(const std::string& caption) {
    return WithoutMarkers(caption, "&&");
}

std::string ShownCaption(const std::string& caption) {
    return WithoutMarkers(caption, "&");
}

std::string ButtonCaptionBeside(const std::string& caption,
                                const std::vector<std::string>& menuBarCaptions) {
    const auto taken = [&menuBarCaptions](const std::string& letter) {
        for (const auto& menu : menuBarCaptions) {
            if (MnemonicOf(menu) == letter) return true;
        }
        return false;
    };
    const std::string letter = MnemonicOf(caption);
    if (letter.empty() || !taken(letter)) return caption;
    // The marker moves on to the first later letter no menu takes.
    std::size_t marker = 0;
    while (marker + 1 < caption.size() && (caption[marker] != '&' || caption[marker + 1] == '&'))
        marker += caption[marker] == '&' ? 2 : 1;
    std::string shown = caption.substr(0, marker);
    std::size_t pos = marker + 1;
    shown += CharacterAt(caption, pos);
    pos += CharacterAt(caption, pos).size();
    while (pos < caption.size()) {
        const std::string next = CharacterAt(caption, pos);
        const bool letterLike = next.size() > 1 || std::isalnum(static_cast<unsigned char>(next[0]));
        if (letterLike && !taken(LowerCase(next)))
            return WithoutMnemonic(shown) + "&" + caption.substr(pos);
        if (next == "&") break;  // a doubled ampersand is text: keep it simple and stop here
        shown += next;
        pos += next.size();
    }
    return WithoutMnemonic(caption);
}

}  // namespace skemora
