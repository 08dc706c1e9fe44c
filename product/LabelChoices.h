#pragma once

#include <string>
#include <string_view>

namespace zindra {

// The last label size, L9: the user's own template rather than a stock.
inline constexpr int CustomLabelSize = 9;

// The Labels window's choices that the settings file remembers. The
// Labels window's owner implements it; start-up restores through it and
// closing reads it.
class LabelChoices {
  public:
    virtual ~LabelChoices() = default;
    // 1 to 8 for L1 to L8; CustomLabelSize for L9 (Custom).
    virtual int CheckedLabelSize() const = 0;
    virtual void CheckLabelSize(int size) = 0;
    virtual bool ExplainPaste() const = 0;
    virtual void SetExplainPaste(bool explain) = 0;
    // The sheet "Print a sheet…" prints on, by its --sheet name; a name that is
    // no stock leaves the choice as it is.
    virtual std::string SheetName() const = 0;
    virtual void ChooseSheet(std::string_view name) = 0;
};

} // namespace zindra
