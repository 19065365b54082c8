// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
// The window's controls on a web page, for the module's frmHaupt: created
// as it says, their events handed to it, its operations carried out on them.
// It knows no text, place, colour or rule of its own: those are the module's.
'use strict';

// The kinds of control, as the module numbers them (layout::Kind).
const LABEL = 0, TEXT_BOX = 1, BUTTON = 2;

// moduleBytes: the module. page: the elements of the shell that the window
// fills: root, said (a live region), warning (a dialog), caption, message
// and ok in it.
function startMorvaneCalc(moduleBytes, page) {
  const controls = []; // by row of the layout table
  let windowWidth = 0;
  const decoder = new TextDecoder();
  let module = null;
  const texts = {}; // the ones the page itself shows
  let focusAfterWarning = null;
  const string = (pointer, length) => decoder.decode(new Uint8Array(module.memory.buffer, pointer, length));
  const colour = rgb => '#' + rgb.toString(16).padStart(6, '0');
  const pixels = n => `calc(var(--px) * ${n})`;
  // Offsets in characters, as the module counts them, to UTF-16 code units.
  const units = (text, characters) => [...text].slice(0, characters).join('').length;

  function created(row, kind) {
    if (kind === TEXT_BOX) {
      const box = document.createElement('input');
      Object.assign(box, { type: 'text', autocomplete: 'off', spellcheck: false });
      // Typed text, from keys or an on-screen keyboard, goes through the
      // module's filter character by character; a paste or a drop goes in
      // whole, for Calculate to judge.
      const type = text => {
        for (const typed of text) {
          const code = module.keyPress(row, typed.codePointAt(0));
          if (code !== 0) box.setRangeText(String.fromCodePoint(code), box.selectionStart, box.selectionEnd, 'end');
        }
        module.changed(row);
      };
      box.addEventListener('beforeinput', event => {
        if (event.inputType !== 'insertText' || event.data === null) return;
        event.preventDefault();
        type(event.data);
      });
      // A phone's keyboard may compose a word before it commits it, which
      // cannot be refused as it is composed: once committed, it is taken
      // back and typed again through the filter.
      let beforeComposing = null;
      box.addEventListener('compositionstart', () => {
        beforeComposing = [box.value, box.selectionStart, box.selectionEnd];
      });
      box.addEventListener('compositionend', event => {
        const [value, start, end] = beforeComposing;
        box.value = value;
        box.setSelectionRange(start, end);
        type(event.data);
      });
      box.addEventListener('input', () => module.changed(row));
      box.addEventListener('focus', () => module.gotFocus(row));
      // The press that brings the focus would put the caret where it landed
      // and undo the selection the focus made.
      box.addEventListener('mousedown', event => {
        if (document.activeElement === box) return;
        event.preventDefault();
        box.focus();
      });
      return box;
    }
    if (kind === BUTTON) {
      const button = document.createElement('button');
      button.type = 'button';
      button.addEventListener('click', () => module.click(row));
      return button;
    }
    // A label shows its text and is heard by its name, or not at all.
    const label = document.createElement('label');
    label.append(document.createElement('span'), document.createElement('span'));
    label.firstChild.setAttribute('aria-hidden', 'true');
    label.lastChild.className = 'unseen';
    return label;
  }

  const imports = {
    page: {
      window(width, height, boxText, boxSelection, boxSelectedText) {
        const style = page.root.style;
        windowWidth = width;
        // The window scaled as one piece to the page's width, at most twice its size.
        style.setProperty('--px', `min(calc(100cqw / ${width}), 2px)`);
        style.width = pixels(width);
        style.height = pixels(height);
        style.setProperty('--box-text', colour(boxText));
        style.setProperty('--box-selection', colour(boxSelection));
        style.setProperty('--box-selected-text', colour(boxSelectedText));
      },
      says(which, text, length) { // in the module's order
        texts[['caption', 'ok', 'ended', 'again'][which]] = string(text, length);
        document.title = page.caption.textContent = texts.caption ?? '';
        page.ok.textContent = texts.ok ?? '';
      },
      control(row, kind, left, top, right, bottom) {
        const element = controls[row] = created(row, kind);
        const style = element.style;
        style.top = pixels(top);
        style.height = pixels(bottom - top);
        if (kind === LABEL) {
          // A label keeps its right edge and grows leftwards when its text needs more room.
          style.right = pixels(windowWidth - right);
          style.minWidth = pixels(right - left);
        } else {
          style.left = pixels(left);
          style.width = pixels(right - left);
        }
        page.root.append(element);
      },
      look(row, alignment, background, readOnly, bold, fontPixels) {
        const element = controls[row];
        element.style.textAlign = ['left', 'center', 'right'][alignment];
        element.style.fontSize = pixels(fontPixels);
        element.style.fontWeight = bold ? 'bold' : 'normal';
        if (background >= 0) element.style.backgroundColor = colour(background);
        if (element instanceof HTMLInputElement) {
          element.readOnly = readOnly !== 0;
          if (!element.readOnly) element.inputMode = 'decimal';
        }
      },
      font(row, families, length) {
        controls[row].style.fontFamily = string(families, length);
      },
      setToolTip(row, text, length) {
        if (length > 0) controls[row].title = string(text, length);
      },
      textLength: row => [...controls[row].value].length,
      text(row, characters) {
        const codes = [...controls[row].value].map(c => c.codePointAt(0));
        new Uint32Array(module.memory.buffer, characters, codes.length).set(codes);
      },
      selectionStart: row => [...controls[row].value.slice(0, controls[row].selectionStart)].length,
      select(row, start, length) {
        const box = controls[row];
        box.setSelectionRange(units(box.value, start), units(box.value, start + length));
      },
      setText(row, text, length) {
        const element = controls[row];
        if (element instanceof HTMLInputElement) element.value = string(text, length);
        else (element.firstChild ?? element).textContent = string(text, length);
      },
      setName(row, name, length) {
        const element = controls[row];
        if (element instanceof HTMLLabelElement) element.lastChild.textContent = string(name, length);
        else element.setAttribute('aria-label', string(name, length));
      },
      describe(row, description, length) {
        controls[row].setAttribute('aria-description', string(description, length));
      },
      announce(words, length) {
        page.said.textContent = string(words, length);
      },
      warn(message, length) {
        page.message.textContent = string(message, length);
        page.warning.showModal();
      },
      focus(row) {
        if (page.warning.open) focusAfterWarning = controls[row];
        else controls[row].focus();
      },
      quit() {
        window.close(); // where the browser lets a page close its window
        if (window.closed) return;
        const line = document.createElement('p');
        const link = document.createElement('a');
        link.href = location.href;
        link.textContent = texts.again;
        line.append(texts.ended + ' ', link);
        page.root.replaceWith(line);
        page.said.remove();
      },
    },
    // The module reads no files and no clock: WASI's calls answer "not supported".
    wasi_snapshot_preview1: new Proxy({}, { get: () => () => 52 }),
  };

  page.warning.addEventListener('close', () => {
    focusAfterWarning?.focus();
    focusAfterWarning = null;
  });
  // Enter presses no button, as in the desktop window.
  page.root.addEventListener('keydown', event => {
    if (event.key === 'Enter') event.preventDefault();
  });
  // Compiled at once, while the page is read: the window is there for its first paint.
  module = new WebAssembly.Instance(new WebAssembly.Module(moduleBytes), imports).exports;
  module._initialize();
  module.start();
}
