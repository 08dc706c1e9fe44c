"""The scan suite's rows: what to encode and what each decoder must read from the
printed sample. Expected texts are worked out by hand from the symbologies' rules
(check digits computed on paper); a comment says what edge a row catches where the
row alone does not.

zbar: the (type, text) pairs zbarimg must report, or None where zbar cannot read the
feature. zxing: (format, text) that ZXingReader must report, or None likewise.
Neither command-line decoder expands Code 39 full ASCII, so those rows expect the
symbol characters; zxing drops Codabar's start/stop letters and zbar keeps them.
"""
from dataclasses import dataclass

import gs1_strings

ALL_39 = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%"
PRINTABLE = "".join(chr(c) for c in range(32, 127))
# The characters 127..193 pass into the A/B font string as themselves and draw the
# values 24..90, which subset B reads as "8".."z". Two are left out because Qt's text
# engine does not print them whatever the font draws (see test_scan): 156 (value 53,
# "U") ends the drawn text, and the soft hyphen 173 (value 70, "f") is hidden.
UNPRINTED_BY_QT = (chr(156), chr(173))
PASSED_THROUGH = "".join(chr(c) for c in range(127, 194) if chr(c) not in UNPRINTED_BY_QT)
PASSED_THROUGH_READS = "89:;<=>?@ABCDEFGHIJKLMNOPQRSTVWXYZ[\\]^_`abcdeghijklmnopqrstuvwxyz"
PAIRS_00_TO_99 = "".join(f"{v:02d}" for v in range(100))
I25_PAIRS_LOW = "".join(f"{v:02d}" for v in range(50))
I25_PAIRS_HIGH = "".join(f"{v:02d}" for v in range(50, 100))

# Code 128 special symbols as the data field takes them (value + 103).
FNC3, FNC2, SHIFT, CODE_C, CODE_B_FNC4, FNC4_CODE_A, FNC1 = (chr(c) for c in range(199, 206))
US_DEL = chr(198)


@dataclass(frozen=True)
class Scan:
    name: str
    args: tuple
    data: str
    zbar: tuple
    zxing: tuple
    gs1: bool = False
    point_size: int = 24
    dpi: int = 300


UPC_POINT_SIZE = 48


def _i25(text):
    return (("I2/5", text),), ("ITF", text)


def _c39(text):
    return (("CODE-39", text),), ("Code39", text)


def _c93(text):
    return (("CODE-93", text),), ("Code93", text)


def _c128(text):
    return (("CODE-128", text),), ("Code128", text)


def _ean13(text, zxing_format="EAN-13", zxing_text=None):
    return (("EAN-13", text),), (zxing_format, zxing_text or text)


def _ean8(text):
    return (("EAN-8", text),), ("EAN-8", text)


def _upc(name, args, data, zbar, zxing):
    """A UPC row, printed at the UPC faces' own default of 48 points."""
    return Scan(name, args, data, zbar, zxing, point_size=UPC_POINT_SIZE)


def _with_addon(main, addon, zxing_format, zxing_main):
    kind = "EAN-2" if len(addon) == 2 else "EAN-5"
    return (("EAN-13", main), (kind, addon)), (zxing_format, f"{zxing_main} {addon}")


