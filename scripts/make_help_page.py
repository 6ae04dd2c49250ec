#!/usr/bin/env python3
"""Writes resources/HelpTopics.html, the word processor's help page, and the
example files resources/tutor/KBL-*.txt from which the build makes the
keyboard-example pictures.

The page is Qt rich text (body "tunga" 11 pt, text in "Verdana" 10 pt). Its
tables are data: edit them here and run the script again; the page and the
example files are committed, so building never runs this. ZWNJ and ZWJ stand
for the invisible joiners U+200C and U+200D in the Kannada column. Every
example must type its Kannada text in its layout (tst_helpdialogs checks it).
"""
import html
import os

ZWNJ, ZWJ = "\u200c", "\u200d"

# Number, Phonetic keys, Nudi keys, Phonetic-2 keys, Kannada text; the words
# of a row are typed one by one. The last row names the joiner keys, which
# type their joiner after a consonant.
EXAMPLES = [
    ("1", "satyamEva jayate", "stfymEv jyte", "stfymEv jyte", "ಸತ್ಯಮೇವ ಜಯತೆ"),
    ("2", "satyaM shivaM suMdaraM", "stfyM SivM suMdrM", "stfyM shivM suMdrM", "ಸತ್ಯಂ ಶಿವಂ ಸುಂದರಂ"),
    ("3", "vijzaana", "vijfzAn", "vijfzAn", "ವಿಜ್ಞಾನ"),
    ("4", "kurukShEtra", "kurukfxEtfr", "kurukfShEtfr", "ಕುರುಕ್ಷೇತ್ರ"),
    ("5", "shrIkRShNa", "SfrIkRxfN", "shfrIkRShfN", "ಶ್ರೀಕೃಷ್ಣ"),
    ("6", "swaataMtrya", "sfvAtMtfrfy", "sfwaatMtfrfy", "ಸ್ವಾತಂತ್ರ್ಯ"),
    ("7", "aspaShTa", "asfpxfq", "asfpShfT", "ಅಸ್ಪಷ್ಟ"),
    ("8", "AraMBa", "ArMB", "ArMB", "ಆರಂಭ"),
    ("9", "madyAhnaH", "mdfyAhfnH", "mdfyAhfnH", "ಮದ್ಯಾಹ್ನಃ"),
    ("10", "Za za rza Lza", "Z z rz Lz", "Z z rz Lz", "ಙ ಞ ಱ ೞ"),
    ("11", "saapTxvEr", "sApfqffvErf", "saapfTfxvErf", "ಸಾಪ್ಟ್" + ZWNJ + "ವೇರ್"),
    ("12", "DounxlOD", "wVnfflOwf", "DounfxlODf", "ಡೌನ್" + ZWNJ + "ಲೋಡ್"),
    ("13", "rXyAMk", "rFAMkf", "rfXyAMkf", "ರ್" + ZWJ + "ಯಾಂಕ್"),
    ("14", "karma", "krfm", "krfm", "ಕರ್ಮ"),
    ("15", "karXma", "krfXm", "krfXm", "ಕರ್" + ZWJ + "ಮ"),
    ("16", "kArXya", "kArfXy", "kArfXy", "ಕಾರ್" + ZWJ + "ಯ"),
    ("17", "mourXya", "mVrfXy", "mourfXy", "ಮೌರ್" + ZWJ + "ಯ"),
    ("18", "x and X", "ff and X", "x and X", "ZWNJ and ZWJ"),
]
JOINER_ROWS = 1

# The example files of the pictures, one per layout column of EXAMPLES.
EXAMPLE_FILES = [("KBL-Phonetic.txt", 1), ("KBL-Nudi.txt", 2), ("KBL-Phonetic2.txt", 3)]

SORT_INPUT = ["ರಾಮನು", "ಕಾಡಿಗೆ", "ಹೋದನು"]
SORT_ASCENDING = ["ಕಾಡಿಗೆ", "ರಾಮನು", "ಹೋದನು"]
SORT_DESCENDING = ["ಹೋದನು", "ರಾಮನು", "ಕಾಡಿಗೆ"]

WEB_SITE = "https://www.quenvel.example/yavo"
FORUM = "https://forum.quenvel.example/yavo"


def span(text):
    return '<span style="font-family:Verdana; font-size:10pt;">%s</span>' % text


def cell(text, header=False):
    tag = "th" if header else "td"
    return "<%s>%s</%s>" % (tag, html.escape(text), tag)


