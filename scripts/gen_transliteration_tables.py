#!/usr/bin/env python3
"""Generates common/transliterationtables.h, the data of IndicTransliterator.

The keyboard key lists, the vowel and consonant output rows, the per-script
fix-ups and the English respelling rows are kept in a markdown reference
document (the layout design notes). This script copies them out of its
tables, so that the C++ data never drifts from the reference by a retyping
slip.

Usage: gen_transliteration_tables.py REFERENCE.md [OUTPUT.h]
"""

import re
import sys


def section(text, title):
    start = text.index(title)
    end = text.find("\n# ", start + len(title))
    return text[start:end if end >= 0 else len(text)]


def table_rows(block, header_start):
    """Rows (lists of cells) of the markdown table whose header begins so."""
    lines = block.splitlines()
    for n, line in enumerate(lines):
        if line.startswith(header_start):
            rows = []
            for row in lines[n + 2:]:
                if not row.startswith("|"):
                    break
                rows.append([c.strip() for c in row.strip().strip("|").split("|")])
            return rows
    raise SystemExit("table not found: " + header_start)


def parse_key_list(block, label):
    line = next(l for l in block.splitlines() if l.startswith("- " + label))
    body = line.split(":", 1)[1]
    keys = []
    for m in re.finditer(r'(\d+) (?:"([^"]*)"|U\+([0-9A-F]{4}))', body):
        code = int(m.group(1))
        key = m.group(2) if m.group(2) is not None else chr(int(m.group(3), 16))
        keys.append((code, key))
    return keys


def codes(cell):
    return [int(c) for c in re.findall(r"\d+", cell)]


def offsets(cell):
    """(plain, hindi) offsets of one cell; None where the cell writes nothing."""
    plain = re.match(r"\+0x([0-9A-F]{2})", cell)
    hindi = re.search(r"Hindi \+0x([0-9A-F]{2})", cell)
    p = int(plain.group(1), 16) if plain else None
    return p, int(hindi.group(1), 16) if hindi else p


def cpp_string(s):
    out = []
    for ch in s:
        if ch in '"\\':
            out.append("\\" + ch)
        else:
            out.append(ch)
    return '"' + "".join(out) + '"'


def main():
    if len(sys.argv) < 2:
        raise SystemExit(__doc__)
    text = open(sys.argv[1], encoding="utf-8").read()
    out_path = sys.argv[2] if len(sys.argv) > 2 else "common/transliterationtables.h"

    keys_block = section(text, ": Keyboard layout key tables")
    rules_block = section(text, ": Script output rules")
    respell_block = section(text, ": English-word respelling")

    lists = [
        ("phoneticKeyList", "Phonetic (layouts 0, 3 and 4)", 0, 67),
        ("kpraoKeyList", "KPRao (layout 1)", 67, 54),
        ("kpraoExtendedKeyList", "KPRao - Extended (layout 5)", 121, 63),
        ("inscriptKeyList", "InScript (layout 2)", 184, 71),
    ]
    key_arrays = []
    for name, label, first, count in lists:
        keys = parse_key_list(keys_block, label)
        assert [c for c, _ in keys] == list(range(first, first + count)), name
        assert len({k for _, k in keys}) == count, name + " holds a key twice"
        key_arrays.append((name, first, [k for _, k in keys]))

    vowels = []
    for cells in table_rows(rules_block, "| Codes | after false | after true |"):
        if cells[0] == "any other code":
            continue
        indep, hindi_indep = offsets(cells[1])
        if cells[2].startswith("Phonetic (layout 0)"):
            # The A row: its sign column depends on the layout; the engine
            # decides, the table keeps the independent vowel.
            sign, hindi_sign = -1, -1
        else:
            sign, hindi_sign = offsets(cells[2])
        for code in codes(cells[0]):
            vowels.append((code, indep, sign, hindi_indep, hindi_sign))

    consonants = []
    for cells in table_rows(rules_block, "| Codes | Writes | Letter |"):
        plain = re.search(r"other scripts: \+0x([0-9A-F]{2})", cells[1])
        tamil = re.search(r"Tamil \(8\): \+0x([0-9A-F]{2})", cells[1])
        value = int((plain or re.match(r"\+0x([0-9A-F]{2})", cells[1])).group(1), 16)
        tamil_value = int(tamil.group(1), 16) if tamil else value
        for code in codes(cells[0]):
            consonants.append((code, value, tamil_value))

    fixups = []
    for cells in table_rows(rules_block, "| Language | Replacements |"):
        m = re.match(r"(\d) ", cells[0])
        if not m or cells[1] == "none":
            continue
        language = int(m.group(1))
        pattern = (r"((?:U\+[0-9A-F]{4}(?:, | and )?)+) by U\+([0-9A-F]{4})"
                   r"|U\+([0-9A-F]{4}) removed")
        for part in re.finditer(pattern, cells[1]):
            if part.group(3):
                fixups.append((language, int(part.group(3), 16), 0))
                continue
            to = int(part.group(2), 16)
            for src in re.findall(r"U\+([0-9A-F]{4})", part.group(1)):
                fixups.append((language, int(src, 16), to))
    assert all(to == 0 or to > 0x0900 for _, _, to in fixups)

    respellings = []
    for cells in table_rows(respell_block, "| # | Test | English | Respelling |"):
        number = int(cells[0])
        assert number == len(respellings) + 1
        respellings.append((cells[1] == "word", cells[2].strip('"'), cells[3].strip('"')))

    emit(out_path, key_arrays, vowels, consonants, fixups, respellings)


