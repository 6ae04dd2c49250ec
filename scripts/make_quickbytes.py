#!/usr/bin/env python3
"""Writes resources/quickbytes.txt, the QuickBytes file a user gets when he
has none: UTF-8 without a byte-order mark, CR LF line ends.

The snippets are given as code points so that the invisible joiners and
the Kannada signs cannot be garbled by an editor; run this script again
rather than editing the text file by hand."""

import os
import sys

COMMENTS = [
    "// Help : Set your own short-cut QuickBytes as follows,",
    "// It helps you to type many repetitive words quickly,",
    "// keep one pair per line",
]


def cp(*points):
    return "".join(chr(p) for p in points)


ENTRIES = [
    ("ava", cp(0x0CBD)),
    ("ay", cp(0x0C86, 0x0CCD, 0x0CAF)),
    ("rya", cp(0x0CB0, 0x0CCD, 0x200D, 0x0CAF)),
    ("ty", cp(0x0CA7, 0x0CA8, 0x0CCD, 0x0CAF, 0x0CB5, 0x0CBE, 0x0CA6)
     + "\\n{date}\\n{time}"),
    ("sw", cp(0x0CB8, 0x0CBE, 0x0CAA, 0x0CCD, 0x0C9F, 0x0CCD, 0x200C,
              0x0CB5, 0x0CC7, 0x0CB0, 0x0CCD)),
    (cp(0x0CA4, 0x0CA4), cp(0x0CA4, 0x0C82, 0x0CA4, 0x0CCD, 0x0CB0, 0x0CBE,
                            0x0C82, 0x0CB6)),
]

SIZE = 294


def main():
    lines = COMMENTS + ["%s=%s" % entry for entry in ENTRIES]
    data = "".join(line + "\r\n" for line in lines).encode("utf-8")
    if len(data) != SIZE:
        sys.exit("quickbytes.txt would be %d bytes, not %d" % (len(data), SIZE))
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                       "..", "resources", "quickbytes.txt")
    with open(out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
