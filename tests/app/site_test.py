#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 QQ7NV
"""The hosted page, served on 127.0.0.1 to headless Chromium: installable as
an app, and after a first visit working with the server gone and the network
off. Usage: site_test.py SITE_FOLDER"""
import functools
import http.server
import os
import struct
import sys
import threading
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'window', 'web'))
import browser  # noqa: E402

SITE = os.path.abspath(sys.argv.pop(1)) if __name__ == '__main__' else None


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class Site(unittest.TestCase):
    def setUp(self):
        handler = functools.partial(Quiet, directory=SITE)
        self.server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), handler)
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.driver = browser.chromium()
        self.addCleanup(self.driver.quit)
        self.addCleanup(self.server.server_close)

    def test_installs_and_works_offline_after_a_first_visit(self):
        d = self.driver
        browser.load(d, f'http://127.0.0.1:{self.server.server_port}/')
        browser.wait(d, lambda d: d.execute_script('return navigator.serviceWorker.controller !== null'))
        self.assertEqual(d.execute_cdp_cmd('Page.getInstallabilityErrors', {})['installabilityErrors'], [])
        manifest = d.execute_cdp_cmd('Page.getAppManifest', {})
        self.assertEqual(manifest['errors'], [])
        for size in (192, 512):
            with open(os.path.join(SITE, f'icon-{size}.png'), 'rb') as png:
                self.assertEqual(struct.unpack('>8x8xII', png.read(24)), (size, size))
        self.server.shutdown()
        d.execute_cdp_cmd('Network.enable', {})
        d.execute_cdp_cmd('Network.emulateNetworkConditions', {
            'offline': True, 'latency': 0, 'downloadThroughput': -1, 'uploadThroughput': -1})
        browser.load(d, d.current_url)
        d.execute_cdp_cmd('Input.insertText', {'text': '7,1'})
        d.find_elements('css selector', 'button')[0].click()
        self.assertEqual(d.execute_script("return document.querySelectorAll('input')[1].value"), '19,83')


if __name__ == '__main__':
    unittest.main()
