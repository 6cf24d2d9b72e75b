#!/usr/bin/env python3
"""Checks that each catalogue keeps its words for terms that must not be confused.

Usage: glossary.py GLOSSARY.tsv CATALOGUE.ts...

For each pair of terms of a language (say "volume" and "drive"), a text whose
English names the first and not the second may not use the second's word in
its translation: "Wipe a whole volume" must not read as wiping a drive.
"""
import html
import os
import re
import sys


def load(path):
    terms = {}
    for line in open(path, encoding="utf-8"):
        if line.startswith("#") or not line.strip():
            continue
        lang, term, word = line.rstrip("\n").split("\t")
        terms.setdefault(lang, []).append((re.compile(term, re.I), re.compile(word)))
    return terms


def messages(path):
    text = open(path, encoding="utf-8").read()
    for block in re.findall(r"<message[^>]*>(.*?)</message>", text, re.S):
        source = re.search(r"<source>(.*?)</source>", block, re.S)
        translation = re.search(r"<translation[^>]*>(.*?)</translation>", block, re.S)
        if source and translation:
            yield html.unescape(source.group(1)), html.unescape(translation.group(1))


def main():
    terms = load(sys.argv[1])
    faults = 0
    for catalogue in sys.argv[2:]:
        lang = re.match(r"velmora_([a-zA-Z_]+)\.ts$", os.path.basename(catalogue)).group(1)
        pairs = terms.get(lang, [])
        for source, translation in messages(catalogue):
            for named, _ in pairs:
                if not named.search(source):
                    continue
                for other, word in pairs:
                    if other is named or other.search(source) or not word.search(translation):
                        continue
                    print(f"{os.path.basename(catalogue)}: '{word.pattern}' is the word for "
                          f"'{other.pattern}', but the text names only '{named.pattern}':\n"
                          f"  {source.strip()}\n  {translation.strip()}", file=sys.stderr)
                    faults += 1
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
