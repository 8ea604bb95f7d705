#!/usr/bin/env python3
"""Checks each catalogue against the sources and its own English: brought up to date by lupdate it
holds no unfinished, vanished or empty translation; each translation keeps its text's placeholders
and access-key marks; access keys chosen among by one key press differ; no English is left.
Prints a row per language and fails if any row names a problem.
Usage: catalogue_test.py LUPDATE SRC_DIR TRANSLATIONS_DIR"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from collections import Counter, defaultdict
from itertools import combinations
from pathlib import Path

LANGUAGES = ["de", "fr", "es", "pt_BR"]

# Texts that stand the same in every language; texts made of placeholders alone are kept too.
SAME_IN_EVERY_LANGUAGE = {"OK", "&OK", "BMI", "WHR"}

# Texts whose access keys one key press chooses between: an open menu's entries, and a window's
# menu bar with its buttons (every window's bar carries the same four menus and entries).
HELP_MENU = ["&Online Help", "&Visit Us Online", "&About Software"]
MENU_BAR = ["&File", "&Help", "&Donate", "Make Money &Online"]
KEY_GROUPS = {
    "menu bar": MENU_BAR,
    "IBW input window's File menu": ["Get My &Ideal Body Weight", "E&xit"],
    "result windows' File menu": ["&Back", "E&xit"],
    "Help menu": HELP_MENU + ["Check for Software &Update"],
    "result windows' Help menu": HELP_MENU + ["&Check for Software Update"],
    "main window": MENU_BAR + ["&Exit"],
    "BMI input window": MENU_BAR + ["Calculate My &BMI", "&Exit"],
    "IBW input window": MENU_BAR + ["Get My &Ideal Body Weight", "&Exit"],
    "result windows": MENU_BAR + ["&Back", "&Exit"],
    "Body Frame Size window": MENU_BAR + ["&Get My Body Frame Size", "&Back"],
    "Waist Hip Ratio window": MENU_BAR + ["&Calculate My Ideal Waist Hip Ratio", "&Back"],
    "exit window": ["E&xit", "Refer A Friend &Now"],
}


def placeholders(text):
    return Counter(re.findall(r"%[1-9n]", text))


def access_keys(text):
    """The characters marked as access keys, lowercase; "&&" is a plain ampersand."""
    return [key.casefold() for key in re.findall(r"&([^&\s])", text.replace("&&", ""))]


def check(lupdate, src, catalogue):
    problems = []
    with tempfile.TemporaryDirectory() as work:
        copy = Path(work) / catalogue.name
        shutil.copy(catalogue, copy)
        # Without -no-obsolete a text changed in the sources leaves its old entry behind.
        run = subprocess.run([lupdate, "-locations", "none", src, "-ts", copy],
                             capture_output=True, text=True)
        if run.returncode != 0:
            return 0, [f"lupdate failed: {run.stdout}{run.stderr}".strip()]
        messages = list(ET.parse(copy).iter("message"))

    translated = defaultdict(set)
    for message in messages:
        source = message.findtext("source")
        translation = message.find("translation")
        forms = [form.text or "" for form in translation.iter("numerusform")] or [
            translation.text or ""]
        kind = translation.get("type")
        if kind or not all(forms):
            problems.append(f"{kind or 'empty'}: {source!r}")
            continue
        for text in forms:
            translated[source].add(text)
            if placeholders(text) != placeholders(source):
                problems.append(f"placeholders differ: {source!r} -> {text!r}")
            if len(access_keys(text)) != len(access_keys(source)):
                problems.append(f"access keys differ: {source!r} -> {text!r}")
            if (text == source and source not in SAME_IN_EVERY_LANGUAGE
                    and re.search(r"[^\W\d_]", re.sub(r"%[1-9n]", "", source))):
                problems.append(f"left in English: {source!r}")

    grouped = {source for sources in KEY_GROUPS.values() for source in sources}
    problems += [f"no translation of {source!r}, named in the access-key groups"
                 for source in sorted(grouped - translated.keys())]
    keys = {source: {key for text in translated[source] for key in access_keys(text)}
            for source in grouped}
    checked = set()  # a pair shared by several groups is reported once
    for group, sources in KEY_GROUPS.items():
        for first, second in combinations(sources, 2):
            if (pair := frozenset((first, second))) in checked:
                continue
            checked.add(pair)
            for key in keys[first] & keys[second]:
                problems.append(f"{group}: key {key!r} twice: {first!r} and {second!r}")
    return len(messages), problems


def main():
    lupdate, src, translations = sys.argv[1:]
    failed = False
    for language in LANGUAGES:
        count, problems = check(lupdate, src, Path(translations) / f"vellora_{language}.ts")
        print(f"{language}: {count} texts, " + ("; ".join(problems) if problems else "ok"))
        failed = failed or bool(problems)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
