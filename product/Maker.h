#pragma once

namespace zindra {

// The maker's particulars, for the sample page's header and the About
// window. The address, numbers and web address are placeholders.
struct MakerParticulars {
    const char16_t* CompanyName;
    const char16_t* Street;
    const char16_t* Unit;
    const char16_t* City;
    const char16_t* State;
    const char16_t* PostalCode;
    const char16_t* Phone;
    const char16_t* Fax;
    const char16_t* WebAddress;
};

inline constexpr MakerParticulars Maker = {
    u"Orvalle Type, Inc.",
    u"100 Sample Street",
    u"Suite 200",
    u"Exampleton",
    u"EX",
    u"00000",
    u"555-555-0100",
    u"555-555-0199",
    u"www.orvalle-type.example.com",
};

} // namespace zindra
