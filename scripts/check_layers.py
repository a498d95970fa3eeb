#!/usr/bin/env python3
"""Fails when src/ runs against the layer graph (see docs/ARCHITECTURE.md).

A folder of src/ may include its own headers and those of any layer below it, and its CMake
targets may link, compile and search for headers only in its own folder and the layers below it:
platform -> common -> steps -> scene -> desktop | demo -> drill -> home -> updater, where the two
desktops (desktop, demo) stand side by side and neither uses the other.

Each file belongs to a target: the target whose source list names it (a header goes with its .cpp),
else the target named like its folder (or the folder's only target). A file includes only headers of
its own target and of the targets that target links, and only Qt headers of the Qt modules it links.
Only the forms runtime (target platform) includes Qt's widget headers. The widget-free targets
(platform_core, platform_gui, common_core, common, steps) link neither Qt Widgets nor the forms
runtime, however indirectly, and include none of the forms runtime's headers.

An include is found as the compiler finds it ("x" beside the file first, then the include folders;
<x> in the include folders only), so "../desktop/x.h" and <desktop/x.h> count as desktop's. A link
is read with the CMake variables of its file (set, list, file(GLOB), foreach) put in; one that
cannot be read is an error. A folder of src/ that the graph does not know, or a linked target that
no folder defines, is an error: give it a place first.

With --self-test the checker runs on small trees of its own and fails unless it catches each fault.
"""
import glob
import os
import pathlib
import re
import sys
import tempfile

LAYERS = ["platform", "common", "steps", "scene", "desktop", "demo", "drill", "home", "updater"]
RANK = {name: i for i, name in enumerate(LAYERS)}
# The two desktops stand side by side on the scene layer: neither uses the other.
RANK["demo"] = RANK["desktop"]


def where_is(other, layer):
    """'above' or 'beside' when folder `other` is out of reach of folder `layer`, else None."""
    if RANK[other] > RANK[layer]:
        return "above"
    if RANK[other] == RANK[layer] and other != layer:
        return "beside"
    return None
FORMS_RUNTIME = "platform"
WIDGET_FREE = ("platform_core", "platform_gui", "common_core", "common", "steps")

INCLUDE = re.compile(r'^[ \t]*#[ \t]*include[ \t]*(?:"([^"\n]+)"|<([^>\n]+)>)', re.M)
VARIABLE = re.compile(r"\$\{([A-Za-z0-9_]+)\}")
SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".cc", ".cxx", ".c", ".inl")
LINK_KEYWORDS = {"PUBLIC", "PRIVATE", "INTERFACE", "LINK_PUBLIC", "LINK_PRIVATE", "LINK_INTERFACE_LIBRARIES",
                 "debug", "optimized", "general"}
LIBRARY_KEYWORDS = {"STATIC", "SHARED", "MODULE", "OBJECT", "INTERFACE", "EXCLUDE_FROM_ALL", "ALIAS",
                    "IMPORTED", "GLOBAL", "WIN32", "MACOSX_BUNDLE"}
# What linking a Qt module brings with it.
QT_BRINGS = {"Qt6::Widgets": {"Qt6::Gui", "Qt6::Core"}, "Qt6::Gui": {"Qt6::Core"},
             "Qt6::Network": {"Qt6::Core"}, "Qt6::DBus": {"Qt6::Core"}, "Qt6::Test": {"Qt6::Core"}}
QT_FOLDERS = {"QtCore": "Qt6::Core", "QtGui": "Qt6::Gui", "QtWidgets": "Qt6::Widgets",
              "QtNetwork": "Qt6::Network", "QtDBus": "Qt6::DBus", "QtTest": "Qt6::Test"}
# Headers by module, when Qt's own folders cannot be found.
KNOWN_HEADERS = {
    "Qt6::Widgets": {"QWidget", "QApplication", "QLabel", "QPushButton", "QLineEdit", "QTextEdit",
                     "QPlainTextEdit", "QListWidget", "QMenu", "QMessageBox", "QMainWindow", "QDialog",
                     "QAbstractButton", "QScrollArea", "QComboBox", "QCheckBox", "QFrame", "QLayout"},
    "Qt6::Gui": {"QPixmap", "QImage", "QColor", "QFont", "QPainter", "QGuiApplication", "QScreen", "QCursor",
                 "QKeyEvent", "QMouseEvent", "QFontMetrics", "QDesktopServices"},
}