def examples_table():
    rows = ['<tr>%s</tr>' % "".join(cell(h, True) for h in ("#", "Phonetic", "Nudi", "Phonetic-2", "Kannada"))]
    for row in EXAMPLES:
        rows.append("<tr>%s</tr>" % "".join(cell(c) for c in row))
    return '<table border="1" cellspacing="0" cellpadding="3">\n%s\n</table>' % "\n".join(rows)


def sort_table():
    rows = ['<tr>%s</tr>' % "".join(cell(h, True) for h in ("Input", "Ascending", "Descending"))]
    for words in zip(SORT_INPUT, SORT_ASCENDING, SORT_DESCENDING):
        rows.append("<tr>%s</tr>" % "".join(cell(w) for w in words))
    return '<table border="1" cellspacing="0" cellpadding="3">\n%s\n</table>' % "\n".join(rows)


TOPICS = [
    "Documents are saved in UTF-8 by default. The Encoding menu saves them in another encoding "
    "(UTF-16, UTF-32 and others) instead.",
    "Choose the language you type in from the Language menu (Kannada by default) and the keyboard layout from "
    "the Keyboard menu. Ctrl+K changes to the next keyboard layout; F11 switches between the chosen language "
    "and English.",
    "Rich text (bold, italic, colours, tables and pictures) can be saved as HTML or as RTF. RTF support is "
    "limited: some formatting may not survive.",
    "Tabs hold several files at once: open or create as many documents as you need and move between them by "
    "their tabs.",
    "File &gt; Export to PDF writes the current document as a PDF file.",
    "Edit &gt; Find &amp; Replace finds words in the document and replaces them.",
    "Tools &gt; Insert &gt; Picture and Tables insert a picture or a table at the cursor. Rows and columns of a "
    "table are added and removed through the table's context menu (right-click inside the table).",
    "Examples of typing in the three keyboard layouts:<br/>" + "@EXAMPLES@",
    "Tools &gt; Script Converter converts text between Indian scripts, and converts ANSI (Nudi font) text to "
    "Unicode.",
    "Tools &gt; Sort File sorts the lines of a file in ascending or descending order, for example:<br/>"
    + "@SORT@",
    "Spell checking finds misspelled words; with spell checking as you type, they are underlined while you "
    "type.",
    "The meaning of a word can be looked up in the online Wiktionary, and in the offline dictionary tool.",
    "View &gt; ToolBar, TabBar and StatusBar show or hide the toolbar, the tab bar and the status bar.",
    "Help &gt; Keyboard layout shows every key of the current language's layouts.",
    "Nudi files can be opened in two ways: drag and drop them on the window, or choose the file type "
    "Nudi (Rtf) in the Open dialog. They can then be saved again as UTF-8 or UTF-16.",
    "\"Suggest After\" in the settings is the number of keys typed after which word completion pops up.",
    "Files can be opened by dragging them from the file browser onto the window.",
]


def page():
    items = []
    for topic in TOPICS:
        text = span(topic)
        text = text.replace("@EXAMPLES@", "</span>" + examples_table() + "<span>")
        text = text.replace("@SORT@", "</span>" + sort_table() + "<span>")
        items.append("<li>%s</li>" % text)
    return """<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0//EN" "http://www.w3.org/TR/REC-html40/strict.dtd">
<html><head><meta name="qrichtext" content="1" /><style type="text/css">
p, li { white-space: pre-wrap; }
</style></head>
<body style="font-family:'tunga'; font-size:11pt;">
<p>%s</p>
<ol>
%s
</ol>
<p>%s</p>
</body></html>
""" % (
        span("Welcome to Yavo Pad, the word processor for Kannada and other Indian languages."),
        "\n".join(items),
        span('Visit <a href="%s">%s</a> for news and updates, and ask your questions in the forum at '
             '<a href="%s">%s</a>. Thank you for writing in your own language with Yavo.'
             % (WEB_SITE, WEB_SITE, FORUM, FORUM)),
    )


def example_file(column):
    """One line "keys=text" a word, for the examples that are words."""
    lines = []
    for row in EXAMPLES[:len(EXAMPLES) - JOINER_ROWS]:
        keys, texts = row[column].split(" "), row[4].split(" ")
        assert len(keys) == len(texts), row
        lines += ["%s=%s\n" % pair for pair in zip(keys, texts)]
    return "".join(lines)


if __name__ == "__main__":
    resources = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources")
    with open(os.path.join(resources, "HelpTopics.html"), "wb") as f:
        f.write(b"\xef\xbb\xbf" + page().encode("utf-8"))
    for name, column in EXAMPLE_FILES:
        with open(os.path.join(resources, "tutor", name), "wb") as f:
            f.write(example_file(column).encode("utf-8"))
