#pragma once

#include "engine/BarOptions.h"
#include "output/SheetStocks.h"

#include <optional>
#include <string>

class QPagedPaintDevice;

namespace zindra {

// A bar code as Make made it: what the sample field shows and Copy copies.
struct MadeBarCode {
    Symbology symbology;
    std::string Face;
    std::u16string FontString;
    int PointSize;
    // The line a person reads under the bars (HumanReadableLine); printed only
    // where the face draws no text of its own.
    std::string DataText;
};

// The Labels window's "Print a sheet…": the made bar code on every label of
// one sheet of `stock`, in its face and size, with its data line under the
// bars, laid out as the command line lays out a list. Returns why nothing was
// printed.
std::optional<std::string> PrintFullSheet(QPagedPaintDevice& device, const SheetStock& stock,
                                          const MadeBarCode& made);

} // namespace zindra
