# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 QQ7NV
# Writes the page, OUTPUT, from TEMPLATE with the window's script and the
# module in base64 taken in; SITE adds what a hosted page has besides: the
# manifest and the service worker that keeps it for offline use.
file(READ ${WINDOW_SCRIPT} WINDOW_SCRIPT)
file(READ ${MODULE} MODULE)
set(SITE_HEAD "")
if(SITE)
    set(SITE_HEAD [[<link rel="manifest" href="manifest.webmanifest">
<link rel="icon" href="icon-192.png">
<script>navigator.serviceWorker?.register('sw.js');</script>]])
endif()
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
