#include "WindowFixture.h"

#include <functional>

namespace zindra::test {
namespace {

using enum ControlId;
using Step = std::function<void(MainWindowModel&)>;

struct MadeFlagRow {
    const char* operation;
    Step before; // runs before the bar code is made
    Step change;
    bool madeAfter;
};

void Nothing(MainWindowModel&) {}

Step SelectIn(ControlId symbology) {
    return [symbology](MainWindowModel& w) { w.Select(symbology); };
}

const MadeFlagRow MadeFlagRows[] = {
    {"Select25", Nothing, [](auto& w) { w.Select(Radio25); }, false},
    {"Select39", SelectIn(Radio93), [](auto& w) { w.Select(Radio39); }, false},
    {"Select93", Nothing, [](auto& w) { w.Select(Radio93); }, false},
    {"Select128", Nothing, [](auto& w) { w.Select(Radio128); }, false},
    {"SelectCodabar", Nothing, [](auto& w) { w.Select(RadioCodabar); }, false},
    {"SelectEAN", Nothing, [](auto& w) { w.Select(RadioEAN); }, false},
    {"SelectPostNet", Nothing, [](auto& w) { w.Select(RadioPostNet); }, false},
    {"SelectUPC", Nothing, [](auto& w) { w.Select(RadioUPC); }, false},
    {"SelectGB3b1",
     [](auto& w) {
         w.Select(Radio128);
         w.Select(GB3b2);
     },
     [](auto& w) { w.Select(GB3b1); }, false},
    {"SelectGB3b2", SelectIn(Radio128), [](auto& w) { w.Select(GB3b2); }, false},
    {"SelectGB3b3", SelectIn(RadioEAN), [](auto& w) { w.Select(GB3b3); }, false},
    {"SelectGB3b4Click", SelectIn(Radio128), [](auto& w) { w.Select(GB3b4); }, false},
    {"SelectGB3b5Click", SelectIn(Radio128), [](auto& w) { w.Select(GB3b5); }, false},
    {"ChangeChecksum", Nothing, [](auto& w) { w.SetChecked(OptionalChecksum, true); }, false},
    {"Option2Click, Code 39", Nothing, [](auto& w) { w.SetChecked(Option2, true); }, true},
    {"Option2Click, bearer bars", SelectIn(Radio25), [](auto& w) { w.SetChecked(Option2, true); },
     true},
    {"Option2Click, closed box",
     [](auto& w) {
         w.Select(Radio25);
         w.Select(ITF14);
     },
     [](auto& w) { w.SetChecked(Option2, true); }, false},
    {"FontAClick, Code 39", Nothing, [](auto& w) { w.Select(FontA); }, true},
    {"FontAClick, Code 128", SelectIn(Radio128), [](auto& w) { w.Select(FontA); }, false},
    {"FontAClick, 2/5 to human readable", SelectIn(Radio25), [](auto& w) { w.Select(Type2); },
     true},
    {"FontAClick, 2/5 into ITF-14", SelectIn(Radio25), [](auto& w) { w.Select(ITF14); }, false},
    {"FontAClick, 2/5 out of ITF-14",
     [](auto& w) {
         w.Select(Radio25);
         w.Select(ITF14);
     },
     [](auto& w) { w.Select(Type1); }, false},
    {"PointSizeChange, Code 39", Nothing, [](auto& w) { w.UserEdit(PointSize, u"30"); }, true},
    {"PointSizeChange, Code 128", SelectIn(Radio128), [](auto& w) { w.UserEdit(PointSize, u"30"); },
     false},
    {"PointSizeChange, SCC-14",
     [](auto& w) {
         w.Select(Radio128);
         w.Select(GB3b4);
     },
     [](auto& w) { w.UserEdit(PointSize, u"30"); }, false},
    {"DispSumsClick", SelectIn(Radio93), [](auto& w) { w.SetChecked(DispSums, true); }, true},
    // Insert empties the results, so the made bar code goes with them.
    {"InsertClick", SelectIn(Radio128), [](auto& w) { w.InsertClick(); }, false},
    {"InsertClick, SCC-14",
     [](auto& w) {
         w.Select(Radio128);
         w.Select(GB3b4);
     },
     [](auto& w) { w.InsertClick(); }, false},
    {"typing the data", Nothing, [](auto& w) { w.UserEdit(BarTextInput, u"X"); }, true},
    {"typing the supplement", SelectIn(RadioUPC), [](auto& w) { w.UserEdit(Extra, u"12"); }, true},
    {"help", Nothing, [](auto& w) { w.Click(HelpButtonClick); }, true},
    {"About", Nothing, [](auto& w) { w.Click(SpeedButton1); }, true},
    {"Tips", Nothing, [](auto& w) { w.Click(SpeedButton2); }, true},
};

TEST(MadeFlag, FollowsTheRuleOfEachOperation) {
    for (const MadeFlagRow& row : MadeFlagRows) {
        SCOPED_TRACE(row.operation);
        StartedWindow started;
        row.before(started.window);
        ShowMadeCode39(started.window);
        row.change(started.window);
        EXPECT_EQ(started.window.MadeFlag.has_value(), row.madeAfter);
    }
}

} // namespace
} // namespace zindra::test
