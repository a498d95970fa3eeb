#!/usr/bin/env python3
"""Fails when src/ runs against the layer graph (see docs/ARCHITECTURE.md).

    python3 scripts/check_layers.py TREE [--build DIR] [--jobs N]
    python3 scripts/check_layers.py --self-test [--jobs N]

The layers, lowest first: platform -> common -> steps -> scene -> desktop | demo -> drill -> home
-> updater, where the two desktops (desktop, demo) stand side by side and neither uses the other.

The check reads what the build resolved, never the text of CMake files or sources. It configures
TREE with CMake (Ninja) in a folder of its own (a temporary one unless --build names it) and asks:

- CMake's file API for each target: the folder that defines it, its sources and its include
  folders. A helper CMake file, included at the end of the tree's project(), records each target's
  link items (LINK_LIBRARIES and INTERFACE_LINK_LIBRARIES, however they were set, with ALIAS names
  resolved) and adds one probe program per library, never built, whose link line is everything that
  linking the library brings, Qt modules included.
- The compiler, for each file of src/: every source as its target compiles it, and every other file
  (headers, whatever their suffix, and sources no target of their folder compiles) with the flags of
  the target it belongs to, preprocessed with -H, which names each header as the compiler finds it.
  Paths are placed after resolving symlinks.

A target belongs to the layer of the folder of src/ that defines it; a target defined elsewhere that
compiles a file of src/, and a folder of src/ the graph does not know, are faults. A file belongs
to the target whose source list names it, else the target of the .cpp of the same name, else the
target named like its folder, else the folder's only target.

Then: a target links only targets of its own layer or below, and no plain library name; its sources
and include folders lie in its own layer or below (src/ itself allowed as an include folder). Each
file includes only headers of its own layer or below, of its own target or of the targets that target
links however indirectly, and only Qt headers of the Qt modules its target links; a header the
compiler cannot find is a fault. The widget-free targets link neither Qt Widgets nor the forms runtime,
however indirectly, and include none of its headers; the Qt-Core-only targets link no other Qt
module; only the forms runtime includes Qt's widget headers itself.

With --self-test the checker runs on small trees of its own and fails unless it catches each fault.
"""
import argparse
import concurrent.futures
import json
import os
import re
import shlex
import shutil
import subprocess
import sys
import tempfile

LAYERS = ["platform", "common", "steps", "scene", "desktop", "demo", "drill", "home", "updater"]
RANK = {name: i for i, name in enumerate(LAYERS)}
# The two desktops stand side by side on the scene layer: neither uses the other.
RANK["demo"] = RANK["desktop"]
FORMS_RUNTIME = "platform"
WIDGET_FREE = ("platform_core", "platform_gui", "common_core", "common", "steps")
CORE_ONLY = ("platform_core", "common_core", "steps")

SOURCE_SUFFIXES = (".c", ".cc", ".cpp", ".cxx", ".c++", ".C")
HEADER_SUFFIXES = (".h", ".hh", ".hpp", ".hxx", ".h++", ".H", ".inl", ".ipp", ".tpp", ".tcc")
PROBE_PREFIX = "layers_check_probe_"
CLIENT = "client-check_layers"

# Included by CMake at the end of the tree's project(): at the end of the top folder, when every
# target exists, it writes each target's link items and adds the probe programs.
PROBE_CMAKE = r"""
get_property(_layers_check_scheduled GLOBAL PROPERTY LAYERS_CHECK_SCHEDULED)
if(NOT _layers_check_scheduled)
  set_property(GLOBAL PROPERTY LAYERS_CHECK_SCHEDULED ON)
  cmake_language(DEFER DIRECTORY "${CMAKE_SOURCE_DIR}" CALL _layers_check_run)
endif()

function(_layers_check_walk dir)
  get_property(targets DIRECTORY "${dir}" PROPERTY BUILDSYSTEM_TARGETS)
  foreach(t IN LISTS targets)
    _layers_check_describe("${t}")
  endforeach()
  get_property(subs DIRECTORY "${dir}" PROPERTY SUBDIRECTORIES)
  foreach(s IN LISTS subs)
    _layers_check_walk("${s}")
  endforeach()
endfunction()

function(_layers_check_describe t)
  get_target_property(type "${t}" TYPE)
  if(NOT type MATCHES "^(STATIC|SHARED|MODULE|OBJECT|INTERFACE)_LIBRARY$|^EXECUTABLE$")
    return()
  endif()
  foreach(prop LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
    get_target_property(items "${t}" ${prop})
    if("${items}" STREQUAL "items-NOTFOUND")
      continue()
    endif()
    foreach(item IN LISTS items)
      file(APPEND "@OUT@" "item\t${t}\t${item}\n")
      string(REGEX MATCHALL "[A-Za-z0-9_.+-]+(::[A-Za-z0-9_.+-]+)*" names "${item}")
      foreach(name IN LISTS names)
        if(TARGET "${name}")
          get_target_property(real "${name}" ALIASED_TARGET)
          if(NOT real)
            set(real "${name}")
          endif()
          get_target_property(imported "${real}" IMPORTED)
          file(APPEND "@OUT@" "name\t${t}\t${name}\t${real}\t${imported}\n")
        endif()
      endforeach()
    endforeach()
  endforeach()
  if(type MATCHES "^(STATIC|SHARED|OBJECT|INTERFACE)_LIBRARY$")
    get_property(n GLOBAL PROPERTY LAYERS_CHECK_PROBES)
    math(EXPR n "0${n} + 1")
    set_property(GLOBAL PROPERTY LAYERS_CHECK_PROBES ${n})
    add_executable(@PREFIX@${n} EXCLUDE_FROM_ALL "@MAIN@")
    target_link_libraries(@PREFIX@${n} PRIVATE "${t}")
    file(APPEND "@OUT@" "probe\t${t}\t@PREFIX@${n}\n")
  endif()
endfunction()

function(_layers_check_run)
  file(WRITE "@OUT@" "")
  # The probes take nothing from the top folder's own link_libraries() or include_directories().
  set_property(DIRECTORY "${CMAKE_SOURCE_DIR}" PROPERTY LINK_LIBRARIES "")
  set_property(DIRECTORY "${CMAKE_SOURCE_DIR}" PROPERTY INCLUDE_DIRECTORIES "")
  _layers_check_walk("${CMAKE_SOURCE_DIR}")
endfunction()
"""


def where_is(other, layer):
    """'above' or 'beside' when folder `other` is out of reach of folder `layer`, else None."""
    if RANK[other] > RANK[layer]:
        return "above"
    if RANK[other] == RANK[layer] and other != layer:
        return "beside"
    return None


def qt_module_of_name(name):
    """'Widgets' for Qt6::Widgets or Qt::Widgets; None for any other name."""
    m = re.fullmatch(r"Qt\d*::(\w+)", name)
    return m.group(1) if m else None


def qt_module_of_library(fragment):
    m = re.search(r"(?:^|[/\\])(?:lib)?Qt\d([A-Za-z0-9_]+?)(?:_debug)?\.(?:so|a|dylib|lib)(?:\.[\d.]+)?$", fragment)
    if m:
        return m.group(1)
    m = re.fullmatch(r"-lQt\d(\w+)", fragment)
    return m.group(1) if m else None


class CheckError(Exception):
    pass


