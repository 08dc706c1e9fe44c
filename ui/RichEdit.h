#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zindra {

// The face and size of a stretch of text.
struct CharStyle {
    std::string Face;
    int Size = 0; // points

    bool operator==(const CharStyle&) const = default;
};

// A stretch of text in one style. A line feed in Text starts a new line.
struct StyledRun {
    std::u16string Text;
    CharStyle Style;

    bool operator==(const StyledRun&) const = default;
};

// The sample field: text with a style per character, a selection, and a
// whole font that styles all of it at once.
class RichEdit {
  public:
    explicit RichEdit(CharStyle wholeFont);

    const std::u16string& Text() const { return text_; }
    // The new text takes the whole font; the selection goes to the start.
    void SetText(std::u16string text);

    const CharStyle& WholeFont() const { return wholeFont_; }
    // Restyles every character, whatever the selection styled before.
    void SetWholeFont(CharStyle style);

    int SelStart() const { return selStart_; }
    int SelLength() const { return selLength_; }
    // Clamped to the text, as the control does.
    void Select(int start, int length);
    void SelectAll() { Select(0, static_cast<int>(text_.size())); }

    // The selection style: applies to the selected characters only.
    void SetSelectionFace(const std::string& face);
    void SetSelectionSize(int size);

    // Case-sensitive search of `what` within [start, start + length); the
    // position of the first match, or -1.
    int Find(std::u16string_view what, int start, int length) const;

    // The text as runs of equal style, in order.
    std::vector<StyledRun> Runs() const;
    // The selected part as runs, for the copy step.
    std::vector<StyledRun> SelectedRuns() const;

  private:
    std::vector<StyledRun> RunsOf(int start, int end) const;

    std::u16string text_;
    std::vector<CharStyle> styles_; // one per character of text_
    CharStyle wholeFont_;
    int selStart_ = 0;
    int selLength_ = 0;
};

} // namespace zindra