def qt_headers():
    """Header name (and "QtModule/name") -> the Qt module that holds it."""
    headers = {name: module for module, names in KNOWN_HEADERS.items() for name in names}
    for base in ("/usr/include/x86_64-linux-gnu/qt6", "/usr/include/aarch64-linux-gnu/qt6", "/usr/include/qt6"):
        if (pathlib.Path(base) / "QtWidgets").is_dir():
            for folder, module in QT_FOLDERS.items():
                path = pathlib.Path(base) / folder
                if path.is_dir():
                    for p in path.iterdir():
                        headers.setdefault(p.name, module)
            break
    return headers


def qt_module_of(header, headers):
    first, _, rest = header.partition("/")
    if rest:
        return QT_FOLDERS.get(first)
    return QT_FOLDERS.get(header) or headers.get(header)


def line_of(text, pos):
    return text.count("\n", 0, pos) + 1


# ---------------------------------------------------------------------------------------------
# CMake, read as far as the layers need: commands, their arguments and the variables they set.

def cmake_commands(text):
    """(name, [(argument, quoted)], line) for each command of a CMake file, comments left out."""
    commands = []
    i, n = 0, len(text)
    name_re = re.compile(r"([A-Za-z_][A-Za-z0-9_]*)[ \t]*\(")
    while i < n:
        c = text[i]
        if c == "#":
            end = text.find("\n", i)
            i = n if end < 0 else end
            continue
        m = name_re.match(text, i)
        if not m or (i > 0 and (text[i - 1].isalnum() or text[i - 1] == "_")):
            i += 1
            continue
        line = line_of(text, i)
        i = m.end()
        args, depth, current, quoted = [], 0, "", False
        while i < n:
            c = text[i]
            if c == '"':
                j = i + 1
                while j < n and text[j] != '"':
                    j += 2 if text[j] == "\\" else 1
                current += text[i + 1:j]
                quoted = True
                i = j + 1
                continue
            if c == "#":
                end = text.find("\n", i)
                i = n if end < 0 else end
                continue
            if c == "(":
                depth += 1
            elif c == ")":
                if depth == 0:
                    i += 1
                    break
                depth -= 1
            if c.isspace() or c in "()":
                if current or quoted:
                    args.append((current, quoted))
                current, quoted = "", False
            else:
                current += c
            i += 1
        if current or quoted:
            args.append((current, quoted))
        commands.append((m.group(1).lower(), args, line))
    return commands


