#!/usr/bin/python3
"""Makes the release's JavaScript as small as it stays the same program, with
Debian's terser: a .js file whole, or each script written into a page.

    minify.py TERSER SOURCE OUTPUT

Names that one script gives the others (its top level) are kept. Debian's
terser runs in node with the modules of Debian's node packages."""

import os
import re
import subprocess
import sys


def minify(terser, script):
    environment = dict(os.environ, NODE_PATH="/usr/share/nodejs")
    return subprocess.run([terser, "--compress", "--mangle"], input=script, capture_output=True, text=True,
                          check=True, env=environment).stdout.strip()


def main(terser, source, output):
    with open(source, encoding="utf-8") as file:
        text = file.read()
    if source.endswith(".html"):
        text = re.sub(r"(<script>)(.*?)(</script>)", lambda script: script[1] + minify(terser, script[2])
                      + script[3], text, flags=re.S)
    else:
        text = minify(terser, text) + "\n"
    with open(output, "w", encoding="utf-8") as file:
        file.write(text)


if __name__ == "__main__":
    main(*sys.argv[1:])
