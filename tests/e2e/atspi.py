#!/usr/bin/python3
"""Reads the running programs' windows over AT-SPI, the way a screen reader does.

Run with DBUS_SESSION_BUS_ADDRESS naming the session bus that started the
accessibility bus. As a program:
    atspi.py start   asks for the accessibility bus, which starts it
    atspi.py texts   prints every name and description of every window, one a line
"""
import sys

import dbus

ACCESSIBLE = "org.a11y.atspi.Accessible"
TEXT = "org.a11y.atspi.Text"
ROOT = "/org/a11y/atspi/accessible/root"
TIMEOUT = 2  # seconds: a program that takes longer is stuck, not slow

# AT-SPI's numbers (at-spi2-core's atspi-constants.h): the roles, states and
# relations read here.
ROLE_NAMES = {
    7: "check box", 11: "combo box", 16: "dialog", 20: "filler", 23: "frame", 27: "image", 29: "label",
    31: "list", 32: "list item", 34: "menu bar", 35: "menu item", 39: "panel", 40: "password text",
    43: "push button", 44: "radio button", 48: "scroll bar", 52: "spin button", 61: "text", 62: "toggle button",
    69: "window", 75: "application", 79: "entry", 88: "link",
}
FOCUSED, SELECTED, SHOWING, VISIBLE = 12, 23, 25, 30
LABELLED_BY = 2


def bus():
    """The accessibility bus, found through the session bus (and started by asking)."""
    session = dbus.SessionBus()
    launcher = session.get_object("org.a11y.Bus", "/org/a11y/bus")
    return dbus.bus.BusConnection(launcher.GetAddress(dbus_interface="org.a11y.Bus"))


class Node:
    """One accessible object, read once: what a reader asks of it."""

    def __init__(self, connection, name, path):
        self.connection, self.address = connection, (str(name), str(path))
        proxy = connection.get_object(name, path, introspect=False)
        self._proxy = proxy
        self.name = str(self._property("Name"))
        self.description = str(self._property("Description"))
        self.role = int(proxy.GetRole(dbus_interface=ACCESSIBLE, timeout=TIMEOUT))
        self.role_name = ROLE_NAMES.get(self.role) or str(proxy.GetRoleName(dbus_interface=ACCESSIBLE, timeout=TIMEOUT))
        words = proxy.GetState(dbus_interface=ACCESSIBLE, timeout=TIMEOUT)
        self.states = {bit for bit in range(32 * len(words)) if int(words[bit // 32]) >> (bit % 32) & 1}
        self.relations = [(int(kind), [(str(n), str(p)) for n, p in targets])
                          for kind, targets in proxy.GetRelationSet(dbus_interface=ACCESSIBLE, timeout=TIMEOUT)]
        self._interfaces = [str(i) for i in proxy.GetInterfaces(dbus_interface=ACCESSIBLE, timeout=TIMEOUT)]

    def _property(self, what):
        return self._proxy.Get(ACCESSIBLE, what, dbus_interface=dbus.PROPERTIES_IFACE, timeout=TIMEOUT)

    def children(self):
        return [Node(self.connection, n, p)
                for n, p in self._proxy.GetChildren(dbus_interface=ACCESSIBLE, timeout=TIMEOUT)]

    def text(self):
        """What a text box holds, or None for an object that holds no text."""
        if TEXT not in self._interfaces:
            return None
        return str(self._proxy.GetText(0, -1, dbus_interface=TEXT, timeout=TIMEOUT))

    def related(self, kind):
        return [Node(self.connection, n, p) for k, targets in self.relations if k == kind for n, p in targets]

    def showing(self):
        return {SHOWING, VISIBLE} <= self.states


def applications(connection):
    """The root of every program on the bus that shows itself to assistive technology."""
    found = []
    for name in connection.list_names():
        if not name.startswith(":") or name == connection.get_unique_name():
            continue
        try:
            root = Node(connection, name, ROOT)
        except dbus.DBusException:
            continue  # not an accessible program, or gone meanwhile
        if root.role_name == "application":
            found.append(root)
    return found


def print_texts(connection):
    seen = set()

    def walk(node, depth):
        # The registry lists the programs again as its children: each node once.
        if depth > 20 or node.address in seen:
            return
        seen.add(node.address)
        for text in (node.name, node.description):
            if text:
                print(text)
        try:
            children = node.children()
        except dbus.DBusException:
            return  # gone meanwhile
        for child in children:
            walk(child, depth + 1)

    for root in applications(connection):
        walk(root, 0)


if __name__ == "__main__":
    command = sys.argv[1] if len(sys.argv) == 2 else ""
    if command not in ("start", "texts"):
        sys.exit("usage: atspi.py start|texts")
    accessibility = bus()
    if command == "texts":
        print_texts(accessibility)