ROWS = (
    # Interleaved 2 of 5 and ITF-14; neither decoder reads fewer than six digits.
    Scan("i25 standard B", ("-s", "i25", "-z", "B"), "1234567890", *_i25("1234567890")),
    Scan("i25 human C with check digit", ("-s", "i25", "-t", "human", "-z", "C", "-c"), "123456789",
         *_i25("1234567895")),
    Scan("i25 pairs 00-49", ("-s", "i25", "-z", "D"), I25_PAIRS_LOW, *_i25(I25_PAIRS_LOW),
         point_size=12, dpi=600),
    Scan("i25 pairs 50-99, 90-99 at 161-170", ("-s", "i25", "-t", "human", "-z", "E"),
         I25_PAIRS_HIGH, *_i25(I25_PAIRS_HIGH), point_size=12, dpi=600),
    Scan("i25 bearer bars D", ("-s", "i25", "-o", "-z", "D"), "12345678", *_i25("12345678")),
    Scan("i25 bearer bars human F", ("-s", "i25", "-o", "-t", "human", "-z", "F"), "987654",
         *_i25("987654")),
    Scan("ITF-14 E", ("-s", "i25", "-t", "itf14", "-z", "E"), "0012345678905",
         *_i25("00123456789050")),
    Scan("ITF-14 closed box F", ("-s", "i25", "-t", "itf14", "-o", "-z", "F"), "1540014128876",
         *_i25("15400141288763")),
    Scan("ITF-14 closed box B", ("-s", "i25", "-t", "itf14", "-o", "-z", "B"), "0012345678905",
         *_i25("00123456789050")),

    # Code 39.
    Scan("code39 check character A", ("-s", "code39", "-c", "-z", "A"), "CODE39", *_c39("CODE39W")),
    Scan("code39 all 43 characters human E", ("-s", "code39", "-t", "human", "-z", "E"), ALL_39,
         *_c39(ALL_39)),
    # Sum 38: the check character is the space symbol at "~".
    Scan("code39 space as check character", ("-s", "code39", "-c", "-z", "C"), "SA", *_c39("SA ")),
    Scan("code39 full ASCII B", ("-s", "code39", "-o", "-z", "B"), "ab$", *_c39("+A+B/D")),

    # Code 93: both decoders check C and K, drop them, and expand the shift pairs.
    Scan("code93 C", ("-s", "code93", "-z", "C"), "TEST93", *_c93("TEST93")),
    Scan("code93 all basic characters human D", ("-s", "code93", "-t", "human", "-z", "D"), ALL_39,
         *_c93(ALL_39)),
    Scan("code93 full-ASCII pairs (/) (+) (%) F", ("-s", "code93", "-z", "F"), "ab Cd![@",
         *_c93("ab Cd![@")),
    # "<" in the data is the ($) shift itself: "<A" reads as SOH.
    Scan("code93 ($) shift A", ("-s", "code93", "-z", "A"), "x<Ay", *_c93("x\x01y")),

    # Code 128 subsets A and B.
    Scan("code128 B A", ("-s", "code128", "-v", "2", "-z", "A"), "ABC", *_c128("ABC")),
    # Check value 0: the check character is the character 228.
    Scan("code128 A check value 0 B", ("-s", "code128", "-v", "1", "-z", "B"), "ABC", *_c128("ABC")),
    Scan("code128 B all printable human C", ("-s", "code128", "-v", "2", "-t", "human", "-z", "C"),
         PRINTABLE, *_c128(PRINTABLE), point_size=12, dpi=600),
    Scan("code128 B characters 127-193 passed through", ("-s", "code128", "-v", "2", "-z", "D"),
         PASSED_THROUGH, *_c128(PASSED_THROUGH_READS), point_size=12, dpi=600),
    Scan("code128 A control characters", ("-s", "code128", "-v", "1", "-t", "human", "-z", "E"),
         "Aaz{|}~" + US_DEL, *_c128("A\x01\x1a\x1b\x1c\x1d\x1e\x1f")),
    Scan("code128 B shift", ("-s", "code128", "-v", "2", "-z", "F"), "AB" + SHIFT + "a",
         *_c128("AB\x01")),
    Scan("code128 B code C", ("-s", "code128", "-v", "2", "-z", "D"), "AB" + CODE_C + "-C",
         *_c128("AB1335")),
    Scan("code128 A code B", ("-s", "code128", "-v", "1", "-z", "D"), "AB" + CODE_B_FNC4 + "ab",
         *_c128("ABab")),
    Scan("code128 B code A", ("-s", "code128", "-v", "2", "-z", "D"), "ab" + FNC4_CODE_A + "a",
         *_c128("ab\x01")),
    Scan("code128 B FNC4", ("-s", "code128", "-v", "2", "-z", "D"), "A" + CODE_B_FNC4 + "A",
         None, ("Code128", "A\xc1")),
    Scan("code128 A FNC4", ("-s", "code128", "-v", "1", "-z", "D"), "A" + FNC4_CODE_A + "A",
         None, ("Code128", "A\xc1")),
    Scan("code128 B FNC1 inside the data", ("-s", "code128", "-v", "2", "-z", "D"),
         "AB" + FNC1 + "CD", *_c128("AB\x1dCD")),
    Scan("code128 B FNC2 and FNC3 carry no text", ("-s", "code128", "-v", "2", "-z", "D"),
         "A" + FNC2 + "B" + FNC3 + "CD", *_c128("ABCD")),
    Scan("code128 B quote as the character 226", ("-s", "code128", "-v", "2", "-c", "-z", "D"),
         'A"B', *_c128('A"B')),
    Scan("code128 B UCC/EAN", ("-s", "code128", "-v", "2", "-o", "-z", "D"), "ABC",
         *_c128("ABC"), gs1=True),

    # Code 128 Auto (the default without -v) and GS1-128, in the Code 128ABC faces.
    Scan("code128 Auto text and digits", ("-s", "code128", "-z", "D"), "Hello 123456 world",
         *_c128("Hello 123456 world")),
    Scan("code128 Auto controls among lower case", ("-s", "code128", "-v", "auto", "-z", "B"),
         "a\x01b\x02\x03cd\x1b", *_c128("a\x01b\x02\x03cd\x1b")),
    Scan("code128 Auto Latin-1 through FNC4", ("-s", "code128", "-v", "6", "-z", "E"),
         "Gr\xfc\xdfe \xe9t\xe9", None, ("Code128", "Gr\xfc\xdfe \xe9t\xe9")),
    Scan("code128 Auto no quotes", ("-s", "code128", "-c", "-z", "F"), "say \"hi\" it's",
         *_c128("say \"hi\" it's")),
    Scan("GS1-128 GTIN, expiry, batch", ("-s", "code128", "-v", "gs1", "-z", "D"),
         "(01)09501101530003(17)140704(10)AB-123", *_c128("01095011015300031714070410AB-123"),
         gs1=True),
    # (10) is variable and not last: a GS separator after it; none after fixed (01), (3103)
    Scan("GS1-128 separator after a variable field", ("-s", "code128", "-v", "7", "-z", "C"),
         "(10)ABC(17)140704", *_c128("10ABC\x1d17140704"), gs1=True),
    Scan("GS1-128 square brackets human", ("-s", "code128", "-v", "gs1", "-t", "human", "-z", "E"),
         "[01]09501101530003[21]12345[3103]000189[10]X1",
         *_c128("01095011015300032112345\x1d310300018910X1"), gs1=True),

    # Code 128 subset C, SCC-14 and SSCC-18.
    Scan("code128 C all pairs human", ("-s", "code128", "-v", "3", "-t", "human", "-z", "B"),
         PAIRS_00_TO_99, *_c128(PAIRS_00_TO_99), point_size=12, dpi=600),
    # Sums 203 and 204: check values 100 and 101 at the characters 204 and 205.
    Scan("code128 C check value 100", ("-s", "code128", "-v", "3", "-z", "C"), "98", *_c128("98")),
    Scan("code128 C check value 101", ("-s", "code128", "-v", "3", "-z", "C"), "99", *_c128("99")),
    # Pair 01 at the character 226; sum 506, check value 94 at the character 198.
    Scan("code128 C UCC/EAN no quotes", ("-s", "code128", "-v", "3", "-o", "-c", "-z", "E"), "0199",
         *_c128("0199"), gs1=True),
    Scan("SSCC-18 with FNC1", ("-s", "code128", "-v", "5", "-o", "-z", "D"), "00614141123456789",
         *_c128("00006141411234567890"), gs1=True),
    # As in the window, an SSCC always carries FNC1, with or without -o.
    Scan("SSCC-18 without -o", ("-s", "code128", "-v", "5", "-z", "A"), "00614141123456789",
         *_c128("00006141411234567890"), gs1=True),
    Scan("SCC-14 human no quotes", ("-s", "code128", "-v", "4", "-o", "-c", "-t", "human", "-z", "F"),
         "1061414100001", *_c128("0110614141000019"), gs1=True),

    # Codabar.
    Scan("codabar A", ("-s", "codabar", "-z", "A"), "A40156B",
         (("Codabar", "A40156B"),), ("Codabar", "40156")),
    Scan("codabar all characters human lower-case start/stop", ("-s", "codabar", "-t", "human", "-z", "F"),
         "c0123456789-$:/.+d", (("Codabar", "C0123456789-$:/.+D"),), ("Codabar", "0123456789-$:/.+")),

    # EAN-13 and EAN-8; zxing reads an EAN-13 that starts with 0 as UPC-A.
    Scan("EAN-13 A", ("-s", "ean", "-v", "2", "-z", "A"), "400638133393", *_ean13("4006381333931")),
    Scan("EAN-13 first digit 0 B", ("-s", "ean", "-v", "2", "-z", "B"), "012345678901",
         *_ean13("0123456789012", "UPC-A", "123456789012")),
    Scan("EAN-13 parity BBBAA C", ("-s", "ean", "-v", "2", "-z", "C"), "656789012345",
         *_ean13("6567890123454")),
    Scan("EAN-13 parity BBAAB D", ("-s", "ean", "-v", "2", "-z", "D"), "501234567890",
         *_ean13("5012345678900")),
    Scan("EAN-13 parity BBABA E", ("-s", "ean", "-v", "2", "-z", "E"), "990349012345",
         *_ean13("9903490123451")),
    Scan("EAN-13 parity BAABB", ("-s", "ean", "-v", "2", "-z", "D"), "444444444444",
         *_ean13("4444444444444")),
    Scan("EAN-8 C", ("-s", "ean", "-v", "1", "-z", "C"), "1234567", *_ean8("12345670")),
    Scan("EAN-8 D", ("-s", "ean", "-v", "1", "-z", "D"), "9638507", *_ean8("96385074")),
    Scan("EAN-8 E", ("-s", "ean", "-v", "1", "-z", "E"), "7777777", *_ean8("77777775")),
    Scan("Bookland", ("-s", "ean", "-v", "3", "-e", "90000", "-z", "D"), "0-306-40615-2",
         *_with_addon("9780306406157", "90000", "EAN-13", "9780306406157")),
    Scan("Bookland price parity BAABA", ("-s", "ean", "-v", "3", "-e", "48181", "-z", "B"),
         "0-306-40615-2", *_with_addon("9780306406157", "48181", "EAN-13", "9780306406157")),

    # UPC-A and UPC-E; zbar reports both in their EAN-13 form.
    _upc("UPC-A A", ("-s", "upc", "-z", "A"), "03600029145",
         *_ean13("0036000291452", "UPC-A", "036000291452")),
    _upc("UPC-A number system 1 B", ("-s", "upc", "-z", "B"), "12345678901",
         *_ean13("0123456789012", "UPC-A", "123456789012")),
    _upc("UPC-A with 2 digits C", ("-s", "upc", "-v", "2", "-e", "12", "-z", "C"), "03600029145",
         *_with_addon("0036000291452", "12", "UPC-A", "036000291452")),
    _upc("UPC-A with 2 digits parity AB", ("-s", "upc", "-v", "2", "-e", "41", "-z", "E"),
         "01234567890", *_with_addon("0012345678905", "41", "UPC-A", "012345678905")),
    _upc("UPC-A with 5 digits D", ("-s", "upc", "-v", "3", "-e", "51234", "-z", "D"), "03600029145",
         *_with_addon("0036000291452", "51234", "UPC-A", "036000291452")),
    _upc("UPC-A with 5 digits parity AAABB", ("-s", "upc", "-v", "3", "-e", "67876", "-z", "C"),
         "03600029145", *_with_addon("0036000291452", "67876", "UPC-A", "036000291452")),
    _upc("UPC-E rule A E", ("-s", "upc", "-t", "human", "-z", "E"), "01200000789",
         *_ean13("0012000007897", "UPC-E", "01278907")),
    _upc("UPC-E rule B", ("-s", "upc", "-t", "human", "-z", "A"), "01230000045",
         *_ean13("0012300000451", "UPC-E", "01234531")),
    _upc("UPC-E rule C", ("-s", "upc", "-t", "human", "-z", "B"), "01234000003",
         *_ean13("0012340000039", "UPC-E", "01234349")),
    _upc("UPC-E rule D", ("-s", "upc", "-t", "human", "-z", "C"), "01234500006",
         *_ean13("0012345000065", "UPC-E", "01234565")),
    _upc("UPC-E with 2 digits", ("-s", "upc", "-t", "human", "-v", "2", "-e", "53", "-z", "D"),
         "01234500006", *_with_addon("0012345000065", "53", "UPC-E", "01234565")),
    _upc("UPC-E with 2 digits 99", ("-s", "upc", "-t", "human", "-v", "2", "-e", "99", "-z", "E"),
         "01234500006", *_with_addon("0012345000065", "99", "UPC-E", "01234565")),
    _upc("UPC-E with 2 digits 00", ("-s", "upc", "-t", "human", "-v", "2", "-e", "00", "-z", "C"),
         "01234500006", *_with_addon("0012345000065", "00", "UPC-E", "01234565")),
    _upc("UPC-E with 5 digits", ("-s", "upc", "-t", "human", "-v", "3", "-e", "52495", "-z", "E"),
         "01234500006", *_with_addon("0012345000065", "52495", "UPC-E", "01234565")),
)

# Several hundred seeded element strings from the syntax dictionary: many AIs, fixed and
# variable length, in mixed orders; the readers, not this table, judge the symbols.
ROWS += tuple(
    Scan(f"GS1-128 random {i}: {data}", ("-s", "code128", "-v", "gs1", "-z", "ABCDEF"[i % 6]),
         data, *_c128(expected), gs1=True)
    for i, (data, expected) in enumerate(gs1_strings.element_strings(300, 128)))
