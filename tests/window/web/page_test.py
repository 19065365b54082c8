#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 QQ7NV
# The web page's window in headless Chromium, opened from disk with the
# network off, driven by keys, clicks and a phone keyboard's text, and read
# as a user and a screen reader find it (Window); and the site/ beside it,
# served on 127.0.0.1: installable as an app, and after a first visit
# working with the server gone and the network off (Site).
# Usage: page_test.py MorvaneCalc.html [Window|Site]
from functools import partial
from http.server import SimpleHTTPRequestHandler, ThreadingHTTPServer
import re
import shutil
import struct
import sys
import threading
import unittest
from pathlib import Path

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

# Headless Chromium, driven through its WebDriver, and what the page must
# show, read from the window's source; the site's test and the benchmark
# use them too.
SOURCE = Path(__file__).resolve().parents[3]


def chromium():
    options = Options()
    options.binary_location = shutil.which('chromium')
    options.set_capability('goog:loggingPrefs', {'browser': 'SEVERE'})  # what went wrong in the page
    # Background connections would only be refused on a closed network.
    options.arguments.extend(['--headless=new', '--no-sandbox', '--window-size=1024,768', '--disable-gpu',
                              '--disable-background-networking', '--disable-component-update', '--disable-quic'])
    options.timeouts = {'pageLoad': 20_000}  # a page that fails to load fails the test, rather than hang it
    return webdriver.Chrome(service=Service(shutil.which('chromedriver')), options=options)


def offline(driver):
    driver.execute_cdp_cmd('Network.enable', {})
    driver.execute_cdp_cmd('Network.emulateNetworkConditions',
                           {'offline': True, 'latency': 0, 'downloadThroughput': -1, 'uploadThroughput': -1})


def wait(driver, condition, seconds=20):  # polls until condition(driver) holds, and returns what it gave
    return WebDriverWait(driver, seconds, poll_frequency=0.02).until(condition)


def load(driver, url):  # and waits until the window is ready for typing
    driver.get(url)
    wait(driver, lambda d: d.execute_script('return document.activeElement.selectionEnd > 0'))


def layout():  # the layout table's rows: kind, name, (left, top, right, bottom) in pixels at 15 twips, text
    return [(kind, array if array in ('Label3', 'cmdCalc', 'cmdQuit') else f'{array}({index})',
             [round(int(t) / 15) for t in (x, y, int(x) + int(w), int(y) + int(h))], text)
            for kind, array, index, x, y, w, h, text in re.findall(
                r'\{(Label|TextBox|Button), (\w+), (\d+), (\d+), (\d+), (\d+), (\d+), "([^"]*)"',
                (SOURCE / 'window/layout.cpp').read_text())]


def calculate_rows():  # what every window shows for Calculate: name, frequencies, results, warning
    text = (SOURCE / 'tests/window/rows.h').read_text()
    python = lambda cpp: '(' + re.sub(r'std::string\((\d+), (\'.\')\)', r'(\2 * \1)', re.sub(r'//.*', '', cpp)) \
        .replace('{', '[').replace('}', ']').replace('nullptr', 'None') + ')'
    kept = eval(python(re.search(r'keptResults = (.*?);', text, re.S).group(1)))
    return eval(python(re.search(r'calculateRows\{(\{.*\})\};', text, re.S).group(1)), {'keptResults': kept})


PAGE = Path(sys.argv.pop(1)).resolve() if __name__ == '__main__' else None
LAYOUT = layout()
ROW = {name: row for row, (_, name, *_) in enumerate(LAYOUT)}

# Every control's text, spoken name, font, colours, place in design pixels,
# whether its text fits inside it; the focus, its selection, what was said, the warning.
SNAPSHOT = '''
const root = document.getElementById('frmHaupt'), frame = root.getBoundingClientRect();
const scale = frame.width / arguments[0], focus = document.activeElement;
return {controls: [...root.children].map(e => [e, getComputedStyle(e)]).map(([e, style]) => ({
  text: e instanceof HTMLInputElement ? e.value : e.firstChild.textContent,
  name: e instanceof HTMLLabelElement ? e.lastChild.textContent : e.getAttribute('aria-label'),
  font: style.fontFamily, colour: `${style.backgroundColor} ${style.color}`, fits: e.scrollWidth <= e.clientWidth,
  place: ['left', 'top', 'right', 'bottom'].map(
    (side, i) => (e.getBoundingClientRect()[side] - frame[['left', 'top'][i % 2]]) / scale)})),
  focus: [...root.children].indexOf(focus), selection: [focus.selectionStart, focus.selectionEnd],
  said: document.getElementById('said').textContent, warning: document.getElementById('warning').open};'''


