# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 QQ7NV
"""Headless Chromium for the page's tests, driven through its WebDriver,
and what the page must show, read from the window's source."""
import os
import re
import shutil

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

SOURCE = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', '..')


def chromium():
    options = Options()
    options.binary_location = shutil.which('chromium')
    # Background connections would only be refused on a closed network.
    for argument in ('--headless=new', '--no-sandbox', '--window-size=1024,768', '--disable-gpu',
                     '--no-first-run', '--disable-background-networking', '--disable-component-update',
                     '--disable-sync', '--disable-quic'):
        options.add_argument(argument)
    driver = webdriver.Chrome(service=Service(shutil.which('chromedriver')), options=options)
    driver.set_page_load_timeout(20)  # a page that fails to load fails the test, rather than hang it
    return driver


def wait(driver, condition, seconds=20):
    """Polls until condition(driver) is truthy, and returns it."""
    return WebDriverWait(driver, seconds, poll_frequency=0.02).until(condition)


def load(driver, url):
    """Opens the page and waits until the window is ready for typing."""
    driver.get(url)
    wait(driver, lambda d: d.execute_script(
        "return document.activeElement?.tagName === 'INPUT' && document.activeElement.selectionEnd > 0"))


def source(path):
    with open(os.path.join(SOURCE, path), encoding='utf-8') as file:
        return file.read()


def layout():
    """The layout table's rows: kind, name, twips (left, top, right, bottom), text, alignment."""
    rows = re.findall(r'\{(Label|TextBox|Button), (\w+), (\d+), (\d+), (\d+), (\d+), (\d+), "([^"]*)", (\w+)',
                      source('window/layout.cpp'))
    single = ('Label3', 'cmdCalc', 'cmdQuit')
    return [(kind, array if array in single else f'{array}({index})', (int(x), int(y), int(x) + int(w), int(y) + int(h)), text, alignment)
            for kind, array, index, x, y, w, h, text, alignment in rows]


def client_width():
    return int(re.search(r'clientWidth = (\d+)', source('window/layout.h')).group(1))


def calculate_rows():
    """The rows every window shows for Calculate: name, frequencies, results, warning."""
    text = source('tests/window/rows.h')
    python = lambda cpp: '(' + re.sub(r'std::string\((\d+), (\'.\')\)', r'(\2 * \1)', re.sub(r'//.*', '', cpp)) \
        .replace('{', '[').replace('}', ']').replace('nullptr', 'None') + ')'
    kept = eval(python(re.search(r'keptResults = (.*?);', text, re.S).group(1)))
    return eval(python(re.search(r'calculateRows\{(\{.*\})\};', text, re.S).group(1)), {'keptResults': kept})
