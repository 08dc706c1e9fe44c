#pragma once

namespace zindra {

// The maker's particulars as printed on the sample page. The address,
// numbers and web address are placeholders.
struct MakerParticulars {
    const char16_t* CompanyName;
    const char16_t* PostalAddress; // street, unit, city, state and postal code on one line
    const char16_t* Phone;
    const char16_t* Fax;
    const char16_t* WebAddress;
};

inline constexpr MakerParticulars Maker = {
    u"Orvalle Type, Inc.",
    u"100 Sample Street, Suite 200, Exampleton, EX, 00000",
    u"555-555-0100",
    u"555-555-0199",
    u"www.orvalle-type.example.com",
};

} // namespace zindra
