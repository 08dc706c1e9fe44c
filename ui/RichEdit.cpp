#include "ui/RichEdit.h"

#include <algorithm>

namespace zindra {

RichEdit::RichEdit(CharStyle wholeFont) : wholeFont_(std::move(wholeFont)) {}

void RichEdit::SetText(std::u16string text) {
    text_ = std::move(text);
    styles_.assign(text_.size(), wholeFont_);
    selStart_ = 0;
    selLength_ = 0;
}

void RichEdit::SetWholeFont(CharStyle style) {
    wholeFont_ = std::move(style);
    std::fill(styles_.begin(), styles_.end(), wholeFont_);
}

void RichEdit::Select(int start, int length) {
    const int size = static_cast<int>(text_.size());
    selStart_ = std::clamp(start, 0, size);
    selLength_ = std::clamp(length, 0, size - selStart_);
}

void RichEdit::SetSelectionFace(const std::string& face) {
    for (int i = selStart_; i < selStart_ + selLength_; ++i)
        styles_[i].Face = face;
}

void RichEdit::SetSelectionSize(int size) {
    for (int i = selStart_; i < selStart_ + selLength_; ++i)
        styles_[i].Size = size;
}

int RichEdit::Find(std::u16string_view what, int start, int length) const {
    const int size = static_cast<int>(text_.size());
    start = std::clamp(start, 0, size);
    length = std::clamp(length, 0, size - start);
    const std::u16string_view range = std::u16string_view(text_).substr(start, length);
    const std::size_t at = range.find(what);
    return at == std::u16string_view::npos ? -1 : start + static_cast<int>(at);
}

std::vector<StyledRun> RichEdit::Runs() const {
    return RunsOf(0, static_cast<int>(text_.size()));
}

std::vector<StyledRun> RichEdit::SelectedRuns() const {
    return RunsOf(selStart_, selStart_ + selLength_);
}

std::vector<StyledRun> RichEdit::RunsOf(int start, int end) const {
    std::vector<StyledRun> runs;
    for (int i = start; i < end; ++i) {
        if (runs.empty() || runs.back().Style != styles_[i]) runs.push_back({{}, styles_[i]});
        runs.back().Text.push_back(text_[i]);
    }
    return runs;
}

} // namespace zindra
