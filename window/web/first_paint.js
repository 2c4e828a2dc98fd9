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

  // A phone's number keyboard has the region's decimal mark alone (so iOS's
  // does), which serves only where that mark is the point that the boxes
  // read: in a comma region a "2,5" would read as 2. There the full keyboard,
  // which has the point, and "E" for an exponent besides. Asked at the first
  // touch or click, before a keyboard shows: a browser's first number
  // format loads its locale data, tens of milliseconds that the page's
  // start need not wait for.
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

  fit();
  window.addEventListener('resize', fit);
  var chooseKeyboard = function () {
    document.removeEventListener('pointerdown', chooseKeyboard, true);
    document.removeEventListener('touchstart', chooseKeyboard, true);
    var mode = keyboard();
    Array.prototype.forEach.call(document.querySelectorAll('#Client input'), function (box) {
      box.inputMode = mode;
    });
  };
  document.addEventListener('pointerdown', chooseKeyboard, true);
  document.addEventListener('touchstart', chooseKeyboard, { capture: true, passive: true });
  document.addEventListener('DOMContentLoaded', function () {
    if (window.MutationObserver) {
      new MutationObserver(fit).observe(document.getElementById('Unavailable'),
                                        { attributes: true, childList: true });
    }
  });
})();