class CMakeFile:
    """The targets a CMakeLists.txt defines, with their sources, include folders and links."""

    def __init__(self, path, globals_):
        self.path = path
        self.folder = path.parent
        self.vars = dict(globals_)
        self.vars.update({"CMAKE_CURRENT_SOURCE_DIR": str(self.folder),
                          "CMAKE_CURRENT_LIST_DIR": str(self.folder)})
        # Paths are placed where they are written: an argument that reads a variable of this file
        # was placed where that variable was set.
        self.fixed = set(self.vars)
        self.targets = {}   # name -> line
        self.sources = {}   # name -> [absolute paths]
        self.includes = {}  # name -> [absolute folders]
        self.links = []     # (target, item as written, [items read], unread variables, line)
        self.paths = []     # (command, path as written, absolute path, line)
        commands = cmake_commands(path.read_text(encoding="utf-8", errors="replace"))
        self.run(commands)

    def expand(self, arg, quoted=False):
        """The values an argument reads as, and the variables it names that are not known."""
        unknown = []

        def put(m):
            if m.group(1) in self.vars:
                return self.vars[m.group(1)]
            unknown.append(m.group(1))
            return m.group(0)

        text = arg
        for _ in range(10):
            new = VARIABLE.sub(put, text)
            if new == text:
                break
            text = new
        values = [text] if quoted else [v for v in text.split(";") if v]
        return values, sorted(set(unknown))

    def absolute(self, value):
        return pathlib.Path(os.path.normpath(self.folder / value))

    def note_paths(self, name, args, line):
        """Every argument that names a file or folder, to be placed in a layer."""
        for arg, quoted in args:
            if any(name not in self.fixed for name in VARIABLE.findall(arg)):
                continue
            values, _ = self.expand(arg, quoted)
            for value in values:
                if "/" in value or value.endswith(SOURCE_SUFFIXES):
                    self.paths.append((name, arg, self.absolute(value), line))

    def values(self, args):
        out = []
        for arg, quoted in args:
            out.extend(self.expand(arg, quoted)[0])
        return out

    def run(self, commands):
        i = 0
        while i < len(commands):
            name, args, line = commands[i]
            if name in ("function", "macro"):
                end = self.block_end(commands, i, name, "end" + name)
                i = end + 1
                continue
            if name == "foreach":
                end = self.block_end(commands, i, "foreach", "endforeach")
                self.note_paths(name, args, line)
                values = self.values(args)
                var, items = (values[0], values[1:]) if values else ("", [])
                if items[:1] == ["IN"]:
                    items, mode = [], None
                    for v in values[2:]:
                        if v in ("LISTS", "ITEMS"):
                            mode = v
                        elif mode == "LISTS":
                            items.extend(x for x in self.vars.get(v, "").split(";") if x)
                        else:
                            items.append(v)
                for item in items:
                    self.vars[var] = item
                    self.run(commands[i + 1:end])
                i = end + 1
                continue
            self.command(name, args, line)
            i += 1

    @staticmethod
    def block_end(commands, start, open_name, close_name):
        depth = 0
        for j in range(start, len(commands)):
            if commands[j][0] == open_name:
                depth += 1
            elif commands[j][0] == close_name:
                depth -= 1
                if depth == 0:
                    return j
        return len(commands)

    def command(self, name, args, line):
        if name in ("set", "list", "file", "add_library", "add_executable", "target_sources",
                    "target_include_directories", "configure_file", "include", "add_subdirectory"):
            self.note_paths(name, args[1:] if name in ("set", "list") else args, line)
        values = self.values(args)
        if not values:
            return
        if name == "set":
            items = values[1:]
            if "CACHE" in items:
                items = items[:items.index("CACHE")]
            items = [v for v in items if v != "PARENT_SCOPE"]
            self.vars[values[0]] = ";".join(items)
        elif name == "list" and len(values) >= 2:
            current = [v for v in self.vars.get(values[1], "").split(";") if v]
            if values[0] in ("APPEND", "PREPEND"):
                current = current + values[2:] if values[0] == "APPEND" else values[2:] + current
            elif values[0] == "REMOVE_ITEM":
                current = [v for v in current if v not in values[2:]]
            self.vars[values[1]] = ";".join(current)
        elif name == "file" and values[0] in ("GLOB", "GLOB_RECURSE") and len(values) >= 2:
            found = []
            for pattern in values[2:]:
                if pattern in ("CONFIGURE_DEPENDS", "LIST_DIRECTORIES", "RELATIVE", "true", "false"):
                    continue
                found.extend(sorted(glob.glob(str(self.absolute(pattern)), recursive=values[0] == "GLOB_RECURSE")))
            self.vars[values[1]] = ";".join(found)
        elif name in ("add_library", "add_executable"):
            target = values[0]
            self.targets[target] = line
            self.sources.setdefault(target, []).extend(
                self.absolute(v) for v in values[1:] if v not in LIBRARY_KEYWORDS)
        elif name == "target_sources":
            self.sources.setdefault(values[0], []).extend(
                self.absolute(v) for v in values[1:] if v not in LINK_KEYWORDS)
        elif name == "target_include_directories":
            self.includes.setdefault(values[0], []).extend(
                self.absolute(v) for v in values[1:] if v not in LINK_KEYWORDS | {"SYSTEM", "BEFORE", "AFTER"})
        elif name == "target_link_libraries":
            target = self.expand(args[0][0], args[0][1])[0][0]
            for arg, quoted in args[1:]:
                items, unknown = self.expand(arg, quoted)
                self.links.append((target, arg, items, unknown, line))