class Build:
    """The answers of one configure of the tree: targets, their links, sources and include folders."""

    def __init__(self, root, build):
        self.root = root
        self.build = build
        self.out = os.path.join(build, "layers-check", "links.txt")
        self.configure()
        self.read_links()
        self.read_codemodel()

    def configure(self):
        helper = os.path.join(self.build, "layers-check")
        os.makedirs(helper, exist_ok=True)
        query = os.path.join(self.build, ".cmake", "api", "v1", "query", CLIENT)
        os.makedirs(query, exist_ok=True)
        with open(os.path.join(query, "query.json"), "w", encoding="utf-8") as f:
            json.dump({"requests": [{"kind": "codemodel", "version": 2},
                                    {"kind": "toolchains", "version": 1}]}, f)
        main = os.path.join(helper, "probe.cpp")
        with open(main, "w", encoding="utf-8") as f:
            f.write("int main() { return 0; }\n")
        cmake_file = os.path.join(helper, "probe.cmake")
        with open(cmake_file, "w", encoding="utf-8") as f:
            f.write(PROBE_CMAKE.replace("@OUT@", self.out).replace("@MAIN@", main).replace("@PREFIX@", PROBE_PREFIX))
        cmd = ["cmake", "-S", self.root, "-B", self.build, "-G", "Ninja", "--no-warn-unused-cli",
               f"-DCMAKE_PROJECT_INCLUDE={cmake_file}"]
        run = subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, errors="replace")
        if run.returncode != 0 or not os.path.isfile(self.out):
            tail = "\n".join(run.stdout.strip().splitlines()[-15:])
            raise CheckError(f"{tail}\n{self.root}: CMake cannot configure the tree")

    def read_links(self):
        self.items = {}     # target -> [link items, as CMake holds them]
        self.names = {}     # target -> {name in its items: (target it names, imported)}
        self.probe_of = {}  # library -> its probe program
        with open(self.out, encoding="utf-8", errors="replace") as f:
            for line in f:
                parts = line.rstrip("\n").split("\t")
                if parts[0] == "item" and len(parts) >= 3:
                    self.items.setdefault(parts[1], []).append("\t".join(parts[2:]))
                elif parts[0] == "name" and len(parts) == 5:
                    self.names.setdefault(parts[1], {})[parts[2]] = (parts[3], parts[4].upper() in ("TRUE", "ON", "1"))
                elif parts[0] == "probe" and len(parts) == 3:
                    self.probe_of[parts[1]] = parts[2]

    def read_codemodel(self):
        reply = os.path.join(self.build, ".cmake", "api", "v1", "reply")
        indexes = sorted(n for n in os.listdir(reply) if n.startswith("index-") and n.endswith(".json"))
        if not indexes:
            raise CheckError("CMake wrote no file-API answer")
        with open(os.path.join(reply, indexes[-1]), encoding="utf-8") as f:
            index = json.load(f)
        files = {r["kind"]: r["jsonFile"] for r in index["reply"][CLIENT]["query.json"]["responses"]
                 if "jsonFile" in r}

        def load(name):
            with open(os.path.join(reply, name), encoding="utf-8") as f:
                return json.load(f)

        self.compilers = {}
        if "toolchains" in files:
            for tc in load(files["toolchains"])["toolchains"]:
                if tc.get("compiler", {}).get("path"):
                    self.compilers[tc["language"]] = tc["compiler"]["path"]
        codemodel = load(files["codemodel"])
        self.targets = {}   # name -> target object
        ids = {}
        for t in codemodel["configurations"][0]["targets"]:
            obj = load(t["jsonFile"])
            self.targets[obj["name"]] = obj
            ids[obj["id"]] = obj["name"]
        self.name_of_id = ids
        self.artifacts = {}  # real path of a built file -> its target
        for name, obj in self.targets.items():
            for a in obj.get("artifacts", []):
                self.artifacts[self.real(a["path"], self.build)] = name

    def real(self, path, base=None):
        return os.path.realpath(os.path.join(base or self.root, path))

    def where(self, obj, node):
        """'file:line' of a backtrace node of a target, the tree's files named from its top."""
        graph = obj.get("backtraceGraph")
        if node is None or not graph:
            return ""
        n = graph["nodes"][node]
        path = graph["files"][n["file"]]
        if os.path.isabs(path) and path.startswith(self.root + os.sep):
            path = os.path.relpath(path, self.root)
        return f"{path}:{n['line']}" if "line" in n else path

    def link_fragments(self, name):
        """The libraries on a target's link line, with the backtrace of each."""
        obj = self.targets.get(name)
        if not obj or "link" not in obj:
            return []
        out = []
        for frag in obj["link"]["commandFragments"]:
            if frag.get("role") == "libraries":
                for part in shlex.split(frag["fragment"]):
                    out.append((part, frag.get("backtrace")))
        return out

    def command(self, obj, group):
        g = obj["compileGroups"][group]
        compiler = self.compilers.get(g["language"]) or self.compilers.get("CXX") or "c++"
        cmd = [compiler] + ["-D" + d["define"] for d in g.get("defines", [])]
        for inc in g.get("includes", []):
            cmd += ["-isystem", inc["path"]] if inc.get("isSystem") else ["-I" + inc["path"]]
        if "sysroot" in g:
            cmd.append("--sysroot=" + g["sysroot"]["path"])
        for frag in g.get("compileCommandFragments", []):
            cmd += shlex.split(frag["fragment"])
        return g["language"], cmd


def preprocess(cmd, path, header, language, cwd):
    """The compiler's -H answer for one file: [(depth, path as found)], and its errors."""
    extra = ["-x", "c-header" if language == "C" else "c++-header"] if header else []
    run = subprocess.run(cmd + ["-E", "-H", "-o", os.devnull] + extra + [path], cwd=cwd, stdin=subprocess.DEVNULL,
                         stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True, errors="replace")
    opened, errors = [], []
    for line in run.stderr.splitlines():
        m = re.match(r"(\.+) (.+)$", line)
        if m:
            opened.append((len(m.group(1)), m.group(2)))
        elif run.returncode != 0 and re.search(r": (?:fatal )?error: ", line):
            errors.append(line)
    if run.returncode != 0 and not errors:
        errors.append(run.stderr.strip().splitlines()[-1] if run.stderr.strip() else "no output")
    return opened, errors


def check(tree, build=None, jobs=None, widget_free=WIDGET_FREE, core_only=CORE_ONLY, forms_runtime=FORMS_RUNTIME):
    """The faults of a source tree, as lines of text; an empty list when it keeps the layers."""
    root = os.path.realpath(tree)
    own_build = build is None
    build = os.path.realpath(tempfile.mkdtemp(prefix="layers-check-") if own_build else build)
    try:
        try:
            b = Build(root, build)
        except CheckError as e:
            return [str(e)]
        return Checker(b, widget_free, core_only, forms_runtime).run(jobs or os.cpu_count() or 2)
    finally:
        if own_build:
            shutil.rmtree(build, ignore_errors=True)


