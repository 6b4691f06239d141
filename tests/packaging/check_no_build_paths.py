#!/usr/bin/python3
"""Fails if a release file, or a file inside a zip of them, names a folder
of the machine that built it: the clone, the build, the cache that holds
Qt. Each folder is looked for as UTF-8 and as UTF-16, as Windows keeps its
texts; a folder given as a file stands for every file in it.

    check_no_build_paths.py --folder DIR [--folder DIR ...] FILE ...
"""

import argparse
import os
import sys
import zipfile


def contents(path):
    """(name, bytes) of the file and of every file inside it, if it is a zip."""
    with open(path, "rb") as file:
        yield path, file.read()
    if zipfile.is_zipfile(path):
        with zipfile.ZipFile(path) as archive:
            for name in archive.namelist():
                yield f"{path}:{name}", archive.read(name)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--folder", action="append", required=True)
    parser.add_argument("files", nargs="+")
    args = parser.parse_args()
    paths = [os.path.join(top, name) for file in args.files
             for top, _, names in (os.walk(file) if os.path.isdir(file) else [("", [], [file])])
             for name in names]
    found = [f"{name} names {folder} ({encoding})"
             for path in paths for name, data in contents(path)
             for folder in args.folder for encoding in ("utf-8", "utf-16-le")
             if folder.encode(encoding) in data]
    print("\n".join(found) or f"no build folder named in {len(paths)} files")
    sys.exit(1 if found else 0)


if __name__ == "__main__":
    main()
