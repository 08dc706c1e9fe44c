#pragma once

#include "engine/BarOptions.h"
#include "engine/BarResult.h"
#include "ui/Controls.h"
#include "ui/Platform.h"
#include "ui/RichEdit.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zindra {

// What one Make made, kept for the sample page, the label sheet and the size
// advice: the data as Make read it (typing after Make does not change what
// was made) and the result's font string, sums and encoding warning.
struct MadeResult {
    std::u16string Data;
    std::u16string FontString;
    std::u16string Sums;
    std::u16string EncodingWarning; // GS1-128: the pairings it leaves to other symbols
};

// Handlers that the output and settings parts of the program supply. Until
// one is set, its control exists and pressing it does nothing.
struct ExternalHandlers {
    std::function<void()> CopyButtonClickClick;
    std::function<void()> PrintButtonClickClick;
    std::function<void()> PrintLabelClick;
    std::function<void()> SpeedButton1Click; // About
    std::function<void()> SpeedButton2Click; // Tips
    std::function<void()> TipCheckBoxClick;
    std::function<void()> FormActivate; // runs once, at the first activation
    std::function<void()> FormClose;
};

constexpr int VirtualKeyF1 = 112;

struct ShiftState {
    bool Shift = false;
    bool Alt = false;
    bool Ctrl = false;
};

// The main window (TForm1) without a window system: its controls, the rule by
// which changing a button runs its handler, and every handler. A view mirrors
// the controls and forwards the user's actions into the "user events" below.
class MainWindowModel {
  public:
    explicit MainWindowModel(Platform& platform);

    // ---- Controls
    const Control& Get(ControlId id) const { return controls_[IndexOf(id)]; }
    const std::u16string& Text(ControlId id) const { return Get(id).Text; }
    bool Checked(ControlId id) const { return Get(id).Checked; }
    bool Visible(ControlId id) const { return Get(id).Visible; }
    ControlId Focus() const { return focus_; }

    // ---- Changes under the event rule (by the user or by a handler alike)
    // Selecting an unselected radio button clears its group and runs its
    // handler at once; selecting the selected one runs nothing.
    void Select(ControlId radio);
    // Changing a check box to the other state runs its handler.
    void SetChecked(ControlId box, bool checked);

    // ---- Changes that run no handler
    void SetText(ControlId id, std::u16string_view text); // an edit's caret goes to the end
    void SetHint(ControlId id, std::u16string_view hint);
    void SetVisible(ControlId id, bool visible);
    void SetWidth(ControlId id, int width);
    void SetSelection(ControlId edit, int start, int length);
    // Moving the focus out of PointSize runs FontAClick, as leaving the box
    // does, and leaves the focus where it was moved.
    void SetFocus(ControlId id);

    // ---- User events, as a view forwards them
    void Click(ControlId id); // a button pressed, a radio button or check box clicked
    void UserEdit(ControlId id, std::u16string_view text); // PointSize runs PointSizeChange
    void KeyDown(ControlId id, int virtualKey, ShiftState shift);
    void Activate(); // the window became the active one; FormActivate the first time
    void Close();    // the user closes the window: FormClose

    // ---- Handlers, under the window's own names
    void SelectGB3b1();
    void SelectGB3b2();
    void SelectGB3b3();
    void SelectGB3b4Click();
    void SelectGB3b5Click();
    void SelectGB3b6();
    void SelectGB3b7();
    void ChangeChecksum();
    void Option2Click();
    void DispSumsClick();
    void FontAClick();
    void PointSizeChange();
    void InsertClick();
    void BarTextInputKeyDown(int virtualKey, ShiftState shift);
    void ExtraKeyDown(int virtualKey, ShiftState shift);
    void HelpButtonClickClick();
    void MakeButtonClickClick();
    void CopyButtonClickClick();
    void PrintButtonClickClick();
    void PrintLabelClick();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void TipCheckBoxClick();

    // ---- Shared steps
    void ShowBarResult(const BarResult& result);
    void ShowEncodeError(std::u16string_view message);
    void ClearOutputs();
    void RefreshSample();
    // The look start-up gives the window before it restores the saved choices.
    void ApplyCode39Look();
    // The window read into one encoding's inputs.
    BarOptions ReadOptions() const;
    Symbology CurrentSymbology() const;
    // How big the made bar code prints in the current face and point size, in
    // one line for under the sample; empty before Make or with no readable size.
    std::u16string SizeAdviceText() const;

    // ---- Window-level values
    // What the last Make made; absent until Make succeeds and again after any
    // change that makes the sample stale.
    std::optional<MadeResult> MadeFlag;
    FontType LastFontType = FontType::Standard;
    std::u16string HumanText;          // kept for the sample page
    RichEdit BarCodeOut;               // the sample field's text and styles
    std::optional<int> BarTextOutSize; // set by Code 93 and kept; none until then
    int Left = 0;                      // the window's top-left corner on the screen,
    int Top = 0;                       // kept in step by the view
    std::string HelpFile;              // the manual's index page
    ExternalHandlers Handlers;
    Platform& platform;

  private:
    Control& At(ControlId id) { return controls_[IndexOf(id)]; }
    void RunHandlerOf(ControlId id);
    void SelectSymbology(Symbology symbology);
    void ApplyLook(Symbology symbology);
    bool ApplyFontChoice();
    bool Restyle();
    std::optional<int> ReadPointSize();
    void PointSizeExit();
    void OpenHelp();
    void StyleSecondLine(int pointSize);

    std::array<Control, ControlCount> controls_;
    ControlId focus_ = ControlId::BarTextInput;
    bool activated_ = false;
    bool reportBadPointSize_ = true;
};

} // namespace zindra
