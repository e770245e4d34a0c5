#!/usr/bin/python3
"""Listens to the program's showing window over AT-SPI as a screen reader does,
and checks what a blind user would hear for Ann, born 5 March 1975.

usage: screen_reader_test.py main|result|exit
Run by screen_reader_test.sh, which drives the program to that window. Prints
what was heard, and exits 1, where something is not heard as it should be.
"""
import os
import re
import sys
import time

# The shared reader sits beside this file; no compiled copy is left in the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import atspi  # noqa: E402

WINDOWS = {"main": "main window", "result": "result window", "exit": "exit screen"}
# The windows' descriptions, and the names that carry Ann's reading.
WINDOW_DESCRIPTIONS = {
    "main": "Enter your name and date of birth",
    "result": "Ann's Japanese zodiac sign",
    "exit": "Tell a friend and leave",
}
RESULT_NAMES = ["English Name: Rabbit", "Japanese Sign: Usagi", "Japanese Element: Wood"]
# The date lists, by the value each shows for Ann, and what they are.
DATE_LISTS = {"March": "Birth month", "5": "Birth day", "1975": "Birth year"}

# What a reader announces as something to act on or to read a value from.
CONTROLS = {"push button", "check box", "radio button", "toggle button", "text", "entry", "password text",
            "combo box", "spin button", "image", "link"}
# A line that asks to be clicked, or opens with an invitation to visit or join,
# which a sighted user takes for a link.
LINK_WORDS = re.compile(r"^(join|visit)\b|click here|visit our web site", re.IGNORECASE)


def words(text):
    return " ".join(re.findall(r"[a-z0-9']+", text.lower()))


class Heard:
    """One showing object and what a reader says of it."""

    def __init__(self, node, depth, groups):
        self.node, self.depth = node, depth
        # A reader names the enclosing group once, on entering it: a relation to
        # that group does not tell one control from its neighbours.
        labels = [n for n in node.related(atspi.LABELLED_BY) if n.address not in groups]
        self.captions = [n.name for n in labels if n.role_name == "label"]
        self.labels = [n.name for n in labels]
        self.value = value_of(node)

    def parts(self):
        return [self.node.name, self.node.description, *self.labels]

    def line(self):
        node, said = self.node, [f'{self.node.role_name} "{self.node.name}"']
        if node.description:
            said.append(f'described "{node.description}"')
        if self.value is not None:
            said.append(f'holding "{self.value[:60]}"'.replace("\n", "\\n"))
        said += [f'labelled by "{label}"' for label in self.labels]
        if atspi.FOCUSED in node.states:
            said.append("FOCUSED")
        return "  " * self.depth + ", ".join(said)


def value_of(node):
    """What a control shows as its current value: a text box's text, a list's choice."""
    if node.role_name == "combo box":
        for child in node.children():
            for item in child.children() if child.role_name == "list" else [child]:
                if atspi.SELECTED in item.states:
                    return item.name
        # A list never opened may have no item selected yet: Qt names it on Linux
        # by the text it shows.
        return node.name
    return node.text()


def listen(connection):
    """Every showing object of the program's showing windows, in the order a reader walks them."""
    heard = []

    def walk(node, depth, groups):
        heard.append(Heard(node, depth, groups))
        # A list's items show only when it is opened; menus are read when opened.
        if node.role_name in ("combo box", "menu bar"):
            return
        for child in node.children():
            if child.showing():
                walk(child, depth + 1, groups | {node.address})

    for application in atspi.applications(connection):
        for window in application.children():
            if window.showing():
                walk(window, 0, frozenset())
    return heard


def problems_of(stage, heard):
    found = []
    windows = [h.node for h in heard if h.depth == 0]
    if not windows:
        return ["no window shows"]
    said = [part for h in heard for part in h.parts()]

    description = WINDOW_DESCRIPTIONS[stage]
    if not any(window.description == description for window in windows):
        found.append(f'no window is described "{description}"')
    if stage == "exit":
        found += [f'the exit screen is a {w.role_name}, not a window' for w in windows
                  if w.role_name not in ("window", "frame", "dialog")]
    for h in heard:
        if h.node.role_name == "label" and LINK_WORDS.search(h.node.name):
            found.append(f'"{h.node.name}" is heard as a label, not a link')
    if stage == "exit":
        return found

    if stage == "result":
        found += [f'nothing is named "{name}"' for name in RESULT_NAMES if name not in said]
        images = [h.node.name for h in heard if h.node.role_name == "image"]
        if "Picture of a rabbit" not in images:
            found.append('no picture is named "Picture of a rabbit"')
        if not any("卯 (u)" in name for name in images):
            found.append('no picture is named for "卯 (u)"')
    else:
        lists = {h.value: h for h in heard if h.node.role_name == "combo box"}
        for value, description in DATE_LISTS.items():
            if value not in lists:
                found.append(f'no list shows "{value}"')
            elif lists[value].node.description != description:
                found.append(f'the list showing "{value}" is not described "{description}"')

    for h in heard:
        node = h.node
        if node.role_name not in CONTROLS:
            continue
        value = words(h.value or "")
        if not any(words(part) and words(part) != value for part in h.parts()):
            found.append(f'the {node.role_name} holding "{h.value}" is heard as nothing but its value' if value
                         else f'the {node.role_name} is heard as nothing')
        own = words(" ".join([node.name, node.description]))
        for caption in h.captions:
            if words(caption) not in own and own not in words(caption):
                found.append(f'the {node.role_name} "{node.name}" ({node.description}) is labelled by "{caption}"')
    focused = [h for h in heard if atspi.FOCUSED in h.node.states]
    if not focused:
        found.append("nothing has the focus")
    elif len(focused) > 1:
        found.append(f"{len(focused)} objects have the focus: " +
                     ", ".join(f'{h.node.role_name} "{h.node.name}"' for h in focused))
    return found


def main():
    stage = sys.argv[1] if len(sys.argv) == 2 else ""
    if stage not in WINDOW_DESCRIPTIONS:
        sys.exit("usage: screen_reader_test.py main|result|exit")
    connection = atspi.bus()
    # The tree follows the window by a moment: listen again until it holds, a few seconds at most.
    deadline = time.monotonic() + 5
    while True:
        try:
            heard = listen(connection)
            problems = problems_of(stage, heard)
        except atspi.dbus.DBusException as error:  # an object gone meanwhile
            heard, problems = [], [str(error)]
        if not problems or time.monotonic() > deadline:
            break
        time.sleep(0.3)
    if problems:
        print(f"The {WINDOWS[stage]} is not heard as it should be:")
        print("\n".join(f"  - {problem}" for problem in problems))
        print("What a screen reader hears, object by object:")
        print("\n".join("  " + h.line() for h in heard))
        return 1
    print(f"the {WINDOWS[stage]} is heard as it should be")
    return 0


if __name__ == "__main__":
    sys.exit(main())
