#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 QQ7NV
"""The web page's size, start-up and Calculate, in headless Chromium; not a
test. Start-up is the time from navigation until a text box has the focus,
ready for typing, against a bare page with one input box of the same size:
the median of 21 alternating loads. Calculate is the mean of 1000 clicks,
from the click until all nine texts are written, which happens before the
click returns. Usage: web_bench.py build/web/MorvaneCalc.html (after sh
scripts/setup web; needs chromium, chromium-driver and python3-selenium)."""
import os
import statistics
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'window', 'web'))
import page_test as browser  # noqa: E402

BARE = '''<!DOCTYPE html><html lang="en"><head><meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1"><title>bare</title></head>
<body><input style="width: 106px; height: 38px" value="21,250" autofocus></body></html>'''

# Runs before the page's own scripts: notes when a text box first gets the focus.
READY = '''document.addEventListener('focusin', event => {
  if (event.target instanceof HTMLInputElement && window.readyAt === undefined) window.readyAt = performance.now();
}, true);'''


def start_up(driver, url):
    driver.get(url)
    browser.wait(driver, lambda d: d.execute_script('return window.readyAt !== undefined'))
    return driver.execute_script('return window.readyAt')


def main():
    page = Path(sys.argv[1]).resolve()
    driver = browser.chromium()
    driver.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument', {'source': READY})
    with tempfile.TemporaryDirectory() as folder:
        bare = Path(folder, 'bare.html')
        bare.write_text(BARE, encoding='utf-8')
        times = {page: [], bare: []}
        for _ in range(21):
            for url in (page, bare):
                times[url].append(start_up(driver, url.as_uri()))
    start_up(driver, page.as_uri())
    calculate = driver.execute_script('''
        const [box, button] = [document.querySelector('input'), document.querySelector('button')];
        box.value = '7,1';
        const start = performance.now();
        for (let i = 0; i < 1000; ++i) button.click();
        return (performance.now() - start) / 1000;''')
    driver.quit()
    size = page.stat().st_size
    ours, theirs = statistics.median(times[page]), statistics.median(times[bare])
    print('| measure | result | target |\n|---|---|---|')
    print(f'| MorvaneCalc.html | {size / 1024:.1f} KiB | <= 250 KiB |')
    print(f'| start-up, ready for typing | {ours:.1f} ms vs {theirs:.1f} ms bare: {ours / theirs:.2f}x | <= 1.2x |')
    print(f'| Calculate, click to nine texts | {calculate * 1000:.1f} us | <= 500 us |')


if __name__ == '__main__':
    main()
