"""Requests that together make the encoders emit every character they can emit, and name
every face: each family's check characters are reached through data whose check
value runs through all values."""


def _requests(symbology, datas, sizes="ABCDEF", **options):
    for i, data in enumerate(datas):
        yield {"symbology": symbology, "data": data, "size": sizes[i % len(sizes)], **options}


def _interleaved25():
    pairs = [f"{v:02d}" for v in range(100)]
    for font_type in ("standard", "human"):
        for bearer in (False, True):
            yield from _requests("i25", pairs, font_type=font_type, option2=bearer)
    # Thirteen digits: six pairs from v on, then one more digit.
    itf14 = ["".join(f"{(v + k) % 100:02d}" for k in range(6)) + str(v % 10) for v in range(100)]
    for closed_box in (False, True):
        yield from _requests("i25", itf14, "BCDEF", font_type="itf14", option2=closed_box)


def _code39():
    legal = list("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%")
    for font_type in ("standard", "human"):
        yield from _requests("code39", legal, font_type=font_type, checksum=True)


def _code93():
    basic = list("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%<=>?")
    for font_type in ("standard", "human"):
        yield from _requests("code93", basic, font_type=font_type)


def _code128():
    # One character of value v gives the check value (start + v) mod 103: all of them.
    singles = [chr(c) for c in range(32, 206)]
    pairs = [f"{v:02d}" for v in range(100)]
    for font_type in ("standard", "human"):
        for variant in (1, 2):
            for no_quotes in (False, True):
                yield from _requests("code128", singles, font_type=font_type, variant=variant,
                                     checksum=no_quotes)
        for fnc1 in (False, True):
            for no_quotes in (False, True):
                yield from _requests("code128", pairs, font_type=font_type, variant=3,
                                     option2=fnc1, checksum=no_quotes)
        yield from _requests("code128", ["1061414100001"] * 6, font_type=font_type, variant=4,
                             option2=True)
        yield from _requests("code128", ["00614141123456789"] * 6, font_type=font_type, variant=5,
                             option2=True)


def _code128_mixed():
    # Start A (controls), B and C; the Auto switches and shifts and the typed function
    # characters; check values 0..102 through the singles and the "A" pairs.
    singles = [chr(c) for c in range(128)]
    pairs = ["A" + chr(c) for c in range(32, 128)]
    special = ["1234", "AB123456CD", "a\x01\x02", "a\x01a", "\u00c7", "\u00c8", "\u00cd", "\u00e9"]
    yield from _requests("code128", singles + pairs + special, variant=6)
    yield from _requests("code128", ["!", "&"] * 3, variant=6, checksum=True)  # the quote glyphs
    yield from _requests("code128", ["(01)09501101530003(10)AB-123"] * 6, variant=7)


def _codabar():
    middle = list("0123456789-$:/.+")
    framed = [s + m + e for m in middle for s, e in (("A", "B"), ("c", "d"), ("C", "D"), ("a", "b"))]
    for font_type in ("standard", "human"):
        yield from _requests("codabar", framed, font_type=font_type)


def _ean():
    thirteen = [str(d) * 12 for d in range(10)] + ["100000000000"]
    yield from _requests("ean", thirteen, "ABCDE", variant=2)
    yield from _requests("ean", [str(d) * 7 for d in range(10)], "ABCDE", variant=1)
    prices = [f"{p:05d}" for p in range(0, 100000, 1237)]
    for i, price in enumerate(prices):
        yield {"symbology": "ean", "variant": 3, "data": "0306406152", "extra": price,
               "size": "ABCDE"[i % 5]}


def _upc():
    # The last data digit carries weight 3, so it runs the check digit through 0..9.
    upca = [str(d) * 10 + str(x) for d in range(10) for x in range(10)]
    yield from _requests("upc", upca, "ABCDE")
    upce = [f"0{i:05d}0000{j}" for i in range(0, 100000, 997) for j in range(5, 10)]
    yield from _requests("upc", upce, "ABCDE", font_type="human")
    for font_type in ("standard", "human"):
        for i in range(100):
            yield {"symbology": "upc", "font_type": font_type, "variant": 2, "data": "01234500006",
                   "extra": f"{i:02d}", "size": "ABCDE"[i % 5]}
        for i in range(0, 100000, 1237):
            yield {"symbology": "upc", "font_type": font_type, "variant": 3, "data": "01234500006",
                   "extra": f"{i:05d}", "size": "ABCDE"[i % 5]}


def _postnet():
    yield from _requests("postnet", [f"{n:05d}" for n in range(0, 100000, 3331)] + ["123456789"])


def requests():
    for family in (_interleaved25, _code39, _code93, _code128, _code128_mixed, _codabar, _ean,
                   _upc, _postnet):
        yield from family()
