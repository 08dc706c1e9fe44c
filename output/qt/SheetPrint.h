#pragma once

#include "engine/BarOptions.h"
#include "output/SheetStocks.h"

#include <optional>
#include <string>

class QPagedPaintDevice;

namespace zindra {

// The Labels window's "Print a sheet…": the bar code of `options` on every
// label of one sheet of `stock`, at the largest size that fits, laid out as
// the command line lays out a list. Returns why nothing was printed.
std::optional<std::string> PrintFullSheet(QPagedPaintDevice& device, const SheetStock& stock,
                                          const BarOptions& options);

} // namespace zindra
