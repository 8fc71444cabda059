#!/usr/bin/python3
"""Reads a running program's windows through the accessibility interface (AT-SPI),
the way a screen reader sees them.

    atspi_probe.py --pid PID tree
    atspi_probe.py --pid PID text NAME
    atspi_probe.py --pid PID wait-text NAME EXPECTED [--timeout SECONDS]
    atspi_probe.py --pid PID check-access WINDOW NAME=ROLE...

Run with Debian's /usr/bin/python3 (python3-pyatspi), inside the D-Bus session whose
accessibility bus the program talks to. Exit status 0 when the check holds, 1 when it
does not, 2 when the program cannot be found on the bus.
"""

import argparse
import sys
import time

import pyatspi

POLL_SECONDS = 0.1


class NotOnBus(Exception):
    pass


def find_application(pid, timeout):
    deadline = time.monotonic() + timeout
    while True:
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            application = desktop.getChildAtIndex(index)
            try:
                if application is not None and application.get_process_id() == pid:
                    return application
            except Exception:  # an application that left the bus while we looked
                continue
        if time.monotonic() > deadline:
            raise NotOnBus(f"no application with process id {pid} on the accessibility bus")
        time.sleep(POLL_SECONDS)


def descendants(node, depth=0):
    yield node, depth
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            yield from descendants(child, depth + 1)


def text_of(node):
    try:
        text = node.queryText()
    except NotImplementedError:
        return None
    return text.getText(0, -1)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def describe(node):
    text = text_of(node)
    content = "" if text is None else f" text={text!r}"
    hidden = "" if showing(node) else " (not showing)"
    return f"{node.getRoleName()} {node.name!r}{content}{hidden}"


def windows(application):
    return [application.getChildAtIndex(i) for i in range(application.childCount)]


def named(application, name):
    """The elements called `name` in any of the application's windows."""
    return [node for window in windows(application) for node, _ in descendants(window) if node.name == name]


def print_tree(application):
    for window in windows(application):
        for node, depth in descendants(window):
            print("  " * depth + describe(node))


def text_box_text(application, name):
    boxes = [node for node in named(application, name) if node.getRoleName() == "text"]
    if len(boxes) != 1:
        return None, f"{len(boxes)} text boxes named {name!r}"
    return text_of(boxes[0]), None


def command_text(application, args):
    text, problem = text_box_text(application, args.name)
    if problem:
        print(problem, file=sys.stderr)
        return 1
    print(text)
    return 0


def command_wait_text(application, args):
    deadline = time.monotonic() + args.timeout
    while True:
        try:
            text, problem = text_box_text(application, args.name)
        except Exception as fault:  # an element that went away while we read the tree
            text, problem = None, f"an error reading the tree: {fault}"
        if problem is None and text == args.expected:
            return 0
        if time.monotonic() > deadline:
            seen = problem or f"{text!r}"
            print(f"{args.name}: expected {args.expected!r}, found {seen}", file=sys.stderr)
            return 1
        time.sleep(POLL_SECONDS)


def command_check_access(application, args):
    matches = [w for w in windows(application) if w.name == args.window]
    if not matches:
        titles = ", ".join(repr(w.name) for w in windows(application))
        print(f"no window titled {args.window!r} (windows: {titles})", file=sys.stderr)
        return 1
    elements = [node for node, _ in descendants(matches[0])]
    problems = []
    for expectation in args.expectations:
        name, _, role = expectation.partition("=")
        found = [node for node in elements if node.name == name]
        roles = [node.getRoleName() for node in found]
        if not found:
            problems.append(f"nothing named {name!r}")
        elif role not in roles:
            problems.append(f"{name!r} has role {', '.join(roles)}, expected {role}")
        elif not any(showing(node) for node in found if node.getRoleName() == role):
            problems.append(f"{name!r} is not showing")
    for problem in problems:
        print(problem, file=sys.stderr)
    if problems:
        print(f"accessible tree of {args.window!r}:", file=sys.stderr)
        for node in elements:
            print("  " + describe(node), file=sys.stderr)
    return 1 if problems else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--pid", type=int, required=True, help="process id of the program")
    parser.add_argument("--bus-timeout", type=float, default=15, help="seconds to wait for the program on the bus")
    commands = parser.add_subparsers(dest="command", required=True)
    commands.add_parser("tree", help="print every window's accessible tree")
    text = commands.add_parser("text", help="print the text of the text box called NAME")
    text.add_argument("name")
    wait = commands.add_parser("wait-text", help="wait until the text box NAME holds EXPECTED")
    wait.add_argument("name")
    wait.add_argument("expected")
    wait.add_argument("--timeout", type=float, default=10)
    access = commands.add_parser("check-access", help="check names and roles in the window titled WINDOW")
    access.add_argument("window")
    access.add_argument("expectations", nargs="+", metavar="NAME=ROLE")
    args = parser.parse_args()

    try:
        application = find_application(args.pid, args.bus_timeout)
    except NotOnBus as fault:
        print(fault, file=sys.stderr)
        return 2
    if args.command == "tree":
        print_tree(application)
        return 0
    handlers = {"text": command_text, "wait-text": command_wait_text, "check-access": command_check_access}
    return handlers[args.command](application, args)


if __name__ == "__main__":
    sys.exit(main())