def setUpModule():
    global driver
    driver = chromium()
    unittest.addModuleCleanup(driver.quit)


def window():
    return driver.execute_script(SNAPSHOT, LAYOUT[ROW['Label3']][2][2])  # the address spans the window's width


def control(name):
    return driver.find_elements('css selector', '#frmHaupt > *')[ROW[name]]


def results(controls):  # as the shared rows write them
    return '|'.join(controls[ROW[name]][key] for r in range(3) for name, key in (
        (f'Text1({r + 1})', 'text'), (f'Label4({r})', 'text'), (f'Label2({r + 7})', 'text'), (f'Label4({r})', 'name')))


def press(*keys):
    ActionChains(driver).send_keys(*keys).perform()


def focused_and_selected(name):  # waits for it
    wait(driver, lambda d: (lambda w: w['focus'] == ROW[name] and w['selection'] == [
        0, len(w['controls'][ROW[name]]['text'])])(window()))


def calculate(frequency, answer=True):
    # Types the frequency over the selected text, as a phone keyboard sends
    # it (None: leaves the box as it is), presses Calculate, and returns the
    # warning that came, after closing it (unless not to answer it).
    if frequency is not None:
        driver.execute_script('arguments[0].focus()', control('Text1(0)'))  # which selects its text
        focused_and_selected('Text1(0)')
        driver.execute_cdp_cmd('Input.insertText', {'text': frequency}) if frequency else press(Keys.BACKSPACE)
    control('cmdCalc').click()
    if not window()['warning'] or not answer:
        return None
    message = driver.find_element('id', 'message').text
    driver.find_element('id', 'ok').click()
    focused_and_selected('Text1(0)')  # ready for the corrected frequency
    return message


def read_aloud():  # the accessibility tree: (role, name, description, properties) of each node
    return [(n['role']['value'], n.get('name', {}).get('value'), n.get('description', {}).get('value'), {
        p['name']: p['value'].get('value') for p in n.get('properties', [])})
        for n in driver.execute_cdp_cmd('Accessibility.getFullAXTree', {})['nodes'] if not n['ignored']]