class Checker:
    def __init__(self, b, widget_free, core_only, forms_runtime):
        self.b = b
        self.root = b.root
        self.src = os.path.join(b.root, "src")
        self.widget_free = set(widget_free)
        self.core_only = set(core_only)
        self.forms = forms_runtime
        self.faults = []
        self.seen = set()
        self.qt_major = "6"
        self.qt_roots = set()

    def fault(self, text):
        if text not in self.seen:
            self.seen.add(text)
            self.faults.append(text)

    # -----------------------------------------------------------------------------------------
    # Where a path lies.

    def place(self, path):
        """('layer', name), ('src', None) for src/ itself or a file in it, ('tree', None) elsewhere in
        the tree, ('outside', None) outside it; a file of the build folder counts as its source."""
        p = os.path.realpath(path)
        if p == self.b.build or p.startswith(self.b.build + os.sep):
            p = os.path.join(self.root, os.path.relpath(p, self.b.build))
        if p == self.src:
            return ("src", None)
        if p.startswith(self.src + os.sep):
            parts = os.path.relpath(p, self.src).split(os.sep)
            if len(parts) == 1 and not os.path.isdir(p) and os.path.exists(p):
                return ("src", None)
            return ("layer", parts[0])
        if p == self.root or p.startswith(self.root + os.sep):
            return ("tree", None)
        return ("outside", None)

    def show(self, path):
        p = os.path.realpath(path)
        if p.startswith(self.b.build + os.sep):
            return "the build's " + os.path.relpath(p, self.b.build)
        return os.path.relpath(p, self.root) if p.startswith(self.root + os.sep) else p

    def qt_header(self, path):
        """(module, name as Qt spells it) of a header in Qt's own folders, else None."""
        p = os.path.realpath(path)
        d = os.path.dirname(p)
        while d and d != os.path.dirname(d):
            name = os.path.basename(d)
            if re.fullmatch(r"Qt[A-Za-z0-9]+", name) and os.path.isdir(os.path.join(os.path.dirname(d), "QtCore")):
                self.qt_roots.add(os.path.dirname(d))
                return name[2:], os.path.relpath(p, os.path.dirname(d))
            d = os.path.dirname(d)
        return None

    def qt_module_of_missing(self, name):
        """The Qt module a header named like this would belong to, when Qt has such a header."""
        first, _, rest = name.partition("/")
        if rest and re.fullmatch(r"Qt[A-Za-z0-9]+", first):
            return first[2:]
        for base in sorted(self.qt_roots):
            for folder in sorted(os.listdir(base)):
                if re.fullmatch(r"Qt[A-Za-z0-9]+", folder) and os.path.isfile(os.path.join(base, folder, name)):
                    return folder[2:]
        return None

    def module(self, m):
        return f"Qt{self.qt_major}::{m}"

    # -----------------------------------------------------------------------------------------

    def run(self, jobs):
        # Every folder of src/ is a layer.
        if os.path.isdir(self.src):
            for entry in sorted(os.listdir(self.src)):
                if os.path.isdir(os.path.join(self.src, entry)) and entry not in RANK:
                    self.fault(f"src/{entry}: a folder the layer graph does not know")
        self.place_targets()
        self.read_closures()
        self.check_links()
        self.check_paths()
        self.check_includes(jobs)
        return self.faults

    def place_targets(self):
        """Each target's layer: the folder of src/ that defines it."""
        b = self.b
        self.layer = {}      # target -> layer
        self.outside = set()  # targets defined outside src/ (above every layer)
        for name, obj in b.targets.items():
            if name.startswith(PROBE_PREFIX):
                continue
            kind, layer = self.place(os.path.join(self.root, obj["paths"]["source"]))
            if kind == "layer":
                if layer in RANK:
                    self.layer[name] = layer
                continue
            sources = [s for s in obj.get("sources", []) if "compileGroupIndex" in s]
            inside = [s for s in sources if self.place(b.real(s["path"]))[0] == "layer"]
            if kind == "src":
                self.fault(f"{name}: a target defined in src/ itself, which the check cannot place in a layer")
            elif inside:
                defined = os.path.normpath(os.path.join(obj["paths"]["source"], "CMakeLists.txt"))
                self.fault(f"{name}: a target of {defined}, outside src/, that compiles "
                           f"{self.show(b.real(inside[0]['path']))}: the check cannot place it in a layer")
            self.outside.add(name)
        for name in sorted(self.widget_free | self.core_only):
            if name not in self.layer:
                self.fault(f"{name}: a widget-free target that no folder of src/ defines")

    def read_closures(self):
        """What linking each target brings, read from its link line and its probe's: the targets
        whose libraries it holds, the Qt modules and the plain library names (-lname)."""
        b = self.b
        self.closure, self.modules, self.plain, self.link_where = {}, {}, {}, {}
        for name in b.targets:
            if name.startswith(PROBE_PREFIX):
                continue
            targets, modules, plain, where = set(), set(), set(), {}
            for holder in (name, b.probe_of.get(name)):
                obj = b.targets.get(holder) if holder else None
                if obj is None:
                    continue
                for part, backtrace in b.link_fragments(holder):
                    m = qt_module_of_library(part)
                    if m:
                        modules.add(m)
                        major = re.search(r"Qt(\d)", os.path.basename(part))
                        self.qt_major = major.group(1) if major else self.qt_major
                    elif part.startswith("-l"):
                        plain.add(part[2:])
                    elif not part.startswith("-"):
                        t = b.artifacts.get(b.real(part, b.build))
                        if t:
                            targets.add(t)
                            where.setdefault(t, b.where(obj, backtrace))
            targets.discard(name)
            self.closure[name] = {t for t in targets if b.targets[t]["type"] != "UTILITY"}
            self.modules[name] = modules
            self.plain[name] = plain
            self.link_where[name] = where

    def direct_links(self, name):
        """(name as written, target it names or None, imported) for each of a target's link items."""
        b = self.b
        names = b.names.get(name, {})
        out = []
        for item in b.items.get(name, []):
            if "$<" in item or item.startswith("::@"):
                for token in re.findall(r"[A-Za-z0-9_.+-]+(?:::[A-Za-z0-9_.+-]+)*", item):
                    if token in names:
                        out.append((token,) + names[token])
            elif item in names:
                out.append((item,) + names[item])
            elif item.startswith("-") or "/" in item or "\\" in item or item in ("debug", "optimized", "general"):
                continue
            else:
                out.append((item, None, True))
        seen, unique = set(), []
        for link in out:
            if link not in seen:
                seen.add(link)
                unique.append(link)
        return unique

    def check_links(self):
        b = self.b
        self.edges = {name: self.direct_links(name) for name in self.layer}
        # What each target reaches through the links it names.
        traced = {}
        for name in self.layer:
            seen, todo = set(), [name]
            while todo:
                t = todo.pop()
                for _, real, imported in self.edges[t] if t in self.edges else self.direct_links(t):
                    if real and not imported and real not in seen:
                        seen.add(real)
                        todo.append(real)
            traced[name] = seen
        self.reach = {name: {name} | self.closure.get(name, set()) | traced[name] for name in self.layer}

        for name, layer in self.layer.items():
            obj = b.targets[name]
            deps = {b.name_of_id.get(d["id"]): d.get("backtrace") for d in obj.get("dependencies", [])}
            links = list(self.edges[name])
            # A target the link line brings that none of the links it names brings: a library
            # file named by its path, or a way of linking the check does not trace.
            brought = set().union(*[self.closure.get(t, set()) for t in traced[name]])
            for extra in sorted(self.closure.get(name, set()) - traced[name] - brought - {name}):
                links.append((extra, extra, False, "seen only in the build's link line"))
            faulty = set()
            for link in links:
                written, real, imported = link[:3]
                note = link[3] if len(link) > 3 else (f"named as {written}" if real and written != real else "")
                where = b.where(obj, deps.get(real)) or self.link_where[name].get(real, "")
                at = f"{where}: " if where else ""
                if real is None or imported:
                    if real is None and written in self.plain.get(name, set()) and "::" not in written:
                        self.fault(f"{at}{name} links {written}, which no folder of src/ defines")
                    continue
                if real in self.outside:
                    self.fault(f"{at}{name} links {real}, which no folder of src/ defines")
                    faulty.add(link)
                    continue
                other = self.layer.get(real)
                if other is None:
                    continue  # a folder of src/ the graph does not know: a fault of its own
                if where_is(other, layer):
                    self.fault(f"{at}{name} ({layer}) links {real} ({other}), a layer {where_is(other, layer)} it"
                               + (f" ({note})" if note else ""))
                    faulty.add(link)
            self.check_brought(name, links, faulty)

    def brings(self, link):
        """What a link brings: (the Qt modules, whether the forms runtime)."""
        written, real, imported = link[:3]
        if real and not imported:
            return set(self.modules.get(real, set())), real == self.forms or self.forms in self.closure.get(real, set())
        m = qt_module_of_name(real or written)
        return ({m} if m else set()), False

    def check_brought(self, name, links, faulty):
        """The widget-free targets bring no widgets, the Qt-Core-only targets no other Qt module.
        Each link that brings them is named once: where a target under the rule links something
        that is not, or else, when none of its links explains it, the target itself."""
        widget_links, widgets_named = set(), False
        if name in self.widget_free:
            for link in links:
                mods, forms = self.brings(link)
                if not (forms or "Widgets" in mods):
                    continue
                widget_links.add(link)
                widgets_named = True
                if link not in faulty and link[1] not in self.widget_free:
                    self.fault(f"{name} is widget-free and links {link[0]}, which brings widgets")
            # The forms runtime in the link line always comes through a link above; Qt Widgets
            # may come through an imported target of the tree's own.
            if not widgets_named and "Widgets" in self.modules.get(name, set()):
                self.fault(f"{name} is widget-free and links {self.module('Widgets')}, however indirectly")
                widgets_named = True
        if name in self.core_only:
            named = False
            for link in links:
                extra = sorted(self.brings(link)[0] - {"Core"})
                if not extra or link in widget_links:
                    continue
                named = True
                if link not in faulty and link[1] not in self.core_only:
                    mods = ", ".join(self.module(m) for m in extra)
                    which = "" if qt_module_of_name(link[1] or link[0]) else f", which brings {mods}"
                    self.fault(f"{name} links {link[0]}{which}: {name} links no Qt module but Qt Core")
            extra = sorted(self.modules.get(name, set()) - {"Core"})
            if not named and not widgets_named and extra:
                mods = ", ".join(self.module(m) for m in extra)
                self.fault(f"{name} links {mods}, however indirectly: {name} links no Qt module but Qt Core")

    def check_paths(self):
        """Each target's sources and include folders lie in its own layer or below."""
        b = self.b
        for name, layer in self.layer.items():
            obj = b.targets[name]
            for s in obj.get("sources", []):
                path = b.real(s["path"])
                kind, other = self.place(path)
                at = b.where(obj, s.get("backtrace"))
                at = f"{at}: " if at else ""
                if kind in ("tree", "outside", "src"):
                    self.fault(f"{at}{name} ({layer}) names a source outside src/ ({self.show(path)})")
                elif other in RANK and where_is(other, layer):
                    self.fault(f"{at}{name} ({layer}) names a source in {other}/ ({self.show(path)}), "
                               f"a layer {where_is(other, layer)} it")
            # Its own include folders and those it hands on (its probe's); not those it gets from
            # the targets it links, which are theirs to answer for.
            own = self.include_folders(name)
            probe = b.probe_of.get(name)
            handed = {p: "" for p in self.include_folders(probe) if p not in (self.root, b.build)}
            inherited = set().union(*[self.include_folders(b.probe_of.get(t)) for t in self.closure.get(name, set())])
            for path, where in {**handed, **own}.items():
                kind, other = self.place(path)
                if path in inherited or kind in ("outside", "src"):
                    continue
                at = f"{where}: " if where else ""
                if kind == "tree":
                    self.fault(f"{at}{name} ({layer}) has an include folder outside src/ ({self.show(path)})")
                elif other in RANK and where_is(other, layer):
                    self.fault(f"{at}{name} ({layer}) has an include folder in {other}/ ({self.show(path)}), "
                               f"a layer {where_is(other, layer)} it")

    def include_folders(self, name):
        """The include folders of a target's compile groups (real paths), each with where it was set."""
        obj = self.b.targets.get(name) if name else None
        out = {}
        for group in obj.get("compileGroups", []) if obj else []:
            for inc in group.get("includes", []):
                out.setdefault(os.path.realpath(inc["path"]), self.b.where(obj, inc.get("backtrace")))
        return out

    # -----------------------------------------------------------------------------------------
    # Includes, as the compiler finds them.

    def check_includes(self, jobs):
        b = self.b
        self.listed = {}  # real path -> targets of its own layer that name it as a source
        compiled = []     # (real path, path, target, group)
        for name, layer in self.layer.items():
            for s in b.targets[name].get("sources", []):
                path = b.real(s["path"])
                if self.place(path) != ("layer", layer):
                    continue
                self.listed.setdefault(path, []).append(name)
                if "compileGroupIndex" in s:
                    group = b.targets[name]["compileGroups"][s["compileGroupIndex"]]
                    if group["language"] in ("C", "CXX"):
                        compiled.append((path, os.path.join(self.root, s["path"]), name, s["compileGroupIndex"]))
        # Qt's include folders, to place a Qt header the compiler cannot find.
        for name in b.targets:
            for path in self.include_folders(name):
                self.qt_header(os.path.join(path, "x"))
        units = [(path, as_given, name, group, False) for path, as_given, name, group in compiled]
        done = {path for path, *_ in compiled}
        for folder, dirs, files in os.walk(self.src):
            dirs.sort()
            for f in sorted(files):
                p = os.path.join(folder, f)
                if os.path.islink(p) or not f.endswith(SOURCE_SUFFIXES + HEADER_SUFFIXES):
                    continue
                p = os.path.realpath(p)
                kind, layer = self.place(p)
                if kind == "layer" and layer in RANK and p not in done:
                    done.add(p)
                    units.append(self.loose_unit(p))
        results = self.preprocess_all(units, jobs)
        # A file of src/ that the compiler opened and no unit covers yet (a header of another suffix).
        more = []
        for unit, (opened, _) in results:
            for _, found in opened:
                p = os.path.realpath(os.path.join(b.build, found))
                kind, layer = self.place(p)
                if kind == "layer" and layer in RANK and p not in done and p.startswith(self.src + os.sep):
                    done.add(p)
                    more.append(self.loose_unit(p))
        results += self.preprocess_all(more, jobs)
        for unit, (opened, errors) in results:
            self.judge_unit(unit, opened, errors)

    def loose_unit(self, path):
        """A file no target of its folder compiles: preprocessed with the flags of its target."""
        owner = self.owner(path)
        layer = self.place(path)[1]
        candidates = [owner] + sorted(t for t, l in self.layer.items() if l == layer) + sorted(self.layer)
        for t in candidates:
            obj = self.b.targets.get(t) if t else None
            if obj and obj.get("compileGroups"):
                groups = obj["compileGroups"]
                best = next((i for i, g in enumerate(groups) if g["language"] == "CXX"), 0)
                return (path, path, owner, (t, best), True)
        return (path, path, owner, None, True)

    def preprocess_all(self, units, jobs):
        b = self.b

        def one(unit):
            path, as_given, target, group, loose = unit
            if group is None:
                compiler = b.compilers.get("CXX") or "c++"
                return preprocess([compiler], as_given, True, "CXX", b.build)
            holder, index = group if loose else (target, group)
            language, cmd = b.command(b.targets[holder], index)
            return preprocess(cmd, as_given, loose, language, b.build)

        with concurrent.futures.ThreadPoolExecutor(max_workers=max(1, jobs)) as pool:
            return list(zip(units, pool.map(one, units)))

    def owner(self, path):
        """The target a file of src/ belongs to, or None."""
        kind, layer = self.place(path)
        if kind != "layer" or layer not in RANK:
            return None
        if path in self.listed:
            return self.listed[path][0]
        stem = os.path.splitext(path)[0]
        for suffix in SOURCE_SUFFIXES:
            if stem + suffix in self.listed:
                return self.listed[stem + suffix][0]
        if self.layer.get(layer) == layer:
            return layer
        mine = [t for t, l in self.layer.items() if l == layer and self.b.targets[t]["type"] != "UTILITY"]
        return mine[0] if len(mine) == 1 else None

    def judge(self, f, f_layer, f_target, header, direct):
        """The fault of file `f` including `header` (a real path), or None."""
        qt = self.qt_header(header)
        if qt:
            module, spelled = qt
            if direct and module == "Widgets" and f_target != self.forms:
                return (f"{f_target or f_layer} includes the widget header <{spelled}>, which only the forms "
                        f"runtime ({self.forms}) may")
            if f_target and module not in self.modules.get(f_target, set()):
                return f"{f_target} includes <{spelled}> of {self.module(module)}, which it does not link"
            return None
        kind, other = self.place(header)
        shown = self.show(header)
        if kind == "tree" or (kind == "layer" and other not in RANK):
            return f"includes {shown}, which is not in a layer of src/"
        if kind != "layer":
            return None
        if where_is(other, f_layer):
            return f"{f_layer} includes {shown}, of {other}, a layer {where_is(other, f_layer)} it"
        theirs = self.owner(header)
        if not f_target or not theirs or theirs == f_target:
            return None
        if f_target in self.widget_free and (theirs == self.forms or theirs not in self.widget_free):
            return f"{f_target} is widget-free and includes {shown}, a header of {theirs}"
        if theirs not in self.reach.get(f_target, {f_target}):
            return f"{f_target} includes {shown}, a header of {theirs}, which it does not link"
        return None

    def judge_unit(self, unit, opened, errors):
        b = self.b
        path, as_given, target, _, _ = unit
        layer = self.place(path)[1]
        root_shown = self.show(path)
        stack = [(path, False)]
        for depth, found in opened:
            real = os.path.realpath(os.path.join(b.build, found))
            shown_found = os.path.relpath(os.path.normpath(os.path.join(b.build, found)), self.root)
            parent, parent_bad = stack[min(depth, len(stack)) - 1]
            bad = parent_bad
            kind, parent_layer = self.place(parent)
            if not bad and kind == "layer" and parent_layer in RANK:
                parent_target = target if parent == path else self.owner(parent)
                text = self.judge(parent, parent_layer, parent_target, real, True)
                if text:
                    if not shown_found.startswith("..") and shown_found != self.show(real):
                        text = text.replace(f"includes {self.show(real)}", f"includes {shown_found} ({self.show(real)})", 1)
                    self.fault(f"{self.show(parent)}: {text}")
                    bad = True
            if not bad and depth > 1:
                text = self.judge(path, layer, target, real, False)
                if text:
                    self.fault(f"{root_shown}: {text} (through {self.show(parent)})")
                    bad = True
            stack = stack[:depth] + [(real, bad)]
        for line in errors:
            self.judge_error(path, layer, target, line)

    def judge_error(self, path, layer, target, line):
        b = self.b
        m = re.match(r"(.+?):(\d+):(?:\d+:)? fatal error: (.+?): No such file or directory", line)
        if not m:
            said = re.search(r"error: (.*)", line)
            self.fault(f"{self.show(path)}: the compiler cannot preprocess it ({said.group(1) if said else line})")
            return
        f = os.path.realpath(os.path.join(b.build, m.group(1)))
        name = m.group(3)
        f_kind, f_layer = self.place(f)
        if f_kind != "layer" or f_layer not in RANK:
            f, f_layer = path, layer
        f_target = target if f == path else self.owner(f)
        text = f"{self.show(f)}:{m.group(2)}: {f_target or f_layer} includes {name}, which the compiler cannot find"
        first = name.split("/")[0]
        guess = None
        if name.startswith("."):
            guess = os.path.normpath(os.path.join(os.path.dirname(f), name))
        elif first in RANK or os.path.isdir(os.path.join(self.src, first)):
            guess = os.path.join(self.src, name)
        if guess:
            kind, other = self.place(guess)
            if kind == "layer" and other in RANK and where_is(other, f_layer):
                text += f": of {other}, a layer {where_is(other, f_layer)} it"
            elif kind == "tree" or (kind == "layer" and other not in RANK):
                text += ": not in a layer of src/"
        elif "/" in name and not re.fullmatch(r"Qt[A-Za-z0-9]+", first):
            text += ": not in a layer of src/"
        else:
            module = self.qt_module_of_missing(name)
            if module == "Widgets" and f_target != self.forms:
                text += f": a widget header, which only the forms runtime ({self.forms}) may include"
            elif module and module not in self.modules.get(f_target, set()):
                text += f": a header of {self.module(module)}, which it does not link"
        self.fault(text)


