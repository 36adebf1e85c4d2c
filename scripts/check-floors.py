#!/usr/bin/env python3
"""Checks that every library of src/CMakeLists.txt names exactly the floors
it uses: the folders whose headers its files include, directly or through
the headers they include. A floor used but not named fails the build
anyway; a floor named but not used is a door left open, and this says so.

  scripts/check-floors.py [REPOSITORY]
"""
import os
import re
import sys

root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
src = os.path.join(root, "src")
cmake = open(os.path.join(src, "CMakeLists.txt"), encoding="utf-8").read()

# n3_floor(NAME FOLDER [RECURSE] [EXCLUDE f...] [FLOORS lib...]) and n3_qt_floor(...)
libraries = {}  # name -> (folder, excluded files, named floors)
for call in re.finditer(r"^\s*n3_(?:qt_)?floor\((\w+)\s+([\w/]+)([^)]*)\)", cmake, re.M):
    name, folder, rest = call.group(1), call.group(2), call.group(3).split()
    section, excluded, floors = None, [], []
    for word in rest:
        if word in ("RECURSE", "EXCLUDE", "FLOORS"):
            section = word
        elif section == "EXCLUDE":
            excluded.append(word)
        elif section == "FLOORS":
            floors.append(word)
    libraries[name] = (folder, excluded, floors)
if not libraries:
    sys.exit("floors: no n3_floor call found in src/CMakeLists.txt")
folder_library = {folder: name for name, (folder, _, _) in libraries.items()}


def library_of(path):
    """The library whose folder holds `path` (the deepest one)."""
    best = None
    for folder in folder_library:
        if path.startswith(folder + "/") and (best is None or len(folder) > len(best)):
            best = folder
    return folder_library.get(best)


include = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.M)


def used(path, seen):
    """The libraries whose headers `path` reads, through every header it includes."""
    if path in seen:
        return set()
    seen.add(path)
    full = os.path.join(src, path)
    if not os.path.exists(full):
        return set()
    found = set()
    for name in include.findall(open(full, encoding="utf-8").read()):
        library = library_of(name)
        if library is None:
            continue
        found.add(library)
        found |= used(name, seen)
    return found


failures = []
for name, (folder, excluded, floors) in sorted(libraries.items()):
    need = set()
    for entry in sorted(os.listdir(os.path.join(src, folder))):
        if entry.endswith((".h", ".cpp")) and entry not in excluded:
            need |= used(folder + "/" + entry, set())
    need.discard(name)
    named = set(floors)
    if need - named:
        failures.append(f"{name}: uses but does not name {' '.join(sorted(need - named))}")
    if named - need:
        failures.append(f"{name}: names but does not use {' '.join(sorted(named - need))}")

if failures:
    print("floors: each library names exactly the floors it uses; these do not:", file=sys.stderr)
    for line in failures:
        print("  " + line, file=sys.stderr)
    sys.exit(1)
print(f"floors: {len(libraries)} libraries, each names exactly the floors it uses")
