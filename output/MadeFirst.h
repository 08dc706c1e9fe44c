#pragma once

namespace zindra {

class MainWindowModel;
struct MadeResult;

// The output buttons that need a made bar code; each refuses in its own words.
enum class MadeFirstAsker { Copy, PrintSample, PrintLabels };

// The bar code the last Make made, or null once the window has told the user
// to make one first.
const MadeResult* MadeOrRefuse(MainWindowModel& main, MadeFirstAsker asker);

} // namespace zindra