def read_globals(root):
    """The variables the top CMakeLists.txt sets, which every folder sees."""
    globals_ = {"CMAKE_SOURCE_DIR": str(root), "PROJECT_SOURCE_DIR": str(root),
                "CMAKE_CURRENT_SOURCE_DIR": str(root)}
    top = root / "CMakeLists.txt"
    if top.is_file():
        for name, args, _ in cmake_commands(top.read_text(encoding="utf-8", errors="replace")):
            if name == "set" and args:
                items = [a for a, _ in args[1:]]
                if "CACHE" in items:
                    items = items[:items.index("CACHE")]
                globals_.setdefault(args[0][0], ";".join(i for i in items if i != "PARENT_SCOPE"))
    return globals_


# ---------------------------------------------------------------------------------------------

def check(root, widget_free=WIDGET_FREE, forms_runtime=FORMS_RUNTIME):
    root = pathlib.Path(os.path.abspath(root))
    src = root / "src"
    headers = qt_headers()
    faults = []

    def rel(p):
        return os.path.relpath(p, root)

    def layer_of_path(p):
        """The layer folder a path lies in; "" for src/ itself or the top; None outside the layers."""
        r = pathlib.Path(rel(p)).parts
        if r[:1] == ("..",):
            return ""
        if r[:1] != ("src",):
            return None if r and r != (".",) else ""
        return r[1] if len(r) > 1 else ""

    folders = sorted(p for p in src.iterdir() if p.is_dir())
    globals_ = read_globals(root)
    cmakes = {}
    for folder in folders:
        if folder.name not in RANK:
            faults.append(f"src/{folder.name}: a folder the layer graph does not know")
            continue
        if (folder / "CMakeLists.txt").is_file():
            cmakes[folder.name] = CMakeFile(folder / "CMakeLists.txt", globals_)

    layer_of_target = {t: layer for layer, cm in cmakes.items() for t in cm.targets}

    # Paths named by a folder's CMakeLists.txt: sources, globs and include folders of its own or below.
    for layer, cm in cmakes.items():
        for command, written, path, line in cm.paths:
            where = f"{rel(cm.path)}:{line}"
            other = layer_of_path(path)
            what = {"target_include_directories": "an include folder"}.get(command, "a file or folder")
            if command in ("add_library", "add_executable", "target_sources", "file"):
                what = "a source"
            if other is None:
                faults.append(f"{where}: {layer} names {what} outside src/ ({written}), above every layer")
            elif other and other in RANK and where_is(other, layer):
                faults.append(f"{where}: {layer} names {what} in {other}/ ({written}), "
                              f"a layer {where_is(other, layer)} it")

    # The link graph.
    edges = {}  # target -> [(linked, where)]
    for layer, cm in cmakes.items():
        for target, written, items, unknown, line in cm.links:
            where = f"{rel(cm.path)}:{line}"
            if unknown:
                faults.append(f"{where}: {target} links through {written}, which the check cannot read")
                continue
            for item in items:
                if item in LINK_KEYWORDS or item.startswith("-") or "/" in item:
                    continue
                if "$<" in item:
                    names = [n for n in re.findall(r"[A-Za-z0-9_]+(?:::[A-Za-z0-9_]+)?", item)
                             if n in layer_of_target or "::" in n]
                else:
                    names = [item]
                for linked in names:
                    if "::" in linked:
                        edges.setdefault(target, []).append((linked, where))
                    elif linked not in layer_of_target:
                        faults.append(f"{where}: {target} links {linked}, which no folder of src/ defines")
                    elif where_is(layer_of_target[linked], layer):
                        faults.append(f"{where}: {target} ({layer}) links {linked} "
                                      f"({layer_of_target[linked]}), "
                                      f"a layer {where_is(layer_of_target[linked], layer)} it")
                    else:
                        edges.setdefault(target, []).append((linked, where))

    reach_cache = {}

    def reach(target):
        """Every target and Qt module a target links, however indirectly, itself included."""
        if target not in reach_cache:
            seen, todo = {target}, [target]
            while todo:
                t = todo.pop()
                nxt = [linked for linked, _ in edges.get(t, [])] + list(QT_BRINGS.get(t, ()))
                for linked in nxt:
                    if linked not in seen:
                        seen.add(linked)
                        todo.append(linked)
            reach_cache[target] = seen
        return reach_cache[target]

    def brings_widgets(target):
        r = reach(target)
        return forms_runtime in r or "Qt6::Widgets" in r

    # The widget-free targets bring no widgets: each link that brings them is named once, where a
    # widget-free target links something that is not widget-free.
    for target in widget_free:
        if target not in layer_of_target:
            faults.append(f"{target}: a widget-free target that no folder of src/ defines")
            continue
        for linked, where in edges.get(target, []):
            if linked in widget_free:
                continue
            if linked == "Qt6::Widgets" or brings_widgets(linked):
                faults.append(f"{where}: {target} is widget-free and links {linked}, which brings widgets")

    # Each file's target.
    file_target = {}
    for layer, cm in cmakes.items():
        for target, sources in cm.sources.items():
            for s in sources:
                if layer_of_path(s) == layer:  # a file of another folder is a fault of its own
                    file_target.setdefault(s, target)
    include_dirs = {}
    for layer, cm in cmakes.items():
        include_dirs[layer] = [p for dirs in cm.includes.values() for p in dirs]

    def target_of(f):
        if f in file_target:
            return file_target[f]
        layer = layer_of_path(f)
        if f.suffix in (".h", ".hpp", ".inl"):
            for suffix in (".cpp", ".cc", ".cxx"):
                if f.with_suffix(suffix) in file_target:
                    return file_target[f.with_suffix(suffix)]
        cm = cmakes.get(layer)
        if cm is None:
            return None
        if layer in cm.targets:
            return layer
        return next(iter(cm.targets)) if len(cm.targets) == 1 else None

    def resolve(f, header, quoted):
        """The file an include names, as the compiler finds it; a guess when it does not exist."""
        layer = layer_of_path(f)
        places = ([f.parent] if quoted else []) + [src] + include_dirs.get(layer, [])
        for place in places:
            p = pathlib.Path(os.path.normpath(place / header))
            if p.is_file():
                return p
        if quoted and header.startswith("."):
            return pathlib.Path(os.path.normpath(f.parent / header))
        first = header.split("/")[0]
        if "/" in header and (first in RANK or (src / first).is_dir()):
            return pathlib.Path(os.path.normpath(src / header))
        return None

    for folder in folders:
        if folder.name not in RANK:
            continue
        own = RANK[folder.name]
        for f in sorted(folder.rglob("*")):
            if f.suffix not in SOURCE_SUFFIXES or not f.is_file():
                continue
            f = pathlib.Path(os.path.normpath(f))
            text = f.read_text(encoding="utf-8", errors="replace")
            mine = target_of(f)
            free = mine in widget_free
            for m in INCLUDE.finditer(text):
                where = f"{rel(f)}:{line_of(text, m.start())}"
                header = m.group(1) or m.group(2)
                quoted = m.group(1) is not None
                found = resolve(f, header, quoted)
                if found is not None:
                    other = layer_of_path(found)
                    if other is None or (other and other not in RANK):
                        faults.append(f"{where}: includes {header}, which is not in a layer of src/")
                        continue
                    if not other:
                        continue
                    if where_is(other, folder.name):
                        faults.append(f"{where}: {folder.name} includes {header}, of {other}, "
                                      f"a layer {where_is(other, folder.name)} it")
                        continue
                    theirs = target_of(found)
                    if mine is None or theirs is None or theirs == mine:
                        continue
                    if free and (theirs == forms_runtime or theirs not in widget_free):
                        faults.append(f"{where}: {mine} is widget-free and includes {header}, "
                                      f"a header of {theirs}")
                    elif theirs not in reach(mine):
                        faults.append(f"{where}: {mine} includes {header}, a header of {theirs}, "
                                      "which it does not link")
                    continue
                if quoted and "/" in header:
                    faults.append(f"{where}: includes {header}, which is not in a layer of src/")
                    continue
                module = qt_module_of(header, headers)
                if module is None:
                    continue
                if module == "Qt6::Widgets" and mine != forms_runtime:
                    faults.append(f"{where}: {mine or folder.name} includes the widget header <{header}>, "
                                  f"which only the forms runtime ({forms_runtime}) may")
                elif mine is not None and module not in reach(mine):
                    faults.append(f"{where}: {mine} includes <{header}> of {module}, which it does not link")
    return faults


