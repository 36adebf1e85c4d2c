#!/usr/bin/env python3
"""The windows' JSON kept whole in a small archive, and what differs from it
shown line by line. Each file is read as one line per value, named by its
path ("grids[0].cells[12].text = "5""), numbers exactly as printed, so a
difference says which figure of which window changed.

  json_lines.py write ARCHIVE FOLDER     FOLDER/*/*.json into ARCHIVE (tar.xz)
  json_lines.py compare ARCHIVE FOLDER   exit 1 and show the first differing
                                         lines of each file that differs
"""
import difflib
import io
import json
import os
import sys
import tarfile

SHOWN = 20  # differing lines shown per file


class Literal(str):
    """A number as the program printed it."""


def value_lines(text):
    data = json.loads(text, parse_int=Literal, parse_float=Literal,
                      parse_constant=Literal)
    out = []

    def walk(v, path):
        if isinstance(v, dict):
            if not v:
                out.append(f"{path} = {{}}")
            for k, item in v.items():
                walk(item, f"{path}.{k}" if path else k)
        elif isinstance(v, list):
            if not v:
                out.append(f"{path} = []")
            for i, item in enumerate(v):
                walk(item, f"{path}[{i}]")
        elif isinstance(v, Literal):
            out.append(f"{path} = {v}")
        else:
            out.append(f"{path} = {json.dumps(v, ensure_ascii=False)}")

    walk(data, "")
    return out


def files_of(folder):
    names = []
    for root, _, files in os.walk(folder):
        for f in files:
            if f.endswith(".json"):
                names.append(os.path.relpath(os.path.join(root, f), folder))
    return sorted(names)


def write(archive, folder):
    # The same files give the same bytes: no dates, owners or modes.
    with tarfile.open(archive, "w:xz", preset=9) as tar:
        for name in files_of(folder):
            data = open(os.path.join(folder, name), "rb").read()
            info = tarfile.TarInfo(name)
            info.size = len(data)
            info.mode = 0o644
            tar.addfile(info, io.BytesIO(data))
    print(f"wrote {len(files_of(folder))} files to {archive} ({os.path.getsize(archive) // 1024} KB)")


def compare(archive, folder):
    with tarfile.open(archive, "r:xz") as tar:
        reference = {m.name: tar.extractfile(m).read().decode("utf-8") for m in tar.getmembers() if m.isfile()}
    printed = files_of(folder)
    differing = 0
    for name in sorted(set(reference) | set(printed)):
        if name not in printed:
            print(f"== {name}: in the reference, not printed now")
            differing += 1
            continue
        now = open(os.path.join(folder, name), encoding="utf-8").read()
        if name not in reference:
            print(f"== {name}: printed now, not in the reference")
            differing += 1
            continue
        if now == reference[name]:
            continue
        differing += 1
        old_lines, new_lines = value_lines(reference[name]), value_lines(now)
        print(f"== {name} (- reference, + now; the first {SHOWN} differing lines)")
        shown = 0
        for line in difflib.unified_diff(old_lines, new_lines, lineterm="", n=0):
            if line.startswith(("---", "+++")):
                continue
            if line.startswith("@@"):
                if shown >= SHOWN:
                    break
                continue
            print("  " + line)
            shown += 1
        if shown == 0:
            print("  (the same values, printed otherwise: spaces or order)")
    return 1 if differing else 0


def main():
    if len(sys.argv) != 4 or sys.argv[1] not in ("write", "compare"):
        sys.exit(__doc__)
    if sys.argv[1] == "write":
        write(sys.argv[2], sys.argv[3])
        return 0
    return compare(sys.argv[2], sys.argv[3])


if __name__ == "__main__":
    sys.exit(main())
