#pragma once

// A small RTF reader for the tests: font table, \f, \fs, \par, \'hh, \uN and
// escaped symbols, enough to read back what our writers produce and what a
// word processor would take from it.

#include "ui/RichEdit.h"

#include <cctype>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace zindra::test {

// Test rows read best as face, size, text.
inline StyledRun Styled(std::string face, int size, std::u16string text) {
    return {std::move(text), {std::move(face), size}};
}

struct RtfDocument {
    std::map<int, std::string> Fonts;
    std::vector<StyledRun> Runs;
    std::vector<std::string> ControlWords; // every control word, in order
};

// Bytes 0x80 and 0x95 and 0x9F of Windows-1252, the ones the tests use.
inline char16_t FromWindows1252(unsigned byte) {
    if (byte == 0x80) return 0x20AC;
    if (byte == 0x95) return 0x2022;
    if (byte == 0x9F) return 0x0178;
    if (byte >= 0x80 && byte < 0xA0) return 0xFFFD;
    return static_cast<char16_t>(byte);
}

class RtfReader {
  public:
    explicit RtfReader(std::string_view rtf) : rtf_(rtf) {}

    RtfDocument Read() {
        std::vector<State> stack{State{}};
        while (pos_ < rtf_.size()) {
            const char c = rtf_[pos_++];
            State& state = stack.back();
            if (c == '{') {
                stack.push_back(state);
            } else if (c == '}') {
                if (state.inFontTable && !state.fontName.empty()) FinishFontName(state);
                stack.pop_back();
                if (stack.empty()) break;
            } else if (c == '\\') {
                ReadControl(stack.back());
            } else if (c != '\r' && c != '\n') {
                Emit(stack.back(), static_cast<unsigned char>(c));
            }
        }
        return doc_;
    }

  private:
    struct State {
        int font = 0;
        int halfPoints = 24;
        int uc = 1;
        bool inFontTable = false;
        int fontEntry = -1;
        std::u16string fontName;
    };

    void FinishFontName(State& state) {
        std::string name(state.fontName.begin(), state.fontName.end());
        if (!name.empty() && name.back() == ';') name.pop_back();
        doc_.Fonts[state.fontEntry] = name;
        state.fontName.clear();
    }

    void Emit(State& state, char16_t c) {
        if (state.inFontTable) {
            if (state.fontEntry >= 0) state.fontName.push_back(c);
            return;
        }
        const std::string face = doc_.Fonts.count(state.font) ? doc_.Fonts[state.font] : "?";
        const int size = state.halfPoints / 2;
        if (doc_.Runs.empty() || doc_.Runs.back().Style != CharStyle{face, size})
            doc_.Runs.push_back(Styled(face, size, {}));
        doc_.Runs.back().Text.push_back(c);
    }

    void SkipFallback(int count) {
        for (int i = 0; i < count && pos_ < rtf_.size(); ++i) {
            if (rtf_[pos_] == '\\' && pos_ + 1 < rtf_.size() && rtf_[pos_ + 1] == '\'')
                pos_ += 4;
            else
                ++pos_;
        }
    }

    void ReadControl(State& state) {
        const char first = rtf_[pos_];
        if (!std::isalpha(static_cast<unsigned char>(first))) {
            ++pos_;
            if (first == '\'') {
                const unsigned byte = std::stoul(std::string(rtf_.substr(pos_, 2)), nullptr, 16);
                pos_ += 2;
                Emit(state, FromWindows1252(byte));
            } else {
                Emit(state, static_cast<unsigned char>(first));
            }
            return;
        }
        std::string word;
        while (pos_ < rtf_.size() && std::isalpha(static_cast<unsigned char>(rtf_[pos_])))
            word += rtf_[pos_++];
        std::string number;
        if (pos_ < rtf_.size() && rtf_[pos_] == '-') number += rtf_[pos_++];
        while (pos_ < rtf_.size() && std::isdigit(static_cast<unsigned char>(rtf_[pos_])))
            number += rtf_[pos_++];
        if (pos_ < rtf_.size() && rtf_[pos_] == ' ') ++pos_;
        doc_.ControlWords.push_back(word + number);
        const int n = number.empty() ? 0 : std::stoi(number);

        if (word == "fonttbl")
            state.inFontTable = true;
        else if (word == "f" && state.inFontTable)
            state.fontEntry = n;
        else if (word == "f")
            state.font = n;
        else if (word == "fs")
            state.halfPoints = n;
        else if (word == "uc")
            state.uc = n;
        else if (word == "par")
            Emit(state, u'\n');
        else if (word == "u") {
            Emit(state, static_cast<char16_t>(n < 0 ? n + 0x10000 : n));
            SkipFallback(state.uc);
        }
    }

    std::string_view rtf_;
    std::size_t pos_ = 0;
    RtfDocument doc_;
};

inline RtfDocument ReadRtf(std::string_view rtf) {
    return RtfReader(rtf).Read();
}

} // namespace zindra::test
