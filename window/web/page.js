// SPDX-License-Identifier: GPL-3.0-or-later
// The page around the window: its size on the screen, and the offline copy.
(function () {
  'use strict';

  // The window keeps the table's proportions. Where the screen has room it is
  // drawn at one CSS pixel a pixel of the table; a touch screen scales it up
  // to fill the width (a phone's 390 pixels), and a screen too small for it
  // scales it down until it fits.
  function fit() {
    var frame = document.getElementById('Frame');
    var window1 = document.getElementById('Form1');
    var width = window1.offsetWidth, height = window1.offsetHeight;
    var room = Math.min((document.documentElement.clientWidth - 16) / width,
                        (document.documentElement.clientHeight - 16) / height);
    var touch = window.matchMedia && window.matchMedia('(pointer: coarse)').matches;
    var scale = touch ? Math.min(room, 2.5) : Math.min(room, 1);
    if (!(scale > 0.25)) scale = 0.25;
    window1.style.transform = scale === 1 ? '' : 'scale(' + scale + ')';
    frame.style.width = width * scale + 'px';
    frame.style.height = height * scale + 'px';
  }

  window.addEventListener('resize', fit);
  document.addEventListener('DOMContentLoaded', fit);
  new MutationObserver(fit).observe(document.getElementById('Client'), { attributes: true });

  // Served over HTTP(S), the site keeps itself for offline use; a page opened
  // from a file has nothing to register.
  var worker = document.documentElement.dataset.offlineWorker;
  if (worker && 'serviceWorker' in navigator && window.isSecureContext) {
    window.addEventListener('load', function () {
      navigator.serviceWorker.register(worker).catch(function () {});
    });
  }
})();