def emit(path, key_arrays, vowels, consonants, fixups, respellings):
    o = []
    o.append("// Generated by scripts/gen_transliteration_tables.py; do not edit by hand.")
    o.append("#ifndef YAVO_TRANSLITERATIONTABLES_H")
    o.append("#define YAVO_TRANSLITERATIONTABLES_H")
    o.append("")
    o.append("#include <cstddef>")
    o.append("")
    o.append("namespace TransliterationTables {")
    o.append("")
    o.append("// The key lists of the layouts. A key's code is its position in its list")
    o.append("// plus the list's first code; codes run on over the four lists.")
    for name, first, keys in key_arrays:
        o.append("constexpr int %sFirstCode = %d;" % (name, first))
        o.append("constexpr const char *%s[%d] = {" % (name, len(keys)))
        line = "   "
        for k in keys:
            piece = " " + cpp_string(k) + ","
            if len(line) + len(piece) > 96:
                o.append(line)
                line = "   "
            line += piece
        o.append(line)
        o.append("};")
        o.append("")

    o.append("// Vowel rows: independent vowel and sign offsets, with the Devanagari")
    o.append("// variants; a sign of -1 leaves the choice to the layout.")
    o.append("struct VowelRule { int code; int independent; int sign; int hindiIndependent; int hindiSign; };")
    o.append("constexpr VowelRule vowelRules[] = {")
    for v in vowels:
        o.append("    {%d, 0x%02X, %s, 0x%02X, %s}," % (
            v[0], v[1], "-1" if v[2] == -1 else "0x%02X" % v[2],
            v[3], "-1" if v[4] == -1 else "0x%02X" % v[4]))
    o.append("};")
    o.append("")
    o.append("// Consonant rows: the offset written, and the one written in Tamil.")
    o.append("struct ConsonantRule { int code; int offset; int tamilOffset; };")
    o.append("constexpr ConsonantRule consonantRules[] = {")
    for c in consonants:
        o.append("    {%d, 0x%02X, 0x%02X}," % c)
    o.append("};")
    o.append("")
    o.append("// Letters a script lacks or places elsewhere, replaced in the finished")
    o.append("// output in this order; a replacement of 0 removes the letter.")
    o.append("struct ScriptFixup { int language; char16_t from; char16_t to; };")
    o.append("constexpr ScriptFixup scriptFixups[] = {")
    for f in fixups:
        o.append("    {%d, 0x%04X, 0x%04X}," % f)
    o.append("};")
    o.append("")
    o.append("// English words and stems, tried in order, with their phonetic keys.")
    o.append("struct Respelling { bool wholeWord; const char *english; const char *keys; };")
    o.append("constexpr Respelling respellings[] = {")
    for r in respellings:
        o.append("    {%s, %s, %s}," % ("true" if r[0] else "false", cpp_string(r[1]), cpp_string(r[2])))
    o.append("};")
    o.append("")
    o.append("} // namespace TransliterationTables")
    o.append("")
    o.append("#endif")
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(o) + "\n")


if __name__ == "__main__":
    main()
