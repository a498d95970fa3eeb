#!/usr/bin/env python3
"""Fails when an #include in src/ runs against the layer graph (see docs/ARCHITECTURE.md).

A folder of src/ may include its own headers and those of any layer below it:
platform -> common -> steps -> desktop -> demo -> drill -> home -> updater.
A folder of src/ that the graph does not know is an error: give it a place first.
"""
import pathlib
import re
import sys

LAYERS = ["platform", "common", "steps", "desktop", "demo", "drill", "home", "updater"]
RANK = {name: i for i, name in enumerate(LAYERS)}
INCLUDE = re.compile(r'^\s*#\s*include\s*"([A-Za-z0-9_]+)/[^"]+"', re.M)


def main(root):
    src = pathlib.Path(root) / "src"
    faults = []
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
                line = text.count("\n", 0, m.start()) + 1
                where = f"{f.relative_to(root)}:{line}"
                if target not in RANK:
                    faults.append(f"{where}: includes {target}/, which is not a layer of src/")
                elif RANK[target] > own:
                    faults.append(f"{where}: {folder.name} includes {target}/, a layer above it")
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else "."))
