#include "faces/DefaultPointSize.h"

namespace zindra {

std::u16string_view DefaultPointSize(Symbology symbology) {
    switch (symbology) {
    case Symbology::PostNet:
        return u"18"; // the one size the PostNet face is drawn for
    case Symbology::Upc:
        return u"48"; // UPC symbols are read at checkouts: near 100 % magnification
    default:
        return u"24";
    }
}

} // namespace zindra
