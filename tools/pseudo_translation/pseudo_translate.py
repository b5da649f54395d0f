#!/usr/bin/env python3
"""Makes a pseudo-translation for layout tests: every text of a Qt Linguist file, accented
and bracketed and made 40% longer ("Birth Data" becomes "[Ḃîŕţĥ Ðåţå ~~~~]"), so that a
window laid out for English shows where a longer language would be cut off or overlap.
A text whose comment calls it an abbreviation is only accented: it keeps its length.
Placeholders (%1, %L2), mnemonics (&F), escaped ampersands (&&) and line breaks stay as they
are.

    pseudo_translate.py OUTPUT.ts SOURCE.ts [SOURCE.ts ...]

Each SOURCE.ts is one of the program's translation files (only its source texts are read);
the contexts of all of them go into the one OUTPUT.ts.
"""
import math
import re
import sys
import xml.etree.ElementTree as ET

GROWTH = 1.4  # a pseudo text is this many times as long as its source, at least

ACCENTED = dict(zip(
    "abcdeghijklnorstuwyzABCDEGHILNORSTUWYZ",
    "åƀçðéĝĥîĵķļñöŕšţûŵýžÅḂÇÐÉĜĤÎĻÑÖŔŠŢÛŴÝŽ"))

# What must pass unchanged: placeholders, escaped ampersands, line breaks.
KEEP = re.compile(r"%L?\d+|&&|\n")


def accented(text):
    return "".join(ACCENTED.get(c, c) for c in text)


def pseudo(text):
    parts = []
    last = 0
    for match in KEEP.finditer(text):
        parts.append(accented(text[last:match.start()]))
        parts.append(match.group(0))
        last = match.end()
    parts.append(accented(text[last:]))
    body = "".join(parts)
    target = math.ceil(len(text) * GROWTH)
    padding = max(1, target - len(body) - 3)
    return "[" + body + " " + "~" * padding + "]"


def main(output, sources):
    tree = ET.parse(sources[0])
    root = tree.getroot()
    for source in sources[1:]:
        root.extend(ET.parse(source).getroot().findall("context"))
    root.set("language", "en_ZZ")  # no real language: the test installs it by hand
    for message in root.iter("message"):
        translation = message.find("translation")
        translation.attrib.pop("type", None)
        source = message.find("source").text or ""
        comment = message.find("comment")
        # An abbreviation has the same few letters in every language (the signs' three):
        # accented, it keeps its length.
        if comment is not None and "abbreviation" in (comment.text or ""):
            text = accented(source)
        else:
            text = pseudo(source)
        forms = translation.findall("numerusform")
        for form in forms:  # plural forms: the same pseudo text in each
            form.text = text
        if not forms:
            translation.text = text
    tree.write(output, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2:])
