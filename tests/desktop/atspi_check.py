#!/usr/bin/python3
# The gallery as a screen reader meets it, through the AT-SPI bus (Debian's python3-pyatspi, system Python): every page
# walked for unnamed interactive nodes and unknown roles; the ruler, the bars and the play cursor with sensible roles
# and names; a bar's readable moment and recording kind in its description; a button pressed through the Action
# interface; a bar sought by setting its value; and the rate of events while the playback rows play.
#
# Never calls org.freedesktop.DBus.Properties.GetAll on the application: it crashes the bridge of Qt 5.15.8.
#   atspi_check.py <application name>
import re
import sys
import time

import pyatspi
from gi.repository import GLib

APP = sys.argv[1] if len(sys.argv) > 1 else "zcorvane-gallery"
failures = []

# Scroll bars of scroll areas are told by their orientation; the time ruler, a scroll bar too, is checked by name.
INTERACTIVE = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON,
    pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_SLIDER, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_LINK, pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE,
    pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE,
}


def fail(message):
    failures.append(message)
    print("FAIL: " + message, flush=True)


def wait(seconds):
    """Lets the bus deliver what is pending (events, the application's answers) for a while."""
    loop = GLib.MainLoop()
    GLib.timeout_add(int(seconds * 1000), loop.quit)
    loop.run()


def application():
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == APP:
                return app
        time.sleep(0.2)
    raise SystemExit("the application %s never reached the bus" % APP)


def walk(node, depth=0):
    """Every showing node below node (node included), as (node, path)."""
    if node is None or depth > 40:
        return
    try:
        if not node.getState().contains(pyatspi.STATE_SHOWING):
            return
    except Exception:
        return
    yield node
    for child in node:
        yield from walk(child, depth + 1)


def path_of(node):
    parts = []
    while node is not None and len(parts) < 8:
        parts.append("%s '%s'" % (node.getRoleName(), node.name))
        node = node.parent
    return " < ".join(parts)


def find(root, predicate):
    return [n for n in walk(root) if predicate(n)]


def editable(node):
    return node.getState().contains(pyatspi.STATE_EDITABLE)


def in_combo_box(node):
    """The popup list of a combo box is named by its owner, as the editor of a spin box is."""
    parent = node.parent
    return parent is not None and parent.getRole() == pyatspi.ROLE_COMBO_BOX


def check_page(window, title):
    for node in walk(window):
        role = node.getRole()
        if in_combo_box(node):
            continue
        interactive = role in INTERACTIVE or (role == pyatspi.ROLE_TEXT and editable(node))
        if interactive and not node.name.strip():
            fail("%s: unnamed %s" % (title, path_of(node)))
        if role == pyatspi.ROLE_UNKNOWN and node.name:
            fail("%s: role unknown for %s" % (title, path_of(node)))


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press", "click", "Toggle", "SetFocus"):
            action.doAction(i)
            return True
    return False


def main():
    app = application()
    window = app[0]
    pages = find(window, lambda n: n.getRole() == pyatspi.ROLE_LIST and n.name == "Gallery pages")
    if not pages:
        raise SystemExit("no page list named 'Gallery pages' in %s" % path_of(window))
    page_list = pages[0]
    titles = [item.name for item in page_list]
    for index, title in enumerate(titles):
        press(page_list[index])
        wait(1.0)
        check_page(window, title)
        if title == "Playback":
            check_playback(window)
        if title == "Dialogs and overlays":
            check_button_press(app, window)
    print("walked %d pages: %s" % (len(titles), ", ".join(titles)), flush=True)


def check_playback(window):
    rulers = find(window, lambda n: n.getRole() == pyatspi.ROLE_SCROLL_BAR and n.name == "Time ruler")
    if len(rulers) != 1:
        fail("playback: %d scroll bars named 'Time ruler'" % len(rulers))
    bars = find(window, lambda n: n.getRole() == pyatspi.ROLE_SLIDER and n.parent is not None
                and n.parent.name == "Playback windows")
    if len(bars) < 8:
        fail("playback: only %d bars (sliders in 'Playback windows')" % len(bars))
        return
    readable = re.compile(r"^\d\d:\d\d:\d\d, (recording|alarm recording|no recording)$")
    wait(3.0)  # the rows search, then play
    playing = [b for b in bars if readable.match(b.description)]
    if not playing:
        fail("playback: no bar tells its moment and recording kind; descriptions: %s"
             % [b.description for b in bars[:4]])
    cursors = find(window, lambda n: n.name == "Play position")
    if not cursors:
        fail("playback: no play cursor named 'Play position' under a bar")
    for cursor in cursors:
        if cursor.getRole() == pyatspi.ROLE_UNKNOWN:
            fail("playback: the play cursor's role is unknown")

    # Setting a bar's value seeks it: 30 s back, inside the recording that plays, the value goes back too.
    sought = False
    for bar in playing[:6]:
        value = bar.queryValue()
        before = value.currentValue
        value.currentValue = float(max(0, before - 30))
        wait(1.0)
        if value.currentValue < before:
            sought = True
            break
    if playing and not sought:
        fail("playback: setting a playing bar's value back 30 s sought none of %d bars" % min(6, len(playing)))

    # Events while the rows play: under 50 a second in all.
    count = [0]

    def counted(event):
        try:
            if event.host_application is not None and event.host_application.name == APP:
                count[0] += 1
        except Exception:
            count[0] += 1

    kinds = ["object:property-change", "object:value-changed", "object:state-changed", "object:bounds-changed",
             "object:text-changed", "object:children-changed", "object:visible-data-changed",
             "object:selection-changed", "object:active-descendant-changed"]
    pyatspi.Registry.registerEventListener(counted, *kinds)
    wait(5.0)
    pyatspi.Registry.deregisterEventListener(counted, *kinds)
    rate = count[0] / 5.0
    print("accessibility events while %d rows play: %.1f a second" % (len(bars), rate), flush=True)
    if rate >= 50:
        fail("playback: %.1f accessibility events a second (at most 50)" % rate)


def check_button_press(app, window):
    opens = find(window, lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name.startswith("Open (modeless"))
    if not opens:
        fail("dialogs: no button 'Open (modeless, min / max)'")
        return
    before = app.childCount
    press(opens[0])
    wait(1.5)
    if app.childCount <= before:
        fail("dialogs: pressing 'Open (modeless, min / max)' through the Action interface opened no window")
        return
    dialog = app[app.childCount - 1]
    closes = find(dialog, lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == "Close")
    if not closes:
        fail("dialogs: the opened dialog has no button named 'Close'")
        return
    press(closes[0])
    wait(1.0)
    if app.childCount != before:
        fail("dialogs: pressing the dialog's 'Close' through the Action interface left it open")


if __name__ == "__main__":
    main()
    if failures:
        print("%d problem(s)" % len(failures), flush=True)
        sys.exit(1)
    print("AT-SPI check passed", flush=True)
