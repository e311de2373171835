#!/usr/bin/env python3
"""Fails when a source file includes a header against the order of the layers,
or when a folder's library is not named as its folder.

Every folder of the program stands on one layer. A file may include headers of
its own folder and of folders on lower layers, never of a folder on its own
layer or above. The core layers (up to the window model and the report's
document) include no Qt header at all. The build enforces the same order
through the headers each target exposes; this check says it in one table and
also covers a link added against the order.

    check_layers.py SOURCE_ROOT
"""
import pathlib
import re
import sys

# Bottom to top. A new folder goes into this table before its sources build.
LAYERS = [
    ["text"],
    ["sheet"],
    ["check", "catalogue"],
    ["survey", "stringer"],
    ["ui/model", "report/document", "files"],
    ["report/compose"],
    ["report/pdf", "report/odt"],
    ["report/output"],
    ["ui/document"],
    ["ui/qt", "tools/driver", "tools/cli"],
    ["app"],
]
# Folders with no Qt header: everything up to the window model and the report's document.
STANDARD_ONLY = {"text", "sheet", "check", "catalogue", "survey", "stringer", "ui/model", "report/document"}
# Tests, benchmarks and fuzz targets stand above everything and are not checked.
ABOVE_ALL = ["tests", "bench", "fuzz"]
# Folders that hold no C++ of their own.
NO_SOURCES = ["report/face", "packaging", "docs", "cmake", "scripts"]

LIBRARY = re.compile(r"^\s*add_library\(\s*([A-Za-z0-9_]+)", re.MULTILINE)
LAYER_OF = {folder: level for level, folders in enumerate(LAYERS) for folder in folders}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)


def folder_of(path):
    """The table's folder that holds the path, the longest that matches."""
    best = None
    for folder in LAYER_OF:
        if path == folder or path.startswith(folder + "/"):
            if best is None or len(folder) > len(best):
                best = folder
    return best


def misnamed_libraries(root):
    """Each folder's library is tarrowin_ and the folder's path, so that a
    target says where its sources are."""
    problems = []
    for folder in LAYER_OF:
        lists = root / folder / "CMakeLists.txt"
        if not lists.is_file():
            continue
        expected = "tarrowin_" + folder.replace("/", "_")
        for name in LIBRARY.findall(lists.read_text(encoding="utf-8")):
            if name != expected:
                problems.append(f"{folder}/CMakeLists.txt: the library {name} should be named {expected}")
    return problems


def main():
    root = pathlib.Path(sys.argv[1])
    problems = misnamed_libraries(root)
    checked = 0
    for source in sorted(root.rglob("*")):
        if source.suffix not in (".h", ".cpp", ".in") or not source.is_file():
            continue
        relative = source.relative_to(root).as_posix()
        top = relative.split("/")[0]
        if top.startswith(".") or top.startswith("build") or top in ABOVE_ALL:
            continue
        if any(relative.startswith(folder + "/") for folder in NO_SOURCES):
            continue
        own = folder_of(relative)
        if own is None:
            problems.append(f"{relative}: its folder is not in the layer table of {sys.argv[0]}")
            continue
        checked += 1
        text = source.read_text(encoding="utf-8")
        for match in INCLUDE.finditer(text):
            bracket, header = match.groups()
            line = text.count("\n", 0, match.start()) + 1
            if bracket == "<" and own in STANDARD_ONLY and re.match(r"Q[A-Za-z]*(/|$)", header):
                problems.append(f"{relative}:{line}: includes the Qt header <{header}> in a layer of the "
                                f"standard library only")
            target = folder_of(header) if bracket == '"' else None
            if target is None or target == own:
                continue
            if LAYER_OF[target] >= LAYER_OF[own]:
                problems.append(f"{relative}:{line}: includes \"{header}\" of {target}/, which does not stand "
                                f"below {own}/")
    for problem in problems:
        print(problem)
    if checked == 0:
        print(f"no sources found under {root}")
        return 1
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
