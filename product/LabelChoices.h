#pragma once

namespace zindra {

// The Labels window's two choices that the settings file remembers. The
// Labels window's owner implements it; start-up restores through it and
// closing reads it.
class LabelChoices {
  public:
    virtual ~LabelChoices() = default;
    // 1 to 8 for L1 to L8; 9 for L9 (Custom).
    virtual int CheckedLabelSize() const = 0;
    virtual void CheckLabelSize(int size) = 0;
    virtual bool ExplainPaste() const = 0;
    virtual void SetExplainPaste(bool explain) = 0;
};

} // namespace zindra
