#include "engine/Gs1128.h"

#include "engine/Code128Abc.h"
#include "engine/Code128Auto.h"
#include "engine/Functions.h"
#include "engine/Gs1ElementStrings.h"

namespace zindra {

EncodeOutcome EncodeGs1128(std::u16string_view data, bool OptionalChecksum, FontType fontType,
                           bool DispSums) {
    auto read = ReadGs1ElementStrings(data);
    if (auto* problems = std::get_if<Gs1Problems>(&read)) return EncodeError{problems->Text};
    const Gs1Message& message = std::get<Gs1Message>(read);

    std::vector<int> items{ItemFnc1};
    std::u16string human;
    for (std::size_t i = 0; i < message.Elements.size(); ++i) {
        const Gs1ElementString& e = message.Elements[i];
        items.insert(items.end(), e.Ai.begin(), e.Ai.end());
        items.insert(items.end(), e.Data.begin(), e.Data.end());
        if (!e.PredefinedLength && i + 1 < message.Elements.size()) items.push_back(ItemFnc1);
        human += u"(" + e.Ai + u")" + e.Data;
    }
    Code128AbcSymbol symbol = FinishCode128Abc(MinimalCode128(items), OptionalChecksum);

    BarResult result;
    if (DispSums)
        result.SumsText = FormatFields(u"   Sum: %d  Checksum: %d",
                                       {ToU16(symbol.Sum), ToU16(symbol.CheckValue)});
    result.HumanText = std::move(human);
    result.Warning = message.Warning;
    result.SampleText = PaddedSample(symbol.FontString);
    if (fontType == FontType::HumanReadable) result.SampleText += u"\n" + result.HumanText;
    result.FontString = std::move(symbol.FontString);
    return result;
}

} // namespace zindra
