#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 QQ7NV
"""The web page's window in headless Chromium, opened from disk with the
network off, driven by keys, taps and a phone keyboard's text, and read as
a user and a screen reader find it. Usage: page_test.py MorvaneCalc.html"""
import sys
import unittest
from pathlib import Path

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

import browser

PAGE = Path(sys.argv.pop(1)).resolve().as_uri() if __name__ == '__main__' else None
LAYOUT = browser.layout()
ROW = {name: row for row, (_, name, *_) in enumerate(LAYOUT)}

# Every control's text, spoken name, place in design pixels, and the focus.
SNAPSHOT = '''
const root = document.getElementById('frmHaupt'), window = root.getBoundingClientRect();
const scale = window.width / arguments[0], focus = document.activeElement;
return {controls: [...root.children].map(e => {
  const r = e.getBoundingClientRect();
  return {text: e instanceof HTMLInputElement ? e.value : e.firstChild.textContent,
          name: e instanceof HTMLLabelElement ? e.lastChild.textContent : e.getAttribute('aria-label'),
          fits: e.scrollWidth <= e.clientWidth, font: getComputedStyle(e).fontFamily,
          place: [r.left - window.left, r.top - window.top, r.right - window.left, r.bottom - window.top]
                 .map(x => Math.round(x / scale * 100) / 100)};
}), focus: [...root.children].indexOf(focus), selection: [focus.selectionStart, focus.selectionEnd],
said: document.getElementById('said').textContent, warning: document.getElementById('warning').open};'''


def setUpModule():
    global driver
    driver = browser.chromium()
    driver.execute_cdp_cmd('Network.enable', {})
    driver.execute_cdp_cmd('Network.emulateNetworkConditions', {
        'offline': True, 'latency': 0, 'downloadThroughput': -1, 'uploadThroughput': -1})


def tearDownModule():
    driver.quit()


def window():
    return driver.execute_script(SNAPSHOT, browser.client_width() / 15)


def control(name):
    return driver.find_elements('css selector', '#frmHaupt > *')[ROW[name]]


def results(controls):
    """As the shared rows write them: metres, whole feet, inches and the length in words, row by row."""
    return '|'.join(f"{controls[ROW[f'Text1({r + 1})']]['text']}|{controls[ROW[f'Label4({r})']]['text']}|"
                    f"{controls[ROW[f'Label2({r + 7})']]['text']}|{controls[ROW[f'Label4({r})']]['name']}"
                    for r in range(3))


def press(*keys):
    ActionChains(driver).send_keys(*keys).perform()


def focused_and_selected(name):
    """Waits until the box has the focus with its whole text selected."""
    browser.wait(driver, lambda d: (lambda w: w['focus'] == ROW[name] and w['selection'] == [
        0, len(w['controls'][ROW[name]]['text'])])(window()))


