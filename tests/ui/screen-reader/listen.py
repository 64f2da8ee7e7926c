"""Listens on the AT-SPI bus as a screen reader does and writes each notification
that shows, one per line, to standard output. Prints READY once it listens.
Its other jobs: `listen.py press <application> <button>` presses a button, and
`listen.py find <application> <button>` succeeds when the button is there."""

import sys

import pyatspi


def on_showing(event):
    try:
        if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            print("NOTIFICATION " + event.source.name, flush=True)
    except Exception:  # an object gone before it could be asked
        pass


def find_button(node, name, depth=0):
    if node is None or depth > 16:
        return None
    if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and node.name == name:
        return node
    if node.getRole() in (pyatspi.ROLE_TABLE, pyatspi.ROLE_MENU_BAR, pyatspi.ROLE_LIST):
        return None
    for i in range(node.childCount):
        found = find_button(node.getChildAtIndex(i), name, depth + 1)
        if found is not None:
            return found
    return None


def button_of(application, name):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == application:
            button = find_button(app, name)
            if button is not None:
                return button
    return None


if __name__ == "__main__":
    if len(sys.argv) == 4 and sys.argv[1] in ("press", "find"):
        button = button_of(sys.argv[2], sys.argv[3])
        if button is not None and sys.argv[1] == "press":
            button.queryAction().doAction(0)
        sys.exit(0 if button is not None else 1)
    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
    print("READY", flush=True)
    pyatspi.Registry.start()
