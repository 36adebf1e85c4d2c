#!/usr/bin/env python3
"""The wall of a library, kept by the build: after the library is archived,
reads the dependency file the compiler wrote for each of its objects,
resolves every file listed to its real path, and fails when one lies outside
the library's own folder, the folders of the floors it names, its own
generated files (moc) and the system's folders. Whatever route a header took
(an absolute path, a symlink, an include directory, a macro, a comment before
the name, an .inl file), the compiler has listed the file it read. A listed
file that is not there (Ninja's log shortens "dir/link/../x" as if the link
were a folder) fails too.

On a failure the archive is removed, so that the next build checks again.

  check-headers-read.py --library NAME --archive FILE --cwd DIR
      --allow DIR... [--system DIR...] [--ninja PROGRAM --build-root DIR]
      --objects OBJECT...

--cwd is the folder the compiler ran in (the paths in the dependency files
are relative to it). With Ninja the dependency files are gone once Ninja has
read them into its log: they are read back with `ninja -n -t deps`.
"""
import argparse
import os
import subprocess
import sys


def arguments():
    parser = argparse.ArgumentParser()
    parser.add_argument("--library", required=True)
    parser.add_argument("--archive", required=True)
    parser.add_argument("--cwd", required=True)
    parser.add_argument("--allow", nargs="+", default=[])
    parser.add_argument("--system", nargs="*", default=["/usr"])
    parser.add_argument("--ninja")
    parser.add_argument("--build-root")
    parser.add_argument("--objects", nargs="+", required=True)
    return parser.parse_args()


def make_rule_files(text):
    """The files a make rule (as gcc -MD writes it) lists, targets left out."""
    text = text.replace("\\\n", " ")
    files, word, i = [], "", 0
    while i < len(text):
        c = text[i]
        if c == "\\" and i + 1 < len(text) and text[i + 1] in " #\\":
            word += text[i + 1]
            i += 2
            continue
        if c == "$" and text[i + 1 : i + 2] == "$":
            word += "$"
            i += 2
            continue
        if c.isspace():
            if word:
                files.append(word)
            word = ""
        else:
            word += c
        i += 1
    if word:
        files.append(word)
    # A target ends with ':' (gcc writes "obj.o: src.cpp a.h ..."); a file
    # name holding ':' is left as it is when more follows.
    return [f for f in files if not f.endswith(":")]


def ninja_deps(ninja, build_root, objects):
    """Each object's files from Ninja's log (-n: read it, never rewrite it)."""
    names = [os.path.relpath(o, build_root) for o in objects]
    out = subprocess.run([ninja, "-n", "-C", build_root, "-t", "deps", *names], check=True,
                         capture_output=True, text=True).stdout
    deps, current = {}, None
    for line in out.splitlines():
        if not line.strip():
            continue
        if not line.startswith(" "):
            current = os.path.normpath(os.path.join(build_root, line.split(":")[0]))
            deps[current] = []
            if "(VALID)" not in line:
                deps[current] = None  # no record: the object was not compiled
        elif current is not None and deps[current] is not None:
            deps[current].append(line.strip())
    return deps


def inside(path, folders):
    return any(path == f or path.startswith(f + os.sep) for f in folders)


def main():
    a = arguments()
    allowed = [os.path.realpath(f) for f in a.allow]
    system = [os.path.realpath(f) for f in a.system]
    listed = {}
    missing = []
    for obj in a.objects:
        depfile = obj + ".d"
        if os.path.exists(depfile):
            with open(depfile, encoding="utf-8", errors="surrogateescape") as f:
                listed[obj] = make_rule_files(f.read())
        else:
            missing.append(obj)
    if missing and a.ninja:
        logged = ninja_deps(a.ninja, a.build_root, missing)
        for obj in missing:
            if logged.get(os.path.normpath(obj)) is not None:
                listed[obj] = logged[os.path.normpath(obj)]
        missing = [o for o in missing if o not in listed]
    if missing:
        # No record of what an object read: the wall cannot be kept.
        failures = [f"no dependency file for {o}" for o in missing]
    else:
        failures = []
    checked = {}  # a file read by many objects is resolved once
    for obj, files in listed.items():
        for name in files:
            if name not in checked:
                path = os.path.realpath(os.path.join(a.cwd, name))
                checked[name] = os.path.exists(path) and (inside(path, allowed) or inside(path, system))
            if checked[name]:
                continue
            path = os.path.realpath(os.path.join(a.cwd, name))
            shown = path if name == path else f"{name} -> {path}"
            failures.append(f"{os.path.basename(obj)[:-2]} reads {shown}")
    if failures:
        print(f"{a.library}: reads files outside its folder and the floors it names:", file=sys.stderr)
        for line in sorted(set(failures)):
            print("  " + line, file=sys.stderr)
        print("  (name the floor in src/CMakeLists.txt, or include only what the floors hold)", file=sys.stderr)
        try:
            os.remove(a.archive)
        except FileNotFoundError:
            pass
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
