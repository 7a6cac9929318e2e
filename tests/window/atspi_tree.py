"""Reads the window as a screen reader does, over AT-SPI, and checks it.

atspi_tree.py names   every control has a name or is labelled by one, and
                      the width boxes and the text box by their labels
atspi_tree.py picture DESCRIPTION   the canvas is named "Picture" and
                      describes the current figure so, within 5 seconds
Exit status 0 when it holds; what does not hold is printed.
"""
import sys
import time

import pyatspi

CONTROLS = {"push button", "check box", "toggle button", "combo box", "text", "radio button"}


def window():
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and "tavimbre" in (app.name or "").lower():
                return app
        time.sleep(0.1)
    sys.exit("the window is not on the accessibility bus")


def nodes(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from nodes(child)


def labels_of(node):
    return [r.getTarget(k).name for r in node.getRelationSet()
            if r.getRelationType() == pyatspi.RELATION_LABELLED_BY for k in range(r.getNTargets())]


def check_names(app):
    faults = []
    found = {}
    for node in nodes(app):
        role = node.getRoleName()
        if role not in CONTROLS:
            continue
        labels = labels_of(node)
        found.setdefault(role, []).append((node.name, labels))
        # An editable combo box's own text field is named by the box around it.
        inside_combo = role == "text" and node.parent is not None and node.parent.getRoleName() == "combo box"
        if not node.name and not labels and not inside_combo:
            faults.append(f"a {role} has no name and no label")
    boxes = found.get("combo box", [])
    for label in ("Draw width", "Eraser width"):
        if not any(label in labels for _, labels in boxes):
            faults.append(f"no combo box is labelled by \"{label}\"")
    if not any(name == "Enter Text" and "Enter Text" in labels for name, labels in found.get("text", [])):
        faults.append("the text box is not named and labelled \"Enter Text\"")
    if len(found.get("check box", [])) + len(found.get("push button", [])) < 40:
        faults.append("the palette and toolbar buttons are missing")
    return faults


def check_picture(app, description):
    for _ in range(50):
        pictures = [n for n in nodes(app) if n.name == "Picture"]
        if pictures and pictures[0].description == description:
            return []
        time.sleep(0.1)
    got = pictures[0].description if pictures else "(no control named Picture)"
    return [f"the picture describes \"{got}\", not \"{description}\""]


def main():
    app = window()
    faults = check_names(app) if sys.argv[1] == "names" else check_picture(app, sys.argv[2])
    for fault in faults:
        print("FAIL:", fault)
    if not faults:
        print("ok:", " ".join(sys.argv[1:]))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