# ---------------------------------------------------------------------------------------------

SOUND = {
    # The platform folder: a Qt Core part and the forms runtime on top of it. A file not named in
    # the core's list belongs to the forms runtime.
    "src/platform/CMakeLists.txt":
        "set(core_files core.h core.cpp)\n"
        "add_library(platform_core STATIC ${core_files})\n"
        "target_include_directories(platform_core PUBLIC ${CMAKE_SOURCE_DIR}/src)\n"
        "target_link_libraries(platform_core PUBLIC Qt6::Core)\n"
        "file(GLOB forms CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)\n"
        "foreach(f ${core_files})\n"
        "  list(REMOVE_ITEM forms ${CMAKE_CURRENT_SOURCE_DIR}/${f})\n"
        "endforeach()\n"
        "add_library(platform STATIC ${forms})\n"
        "target_link_libraries(platform PUBLIC platform_core Qt6::Widgets)\n",
    "src/platform/core.h": "#include <QString>\n",
    "src/platform/core.cpp": "#include \"platform/core.h\"\n#include <QFile>\n",
    "src/platform/form.h": "#include \"core.h\"\n",
    "src/platform/form.cpp": "#include \"form.h\"\n#include <QWidget>\n#include <QtWidgets/QLabel>\n",
    "src/common/CMakeLists.txt": "add_library(common STATIC b.cpp)\n"
                                 "# target_link_libraries(common PUBLIC platform)\n"
                                 "set(lower platform_core)\n"
                                 "target_link_libraries(common\n  PUBLIC ${lower} Qt6::Core)\n",
    "src/common/b.h": "#include <QString>\n",
    "src/common/b.cpp": "#include \"b.h\"\n#include \"../platform/core.h\"\n",
    "src/steps/CMakeLists.txt": "file(GLOB s ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)\nadd_library(steps STATIC ${s})\n"
                                "target_link_libraries(steps PUBLIC common Qt6::Core)\n",
    "src/steps/s.cpp": "#include <common/b.h>\n#include \"platform/core.h\"\n",
    "src/desktop/CMakeLists.txt": "add_library(desktop STATIC d.cpp)\n"
                                  "target_link_libraries(desktop PUBLIC steps $<TARGET_NAME:platform>)\n",
    "src/desktop/d.h": "#include \"platform/form.h\"\n",
    "src/desktop/d.cpp": "#include \"desktop/d.h\"\n#include <QPixmap>\n",
}
FREE = ("platform_core", "common", "steps")


