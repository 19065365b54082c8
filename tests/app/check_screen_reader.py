# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 QQ7NV
# What a screen reader finds over the accessibility bus, as Orca reads it:
# each box's text, selection, attribute run, name and description, the
# lengths in words, the notification after Calculate, and the warning's texts.
#   check_screen_reader.py PROGRAM   (on a display, in a D-Bus session)
import os
import subprocess
import sys
import time

import pyatspi

desktop = pyatspi.Registry.getDesktop(0)  # the accessibility bus comes up before the program looks for it
program = subprocess.Popen([sys.argv[1]], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1'))
failures = []


def until(find, what):
    for _ in range(100):
        found = find()
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f'no {what} came up')


def named(root, role, name):
    return pyatspi.findDescendant(root, lambda a: a.getRole() == role and a.name == name)


def check(what, got, expected):
    if got != expected:
        failures.append(f'{what}:\n    got      {got!r}\n    expected {expected!r}')


# The box's text, its whole text selected when it has the focus, one attribute run, its description.
def box(name, text, description):
    accessible = named(window, pyatspi.ROLE_TEXT, name)
    content = accessible.queryText()
    if accessible.getState().contains(pyatspi.STATE_FOCUSED):
        check(f'{name}: selection', content.getSelection(0), (0, len(text)))
    check(f'{name}: text, attribute run, description',
          (content.getText(0, -1), tuple(content.getAttributeRun(0, False)[1:]), accessible.description),
          (text, (0, len(text)), description))


def heard_labels():
    return [a.name for a in pyatspi.findAllDescendants(window, lambda a: a.getRole() == pyatspi.ROLE_LABEL)
            if a.getState().contains(pyatspi.STATE_SHOWING)]


def calculate(frequency):
    named(window, pyatspi.ROLE_TEXT, 'Frequency').queryEditableText().setTextContents(frequency)
    named(window, pyatspi.ROLE_PUSH_BUTTON, 'Calculate').queryAction().doAction(0)


try:
    app = until(lambda: [a for a in desktop if a and a.name == 'MorvaneCalc'], 'program')[0]
    window = until(lambda: app.childCount and app[0].name == 'MorvaneCalc by QQ7NV' and app[0], 'window')
    until(lambda: named(window, pyatspi.ROLE_TEXT, 'Frequency').getState().contains(pyatspi.STATE_FOCUSED), 'focus')
    box('Frequency', '21,250', '21 point 2 5 0 megacycles, Type center of frequency here')
    box('Length over all', ' ', 'Length over all')
    check('labels at start-up', heard_labels(), ['Frequency', 'Length', 'Lcoax', 'Lstub', 'megacycles', 'metres',
                                                 'metres', 'metres', 'www.qq7nv.example'])

    calculate('7,1')
    note = until(lambda: pyatspi.findDescendant(window, lambda a: a.getRole() == pyatspi.ROLE_NOTIFICATION and a.name),
                 'notification')
    check('notification', note.name, 'Length over all: 19 point 8 3 metres, 65 feet 0 point 7 inches. Length of '
          'coaxial cable: 14 metres, 45 feet 11 point 2 inches. Length of stub: 2 point 9 2 metres, 9 feet 6 point 8 '
          'inches.')
    coax = named(window, pyatspi.ROLE_TEXT, 'Length of coaxial cable')
    coax.queryComponent().grabFocus()
    until(lambda: coax.getState().contains(pyatspi.STATE_FOCUSED), 'focus in a result box')
    box('Length of coaxial cable', '14', '14 metres, 45 feet 11 point 2 inches')
    box('Length of stub', '2,92', '2 point 9 2 metres, 9 feet 6 point 8 inches')
    check('labels after Calculate', heard_labels()[-4:], ['www.qq7nv.example', '65 feet 0 point 7 inches',
                                                          '45 feet 11 point 2 inches', '9 feet 6 point 8 inches'])

    calculate('0')
    alert = until(lambda: named(app, pyatspi.ROLE_ALERT, 'MorvaneCalc by QQ7NV'), 'warning')
    said = [a.name for a in pyatspi.findAllDescendants(alert, lambda a: a.getRole() == pyatspi.ROLE_LABEL and a.name)]
    check('warning: description and labels', [alert.description] + said, ['', 'The frequency is zero, and an antenna '
          'for zero megacycles has no length. Type a frequency above zero, for example 21 point 2 5 0.'])
    named(alert, pyatspi.ROLE_PUSH_BUTTON, 'OK').queryAction().doAction(0)
finally:
    program.terminate()
    program.wait(10)
print('\n'.join(failures) or 'heard right')
sys.exit(1 if failures else 0)
