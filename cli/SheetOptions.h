#pragma once

#include <optional>
#include <string>

namespace zindra::cli {

// Option codes of the label-sheet options, past those of the command line.
enum SheetOptionCode {
    SheetOpt = 512,
    PdfOpt,
    SkipOpt,
    CopiesOpt,
    OutlineOpt,
    ExtraColumnOpt,
    NoTextOpt,
    FitOpt
};

// What --sheet and its companions ask for. A sheet run reads CSV records
// "data[,caption[,...]]" (the CSV options say which column is which).
struct SheetChoices {
    std::string Stock; // empty: no sheet; "list": print the stocks
    std::string PdfPath;
    int Skip = 0;
    int Copies = 1;
    bool Outline = false;
    bool PointSizeGiven = false;
    int Dpi = 0;          // the printer's, for whole-dot bars; 0: the usual 300
    bool DataText = true; // the data printed under the bars, as a person reads it
    bool FitEach = false; // each record at its own size instead of one size a run
    bool FitGiven = false;
};

// Applies one sheet option; returns the complaint about its value, if any.
std::optional<std::string> ApplySheetOption(int code, const char* value, SheetChoices& sheet);

// Whether the sheet options make sense with the mode; `batch` says --batch was given.
std::optional<std::string> CheckSheetChoices(const SheetChoices& sheet, bool batch);

inline constexpr char SheetUsage[] =
    R"(      --sheet STOCK      with --batch: print the records on label sheets (see --sheet list),
                         or custom:COLSxROWS,LABEL_WxH,LEFT,TOP[,PITCH_XxY][,a4|letter]
                         in mm (A4 unless told), or roll:WxH for a label printer's roll;
                         CSV columns: data[,text printed under the bar code]
      --pdf FILE         the PDF of the sheets
      --skip N           start at label N + 1 of the first sheet
      --copies N         print each record N times (default 1)
      --outline          draw the label outlines, for a test print on plain paper
      --no-text          leave out the data printed under the bars (without the
                         symbol's check character; EAN and UPC faces print their
                         own digits)
      --fit sheet|each   one narrow bar for every label of the run, the largest at
                         which every record fits (sheet, the default), or each
                         record as large as its label allows (each); the size
                         letter is chosen to fill the label's height
)";

} // namespace zindra::cli
