#!/usr/bin/env python3
"""Every shipped translation is whole: each message of each .ts file given has a finished,
non-empty translation that keeps its source's placeholders (%1, %2, ...), its line breaks
and its count of mnemonic ampersands. Prints each fault and exits 1 when there is any."""
import re
import sys
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%L?\d+|%n")


def mnemonics(text):
    # "&&" is a literal ampersand, not a mnemonic.
    return text.replace("&&", "").count("&")


def faults_of(path):
    faults = []
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            where = f"{path}: {name}: {source!r}"
            if translation is None or translation.get("type") in ("unfinished", "vanished", "obsolete"):
                faults.append(f"{where}: not finished")
                continue
            forms = [f.text or "" for f in translation.iter("numerusform")] or [translation.text or ""]
            for text in forms:
                if not text.strip() and source.strip():
                    faults.append(f"{where}: empty")
                elif sorted(PLACEHOLDER.findall(text)) != sorted(PLACEHOLDER.findall(source)) and message.get("numerus") != "yes":
                    faults.append(f"{where}: placeholders differ in {text!r}")
                elif text.count("\n") != source.count("\n"):
                    faults.append(f"{where}: line breaks differ in {text!r}")
                elif mnemonics(text) != mnemonics(source):
                    faults.append(f"{where}: mnemonics differ in {text!r}")
    return faults


def main():
    faults = [fault for path in sys.argv[1:] for fault in faults_of(path)]
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
