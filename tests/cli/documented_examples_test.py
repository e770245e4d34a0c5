#!/usr/bin/python3
"""Runs every example of the README and of the manual page, as a reader would type
it into bash, and compares what the program prints with what the document shows
under the example, so that no example can go stale.

An example is a line beginning with "$ " in one of the README's indented blocks, or
in a .EX block of the manual page; a line that ends with "|" or a backslash goes on
in the next. The lines below it, up to the next example or the end of the block,
are its output; an example that shows none must still succeed and print nothing
(the manual page's first example, which shows no output, need only succeed).
The examples run in an empty folder, with the built program as `qorvel-zodiac` on
PATH and a `dates.txt` of two dates for those that read one.

    tests/cli/documented_examples_test.py PROGRAM SOURCE_DIR
"""
import os
import pathlib
import re
import subprocess
import sys
import tempfile


def readme_examples(text):
    """(command, output lines, whether output is shown) from the README's indented blocks."""
    examples, current = [], None
    lines = text.split("\n")
    i = 0
    while i < len(lines):
        line = lines[i]
        indented = line.startswith("    ")
        if indented and line[4:].startswith("$ "):
            command = line[6:]
            while command.endswith(("|", "\\")) and i + 1 < len(lines):
                i += 1
                command += "\n" + lines[i][4:]
            current = [command, []]
            examples.append(current)
        elif current is not None and indented:
            current[1].append(line[4:])
        elif current is not None and line.strip() == "":
            current[1].append("")
        else:
            current = None
        i += 1
    return [(command, trimmed(output), True) for command, output in examples]


ROFF_ESCAPES = [(r"\-", "-"), (r"\(aq", "'"), (r"\|", ""), (r"\&", ""), (r"\e", "\\")]


def unroff(line):
    line = re.sub(r"\\\[u([0-9A-Fa-f]{4,5})\]", lambda m: chr(int(m.group(1), 16)), line)
    for escape, character in ROFF_ESCAPES:
        line = line.replace(escape, character)
    return line


def manual_examples(text):
    """(command, output lines, whether output is shown) from the manual page's .EX blocks."""
    examples = []
    for block in re.findall(r"^\.EX\n(.*?)^\.EE$", text, re.S | re.M):
        lines = [unroff(line) for line in block.rstrip("\n").split("\n")]
        current = None
        i = 0
        while i < len(lines):
            if lines[i].startswith("$ "):
                command = lines[i][2:]
                while command.endswith(("|", "\\")) and i + 1 < len(lines):
                    i += 1
                    command += "\n" + lines[i]
                current = [command, []]
                examples.append(current)
            elif current is not None:
                current[1].append(lines[i])
            i += 1
    return [(command, trimmed(output), bool(output)) for command, output in examples]


def trimmed(lines):
    while lines and lines[-1] == "":
        lines.pop()
    return lines


def run(command, folder, bin_folder):
    environment = {key: value for key, value in os.environ.items()
                   if key not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "TZ")}
    environment["PATH"] = f"{bin_folder}:{environment.get('PATH', '/usr/bin:/bin')}"
    environment["LC_ALL"] = "C.UTF-8"
    environment["XDG_CONFIG_HOME"] = str(folder / ".config")
    return subprocess.run(["bash", "-c", command], cwd=folder, env=environment, capture_output=True,
                          text=True, timeout=60)


def main():
    program, source = pathlib.Path(sys.argv[1]).resolve(), pathlib.Path(sys.argv[2])
    documents = {
        "README.md": readme_examples((source / "README.md").read_text(encoding="utf-8")),
        "packaging/qorvel-zodiac.1.in": manual_examples(
            (source / "packaging/qorvel-zodiac.1.in").read_text(encoding="utf-8")),
    }
    failures, count = [], 0
    with tempfile.TemporaryDirectory() as scratch:
        scratch = pathlib.Path(scratch)
        bin_folder = scratch / "bin"
        bin_folder.mkdir()
        (bin_folder / "qorvel-zodiac").symlink_to(program)
        for document, examples in documents.items():
            if not examples:
                failures.append(f"{document}: no example found")
            for command, expected, shown in examples:
                count += 1
                folder = scratch / f"example-{count}"
                folder.mkdir()
                (folder / "dates.txt").write_text("1975-03-05\n2001-01-24\n", encoding="utf-8")
                ran = run(command, folder, bin_folder)
                got = trimmed(ran.stdout.split("\n"))
                if ran.returncode != 0 or ran.stderr:
                    failures.append(f"{document}: $ {command}\n  exit {ran.returncode}: {ran.stderr.strip()}")
                elif shown and got != expected:
                    failures.append(f"{document}: $ {command}\n  the document shows:\n" +
                                    "".join(f"    {line}\n" for line in expected) +
                                    "  the program prints:\n" + "".join(f"    {line}\n" for line in got))
    for failure in failures:
        print(failure)
    print(f"{count - len(failures)} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
