#!/usr/bin/env python3
"""Writes the seed corpus of the .adx fuzz target into fuzz/corpus/.

The seeds cover every length form of the counted strings (one byte, FF + u16,
FF FFFF + u32, and the FF FE FF mark of 16-bit text), records stored out of
order, and a few broken files."""
import os
import struct
import sys

def s(text, form="short", wide=False):
    data = text.encode("utf-16-le") if wide else text.encode("cp1252")
    n = len(text)
    if form == "short" and n < 255:
        head = bytes([n])
    elif form in ("short", "u16"):
        head = b"\xff" + struct.pack("<H", n)
    else:
        head = b"\xff\xff\xff" + struct.pack("<I", n)
    return (b"\xff\xfe\xff" if wide else b"") + head + data

def pilot(name="Dana", form="short", wide=False):
    out = s(name, form, wide) + s("1 Main St") + s("KRHV")
    out += struct.pack("<i", 1234567)
    out += struct.pack("<9H", 6, 2025, 3, 2025, 9, 2024, 3, 4, 1979)
    out += struct.pack("<32i", *([1, 0, 1] + [0] * 29))
    return out + s("5432K")

def aircraft(n, monitored=0):
    out = struct.pack("<5i", 1, 0, 0, 0, 0) + struct.pack("<d", 128.0)
    out += struct.pack("<5i", 0, 0, 0, 0, 1) + s("CESSNA") + s("172N")
    out += struct.pack("<i", 0) + s(n)
    out += struct.pack("<6i", 0, 0, 1, 0, 0, 4) + struct.pack("<d", 1748.2)
    out += struct.pack("<3i", 2026, 4, 2026) + struct.pack("<d", 1791.6)
    return out + struct.pack("<2i", monitored, 2000)

def entry(n, y, m, d, num=0, remarks="Pattern work", form="short", wide=False):
    out = s(n) + struct.pack("<4H", d, m, y, num) + s("KRHV") + s("KSNS") + s("V25 SALINAS")
    out += struct.pack("<2H", 3, 1) + struct.pack("<9d", 1.2, 0.5, 1.2, 0.5, 0, 0, 1.7, 0, 0.3)
    out += struct.pack("<8H", 1, 0, 0, 0, 2, 0, 0, 0) + s(remarks, form, wide)
    return out + struct.pack("<2d", 1800.0, 1801.5) + struct.pack("<i", 1)

def log(planes, entries, header=pilot()):
    out = struct.pack("<H", len(planes)) + header + b"".join(planes)
    return out + struct.pack("<H", len(entries)) + b"".join(entries)

def seeds():
    yield "empty-file", b""
    yield "empty-log", log([], [])
    yield "one-flight", log([aircraft("5432K", 1)], [entry("5432K", 2025, 5, 5)])
    yield "out-of-order", log([aircraft("5432K"), aircraft("738CP")],
                              [entry("5432K", 2025, 5, 5, 1), entry("738CP", 2024, 1, 1),
                               entry("5432K", 2025, 5, 5, 0)])
    yield "long-forms", log([aircraft("X")], [entry("X", 2020, 1, 1, remarks="r" * 300),
                                             entry("X", 2020, 1, 2, remarks="ok", form="u16"),
                                             entry("X", 2020, 1, 3, remarks="long", form="u32")])
    yield "wide-text", log([], [entry("X", 2020, 1, 1, remarks="caf\u00e9 \u20ac \u4e2d", wide=True)],
                           header=pilot("Z\u00fcrich", wide=True))
    whole = log([aircraft("5432K")], [entry("5432K", 2025, 5, 5)])
    yield "truncated", whole[:-7]
    yield "trailing-bytes", whole + b"\x00\x01garbage"
    yield "two-announced-one-stored", b"\x02" + log([aircraft("1")], [])[1:]
    yield "huge-length", log([], []) [:-3] + b"\xff\xff\xff\xff\xff\xff\xff\x00\x00"

def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(__file__), "..", "fuzz", "corpus")
    os.makedirs(folder, exist_ok=True)
    for name, data in seeds():
        with open(os.path.join(folder, name + ".adx"), "wb") as f:
            f.write(data)

if __name__ == "__main__":
    main()
