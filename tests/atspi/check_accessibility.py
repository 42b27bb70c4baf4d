# SPDX-FileCopyrightText: 2026 Proyecto Tarabel
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader finds in Tarabel, read through the real AT-SPI bus.

Run by run.sh, which starts the program on a private bus. Checks that every object that can take
the focus has a name of its own (a unit list is not named by its text, and its edit part carries
the list's name), that the captions are tied to the fields they describe, and that a conversion
tells the screen reader its results, in the decimal separator of the locale given as the first
argument ("." or ",")."""

import sys
import time

import pyatspi
from gi.repository import GLib

decimal = sys.argv[1] if len(sys.argv) > 1 else "."
failures = []


def fail(message):
    failures.append(message)
    print("FAIL:", message)


def find_application(name, seconds=20):
    end = time.time() + seconds
    while time.time() < end:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    return None


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def by_name(nodes, role, name):
    for node in nodes:
        if node.getRole() == role and node.name == name:
            return node
    fail(f"no object of role {role} named {name!r}")
    return None


app = find_application("Tarabel")
if app is None:
    print("FAIL: the program never reached the accessibility bus")
    sys.exit(1)
nodes = list(walk(app))

# Every focusable object has a name with letters in it; a unit list is not named by its value.
focusable = [n for n in nodes if n.getState().contains(pyatspi.STATE_FOCUSABLE)]
if len(focusable) < 60:
    fail(f"only {len(focusable)} focusable objects")
for node in focusable:
    name = node.name or ""
    if sum(c.isalpha() for c in name) < 2:
        fail(f"a {node.getRoleName()} without a name ({name!r})")
lists = [n for n in nodes if n.getRole() == pyatspi.ROLE_COMBO_BOX]
if len(lists) != 9:
    fail(f"{len(lists)} unit lists instead of 9")
for unit_list in lists:
    edit = [c for c in walk(unit_list) if c.getRole() == pyatspi.ROLE_TEXT]
    if not unit_list.name.startswith("Unidad"):
        fail(f"a unit list named {unit_list.name!r}")
    if len(edit) != 1 or edit[0].name != unit_list.name:
        fail(f"the edit part of {unit_list.name!r} is named {[e.name for e in edit]!r}")

# Captions tied to the fields they describe.
captioned = ["Horas", "Minutos", "Segundos", "Grados", "Minutos de arco", "Segundos de arco",
             "Grados decimales", "Grados Celsius", "Grados Fahrenheit", "Kelvin"]
for name in captioned:
    field = by_name(nodes, pyatspi.ROLE_TEXT, name)
    if field is None:
        continue
    kinds = [r.getRelationType() for r in field.getRelationSet()]
    if pyatspi.RELATION_LABELLED_BY not in kinds:
        fail(f"the field {name!r} has no caption tied to it")
slider = by_name(nodes, pyatspi.ROLE_SLIDER, "Humedad relativa")
if slider is not None and pyatspi.RELATION_LABELLED_BY not in [
        r.getRelationType() for r in slider.getRelationSet()]:
    fail("the slider has no caption tied to it")

# A conversion speaks its results, whatever has the focus: as an announcement (Qt 6.8 on), or
# through a notification shown (before).
spoken = []


def on_showing(event):
    if event.detail1 == 1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
        spoken.append(event.source.name)


def on_announcement(event):
    if isinstance(event.any_data, str):
        spoken.append(event.any_data)


pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
pyatspi.Registry.registerEventListener(on_announcement, "object:announcement")


def convert(fields, button, expected):
    for name, text in fields:
        field = by_name(nodes, pyatspi.ROLE_TEXT, name)
        if field is not None:
            field.queryEditableText().setTextContents(text)
    target = by_name(nodes, pyatspi.ROLE_PUSH_BUTTON, button)
    if target is None:
        return
    del spoken[:]
    action = target.queryAction()
    action.doAction([action.getName(i) for i in range(action.nActions)].index("Press"))
    end = time.time() + 5
    while expected not in spoken and time.time() < end:
        GLib.MainContext.default().iteration(False)
        time.sleep(0.02)
    if expected not in spoken:
        fail(f"{button}: heard {spoken!r}, not {expected!r}")


def local(text):
    return text.replace(".", decimal)


convert([("Grados", "10"), ("Minutos de arco", "30"), ("Segundos de arco", "36")],
        "Grados: sexagesimal a decimal", local("10.51 grados"))
convert([("Grados Celsius", "20")], "Convertir desde Celsius",
        local("68.0 Fahrenheit, 293.15 Kelvin, punto de rocío 9.211º C, Formación de rocío"))
pyatspi.Registry.deregisterEventListener(on_showing, "object:state-changed:showing")
pyatspi.Registry.deregisterEventListener(on_announcement, "object:announcement")

print(f"{len(focusable)} focusable objects, {len(lists)} unit lists, "
      f"{len(failures)} faults")
sys.exit(1 if failures else 0)