class Window(unittest.TestCase):
    def setUp(self):
        offline(driver)
        load(driver, PAGE.as_uri())
        self.addCleanup(lambda: self.assertEqual(driver.get_log('browser'), []))  # no error in the page's script

    def test_start_up_texts_places_and_focus(self):
        focused_and_selected('Text1(0)')
        for (kind, name, design, text), seen in zip(LAYOUT, window()['controls'], strict=True):
            face = 'Verdana, "DejaVu Sans"' if name == 'Label3' else '"MS Sans Serif", "Liberation Sans"'
            # A label keeps its right edge, and grows leftwards where its text needs the room.
            design = [min(design[0], seen['place'][0]) if kind == 'Label' else design[0]] + design[1:]
            self.assertEqual([seen['text'], seen['font'], seen['place']], [text, face + ', sans-serif', design], name)

    def test_every_shared_row(self):
        for name, frequencies, expected, warning in calculate_rows():
            with self.subTest(name):
                said = [calculate(frequency) for frequency in frequencies]
                shown = window()
                # The whole-feet labels keep their right edges, their texts inside; the lengths are announced,
                # or after a warning withdrawn with them.
                labels = shown['controls'][ROW['Label4(0)']:ROW['Label4(2)'] + 1]
                self.assertEqual((results(shown['controls']), said[-1], {(c['place'][2], c['fits']) for c in labels},
                                  [words in shown['said'] for words in expected.split('|')[3::4]]),
                                 (expected, warning, {(LAYOUT[ROW['Label4(0)']][2][2], True)}, [not warning] * 3))

    def test_lengths_match_exact_arithmetic(self):
        # At k / 1000 Mc a length of T tenths of a metre at 1 Mc is
        # T 10^4 / k centimetres and T 10^8 / 3048 k hundredths of a foot.
        # n / d rounded half to even; None where the doubles may fall on either side.
        rounded = lambda n, d: None if abs(2 * (n % d) - d) * 10**6 < d else n // d + (2 * (n % d) > d)

        comma = lambda hundredths: f'{hundredths // 100},{hundredths % 100:02d}'.rstrip('0').rstrip(',')

        ks = list(range(47, 100_000, 7)) + list(range(100_000, 1_000_001, 997))
        shown = driver.execute_script('''const [box, calc, labels, frequencies] = arguments;
            return frequencies.map(f => { box.value = f; calc.click();
                                          return labels.map(e => e.value ?? e.firstChild.textContent); });''',
            control('Text1(0)'), control('cmdCalc'), [control(n) for r in range(3) for n in (
                f'Text1({r + 1})', f'Label4({r})', f'Label2({r + 7})')], [f'{k // 1000},{k % 1000:03d}' for k in ks])
        for k, texts in zip(ks, shown):
            for row, tenths in enumerate((1408, 994, 207)):
                centimetres, feet = rounded(tenths * 10_000, k), rounded(tenths * 10**8, 3048 * k)
                if centimetres is not None:
                    self.assertEqual(texts[3 * row], comma(centimetres), k)
                if feet is not None:
                    self.assertEqual(texts[3 * row + 1:3 * row + 3],
                                     [f"( {feet // 100}' ", comma((feet % 100 * 12 + 5) // 10 * 10) + "'' )"], k)

    def test_keys_from_a_keyboard_and_from_a_phone_and_a_paste(self):
        # A paste goes in whole, for Calculate to judge.
        driver.execute_cdp_cmd('Browser.grantPermissions', {'permissions': ['clipboardReadWrite']})
        driver.execute_async_script("navigator.clipboard.writeText('9x-9').then(arguments[0])")
        driver.execute_cdp_cmd('Input.dispatchKeyEvent', {'type': 'keyDown', 'modifiers': 2, 'commands': ['paste']})
        self.assertTrue(control('Text1(0)').get_attribute('aria-description').startswith('9x-9 megacycles'))
        self.assertIn('is not a number', calculate(None))
        for text, kept in (('7.1', '7,1'), ('a-7 x1', '71'), ('7,1,', '7,1'), ('1.2.', '1,2')):
            for how in ('composed', 'keys', 'phone'):  # the first as a phone's keyboard may compose a word
                driver.execute_script('arguments[0].select()', control('Text1(0)'))  # typing replaces the text
                if how == 'composed':
                    driver.execute_cdp_cmd('Input.imeSetComposition', dict(text=text, selectionStart=0, selectionEnd=0))
                press(text) if how == 'keys' else driver.execute_cdp_cmd('Input.insertText', {'text': text})
                self.assertEqual(control('Text1(0)').get_attribute('value'), kept, (text, how))

    def test_tab_order_enter_escape_and_clicks(self):
        self.assertEqual([press(Keys.TAB) or window()['focus'] for _ in range(5)],
                         [ROW[name] for name in ('Text1(1)', 'Text1(2)', 'Text1(3)', 'cmdCalc', 'cmdQuit')])
        ActionChains(driver).key_down(Keys.SHIFT).send_keys(Keys.TAB, Keys.TAB).key_up(Keys.SHIFT).perform()
        focused_and_selected('Text1(3)')
        [control(name).send_keys(key) for key in (Keys.ENTER, Keys.ESCAPE) for name in ('Text1(0)', 'cmdCalc')]
        self.assertEqual(control('Text1(1)').get_attribute('value'), ' ')  # nothing calculated
        control('Text1(1)').click()  # which selects the whole text; a second click places the caret
        focused_and_selected('Text1(1)')
        control('Text1(1)').click()
        self.assertEqual(window()['selection'][0], window()['selection'][1])

    def test_screen_reader_tree(self):
        calculate('21,250')
        nodes = read_aloud()
        read = {(role, name): rest for role, name, *rest in nodes}
        for key, described, read_only in (
                (('textbox', 'Length over all'), '6 point 6 3 metres, 21 feet 8 point 9 inches', True),
                (('textbox', 'Frequency'), '21 point 2 5 0 megacycles, Type center of frequency here', False),
                (('button', 'Quit'), 'Quit this program', None)):
            self.assertEqual((read[key][0], read[key][1].get('readonly')), (described, read_only))
        heard = [name for role, name in read if role == 'StaticText']
        self.assertLessEqual({'megacycles', '21 feet 8 point 9 inches', window()['said']}, set(heard))
        self.assertEqual([name for name in heard if name == 'Mc' or "'" in name], [])  # nor feet and inches as shown
        self.assertEqual([p['live'] for *_, p in nodes if 'live' in p], ['polite'])
        self.assertTrue(window()['said'].startswith('Length over all: 6 point 6 3 metres, 21 feet'))
        calculate('0', answer=False)
        wait(driver, lambda d: ('alertdialog', 'MorvaneCalc by QQ7NV') in [n[:2] for n in read_aloud()])

    def test_quit_ends_and_the_link_starts_again(self):
        control('cmdQuit').click()
        self.assertEqual(driver.find_element('tag name', 'body').text, 'MorvaneCalc has ended. Start it again')
        driver.find_element('link text', 'Start it again').click()
        focused_and_selected('Text1(0)')

    def test_colours_in_either_scheme(self):
        seen = {}
        for mode in ('light', 'dark'):
            driver.execute_cdp_cmd('Emulation.setEmulatedMedia',
                                   {'features': [{'name': 'prefers-color-scheme', 'value': mode}]})
            seen[mode] = [c['colour'] for c in window()['controls']]
        driver.execute_cdp_cmd('Emulation.setEmulatedMedia', {'features': []})
        boxes = ['rgb(192, 255, 192) rgb(0, 0, 0)'] + ['rgb(255, 255, 128) rgb(0, 0, 0)'] * 3
        self.assertEqual([[colours[ROW[f'Text1({i})']] for i in range(4)] for colours in seen.values()], [boxes] * 2)
        self.assertNotEqual(seen['dark'][ROW['Label3']], seen['light'][ROW['Label3']])  # the page follows the scheme

    def test_phone(self):
        driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride',
                               dict(width=360, height=640, deviceScaleFactor=3, mobile=True))
        # It starts in a browser that has no Uint8Array.fromBase64 too.
        self.addCleanup(driver.execute_cdp_cmd, 'Page.removeScriptToEvaluateOnNewDocument', driver.execute_cdp_cmd(
            'Page.addScriptToEvaluateOnNewDocument', dict(source='delete Uint8Array.fromBase64')))
        self.addCleanup(driver.execute_cdp_cmd, 'Emulation.clearDeviceMetricsOverride', {})
        load(driver, PAGE.as_uri())
        self.assertEqual(driver.execute_script(
            "const d = document; return [d.getElementById('frmHaupt').offsetWidth, d.documentElement.scrollWidth, "
            "d.querySelector('input').inputMode, d.querySelector('[name=viewport]').content]"),
            [360, 360, 'decimal', 'width=device-width, initial-scale=1'])  # zooming allowed
        calculate('7.1')
        self.assertTrue(results(window()['controls']).startswith("19,83|( 65' |0,7'' )"))
        box = control('Text1(1)').rect  # a tap selects the whole text too
        for kind, points in (('touchStart', [{'x': box['x'] + 5, 'y': box['y'] + 5}]), ('touchEnd', [])):
            driver.execute_cdp_cmd('Input.dispatchTouchEvent', {'type': kind, 'touchPoints': points})
        focused_and_selected('Text1(1)')


class Site(unittest.TestCase):
    def test_installs_and_works_offline_after_a_first_visit(self):
        site = PAGE.with_name('site')
        server = ThreadingHTTPServer(('127.0.0.1', 0), partial(SimpleHTTPRequestHandler, directory=site))
        threading.Thread(target=server.serve_forever, daemon=True).start()
        load(driver, f'http://127.0.0.1:{server.server_port}/')
        wait(driver, lambda d: d.execute_script('return navigator.serviceWorker.controller !== null'))
        self.assertEqual(driver.execute_cdp_cmd('Page.getInstallabilityErrors', {})['installabilityErrors'], [])
        self.assertEqual([struct.unpack('>8x8xII', (site / f'icon-{size}.png').read_bytes()[:24])
                          for size in (192, 512)], [(192, 192), (512, 512)])
        server.shutdown()
        server.server_close()  # connections refused, as from a server that is gone
        offline(driver)
        load(driver, driver.current_url)
        calculate('7,1')
        self.assertTrue(results(window()['controls']).startswith('19,83|'))


if __name__ == '__main__':
    unittest.main()
