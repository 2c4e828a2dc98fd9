// SPDX-License-Identifier: GPL-3.0-or-later
// Runs inside the page's head, before its body is read: the window is drawn
// at its scale from the first paint, and the boxes ask a phone for the
// keyboard that types their numbers.
(function () {
  'use strict';
  var root = document.documentElement;
  // Form1 as the style draws it: the table's client area, the caption bar and
  // the border.
  var WIDTH = @WINDOW_WIDTH@, HEIGHT = @WINDOW_HEIGHT@;

  // The window keeps the table's proportions. Where the screen has room it is
  // drawn at one CSS pixel a pixel of the table; a touch screen scales it up
  // to fill the width (a phone's 390 pixels), and a screen too small for it
  // scales it down until it fits. The window grows only where it says why
  // Ombrix cannot run.
  function fit() {
    var window1 = document.getElementById('Form1');
    var width = WIDTH, height = window1 ? Math.max(window1.offsetHeight, HEIGHT) : HEIGHT;
    var room = Math.min((root.clientWidth - 16) / width, (root.clientHeight - 16) / height);
    var touch = window.matchMedia && window.matchMedia('(pointer: coarse)').matches;
    var scale = touch ? Math.min(room, 2.5) : Math.min(room, 1);
    if (!(scale > 0.25)) scale = 0.25;
    root.style.setProperty('--scale', String(scale));
    root.style.setProperty('--frame-width', width * scale + 'px');
    root.style.setProperty('--frame-height', height * scale + 'px');
  }

  // The boxes' keyboard, the page's one rule for it. A phone's number
  // keyboard has the region's decimal mark alone (so iOS's does), which
  // serves only where that mark is the point that the boxes read: in a comma
  // region a "2,5" would read as 2. There the full keyboard, which has the
  // point, and "E" for an exponent besides. Asked at the first touch or
  // click, before a keyboard shows: a browser's first number format loads
  // its locale data, tens of milliseconds that the page's start need not
  // wait for. The choice is the page's for as long as it is open, through an
  // exit and a new start of Ombrix too.
  function keyboard() {
    var locales = [undefined, navigator.language, (navigator.languages || [])[0]];
    var point = locales.every(function (locale) {
      try {
        return (1.5).toLocaleString(locale) === '1.5';
      } catch (error) {
        return true;  // a tag that the browser does not know says nothing
      }
    });
    return point ? 'decimal' : 'text';
  }

  function boxes() { return Array.prototype.slice.call(document.querySelectorAll('#Client input')); }

  function useKeyboard(mode) {
    boxes().forEach(function (box) { box.inputMode = mode; });
  }

  fit();
  window.addEventListener('resize', fit);
  var chooseKeyboard = function () {
    document.removeEventListener('pointerdown', chooseKeyboard, true);
    document.removeEventListener('touchstart', chooseKeyboard, true);
    useKeyboard(keyboard());
  };
  document.addEventListener('pointerdown', chooseKeyboard, true);
  document.addEventListener('touchstart', chooseKeyboard, { capture: true, passive: true });

  // A comma typed into a box that asks a touch screen for the number
  // keyboard: a region that the browser's languages do not tell, whose
  // number keyboard has a comma for its decimal key, or a tablet's own
  // keyboard. The comma stays, in view, and reads as the classic calculator
  // reads it (so "1,5" is 1), and the boxes turn to the full keyboard, which
  // has the point; it shows as the box is focused again.
  document.addEventListener('input', function (event) {
    var box = event.target;
    if (event.inputType !== 'insertText' || event.data !== ',' || box.inputMode !== 'decimal' ||
        boxes().indexOf(box) < 0 || !window.matchMedia('(pointer: coarse)').matches) return;
    useKeyboard('text');
    var start = box.selectionStart, end = box.selectionEnd;
    box.blur();
    box.focus();
    box.setSelectionRange(start, end);
  }, true);

  document.addEventListener('DOMContentLoaded', function () {
    // A browser that restores a form's state on a reload may have enabled
    // the controls that the page holds disabled until the program attaches.
    if (!root.dataset.ready) {
      Array.prototype.forEach.call(document.querySelectorAll('#Client input, #Client button'), function (control) {
        control.disabled = true;
      });
    }
    if (window.MutationObserver) {
      new MutationObserver(fit).observe(document.getElementById('Unavailable'),
                                        { attributes: true, childList: true });
    }
  });
})();