# ---------------------------------------------------------------------------------------------
# The self-test: small trees, each with one fault, and two sound ones.

def top(before="", after="", qt=False):
    return ("cmake_minimum_required(VERSION 3.16)\nproject(layers_fixture LANGUAGES CXX)\n"
            "set(CMAKE_CXX_STANDARD 17)\n"
            + ("find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets)\n"
               "set(QT_CORE Qt6::Core)\nset(QT_GUI Qt6::Gui)\nset(QT_WIDGETS Qt6::Widgets)\n" if qt
               else "set(QT_CORE \"\")\nset(QT_GUI \"\")\nset(QT_WIDGETS \"\")\n")
            + before
            + "foreach(layer platform common steps scene desktop demo drill home updater)\n"
              "  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/src/${layer}/CMakeLists.txt)\n"
              "    add_subdirectory(src/${layer})\n"
              "  endif()\n"
              "endforeach()\n"
            + after)


PLATFORM = ("set(core_files core.h core.cpp)\n"
            "add_library(platform_core STATIC ${core_files})\n"
            "target_include_directories(platform_core PUBLIC ${CMAKE_SOURCE_DIR}/src)\n"
            "target_link_libraries(platform_core PUBLIC ${QT_CORE})\n"
            "file(GLOB forms CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)\n"
            "foreach(f ${core_files})\n"
            "  list(REMOVE_ITEM forms ${CMAKE_CURRENT_SOURCE_DIR}/${f})\n"
            "endforeach()\n"
            "add_library(platform STATIC ${forms})\n"
            "target_link_libraries(platform PUBLIC platform_core ${QT_WIDGETS})\n")
