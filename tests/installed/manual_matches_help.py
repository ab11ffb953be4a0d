#!/usr/bin/env python3
"""Compares the commands, options and exit statuses that a program's --help lists with those its
manual page shows (through man -l), so that neither can drift from the other.

    manual_matches_help.py PROGRAM PAGE [--page-may-add WORD,WORD...]

--page-may-add names words the page may show before the program lists them.
"""
import argparse
import os
import re
import subprocess
import sys


def blocks(lines, is_heading):
    """Splits text into {heading: [lines under it]}."""
    found, current = {}, None
    for line in lines:
        if is_heading(line):
            current = line.strip().rstrip(":").lower()
            found[current] = []
            rest = line.split(":", 1)[1].strip() if ":" in line else ""
            if rest:
                found[current].append(" " + rest)
        elif current is not None:
            found[current].append(line)
    return found


def terms(lines):
    """The first word of each line at the block's least indentation: the term each entry starts with."""
    entries = [line for line in lines if line.strip()]
    if not entries:
        return []
    indent = min(len(line) - len(line.lstrip()) for line in entries)
    return [line.strip() for line in entries if len(line) - len(line.lstrip()) == indent]


def section(found, *names):
    for heading, lines in found.items():
        if any(heading.startswith(name) for name in names):
            return lines
    return []


def options(entries):
    words = set()
    for entry in entries:
        words.update(re.findall(r"(?:^|[\s,])(--?[a-z][a-z-]*)", entry.split("  ")[0]))
    return words


def exit_statuses(lines):
    return set(re.findall(r"(?:^|[\s;:,])(\d+)\s+[A-Za-z]", " ".join(lines)))


def from_help(text):
    found = blocks(text.splitlines(), lambda line: re.match(r"^[A-Z][A-Za-z ]*:", line) is not None)
    commands = {entry.split()[0] for entry in terms(section(found, "commands"))}
    return commands, options(terms(section(found, "options"))), exit_statuses(section(found, "exit status"))


def from_page(text):
    found = blocks(text.splitlines(), lambda line: re.match(r"^[A-Z][A-Z ]+$", line) is not None)
    commands = {entry.split()[0] for entry in terms(section(found, "commands"))}
    statuses = {entry for entry in terms(section(found, "exit status")) if entry.isdigit()}
    return commands, options(terms(section(found, "options"))), statuses


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("page")
    parser.add_argument("--page-may-add", default="")
    args = parser.parse_args()

    # Both in English, whatever the machine's language: LANGUAGE would outrank LC_ALL for the program.
    environment = {k: v for k, v in os.environ.items() if k != "LANGUAGE"}
    environment.update(MANWIDTH="100", LC_ALL="C.UTF-8")
    help_text = subprocess.run([args.program, "--help"], capture_output=True, text=True, timeout=30,
                               env=environment).stdout
    page_text = subprocess.run(["man", "-l", args.page], capture_output=True, text=True, timeout=30,
                               env=environment, check=True).stdout
    page_text = re.sub(r".\x08", "", page_text)

    failures = []
    for what, listed, shown in zip(("commands", "options", "exit statuses"), from_help(help_text),
                                   from_page(page_text)):
        if not listed:
            failures.append(f"--help lists no {what}")
        if missing := listed - shown:
            failures.append(f"the page lacks the {what} {sorted(missing)}")
        if extra := shown - listed - set(args.page_may_add.split(",")):
            failures.append(f"--help lacks the {what} {sorted(extra)}")
    name = os.path.basename(args.program)
    for failure in failures:
        print(f"{name}: {failure}", file=sys.stderr)
    if failures:
        return 1
    print(f"{name}: the manual page shows what --help lists")
    return 0


if __name__ == "__main__":
    sys.exit(main())
