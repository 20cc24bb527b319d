#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ampra developers
"""Fails when a .ts file is not what lupdate makes of SOURCE_DIR, or has an unfinished or obsolete
entry, a source text without a translator comment, placeholders other than its source text's, or a
display text that says "Mac"; or when the desktop entry or the metainfo lacks a language of the .ts
files. Usage: check_translations.py LUPDATE SOURCE_DIR DESKTOP METAINFO TS_FILE... -- OPTION...
"""
import filecmp
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

MAC = re.compile(r"\bmac(book)?\b", re.IGNORECASE)
PLACEHOLDER = re.compile(r"%(?:\d+|n)")
# A source text keeps its printf-style conversions (%u, %d, %@); translations number them %1, %2.
CONVERSION = re.compile(r"%(?:l{0,2}[udi]|@)")
XML_LANG = "{http://www.w3.org/XML/1998/namespace}lang"


def placeholders_of(source):
    conversions = len(CONVERSION.findall(source.replace("%%", "")))
    return set(PLACEHOLDER.findall(source)) | {f"%{i}" for i in range(1, conversions + 1)}


def problems_in(ts_file):
    for context in ET.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            where = f"{ts_file.name}: {name}: {message.findtext('source')!r}"
            translation = message.find("translation")
            kind = translation.get("type")
            if kind:
                yield f"{where} is {kind}"
            if not (message.findtext("extracomment") or "").strip():
                yield f"{where} has no translator comment (//:)"
            texts = [form.text or "" for form in translation.iter("numerusform")]
            placeholders = placeholders_of(message.findtext("source"))
            for text in texts or [translation.text or ""]:
                if MAC.search(text):
                    yield f"{where} shows {text!r}"
                if set(PLACEHOLDER.findall(text)) != placeholders:
                    yield f"{where} loses or adds a placeholder in {text!r}"


def missing_in(language, desktop, metainfo):
    # Ampra's own name stays; an action's name is translated.
    section, keys = None, set()
    for line in desktop.read_text(encoding="utf-8").splitlines():
        if line.startswith("["):
            section = line
        elif "=" in line:
            keys.add((section, line.split("=", 1)[0]))
    for section, key in sorted(keys):
        wanted = {"GenericName", "Comment", "Keywords"}
        if section != "[Desktop Entry]":
            wanted.add("Name")
        if key in wanted and (section, f"{key}[{language}]") not in keys:
            yield f"{desktop.name} has no {key}[{language}] in {section}"
    summaries = ET.parse(metainfo).getroot().iter("summary")
    if language not in {summary.get(XML_LANG) for summary in summaries}:
        yield f"{metainfo.name} has no summary in {language}"


def main():
    arguments = sys.argv[1:]
    separator = arguments.index("--")
    lupdate, sources, desktop, metainfo = arguments[0], arguments[1], *map(Path, arguments[2:4])
    ts_files = map(Path, arguments[4:separator])
    options = arguments[separator + 1:]
    problems = []
    with tempfile.TemporaryDirectory() as folder:
        for ts_file in ts_files:
            problems += problems_in(ts_file)
            language = ts_file.stem.removeprefix("ampra_")
            if language != "en":
                problems += missing_in(language, desktop, metainfo)
            current = Path(folder) / ts_file.name
            shutil.copy(ts_file, current)
            subprocess.run([lupdate, "-silent", "-extensions", "cpp,h,ui", *options, sources,
                            "-ts", current], check=True)
            if not filecmp.cmp(ts_file, current, shallow=False):
                problems.append(f"{ts_file.name} is not current: build the target "
                                "update_translations and translate what it adds")
    print("\n".join(problems))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