COMMON = ("add_library(common STATIC b.cpp)\n"
          "# target_link_libraries(common PUBLIC platform)\n"
          "set(lower platform_core)\n"
          "target_link_libraries(common\n  PUBLIC ${lower} ${QT_CORE})\n")
STEPS = ("file(GLOB s ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)\nadd_library(steps STATIC ${s})\n"
         "target_link_libraries(steps PUBLIC common ${QT_CORE})\n")
DESKTOP = ("add_library(desktop STATIC d.cpp)\n"
           "target_link_libraries(desktop PUBLIC steps $<TARGET_NAME:platform> ${QT_GUI})\n")
DEMO = "add_library(demo STATIC y.cpp)\ntarget_link_libraries(demo PUBLIC steps platform)\n"
# Four layers and the two desktops side by side: a Qt Core part of the platform and the forms
# runtime on top of it (a file not named in the core's list belongs to the forms runtime).
SOUND = {
    "CMakeLists.txt": top(),
    "src/platform/CMakeLists.txt": PLATFORM,
    "src/platform/core.h": "#pragma once\nint core();\n",
    "src/platform/core.cpp": "#include \"platform/core.h\"\nint core() { return 1; }\n",
    "src/platform/form.h": "#pragma once\n#include \"core.h\"\n",
    "src/platform/form.cpp": "#include \"form.h\"\n",
    "src/common/CMakeLists.txt": COMMON,
    "src/common/b.h": "#pragma once\n",
    "src/common/b.cpp": "#include \"b.h\"\n#include \"../platform/core.h\"\n",
    "src/steps/CMakeLists.txt": STEPS,
    "src/steps/s.cpp": "#include <common/b.h>\n#include \"platform/core.h\"\n",
    "src/desktop/CMakeLists.txt": DESKTOP,
    "src/desktop/d.h": "#pragma once\n#include \"platform/form.h\"\n",
    "src/desktop/d.cpp": "#include \"desktop/d.h\"\n",
    "src/demo/CMakeLists.txt": DEMO,
    "src/demo/y.cpp": "#include \"platform/form.h\"\n",
}
# The same tree on Qt: each target links the Qt it includes.
WITH_QT = {
    "CMakeLists.txt": top(qt=True),
    "src/platform/core.h": "#pragma once\n#include <QString>\n",
    "src/platform/core.cpp": "#include \"platform/core.h\"\n#include <QFile>\n",
    "src/platform/form.cpp": "#include \"form.h\"\n#include <QWidget>\n#include <QtWidgets/QLabel>\n",
    "src/steps/s.cpp": "#include <common/b.h>\n#include \"platform/core.h\"\n#include <QStringList>\n",
    "src/desktop/d.cpp": "#include \"desktop/d.h\"\n#include <QPixmap>\n",
}
FREE = ("platform_core", "common", "steps")
CORE = ("platform_core", "common", "steps")
SYMLINK = object()


