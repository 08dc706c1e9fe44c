#pragma once

#include "output/SheetStocks.h"

#include <string>
#include <string_view>
#include <variant>

namespace zindra {

// The stock a --sheet value names: one of SheetStocks() by its name, or a
// sheet described in millimetres, for stocks the list does not hold:
//   custom:COLSxROWS,LABEL_WxH,LEFT,TOP[,PITCH_XxY][,a4|letter]
// (LEFT and TOP place the first label from the page's corner, the pitch runs
// from one label to the next and is the label's size unless given, the paper
// is A4 unless given), or
//   roll:WxH
// a roll of labels W x H mm for a label printer: each label a page of its own.
// Why not, when the value names no stock that can be printed.
std::variant<SheetStock, std::string> SheetStockNamed(std::string_view name);

} // namespace zindra