class Window(unittest.TestCase):
    def setUp(self):
        browser.load(driver, PAGE)

    def calculate(self, frequency):
        """Types the frequency over the selected text, as a phone keyboard sends it, and presses Calculate;
        None: Calculate on what the box holds. Returns the warning, if one came."""
        if frequency is not None and window()['focus'] != ROW['Text1(0)']:
            control('Text1(0)').click()
            focused_and_selected('Text1(0)')
        if frequency:
            driver.execute_cdp_cmd('Input.insertText', {'text': frequency})
        elif frequency is not None:
            press(Keys.BACKSPACE)
        control('cmdCalc').click()
        if not window()['warning']:
            return None
        message = driver.find_element('id', 'message').text
        driver.find_element('id', 'ok').click()
        focused_and_selected('Text1(0)')  # ready for the corrected frequency
        return message

    def test_start_up_texts_places_and_focus(self):
        shown = window()
        self.assertEqual(shown['focus'], ROW['Text1(0)'])
        self.assertEqual(shown['selection'], [0, 6])
        for (kind, name, twips, text, alignment), seen in zip(LAYOUT, shown['controls'], strict=True):
            with self.subTest(name):
                self.assertEqual(seen['text'], text)
                face = 'Verdana, "DejaVu Sans"' if name == 'Label3' else '"MS Sans Serif", "Liberation Sans"'
                self.assertEqual(seen['font'], face + ', sans-serif')
                design = [round(t / 15) for t in twips]
                if kind == 'Label':  # its right edge kept, wider where its text needs the room
                    self.assertEqual(seen['place'][1:], design[1:])
                    self.assertLessEqual(seen['place'][0], design[0])
                else:
                    self.assertEqual(seen['place'], design)

    def test_every_shared_row(self):
        for name, frequencies, expected, warning in browser.calculate_rows():
            with self.subTest(name):
                said = [self.calculate(frequency) for frequency in frequencies]
                shown = window()
                self.assertEqual(results(shown['controls']), expected)
                for r in range(3):  # a whole-feet label keeps its right edge, its whole text inside it
                    label = shown['controls'][ROW[f'Label4({r})']]
                    self.assertEqual((label['place'][2], label['fits']), (round(LAYOUT[ROW[f'Label4({r})']][2][2] / 15),
                                                                         True))
                self.assertEqual(said[-1], warning)
                if warning:
                    self.assertEqual(shown['said'], '')  # withdrawn with the results
                else:
                    names = [LAYOUT[ROW[f'Text1({r})']][3] for r in (1, 2, 3)]
                    for words in expected.split('|')[3::4]:
                        self.assertIn(words, shown['said'])

    def test_lengths_match_exact_arithmetic(self):
        # At n / 1000 Mc a length of T tenths of a metre at 1 Mc is
        # T 10^4 / n centimetres and T 10^8 / 3048 n hundredths of a foot.
        def rounded(n, d):  # half to even; None where the doubles may fall on either side
            twice = 2 * (n % d)
            return None if abs(twice - d) * 10**6 < d else n // d + (twice > d)

        def comma(hundredths):
            return f'{hundredths // 100},{hundredths % 100:02d}'.rstrip('0').rstrip(',')

        ks = list(range(47, 100_000, 7)) + list(range(100_000, 1_000_001, 997))
        shown = driver.execute_script('''
            const [box, calc, labels] = [arguments[0], arguments[1], [...arguments[2]]];
            return arguments[3].map(k => {
              box.value = `${Math.trunc(k / 1000)},${String(k % 1000).padStart(3, '0')}`;
              calc.click();
              return labels.map(e => e.value ?? e.firstChild.textContent);
            });''', control('Text1(0)'), control('cmdCalc'),
            [control(n) for r in range(3) for n in (f'Text1({r + 1})', f'Label4({r})', f'Label2({r + 7})')], ks)
        for k, texts in zip(ks, shown):
            for row, tenths in enumerate((1408, 994, 207)):
                centimetres = rounded(tenths * 10_000, k)
                feet = rounded(tenths * 10**8, 3048 * k)
                if centimetres is not None:
                    self.assertEqual(texts[3 * row], comma(centimetres), k)
                if feet is not None:
                    inches = comma((feet % 100 * 12 + 5) // 10 * 10)
                    self.assertEqual(texts[3 * row + 1:3 * row + 3], [f"( {feet // 100}' ", f"{inches}'' )"], k)

    def test_keys_from_a_keyboard_and_from_a_phone(self):
        for typed, kept in (('7.1', '7,1'), ('a-7 x1', '71'), ('7,1,', '7,1'), ('1.2.', '1,2')):
            for how in ('keys', 'phone'):
                with self.subTest(typed=typed, how=how):
                    focused_and_selected('Text1(0)')
                    if how == 'keys':
                        press(typed)
                    else:
                        driver.execute_cdp_cmd('Input.insertText', {'text': typed})
                    self.assertEqual(control('Text1(0)').get_attribute('value'), kept)
                    press(Keys.TAB)
                    control('Text1(0)').click()  # back: the whole text selected again

    def test_paste_goes_in_whole_for_calculate_to_judge(self):
        driver.execute_cdp_cmd('Browser.grantPermissions', {'permissions': ['clipboardReadWrite',
                                                                            'clipboardSanitizedWrite']})
        driver.execute_async_script("navigator.clipboard.writeText('9x-9').then(arguments[0])")
        for kind in ('keyDown', 'keyUp'):  # Ctrl+V
            driver.execute_cdp_cmd('Input.dispatchKeyEvent', {'type': kind, 'key': 'v', 'modifiers': 2,
                                                              'commands': ['paste'] if kind == 'keyDown' else []})
        self.assertEqual(control('Text1(0)').get_attribute('value'), '9x-9')
        self.assertIn('is not a number', self.calculate(None))

    def test_tab_order_enter_and_escape(self):
        order = ['Text1(1)', 'Text1(2)', 'Text1(3)', 'cmdCalc', 'cmdQuit']
        for name in order:
            press(Keys.TAB)
            self.assertEqual(window()['focus'], ROW[name])
        ActionChains(driver).key_down(Keys.SHIFT).send_keys(Keys.TAB, Keys.TAB).key_up(Keys.SHIFT).perform()
        focused_and_selected('Text1(3)')
        for key in (Keys.ENTER, Keys.ESCAPE):
            for name in ('Text1(0)', 'cmdCalc'):
                control(name).send_keys(key)
                self.assertEqual(control('Text1(1)').get_attribute('value'), ' ', (key, name))

    def test_click_selects_and_a_second_places_the_caret(self):
        self.calculate('7,1')
        control('Text1(1)').click()
        focused_and_selected('Text1(1)')
        control('Text1(1)').click()
        self.assertEqual(window()['selection'][0], window()['selection'][1])

    def test_screen_reader_tree(self):
        self.calculate('21,250')
        nodes = [n for n in driver.execute_cdp_cmd('Accessibility.getFullAXTree', {})['nodes'] if not n['ignored']]
        read = {(n['role']['value'], n.get('name', {}).get('value')): (
            n.get('description', {}).get('value'), {p['name']: p['value'].get('value') for p in n.get('properties', [])})
            for n in nodes}
        description, properties = read[('textbox', 'Length over all')]
        self.assertEqual(description, '6 point 6 3 metres, 21 feet 8 point 9 inches')
        self.assertTrue(properties['readonly'])
        self.assertFalse(read[('textbox', 'Frequency')][1]['readonly'])
        self.assertEqual(read[('button', 'Quit')][0], 'Quit this program')
        for heard in ('megacycles', '21 feet 8 point 9 inches'):
            self.assertIn(('StaticText', heard), read)
        for unheard in ('Mc', "8,9'' )", "( 21' "):
            self.assertNotIn(('StaticText', unheard), read)
        live = [n for n in nodes if any(p['name'] == 'live' for p in n.get('properties', []))]
        self.assertEqual(len(live), 1)
        self.assertIn(('StaticText', window()['said']), read)
        self.assertTrue(window()['said'].startswith('Length over all: 6 point 6 3 metres, 21 feet'))
        control('Text1(0)').click()
        press('0')
        control('cmdCalc').click()
        browser.wait(driver, lambda d: window()['warning'])
        nodes = driver.execute_cdp_cmd('Accessibility.getFullAXTree', {})['nodes']
        self.assertIn(('alertdialog', 'MorvaneCalc by QQ7NV'),
                      [(n['role']['value'], n.get('name', {}).get('value')) for n in nodes])

    def test_quit_ends_and_the_link_starts_again(self):
        control('cmdQuit').click()
        self.assertEqual(driver.find_element('tag name', 'p').text, 'MorvaneCalc has ended. Start it again')
        self.assertEqual(driver.find_elements('id', 'frmHaupt'), [])
        driver.find_element('link text', 'Start it again').click()
        focused_and_selected('Text1(0)')

    def test_colours_in_either_scheme(self):
        seen = []
        for scheme in ('light', 'dark'):
            driver.execute_cdp_cmd('Emulation.setEmulatedMedia', {'features': [{'name': 'prefers-color-scheme',
                                                                                'value': scheme}]})
            seen.append(driver.execute_script(
                'return [...arguments].map(e => [getComputedStyle(e).backgroundColor, getComputedStyle(e).color])',
                control('Text1(0)'), control('Text1(1)'), driver.find_element('id', 'frmHaupt')))
        driver.execute_cdp_cmd('Emulation.setEmulatedMedia', {'features': []})
        for boxes in seen:
            self.assertEqual(boxes[:2], [['rgb(192, 255, 192)', 'rgb(0, 0, 0)'], ['rgb(255, 255, 128)', 'rgb(0, 0, 0)']])
        self.assertNotEqual(seen[0][2], seen[1][2])  # the page itself follows the scheme

    def test_phone(self):
        driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride',
                               {'width': 360, 'height': 640, 'deviceScaleFactor': 3, 'mobile': True})
        driver.execute_cdp_cmd('Emulation.setTouchEmulationEnabled', {'enabled': True})
        try:
            browser.load(driver, PAGE)
            self.assertEqual(driver.execute_script(
                "return [document.getElementById('frmHaupt').getBoundingClientRect().width, "
                "document.documentElement.scrollWidth, document.querySelector('input').inputMode]"),
                [360, 360, 'decimal'])
            self.assertNotIn('user-scalable', driver.find_element('css selector', 'meta[name=viewport]')
                             .get_attribute('content'))
            self.calculate('7.1')
            self.assertTrue(results(window()['controls']).startswith("19,83|( 65' |0,7'' )"))
        finally:
            driver.execute_cdp_cmd('Emulation.clearDeviceMetricsOverride', {})
            driver.execute_cdp_cmd('Emulation.setTouchEmulationEnabled', {'enabled': False})


if __name__ == '__main__':
    unittest.main()