def cases():
    """name -> (uses Qt, files changed or added, how the one fault expected ends, or None)."""
    common, steps, demo = "src/common/CMakeLists.txt", "src/steps/CMakeLists.txt", "src/demo/CMakeLists.txt"
    up = "\"desktop/d.h\""
    above = "common includes src/desktop/d.h, of desktop, a layer above it"
    link_up = "common (common) links desktop (desktop), a layer above it"
    b_cpp = SOUND["src/common/b.cpp"]
    return {
        "sound": (False, {}, None),
        "sound, on Qt": (True, {}, None),
        "sound, with the top file's links and include folders set after every target": (
            False, {"CMakeLists.txt": top(after="link_libraries(desktop)\n"
                                                "include_directories(${CMAKE_SOURCE_DIR}/tests)\n"
                                                "set(CMAKE_INCLUDE_CURRENT_DIR ON)\n")}, None),
        # Includes that point up or sideways, however written.
        "an include upwards": (False, {"src/platform/c.cpp": "#include \"common/b.h\"\n"},
                               "platform includes src/common/b.h, of common, a layer above it"),
        "a relative include upwards": (False, {"src/common/c.cpp": "#include \"../steps/s.h\"\n",
                                               "src/steps/s.h": "\n"},
                                       "common includes src/steps/s.h, of steps, a layer above it"),
        "a relative include upwards to no file": (
            False, {"src/common/c.cpp": "#include \"../../src/desktop/x.h\"\n"},
            "which the compiler cannot find: of desktop, a layer above it"),
        "an angle-bracket include upwards to no file": (
            False, {"src/platform/c.cpp": "#  include <steps/gone.h>\n"},
            "platform includes steps/gone.h, which the compiler cannot find: of steps, a layer above it"),
        "an include of the desktop beside it": (False, {"src/demo/y.cpp": f"#include {up}\n"},
                                                "demo includes src/desktop/d.h, of desktop, a layer beside it"),
        "an include of no layer, to no file": (False, {"src/common/c.cpp": "#include \"tests/t.h\"\n"},
                                               "cannot find: not in a layer of src/"),
        "an include of a file outside src": (False, {"src/common/c.cpp": "#include \"../../tests/t.h\"\n",
                                                     "tests/t.h": "\n"},
                                             "includes tests/t.h, which is not in a layer of src/"),
        "an include through a macro": (False, {"src/common/c.cpp": f"#define UP {up}\n#include UP\n"}, above),
        "an include with a comment inside it": (False, {"src/common/c.cpp": f"#include /* the desk */ {up}\n"},
                                                above),
        "an include across a line continuation": (False, {"src/common/c.cpp": f"#inc\\\nlude {up}\n"}, above),
        "an include in a .hh file": (False, {"src/common/x.hh": f"#pragma once\n#include {up}\n",
                                             "src/common/b.cpp": b_cpp + "#include \"x.hh\"\n"}, above),
        "an include in a header nothing includes": (False, {"src/common/lone.h": f"#include {up}\n"}, above),
        "a symlink into a higher folder": (
            False, {"src/common/up.h": (SYMLINK, "../desktop/d.h"), "src/common/b.cpp": b_cpp + "#include \"up.h\"\n"},
            "common includes src/common/up.h (src/desktop/d.h), of desktop, a layer above it"),
        "an include through a header outside the layers": (
            False, {"src/x.h": f"#pragma once\n#include {up}\n", "src/common/b.cpp": b_cpp + "#include \"x.h\"\n"},
            "src/common/b.cpp: common includes src/desktop/d.h, of desktop, a layer above it (through src/x.h)"),
        "an include hidden by #pragma once": (
            False, {"src/common/c.h": f"#pragma once\n#include {up}\n",
                    "src/desktop/d.cpp": "#include \"desktop/d.h\"\n#include \"common/c.h\"\n"},
            "src/common/c.h: " + above),
        "an include hidden by #pragma once, in a file of another suffix": (
            False, {"src/common/table.def": f"#pragma once\n#include {up}\n",
                    "src/desktop/d.cpp": "#include \"desktop/d.h\"\n#include \"common/table.def\"\n"},
            "src/common/table.def: " + above),
        # Which target a file belongs to.
        "a forms header in the header of a widget-free source": (
            False, {"src/platform/CMakeLists.txt": PLATFORM.replace("core.h core.cpp", "core.h core.cpp clock.cpp"),
                    "src/platform/clock.h": "#pragma once\n#include \"platform/form.h\"\n",
                    "src/platform/clock.cpp": "#include \"platform/clock.h\"\n"},
            "platform_core is widget-free and includes src/platform/form.h, a header of platform"),
        "a header of a folder's only target, of a target it does not link": (
            False, {demo: DEMO.replace("demo", "yanshi").replace("steps platform", "steps"),
                    "src/demo/y.cpp": "\n", "src/demo/z.h": "#include \"platform/form.h\"\n"},
            "yanshi includes src/platform/form.h, a header of platform, which it does not link"),
        # Include folders, and sources of a higher folder compiled into a lower target.
        "an include folder upwards": (
            False, {common: COMMON + "target_include_directories(common PUBLIC ${CMAKE_SOURCE_DIR}/src/desktop)\n"},
            "common (common) has an include folder in desktop/ (src/desktop), a layer above it"),
        "a relative include folder upwards": (
            False, {common: COMMON + "target_include_directories(common PRIVATE \"../steps\")\n"},
            "common (common) has an include folder in steps/ (src/steps), a layer above it"),
        "an include folder outside src": (
            False, {common: COMMON + "target_include_directories(common PRIVATE ${CMAKE_SOURCE_DIR}/tests)\n"},
            "common (common) has an include folder outside src/ (tests)"),
        "an include folder upwards handed on": (
            False, {common: COMMON + "target_include_directories(common INTERFACE ${CMAKE_SOURCE_DIR}/src/desktop)\n"},
            "common (common) has an include folder in desktop/ (src/desktop), a layer above it"),
        "a directory-scope include folder upwards": (
            False, {common: "include_directories(${CMAKE_SOURCE_DIR}/src/desktop)\n" + COMMON},
            "common (common) has an include folder in desktop/ (src/desktop), a layer above it"),
        "a higher folder's source in a lower target": (
            False, {common: COMMON.replace("b.cpp", "b.cpp ../desktop/d.cpp")}, "common (common) names a source in desktop/ (src/desktop/d.cpp), a layer above it"),
        "a source outside src": (
            False, {common: COMMON.replace("b.cpp", "b.cpp ${CMAKE_SOURCE_DIR}/tools/t.cpp"), "tools/t.cpp": "\n"},
            "common (common) names a source outside src/ (tools/t.cpp)"),
        "a higher target's objects in a lower target": (
            False, {common: COMMON + "target_sources(common PRIVATE $<TARGET_OBJECTS:desktop>)\n"},
            "common (common) names a source in desktop/ (the build's src/desktop/CMakeFiles/desktop.dir/d.cpp.o), "
            "a layer above it"),
        "a higher folder's source added by target_sources": (
            False, {common: COMMON + "target_sources(common PRIVATE ${PROJECT_SOURCE_DIR}/src/steps/s.cpp)\n"},
            "common (common) names a source in steps/ (src/steps/s.cpp), a layer above it"),
        "a higher folder's sources by a glob": (
            False, {steps: STEPS.replace("*.cpp", "../desktop/*.cpp")},
            "steps (steps) names a source in desktop/ (src/desktop/d.cpp), a layer above it"),
        "a higher folder's source through a variable of the top file": (
            False, {"CMakeLists.txt": top(before="set(DESK ${CMAKE_SOURCE_DIR}/src/desktop)\n"),
                    steps: STEPS.replace("${s}", "${s} ${DESK}/d.cpp")},
            "steps (steps) names a source in desktop/ (src/desktop/d.cpp), a layer above it"),
        # Links that point up or sideways, however written.
        "a link upwards": (False, {"src/platform/CMakeLists.txt": PLATFORM
                                   + "target_link_libraries(platform PRIVATE common)\n"},
                           "platform (platform) links common (common), a layer above it"),
        "a link to the desktop beside it": (False, {demo: DEMO + "target_link_libraries(demo PUBLIC desktop)\n"},
                                            "demo (demo) links desktop (desktop), a layer beside it"),
        "a link upwards through a variable": (
            False, {common: COMMON + "set(libs platform_core)\nlist(APPEND libs steps)\n"
                                     "target_link_libraries(common PUBLIC ${libs})\n"},
            "common (common) links steps (steps), a layer above it"),
        "a link upwards through a foreach": (
            False, {common: COMMON + "foreach(lib platform_core desktop)\n"
                                     "  target_link_libraries(common PUBLIC ${lib})\nendforeach()\n"}, link_up),
        "a link upwards in a generator expression": (
            False, {common: COMMON + "target_link_libraries(common PUBLIC $<$<BOOL:ON>:steps>)\n"},
            "common (common) links steps (steps), a layer above it"),
        "a link through a variable of another file": (
            False, {"CMakeLists.txt": top(before="set(SOMEWHERE desktop)\n"),
                    common: COMMON + "target_link_libraries(common PUBLIC ${SOMEWHERE})\n"}, link_up),
        "a directory-scope link": (False, {common: "link_libraries(desktop)\n" + COMMON}, link_up),
        "a link in the top CMakeLists": (
            False, {"CMakeLists.txt": top(after="target_link_libraries(common PUBLIC desktop)\n")}, link_up),
        "a link in an included .cmake file": (
            False, {common: COMMON + "include(${CMAKE_CURRENT_LIST_DIR}/links.cmake)\n",
                    "src/common/links.cmake": "target_link_libraries(common PUBLIC desktop)\n"}, link_up),
        "a link in a macro": (
            False, {common: "macro(link_up t)\n  target_link_libraries(${t} PUBLIC desktop)\nendmacro()\n"
                            + COMMON + "link_up(common)\n"}, link_up),
        "a link by set_property": (
            False, {common: COMMON + "set_property(TARGET common APPEND PROPERTY INTERFACE_LINK_LIBRARIES desktop)\n"},
            link_up),
        "a link by cmake_language(CALL)": (
            False, {common: COMMON + "cmake_language(CALL target_link_libraries common PUBLIC desktop)\n"}, link_up),
        "an ALIAS target naming the desktop beside it": (
            False, {demo: "add_library(scene_parts ALIAS desktop)\n"
                          + DEMO + "target_link_libraries(demo PUBLIC scene_parts)\n"},
            "demo (demo) links desktop (desktop), a layer beside it (named as scene_parts)"),
        "a link to a higher library's file": (
            False, {common: COMMON + "target_link_libraries(common PUBLIC ${CMAKE_BINARY_DIR}/src/desktop/libdesktop.a)\n"},
            link_up + " (seen only in the build's link line)"),
        "a link to no target": (False, {common: COMMON + "target_link_libraries(common PUBLIC drill)\n"},
                                "common links drill, which no folder of src/ defines"),
        "a link to a target defined outside src": (
            False, {"CMakeLists.txt": top(after="add_library(tool STATIC tools/t.cpp)\n"), "tools/t.cpp": "\n",
                    common: COMMON + "target_link_libraries(common PUBLIC tool)\n"},
            "common links tool, which no folder of src/ defines"),
        # Targets the check cannot place, and folders it does not know.
        "a target defined outside src": (
            False, {"CMakeLists.txt": top(after="add_library(extra STATIC src/steps/s.cpp)\n")},
            "extra: a target of CMakeLists.txt, outside src/, that compiles src/steps/s.cpp: the check cannot "
            "place it in a layer"),
        "a target defined in src itself": (
            False, {"CMakeLists.txt": top(after="add_subdirectory(src)\n"),
                    "src/CMakeLists.txt": "add_library(loose STATIC common/b.cpp)\n"},
            "loose: a target defined in src/ itself, which the check cannot place in a layer"),
        "a widget-free target that no folder defines": (
            False, {steps: STEPS.replace("steps", "steplib"), demo: DEMO.replace("steps", "steplib"),
                    "src/desktop/CMakeLists.txt": DESKTOP.replace("steps", "steplib")},
            "steps: a widget-free target that no folder of src/ defines"),
        "an unknown folder": (False, {"src/extra/d.cpp": "\n"}, "src/extra: a folder the layer graph does not know"),
        # Widgets below the forms runtime, and Qt modules a target does not link.
        "a widget header above the forms runtime": (
            True, {"src/desktop/c.cpp": "#include <QLabel>\n"},
            "desktop includes the widget header <QtWidgets/QLabel>, which only the forms runtime (platform) may"),
        "a widget header in the widget-free platform": (
            True, {"src/platform/core.h": "#pragma once\n#include <QtWidgets/QWidget>\n"},
            "platform_core includes the widget header <QtWidgets/QWidget>, which only the forms runtime (platform) may"),
        "a forms header in the widget-free platform": (
            False, {"src/platform/core.h": "#pragma once\n#include \"platform/form.h\"\n"},
            "platform_core is widget-free and includes src/platform/form.h, a header of platform"),
        "a forms header named without its folder": (
            False, {"src/platform/core.h": "#pragma once\n#include \"form.h\"\n"},
            "platform_core is widget-free and includes src/platform/form.h, a header of platform"),
        "a widget header in a file added by target_sources": (
            True, {"src/platform/CMakeLists.txt": PLATFORM + "target_sources(platform_core PRIVATE extra.cpp)\n",
                   "src/platform/extra.cpp": "#include <QWidget>\n"},
            "platform_core includes QWidget, which the compiler cannot find: a widget header, which only the forms "
            "runtime (platform) may include"),
        "a forms header in the step library": (
            False, {"src/steps/s.cpp": "#include \"../platform/form.h\"\n"},
            "steps is widget-free and includes src/platform/form.h, a header of platform"),
        "a Gui header in a Core-only target, not on its path": (
            True, {"src/steps/s.cpp": "#include <QPixmap>\n"},
            "steps includes QPixmap, which the compiler cannot find: a header of Qt6::Gui, which it does not link"),
        "a Gui header in a Core-only target": (
            True, {"src/steps/s.cpp": "#include <QtGui/QPixmap>\n"},
            "steps includes <QtGui/QPixmap> of Qt6::Gui, which it does not link"),
        "a header of a target not linked": (
            False, {"src/desktop/CMakeLists.txt": DESKTOP.replace("$<TARGET_NAME:platform>", "")},
            "desktop includes src/platform/form.h, a header of platform, which it does not link"),
        "a widget-free target linking the forms runtime": (
            False, {common: COMMON + "target_link_libraries(common PUBLIC platform)\n"},
            "common is widget-free and links platform, which brings widgets"),
        "a widget-free target linking Qt Widgets": (
            True, {"src/platform/CMakeLists.txt": PLATFORM.replace("PUBLIC ${QT_CORE}", "PUBLIC ${QT_CORE} Qt6::Widgets")},
            "platform_core is widget-free and links Qt6::Widgets, which brings widgets"),
        "Qt::Widgets on the step library": (
            True, {steps: STEPS + "target_link_libraries(steps PUBLIC Qt::Widgets)\n"},
            "steps is widget-free and links Qt::Widgets, which brings widgets"),
        "Qt6::Gui on the step library": (
            True, {steps: STEPS + "target_link_libraries(steps PUBLIC Qt6::Gui)\n"},
            "steps links Qt6::Gui: steps links no Qt module but Qt Core"),
        "Qt Gui through a target of the platform": (
            True, {"src/platform/CMakeLists.txt": PLATFORM + "add_library(gui STATIC gui.cpp)\n"
                                                             "target_link_libraries(gui PUBLIC platform_core Qt6::Gui)\n",
                   "src/platform/gui.cpp": "\n", steps: STEPS + "target_link_libraries(steps PUBLIC gui)\n"},
            "steps links gui, which brings Qt6::Gui: steps links no Qt module but Qt Core"),
        "widgets through an imported target": (
            True, {steps: "add_library(wrap INTERFACE IMPORTED)\n"
                          "set_property(TARGET wrap PROPERTY INTERFACE_LINK_LIBRARIES Qt6::Widgets)\n"
                          + STEPS + "target_link_libraries(steps PUBLIC wrap)\n"},
            "steps is widget-free and links Qt6::Widgets, however indirectly"),
        "Qt Gui through an imported target": (
            True, {steps: "add_library(wrap INTERFACE IMPORTED)\n"
                          "set_property(TARGET wrap PROPERTY INTERFACE_LINK_LIBRARIES Qt6::Gui)\n"
                          + STEPS + "target_link_libraries(steps PUBLIC wrap)\n"},
            "steps links Qt6::Gui, however indirectly: steps links no Qt module but Qt Core"),
        # The build's own failures are faults too.
        "a file the compiler cannot preprocess": (False, {"src/common/c.cpp": "#error not this file\n"},
                                                  "src/common/c.cpp: the compiler cannot preprocess it "
                                                  "(#error not this file)"),
        "a tree CMake cannot generate": (False, {common: COMMON + "target_link_libraries(common PUBLIC Gone::Gone)\n"},
                                         "CMake cannot configure the tree"),
    }


