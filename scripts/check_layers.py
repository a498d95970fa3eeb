#!/usr/bin/env python3
"""Fails when src/ runs against the layer graph (see docs/ARCHITECTURE.md).

A folder of src/ may include its own headers and those of any layer below it, and its CMake
targets may link its own targets and those of the layers below it:
platform -> common -> steps -> scene -> desktop -> demo -> drill -> home -> updater.
Only platform includes Qt's widget headers. A folder of src/ that the graph does not know, or a
target of ours that no folder defines, is an error: give it a place first.

With --self-test the checker runs on small trees of its own and fails unless it catches each fault.
"""
import pathlib
import re
import sys
import tempfile

LAYERS = ["platform", "common", "steps", "scene", "desktop", "demo", "drill", "home", "updater"]
RANK = {name: i for i, name in enumerate(LAYERS)}
INCLUDE = re.compile(r'^\s*#\s*include\s*"([A-Za-z0-9_]+)/[^"]+"', re.M)
SYSTEM_INCLUDE = re.compile(r"^\s*#\s*include\s*<([A-Za-z0-9_/]+)>", re.M)
ADD_LIBRARY = re.compile(r"\badd_library\s*\(\s*([A-Za-z0-9_]+)", re.I)
LINK = re.compile(r"\btarget_link_libraries\s*\(\s*([A-Za-z0-9_]+)([^)]*)\)", re.I | re.S)
LINK_KEYWORDS = {"PUBLIC", "PRIVATE", "INTERFACE"}
# Widget headers, when Qt's own folder cannot be found.
WIDGET_HEADERS = {"QWidget", "QApplication", "QLabel", "QPushButton", "QLineEdit", "QTextEdit",
                  "QPlainTextEdit", "QListWidget", "QMenu", "QMessageBox", "QMainWindow", "QDialog",
                  "QAbstractButton", "QScrollArea", "QComboBox", "QCheckBox", "QFrame", "QLayout"}


def widget_headers():
    for base in ("/usr/include/x86_64-linux-gnu/qt6", "/usr/include/aarch64-linux-gnu/qt6",
                 "/usr/include/qt6"):
        folder = pathlib.Path(base) / "QtWidgets"
        if folder.is_dir():
            return {p.name for p in folder.iterdir() if p.name.startswith("Q")} | WIDGET_HEADERS
    return WIDGET_HEADERS


def line_of(text, pos):
    return text.count("\n", 0, pos) + 1


def check(root):
    root = pathlib.Path(root)
    src = root / "src"
    widgets = widget_headers()
    faults = []
    layer_of_target = {}
    links = []  # (layer, target, linked, where)
    for folder in sorted(p for p in src.iterdir() if p.is_dir()):
        if folder.name not in RANK:
            faults.append(f"src/{folder.name}: a folder the layer graph does not know")
            continue
        own = RANK[folder.name]
        for f in sorted(folder.rglob("*")):
            if f.suffix not in (".h", ".cpp"):
                continue
            text = f.read_text(encoding="utf-8", errors="replace")
            for m in INCLUDE.finditer(text):
                target = m.group(1)
                where = f"{f.relative_to(root)}:{line_of(text, m.start())}"
                if target not in RANK:
                    faults.append(f"{where}: includes {target}/, which is not a layer of src/")
                elif RANK[target] > own:
                    faults.append(f"{where}: {folder.name} includes {target}/, a layer above it")
            if folder.name != "platform":
                for m in SYSTEM_INCLUDE.finditer(text):
                    header = m.group(1)
                    name = header.split("/")[-1]
                    if header.startswith("QtWidgets") or name in widgets:
                        where = f"{f.relative_to(root)}:{line_of(text, m.start())}"
                        faults.append(f"{where}: {folder.name} includes the widget header <{header}>, "
                                      "which only platform may")
        cmake = folder / "CMakeLists.txt"
        if cmake.is_file():
            text = cmake.read_text(encoding="utf-8", errors="replace")
            text = re.sub(r"#[^\n]*", "", text)
            for m in ADD_LIBRARY.finditer(text):
                layer_of_target[m.group(1)] = folder.name
            for m in LINK.finditer(text):
                where = f"{cmake.relative_to(root)}:{line_of(text, m.start())}"
                for linked in m.group(2).split():
                    if linked.upper() not in LINK_KEYWORDS and "::" not in linked:
                        links.append((folder.name, m.group(1), linked, where))
    for layer, target, linked, where in links:
        if linked not in layer_of_target:
            faults.append(f"{where}: {target} links {linked}, which no folder of src/ defines")
        elif RANK[layer_of_target[linked]] > RANK[layer]:
            faults.append(f"{where}: {target} ({layer}) links {linked} ({layer_of_target[linked]}), "
                          "a layer above it")
    return faults


def self_test():
    """Each fault the checker must catch, on a tree of two layers; and a sound tree passes."""
    sound = {
        "src/platform/CMakeLists.txt": "add_library(platform STATIC a.cpp)\n"
                                       "target_link_libraries(platform PUBLIC Qt6::Widgets)\n",
        "src/platform/a.cpp": "#include <QWidget>\n#include \"platform/a.h\"\n",
        "src/common/CMakeLists.txt": "add_library(common STATIC b.cpp)\n"
                                     "target_link_libraries(common\n  PUBLIC platform Qt6::Core)\n",
        "src/common/b.cpp": "#include <QString>\n#include \"platform/a.h\"\n",
    }
    cases = {
        "sound": ({}, 0),
        "an include upwards": ({"src/platform/c.cpp": "#include \"common/b.h\"\n"}, 1),
        "a widget header above platform": ({"src/common/c.cpp": "#include <QLabel>\n"}, 1),
        "a link upwards": ({"src/platform/CMakeLists.txt": "add_library(platform STATIC a.cpp)\n"
                                                          "target_link_libraries(platform PRIVATE common)\n"}, 1),
        "a link to no target": ({"src/common/CMakeLists.txt": "add_library(common STATIC b.cpp)\n"
                                                             "target_link_libraries(common PUBLIC drill)\n"}, 1),
        "an unknown folder": ({"src/extra/d.cpp": "\n"}, 1),
    }
    failed = 0
    for what, (change, expected) in cases.items():
        with tempfile.TemporaryDirectory() as tmp:
            for path, text in {**sound, **change}.items():
                p = pathlib.Path(tmp) / path
                p.parent.mkdir(parents=True, exist_ok=True)
                p.write_text(text, encoding="utf-8")
            found = check(tmp)
            if len(found) != expected:
                print(f"self-test '{what}': expected {expected} fault(s), found {found}")
                failed += 1
    return 1 if failed else 0


def main(args):
    if args and args[0] == "--self-test":
        return self_test()
    faults = check(args[0] if args else ".")
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
