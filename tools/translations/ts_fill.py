#!/usr/bin/env python3
"""Writes the eight .ts files from the translation tables.

Usage: ts_fill.py            (every tools/translations/*.tsv)
Each table line: context<TAB>source<TAB>zh_CN<TAB>zh_TW<TAB>en_US<TAB>ja_JA<TAB>ru_RU<TAB>de_DE<TAB>it_IT<TAB>es_ES
Lines starting with # are comments. Sources and translations may use \\n for
a line end. The .ts files are derived: edit the tables, not the .ts files
(after a merge, run this again instead of resolving them by hand).
"""
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

LANGS = ["zh_CN", "zh_TW", "en_US", "ja_JA", "ru_RU", "de_DE", "it_IT", "es_ES"]
TS_DIR = Path(__file__).resolve().parents[2] / "resources" / "translations"


def load(lang):
    path = TS_DIR / f"tr_{lang}.ts"
    root = ET.Element("TS", version="2.1", language=lang)
    return path, ET.ElementTree(root)


def find_or_add(parent, tag, name=None):
    for child in parent.findall(tag):
        if name is None or child.findtext("name") == name:
            return child
    child = ET.SubElement(parent, tag)
    if name is not None:
        ET.SubElement(child, "name").text = name
    return child


def main():
    rows = []
    seen = {}
    for table in sorted(Path(__file__).resolve().parent.glob("*.tsv")):
        for line in table.read_text(encoding="utf-8").splitlines():
            if not line.strip() or line.startswith("#"):
                continue
            cols = [c.replace("\\n", "\n") for c in line.split("\t")]
            if len(cols) != 2 + len(LANGS):
                sys.exit(f"{table.name}: bad row ({len(cols)} columns): {line}")
            key = (cols[0], cols[1])
            if key in seen:
                sys.exit(f"{table.name}: {key} is also in {seen[key]}")
            seen[key] = table.name
            rows.append(cols)
    for i, lang in enumerate(LANGS):
        path, tree = load(lang)
        root = tree.getroot()
        for cols in rows:
            context = find_or_add(root, "context", cols[0])
            message = None
            for m in context.findall("message"):
                if m.findtext("source") == cols[1]:
                    message = m
            if message is None:
                message = ET.SubElement(context, "message")
                ET.SubElement(message, "source").text = cols[1]
                ET.SubElement(message, "translation")
            message.find("translation").text = cols[2 + i]
            message.find("translation").attrib.pop("type", None)
        contexts = sorted(root.findall("context"), key=lambda c: c.findtext("name"))
        for c in root.findall("context"):
            root.remove(c)
        for c in contexts:
            c[1:] = sorted(c.findall("message"), key=lambda m: m.findtext("source"))
            root.append(c)
        ET.indent(tree, space="    ")
        with open(path, "wb") as f:
            f.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
            tree.write(f, encoding="utf-8", xml_declaration=False)
            f.write(b"\n")


if __name__ == "__main__":
    main()