def run_case(what, case):
    qt, change, words = case
    with tempfile.TemporaryDirectory(prefix="layers-case-") as tmp:
        tree = os.path.join(tmp, "tree")
        files = {**SOUND, **(WITH_QT if qt else {}), **change}
        for path, text in files.items():
            p = os.path.join(tree, path)
            os.makedirs(os.path.dirname(p), exist_ok=True)
            if isinstance(text, tuple) and text[0] is SYMLINK:
                os.symlink(text[1], p)
            else:
                with open(p, "w", encoding="utf-8") as f:
                    f.write(text)
        found = check(tree, build=os.path.join(tmp, "build"), jobs=1, widget_free=FREE, core_only=CORE)
    if (words is None and found) or (words is not None and (len(found) != 1 or not found[0].endswith(words))):
        expected = "no fault" if words is None else f"one fault ending '{words}'"
        shown = "\n    ".join(found) or "none"
        return f"self-test '{what}': expected {expected}, found:\n    {shown}"
    return None


def self_test(jobs=None):
    """Each fault the checker must catch, on a small tree of its own; and the sound trees pass."""
    all_cases = cases()
    with concurrent.futures.ThreadPoolExecutor(max_workers=jobs or os.cpu_count() or 2) as pool:
        results = list(pool.map(lambda item: run_case(*item), all_cases.items()))
    failed = [r for r in results if r]
    for r in failed:
        print(r)
    print(f"layers self-test: {len(all_cases) - len(failed)} passed, {len(failed)} failed")
    return 1 if failed else 0


def main(args):
    parser = argparse.ArgumentParser(description="Fails when src/ runs against the layer graph.")
    parser.add_argument("tree", nargs="?", default=".", help="the source tree (default: .)")
    parser.add_argument("--build", help="the folder to configure in (default: a temporary one)")
    parser.add_argument("--jobs", "-j", type=int, help="files preprocessed at once (default: the cores)")
    parser.add_argument("--self-test", action="store_true", help="run the checker on trees of its own")
    options = parser.parse_args(args)
    if options.self_test:
        return self_test(options.jobs)
    faults = check(options.tree, build=options.build, jobs=options.jobs)
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
