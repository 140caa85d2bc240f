#!/usr/bin/env python3
"""Fails when a shown text is not marked for translation, when the translation files in the tree
are behind the sources, or when the English translation leaves a text unfinished.

Usage: check_translations.py SOURCE_FOLDER LUPDATE
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

# Calls that put their text argument in front of the user: captions, titles, list entries,
# messages and the command line's errors.
SHOWN = re.compile(
    r"(\b(setText|setWindowTitle|setToolTip|setStatusTip|setPlaceholderText|setTitle|setTabText|addTab|"
    r"insertTab|addItem|addItems|insertItem|setHeaderLabels|setHorizontalHeaderLabels|setLabelText|"
    r"setSpecialValueText|setPrefix|setSuffix|message|askYesNo|critical|refuseCommand|failCommand|"
    r"dialogButton|setHeaderData)\s*\(|"
    r"\bnew\s+Q(Label|PushButton|CheckBox|RadioButton|GroupBox|Action)\s*\(|"
    r"\bcommand(Output|Errors)\(\)\s*<<)")
LITERAL = re.compile(r'"((?:[^"\\]|\\.)*)"')
WORD = re.compile(r"[A-Za-zÆØÅæøå]{2,}")
CONTROL_NAME = re.compile(r"[A-Za-z]+_?(\d+|%\d)(_\d+)?|frm_?\w+")
PROGRAM_NAME = "Lirvenda"  # the same in every language
NAMING = re.compile(r'\b(numbered|elementName|setObjectName)\(\s*(QStringLiteral\()?"[^"]*"')
MARKED = re.compile(r"\b(tr|translate|QT_TR_NOOP|QT_TRANSLATE_NOOP)\s*\(")


def unmarked_texts(root):
    """Lines that hand a literal text with a word in it to a call that shows it, unmarked."""
    found = []
    for folder, _, files in os.walk(os.path.join(root, "src")):
        for name in sorted(files):
            if not name.endswith((".cpp", ".h")):
                continue
            path = os.path.join(folder, name)
            with open(path, encoding="utf-8") as source:
                for number, line in enumerate(source, 1):
                    code = line.split("//")[0] if not line.lstrip().startswith("//") else ""
                    call = SHOWN.search(code)
                    if not call or MARKED.search(code):
                        continue
                    rest = NAMING.sub("", code[call.start():])
                    shown = [text for text in LITERAL.findall(rest) if WORD.search(text)]
                    # A control's name beside a caption ("Command7", "Label%1", "frm_GPS") is no text,
                    # nor is the program's name.
                    shown = [text for text in shown if not CONTROL_NAME.fullmatch(text) and text != PROGRAM_NAME]
                    if shown:
                        found.append(f"{os.path.relpath(path, root)}:{number}: {line.strip()}")
    return found


def uncovered_folders(root):
    """Source folders with code that no line of translations/areas names."""
    with open(os.path.join(root, "translations", "areas"), encoding="utf-8") as areas:
        named = {folder for line in areas if line.strip() and not line.startswith("#")
                 for folder in line.split()[1:]}
    found = []
    for folder, _, files in os.walk(os.path.join(root, "src")):
        relative = os.path.relpath(folder, root)
        if any(name.endswith(".cpp") for name in files) and not any(
                relative == area or relative.startswith(area + os.sep) for area in named):
            found.append(relative)
    return found


def messages(path):
    """(context, source) -> translation element of a translation file."""
    result = {}
    for context in ElementTree.parse(path).getroot().iter("context"):
        context_name = context.findtext("name")
        for message in context.iter("message"):
            result[(context_name, message.findtext("source"))] = message.find("translation")
    return result


def main():
    root, lupdate = sys.argv[1], sys.argv[2]
    faults = [f"shown but not marked for translation: {line}" for line in unmarked_texts(root)]
    faults += [f"in no line of translations/areas: {folder}" for folder in uncovered_folders(root)]
    tree = os.path.join(root, "translations")
    with tempfile.TemporaryDirectory() as scratch:
        fresh = os.path.join(scratch, "translations")
        shutil.copytree(tree, fresh)
        subprocess.run([os.path.join(root, "scripts", "update-translations"), "--into", fresh], check=True,
                       env=dict(os.environ, LUPDATE=lupdate))
        for language in sorted(os.listdir(fresh)):
            if not os.path.isdir(os.path.join(fresh, language)):
                continue
            for name in sorted(os.listdir(os.path.join(fresh, language))):
                kept = messages(os.path.join(tree, language, name))
                now = messages(os.path.join(fresh, language, name))
                file = f"translations/{language}/{name}"
                for key in sorted(now.keys() - kept.keys()):
                    faults.append(f"{file}: not yet in the file (run scripts/update-translations): {key}")
                for key in sorted(kept.keys() - now.keys()):
                    faults.append(f"{file}: no longer in the sources (run scripts/update-translations): {key}")
                if language != "en":
                    continue
                for key, translation in sorted(now.items()):
                    if translation is None or translation.get("type") or not (translation.text or "").strip():
                        faults.append(f"{file}: not translated: {key}")
    for fault in faults:
        print(fault)
    print(f"{len(faults)} fault(s)")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