def self_test():
    """Each fault the checker must catch, on a small tree of four layers; and the sound tree passes."""
    common = "src/common/CMakeLists.txt"
    steps = "src/steps/CMakeLists.txt"
    # Each case changes or adds files of the sound tree; it brings exactly one fault, which says
    # what the case names (the sound tree brings none).
    cases = {
        "sound": ({}, None),
        # Includes that point up, however written.
        "an include upwards": ({"src/platform/c.cpp": "#include \"common/b.h\"\n"}, "a layer above it"),
        "a relative include upwards": ({"src/common/c.cpp": "#include \"../steps/s.h\"\n",
                                        "src/steps/s.h": "\n"}, "includes ../steps/s.h, of steps"),
        "a relative include upwards to no file": (
            {"src/common/c.cpp": "#include \"../../src/desktop/x.h\"\n"}, "of desktop, a layer above it"),
        "an angle-bracket include upwards": ({"src/platform/c.cpp": "#  include <steps/gone.h>\n"},
                                             "of steps, a layer above it"),
        "an include of the desktop beside it": (
            {"src/demo/CMakeLists.txt": "add_library(demo STATIC y.cpp)\n"
                                        "target_link_libraries(demo PUBLIC steps platform)\n",
             "src/demo/y.cpp": "#include \"desktop/d.h\"\n"}, "of desktop, a layer beside it"),
        "a link to the desktop beside it": (
            {"src/demo/CMakeLists.txt": "add_library(demo STATIC y.cpp)\n"
                                        "target_link_libraries(demo PUBLIC steps platform desktop)\n",
             "src/demo/y.cpp": "#include \"platform/form.h\"\n"}, "links desktop (desktop), a layer beside it"),
        "an include of no layer": ({"src/common/c.cpp": "#include \"tests/t.h\"\n"}, "not in a layer"),
        # Include folders, and sources of a higher folder compiled into a lower target.
        "an include folder upwards": (
            {common: "add_library(common STATIC b.cpp)\n"
                     "target_include_directories(common PUBLIC ${CMAKE_SOURCE_DIR}/src/desktop)\n"
                     "target_link_libraries(common PUBLIC platform_core)\n"}, "an include folder in desktop/"),
        "a relative include folder upwards": (
            {common: "add_library(common STATIC b.cpp)\n"
                     "target_include_directories(common PRIVATE \"../steps\")\n"
                     "target_link_libraries(common PUBLIC platform_core)\n"}, "an include folder in steps/"),
        "an include folder outside src": (
            {common: "add_library(common STATIC b.cpp)\n"
                     "target_include_directories(common PRIVATE ${CMAKE_SOURCE_DIR}/tests)\n"
                     "target_link_libraries(common PUBLIC platform_core)\n"}, "an include folder outside src/"),
        "a higher folder's source in a lower target": (
            {common: "add_library(common STATIC b.cpp ../desktop/d.cpp)\n"
                     "target_link_libraries(common PUBLIC platform_core)\n"}, "a source in desktop/"),
        "a higher folder's source added by target_sources": (
            {common: "add_library(common STATIC b.cpp)\n"
                     "target_sources(common PRIVATE ${PROJECT_SOURCE_DIR}/src/steps/s.cpp)\n"
                     "target_link_libraries(common PUBLIC platform_core)\n"}, "a source in steps/"),
        "a higher folder's sources by a glob": (
            {steps: "file(GLOB s ${CMAKE_CURRENT_SOURCE_DIR}/../desktop/*.cpp)\n"
                    "add_library(steps STATIC ${s})\n"
                    "target_link_libraries(steps PUBLIC common)\n"}, "a source in desktop/"),
        "a higher folder's source through a variable of the top file": (
            {"CMakeLists.txt": "set(DESK ${CMAKE_SOURCE_DIR}/src/desktop)\n",
             steps: "add_library(steps STATIC s.cpp ${DESK}/d.cpp)\n"
                    "target_link_libraries(steps PUBLIC common)\n"}, "a source in desktop/"),
        # Links that point up, however written.
        "a link upwards": ({"src/platform/CMakeLists.txt": SOUND["src/platform/CMakeLists.txt"]
                            + "target_link_libraries(platform PRIVATE common)\n"},
                           "links common (common), a layer"),
        "a link upwards through a variable": (
            {common: "add_library(common STATIC b.cpp)\n"
                     "set(libs platform_core)\nlist(APPEND libs steps)\n"
                     "target_link_libraries(common PUBLIC ${libs})\n"}, "links steps (steps), a layer"),
        "a link upwards through a foreach": (
            {common: "add_library(common STATIC b.cpp)\n"
                     "foreach(lib platform_core desktop)\n"
                     "  target_link_libraries(common PUBLIC ${lib})\n"
                     "endforeach()\n"}, "links desktop (desktop), a layer"),
        "a link upwards in a generator expression": (
            {common: "add_library(common STATIC b.cpp)\n"
                     "target_link_libraries(common PUBLIC platform_core $<$<BOOL:ON>:steps>)\n"},
            "links steps (steps), a layer"),
        "a link through a variable the check cannot read": (
            {common: "add_library(common STATIC b.cpp)\n"
                     "target_link_libraries(common PUBLIC platform_core ${SOMEWHERE})\n"}, "cannot read"),
        "a link to no target": ({common: "add_library(common STATIC b.cpp)\n"
                                         "target_link_libraries(common PUBLIC platform_core drill)\n"},
                                "links drill, which no folder"),
        # Widgets below the forms runtime, and Qt modules a target does not link.
        "a widget header above the forms runtime": ({"src/desktop/c.cpp": "#include <QLabel>\n"},
                                                    "widget header <QLabel>"),
        "a widget header in the widget-free platform": ({"src/platform/core.h": "#include <QtWidgets/QWidget>\n"},
                                                        "widget header <QtWidgets/QWidget>"),
        "a forms header in the widget-free platform": ({"src/platform/core.h": "#include \"platform/form.h\"\n"},
                                                       "platform_core is widget-free and includes"),
        "a forms header named without its folder": ({"src/platform/core.h": "#include \"form.h\"\n"},
                                                    "platform_core is widget-free and includes form.h"),
        "a widget header in a file added by target_sources": (
            {"src/platform/CMakeLists.txt": SOUND["src/platform/CMakeLists.txt"]
             + "target_sources(platform_core PRIVATE extra.cpp)\n",
             "src/platform/extra.cpp": "#include <QWidget>\n"}, "platform_core includes the widget header"),
        "a forms header in the step library": ({"src/steps/s.cpp": "#include \"../platform/form.h\"\n"},
                                               "steps is widget-free and includes"),
        "a Gui header in a Core-only target": ({"src/steps/s.cpp": "#include <QPixmap>\n"},
                                               "<QPixmap> of Qt6::Gui"),
        "a header of a target not linked": (
            {"src/desktop/CMakeLists.txt": "add_library(desktop STATIC d.cpp)\n"
                                           "target_link_libraries(desktop PUBLIC steps Qt6::Gui)\n"},
            "a header of platform, which it does not link"),
        "a widget-free target linking the forms runtime": (
            {common: "add_library(common STATIC b.cpp)\n"
                     "target_link_libraries(common PUBLIC platform)\n"},
            "common is widget-free and links platform"),
        "a widget-free target linking Qt Widgets": (
            {"src/platform/CMakeLists.txt": SOUND["src/platform/CMakeLists.txt"]
             .replace("PUBLIC Qt6::Core", "PUBLIC Qt6::Core Qt6::Widgets")}, "links Qt6::Widgets"),
        "a widget-free target that no folder defines": (
            {steps: "add_library(steplib STATIC s.cpp)\ntarget_link_libraries(steplib PUBLIC common)\n",
             "src/desktop/CMakeLists.txt": "add_library(desktop STATIC d.cpp)\n"
                                           "target_link_libraries(desktop PUBLIC steplib platform)\n"},
            "steps: a widget-free target"),
        "an unknown folder": ({"src/extra/d.cpp": "\n"}, "src/extra: a folder"),
    }
    failed = 0
    for what, (change, words) in cases.items():
        with tempfile.TemporaryDirectory() as tmp:
            for path, text in {**SOUND, **change}.items():
                p = pathlib.Path(tmp) / path
                p.parent.mkdir(parents=True, exist_ok=True)
                p.write_text(text, encoding="utf-8")
            found = check(tmp, widget_free=FREE)
            if (words is None and found) or (words is not None and (len(found) != 1 or words not in found[0])):
                expected = "no fault" if words is None else f"one fault saying '{words}'"
                print(f"self-test '{what}': expected {expected}, found {found}")
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
