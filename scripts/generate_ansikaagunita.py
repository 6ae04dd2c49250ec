#!/usr/bin/env python3
"""Writes resources/ANSIKaagunita.txt, the Nudi-font forms of every Kannada
consonant with every vowel that the input method's ANSI converter types.

Row r is consonant r (KA, KHA, ... LLA, the order of the KPRao and InScript
consonant keys); cell j is that consonant with vowel column j: a, aa, i, ii,
u, uu, vocalic r, e, ee, ai, o, oo, au, anusvara, visarga. Column 0 is the
consonant with its inherent vowel. Each character is the Latin-1 code point
of one Nudi glyph.

The file is UTF-8 without a byte-order mark, cells separated by tabs, lines
ended by CR LF, rows in groups of five followed by an empty line and a last
group of nine.

Run from anywhere: python3 scripts/generate_ansikaagunita.py
"""

import pathlib

# (consonant, the 15 cells separated by single spaces)
ROWS = [
    ('KA',   "PÀ PÁ Q QÃ PÀÄ PÀÆ PÀÈ PÉ PÉÃ PÉÊ PÉÆ PÉÆÃ PË PÀA PÀB"),
    ('KHA',  "R SÁ T TÃ RÄ RÆ RÈ SÉ SÉÃ SÉÊ SÉÆ SÉÆÃ SË RA RB"),
    ('GA',   "UÀ UÁ V VÃ UÀÄ UÀÆ UÀÈ UÉ UÉÃ UÉÊ UÉÆ UÉÆÃ UË UÀA UÀB"),
    ('GHA',  "WÀ WÁ X XÃ WÀÄ WÀÆ WÀÈ WÉ WÉÃ WÉÊ WÉÆ WÉÆÃ WË WÀA WÀB"),
    ('NGA',  "Y YÁ YÂ YÂÃ YÄ YÆ YÈ YÉ YÉÃ YÉÊ YÉÆ YÉÆÃ YË YA YB"),
    ('CA',   "ZÀ ZÁ a aÃ ZÀÄ ZÀÆ ZÀÈ ZÉ ZÉÃ ZÉÊ ZÉÆ ZÉÆÃ ZË ZÀA ZÀB"),
    ('CHA',  "bÀ bÁ c cÃ bÀÄ bÀÆ bÀÈ bÉ bÉÃ bÉÊ bÉÆ bÉÆÃ bË bÀA bÀB"),
    ('JA',   "d eÁ f fÃ dÄ dÆ dÈ eÉ eÉÃ eÉÊ eÉÆ eÉÆÃ eË dA dB"),
    ('JHA',  "gÀhÄ gÀhiÁ jhÄ jhÄÃ gÀhÄÄ gÀhÄÆ gÀhÄÈ gÉhÄ gÉhÄÃ gÉhÄÊ gÉhÆ gÉhÆÃ gÀhiË gÀhÄA gÀhÄB"),
    ('NYA',  "k kõÁ kÂ kÂÃ kÄ kÆ kÈ kõÉ kõÉÃ kõÉÊ kõÉÆ kõÉÆÃ kõË kA kB"),
    ('TTA',  "l mÁ n nÃ lÄ lÆ lÈ mÉ mÉÃ mÉÊ mÉÆ mÉÆÃ mË lA lB"),
    ('TTHA', "oÀ oÁ p pÃ oÀÄ oÀÆ oÀÈ oÉ oÉÃ oÉÊ oÉÆ oÉÆÃ oË oÀA oÀB"),
    ('DDA',  "qÀ qÁ r rÃ qÀÄ qÀÆ qÀÈ qÉ qÉÃ qÉÊ qÉÆ qÉÆÃ qË qÀA qÀB"),
    ('DDHA', "qsÀ qsÁ rü rüÃ qsÀÄ qsÀÆ qsÀÈ qsÉ qsÉÃ qsÉÊ qsÉÆ qsÉÆÃ qsË qsÀA qsÀB"),
    ('NNA',  "t uÁ tÂ tÂÃ tÄ tÆ tÈ uÉ uÉÃ uÉÊ uÉÆ uÉÆÃ uË tA tB"),
    ('TA',   "vÀ vÁ w wÃ vÀÄ vÀÆ vÀÈ vÉ vÉÃ vÉÊ vÉÆ vÉÆÃ vË vÀA vÀB"),
    ('THA',  "xÀ xÁ y yÃ xÀÄ xÀÆ xÀÈ xÉ xÉÃ xÉÊ xÉÆ xÉÆÃ xË xÀA xÀB"),
    ('DA',   "zÀ zÁ ¢ ¢Ã zÀÄ zÀÆ zÀÈ zÉ zÉÃ zÉÊ zÉÆ zÉÆÃ zË zÀA zÀB"),
    ('DHA',  "zsÀ zsÁ ¢ü ¢üÃ zsÀÄ zsÀÆ zsÀÈ zsÉ zsÉÃ zsÉÊ zsÉÆ zsÉÆÃ zsË zsÀA zsÀB"),
    ('NA',   "£À £Á ¤ ¤Ã £ÀÄ £ÀÆ £ÀÈ £É £ÉÃ £ÉÊ £ÉÆ £ÉÆÃ £Ë £ÀA £ÀB"),
    ('PA',   "¥À ¥Á ¦ ¦Ã ¥ÀÅ ¥ÀÇ ¥ÀÈ ¥É ¥ÉÃ ¥ÉÊ ¥ÉÇ ¥ÉÇÃ ¥Ë ¥ÀA ¥ÀB"),
    ('PHA',  "¥sÀ ¥sÁ ¦ü ¦üÃ ¥sÀÅ ¥sÀÇ ¥sÀÈ ¥sÉ ¥sÉÃ ¥sÉÊ ¥sÉÇ ¥sÉÇÃ ¥sË ¥sÀA ¥sÀB"),
    ('BA',   "§ ¨Á © ©Ã §Ä §Æ §È ¨É ¨ÉÃ ¨ÉÊ ¨ÉÆ ¨ÉÆÃ ¨Ë §A §B"),
    ('BHA',  "¨sÀ ¨sÁ ©ü ©üÃ ¨sÀÄ ¨sÀÆ ¨sÀÈ ¨sÉ ¨sÉÃ ¨sÉÊ ¨sÉÆ ¨sÉÆÃ ¨sË ¨sÀA ¨sÀB"),
    ('MA',   "ªÀÄ ªÀiÁ «Ä «ÄÃ ªÀÄÄ ªÀÄÆ ªÀÄÈ ªÉÄ ªÉÄÃ ªÉÄÊ ªÉÆ ªÉÆÃ ªÀiË ªÀÄA ªÀÄB"),
    ('YA',   "AiÀÄ AiÀiÁ ¬Ä ¬ÄÃ AiÀÄÄ AiÀÄÆ AiÀÄÈ AiÉÄ AiÉÄÃ AiÉÄÊ AiÉÆ AiÉÆÃ AiÀiË AiÀÄA AiÀÄB"),
    ('RA',   "gÀ gÁ j jÃ gÀÄ gÀÆ gÀÈ gÉ gÉÃ gÉÊ gÉÆ gÉÆÃ gË gÀA gÀB"),
    ('LA',   "® ¯Á ° °Ã ®Ä ®Æ ®È ¯É ¯ÉÃ ¯ÉÊ ¯ÉÆ ¯ÉÆÃ ¯Ë ®A ®B"),
    ('VA',   "ªÀ ªÁ « «Ã ªÀÅ ªÀÇ ªÀÈ ªÉ ªÉÃ ªÉÊ ªÉÇ ªÉÇÃ ªË ªÀA ªÀB"),
    ('SHA',  "±À ±Á ² ²Ã ±ÀÄ ±ÀÆ ±ÀÈ ±É ±ÉÃ ±ÉÊ ±ÉÆ ±ÉÆÃ ±Ë ±ÀA ±ÀB"),
    ('SSA',  "µÀ µÁ ¶ ¶Ã µÀÄ µÀÆ µÀÈ µÉ µÉÃ µÉÊ µÉÆ µÉÆÃ µË µÀA µÀB"),
    ('SA',   "¸À ¸Á ¹ ¹Ã ¸ÀÄ ¸ÀÆ ¸ÀÈ ¸É ¸ÉÃ ¸ÉÊ ¸ÉÆ ¸ÉÆÃ ¸Ë ¸ÀA ¸ÀB"),
    ('HA',   "ºÀ ºÁ » »Ã ºÀÄ ºÀÆ ºÀÈ ºÉ ºÉÃ ºÉÊ ºÉÆ ºÉÆÃ ºË ºÀA ºÀB"),
    ('LLA',  "¼À ¼Á ½ ½Ã ¼ÀÄ ¼ÀÆ ¼ÀÈ ¼É ¼ÉÃ ¼ÉÊ ¼ÉÆ ¼ÉÆÃ ¼Ë ¼ÀA ¼ÀB"),
]

GROUP_SIZE = 5
GROUPS_OF_FIVE = 5
CELLS = 15


def table_text():
    lines = []
    for index, (name, cells) in enumerate(ROWS):
        parts = cells.split(" ")
        if len(parts) != CELLS:
            raise SystemExit("row %s has %d cells, not %d" % (name, len(parts), CELLS))
        lines.append("\t".join(parts))
        if index < GROUP_SIZE * GROUPS_OF_FIVE and (index + 1) % GROUP_SIZE == 0:
            lines.append("")
    return "".join(line + "\r\n" for line in lines)


def main():
    if len(ROWS) != 34:
        raise SystemExit("expected 34 consonant rows, found %d" % len(ROWS))
    target = pathlib.Path(__file__).resolve().parent.parent / "resources" / "ANSIKaagunita.txt"
    target.parent.mkdir(parents=True, exist_ok=True)
    target.write_bytes(table_text().encode("utf-8"))
    print("wrote", target)


if __name__ == "__main__":
    main()
