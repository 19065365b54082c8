# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 QQ7NV
# What a screen reader finds over the accessibility bus, as Orca reads it:
# each box's text, selection, attribute run, name, description and place on
# screen, what assistive technology may do with a box, the lengths in words,
# the notification after Calculate, the warning's texts; and the hints the
# window gives an X11 window manager: an icon, and no maximize button.
#   check_screen_reader.py PROGRAM   (on an X11 display, in a D-Bus session)
import os, subprocess, sys, time  # noqa: E401

import pyatspi

pyatspi.setTimeout(3000, 15000)  # ms: an answer takes less, and a program that gives none fails then
desktop = pyatspi.Registry.getDesktop(0)  # the accessibility bus comes up before the program looks for it
program = subprocess.Popen([sys.argv[1]], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1'))
failures = []


def until(find, what):
    for _ in range(100):
        if found := find():
            return found
        time.sleep(0.1)
    sys.exit(f'no {what} came up')


def named(root, role, name):
    return pyatspi.findDescendant(root, lambda a: a.getRole() == role and a.name == name)


def check(what, got, expected):
    if got != expected:
        failures.append(f'{what}:\n    got      {got!r}\n    expected {expected!r}')


# Its text, whole and in part, selected whole only while it has the focus,
# one attribute run, its description, whether it takes editing (the
# frequency box, centred, does); and each character side by side, centred
# in the box's height, placed across as the box aligns its text, and found
# again at its place.
def box(name, text, description, centred=False):
    accessible = named(window, pyatspi.ROLE_TEXT, name)
    content, state, on_screen = accessible.queryText(), accessible.getState(), pyatspi.DESKTOP_COORDS
    focused = int(state.contains(pyatspi.STATE_FOCUSED))
    check(f'{name}: text, selection, attributes, description, editing',
          (content.getText(0, -1), content.getText(1, len(text) - 1), content.getNSelections(), content.getSelection(0),
           tuple(content.getAttributeRun(0, False)[1:]), accessible.description, 'EditableText' in pyatspi.
           listInterfaces(accessible), state.contains(pyatspi.STATE_EDITABLE), state.contains(pyatspi.STATE_READ_ONLY)),
          (text, text[1:-1], focused, (0, len(text) * focused), (0, len(text)), description, centred, centred, not centred))
    frame = accessible.queryComponent().getExtents(on_screen)
    chars = [content.getCharacterExtents(i, on_screen) for i in range(len(text) + 1)]
    left, right = chars[0][0] - frame.x, frame.x + frame.width - chars[-2][0] - chars[-2][2]
    check(f'{name}: characters on screen',
          ([a[0] + a[2] == b[0] and abs(2 * (a[1] - frame.y) + a[3] - frame.height) < 3 for a, b in zip(chars[:-1], chars[1:])],
           abs(left - right) <= 3 if centred else 0 < right < 8 < left,
           [content.getOffsetAtPoint(c[0] + x, c[1] + c[3] // 2, on_screen) for c in chars[:-1] for x in (1, c[2] - 1)],
           chars[-1][2]),
          ([True] * (len(text) - 1) + [False], True, [i // 2 for i in range(1, 2 * len(text) + 1)], 0))


# The character, word, sentence, line or paragraph at, before and after each
# offset of each box's text, its end included: each asked, answered in time,
# and the piece of the text it names.
def pieces(when):
    for accessible in pyatspi.findAllDescendants(window, lambda a: a.getRole() == pyatspi.ROLE_TEXT):
        text = (content := accessible.queryText()).getText(0, -1)
        asks = [(ask, kind) for ask in (content.getTextBeforeOffset, content.getTextAtOffset, content.getTextAfterOffset)
                for kind in range(7)] + [(content.getStringAtOffset, granularity) for granularity in range(5)]
        wrong = [(ask.__name__, kind, offset, piece) for ask, kind in asks for offset in range(len(text) + 1)
                 if (piece := answer(ask, offset, kind)) and piece[0] != text[piece[1]:piece[2]]]
        check(f'{when}, {accessible.name}: pieces of the text', wrong, [])


def answer(ask, *args):  # or None for a refusal: Qt 6.4 knows no getStringAtOffset
    started = time.monotonic()
    try:
        return tuple(ask(*args))
    except Exception as error:  # noqa: B902 (pyatspi's own error)
        return None if time.monotonic() - started < 2 else sys.exit(f'no answer to {ask.__name__}{args}: {error}')


def heard_labels():
    return [a.name for a in pyatspi.findAllDescendants(window, lambda a: a.getRole() == pyatspi.ROLE_LABEL)
            if a.getState().contains(pyatspi.STATE_SHOWING)]


try:
    app = until(lambda: [a for a in desktop if a and a.name == 'MorvaneCalc'], 'program')[0]
    window = until(lambda: app.childCount and app[0].name == 'MorvaneCalc by QQ7NV' and app[0], 'window')
    until(lambda: named(window, pyatspi.ROLE_TEXT, 'Frequency').getState().contains(pyatspi.STATE_FOCUSED), 'focus')
    hints = subprocess.run(['xprop', '-name', window.name, '_MOTIF_WM_HINTS', '_NET_WM_ICON'], capture_output=True).stdout.decode()
    motif = [int(word, 16) for word in hints.split('\n')[0].split('=')[1].split(',')]
    check('icon, and maximize in the frame hints', ('Icon (128 x 128)' in hints, motif[1] & 0x10, motif[2] & 0x40), (True, 0, 0))
    box('Frequency', '21,250', '21 point 2 5 0 megacycles, Type center of frequency here', centred=True)
    box('Length over all', ' ', 'Length over all')
    pieces('at start-up')
    check('labels, other boxes and buttons at start-up', heard_labels() + [a.description for a in pyatspi.findAllDescendants(
        window, lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON or a.name.startswith('Length of'))], ['Frequency',
        'Length', 'Lcoax', 'Lstub', 'megacycles', 'metres', 'metres', 'metres', 'www.qq7nv.example', 'Length of coaxial '
        'cable', 'Length of stub for tuning this antenna', '', 'Quit this program'])

    # What assistive technology may do with the frequency box.
    content, editable = (frequency := named(window, pyatspi.ROLE_TEXT, 'Frequency')).queryText(), frequency.queryEditableText()
    calls = [content.setSelection(0, 1, 3), content.setSelection(1, 0, 1), content.removeSelection(1),
             content.getSelection(0), content.removeSelection(0), content.addSelection(2, 4), content.getNSelections(),
             content.getSelection(0), content.setCaretOffset(1), content.caretOffset, editable.insertText(0, '9,5 ', 4),
             editable.deleteText(4, 6), content.getText(0, -1), frequency.description] + [tuple(ask(offset, 1)) for ask,
             offset in ((content.getTextBeforeOffset, 0), (content.getTextAtOffset, 5), (content.getTextAfterOffset, 8))]
    check('selecting and editing the frequency box, each in turn; words at its start, inside and end', calls, [True,
          True, True, (1, 3), True, True, 1, (2, 4), True, 1, True, True, '9,5 ,250', '9 point 5 0 point 2 5 0 '
          'megacycles, Type center of frequency here', ('', 0, 0), ('250', 5, 8), ('', 8, 8)])

    editable.setTextContents('7,1')
    named(window, pyatspi.ROLE_PUSH_BUTTON, 'Calculate').queryAction().doAction(0)
    note = until(lambda: pyatspi.findDescendant(window, lambda a: a.getRole() == pyatspi.ROLE_NOTIFICATION and a.name),
                 'notification')
    check('notification, shown, and the room it takes', (note.name, note.getState().contains(pyatspi.STATE_SHOWING),
                                                           note.queryComponent().getExtents(0)[2:]), (
        'Length over all: 19 point 8 3 metres, 65 feet 0 point 7 inches. Length of coaxial cable: 14 metres, 45 feet '
        '11 point 2 inches. Length of stub: 2 point 9 2 metres, 9 feet 6 point 8 inches.', True, [0, 0]))
    coax = named(window, pyatspi.ROLE_TEXT, 'Length of coaxial cable')
    until(lambda: coax.queryComponent().grabFocus() and coax.getState().contains(pyatspi.STATE_FOCUSED), 'its focus')
    box('Length of coaxial cable', '14', '14 metres, 45 feet 11 point 2 inches')
    box('Length of stub', '2,92', '2 point 9 2 metres, 9 feet 6 point 8 inches')
    pieces('after Calculate')
    check('labels after Calculate', heard_labels()[-4:], ['www.qq7nv.example', '65 feet 0 point 7 inches',
                                                          '45 feet 11 point 2 inches', '9 feet 6 point 8 inches'])

    editable.setTextContents('0')
    named(window, pyatspi.ROLE_PUSH_BUTTON, 'Calculate').queryAction().doAction(0)
    alert = until(lambda: named(app, pyatspi.ROLE_ALERT, 'MorvaneCalc by QQ7NV'), 'warning')
    check('notification and the boxes\' values in words, gone with the results', [note.getState().contains(
        pyatspi.STATE_SHOWING)] + [named(window, pyatspi.ROLE_TEXT, n).description for n in ('Length over all', 'Length '
        'of coaxial cable', 'Length of stub')], [False, 'Length over all', 'Length of coaxial cable', 'Length of stub '
        'for tuning this antenna'])
    said = [a.name for a in pyatspi.findAllDescendants(alert, lambda a: a.getRole() == pyatspi.ROLE_LABEL and a.name)]
    check('warning: description and labels', [alert.description] + said, ['', 'The frequency is zero, and an antenna '
          'for zero megacycles has no length. Type a frequency above zero, for example 21 point 2 5 0.'])
    named(alert, pyatspi.ROLE_PUSH_BUTTON, 'OK').queryAction().doAction(0)
finally:
    program.terminate()
    program.wait(10)
print('\n'.join(failures) or 'heard right')
sys.exit(1 if failures else 0)
