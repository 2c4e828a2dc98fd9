// SPDX-License-Identifier: GPL-3.0-or-later
// The page's side of Form1Page (page_library.h): the window's elements, and
// what a browser leaves to the page that a desktop toolkit does by itself.
// Every rule of Form1 stays in the C++ core; this layer only passes events to
// it (ombrix_click, ombrix_edited, ombrix_first_line) and shows what it sets.
mergeInto(LibraryManager.library, {
  $OmbrixPage: {
    controls: [],
    ended: false,
    byId: function (id) { return document.getElementById(id); },

    // The first line of a text, by the core's paste rule.
    firstLine: function (text) {
      var size = lengthBytesUTF8(text) + 1;
      var buffer = _malloc(size);
      if (!buffer) return '';  // no memory for it: nothing goes in
      stringToUTF8(text, buffer, size);
      var line = UTF8ToString(_ombrix_first_line(buffer));
      _free(buffer);
      return line;
    },

    // What of a text fits in place of the box's selection: the box holds no
    // more than its maxLength, as the browser's own insertions keep it.
    fitting: function (box, text, start, end) {
      var room = box.maxLength - (box.value.length - (end - start));
      return text.slice(0, Math.max(room, 0));
    },

    // A pasted or dropped text of several lines: its first line goes in as
    // one edit, which the browser's undo takes back as one. Where the event
    // cannot be cancelled (an input method's insertion), the box is mended
    // as soon as the text is in.
    insertFirstLine: function (box, text, event) {
      var line = OmbrixPage.firstLine(text);
      if (line === text) return;
      line = OmbrixPage.fitting(box, line, box.selectionStart, box.selectionEnd);
      if (!event.cancelable) {
        OmbrixPage.pending = { box: box, before: box.value, start: box.selectionStart,
                               end: box.selectionEnd, line: line };
        return;
      }
      event.preventDefault();
      box.focus();
      if (!document.execCommand('insertText', false, line)) {
        box.setRangeText(line, box.selectionStart, box.selectionEnd, 'end');
        box.dispatchEvent(new Event('input', { bubbles: true }));
      }
    },

    mendPending: function (box) {
      var pending = OmbrixPage.pending;
      OmbrixPage.pending = null;
      if (!pending || pending.box !== box) return;
      box.value = pending.before.slice(0, pending.start) + pending.line + pending.before.slice(pending.end);
      var caret = pending.start + pending.line.length;
      box.setSelectionRange(caret, caret);
    },

    // Text that arrives without a paste or drop event: an input method's
    // clipboard panel, or a replacement that it offers.
    beforeInput: function (event) {
      var kinds = ['insertFromPaste', 'insertFromDrop', 'insertReplacementText'];
      if (kinds.indexOf(event.inputType) < 0) return;
      var text = event.data;
      if (text == null && event.dataTransfer) text = event.dataTransfer.getData('text/plain');
      if (text != null) OmbrixPage.insertFirstLine(event.target, text, event);
    },

    // Tab and Shift+Tab go round the window's controls, as in a window of
    // its own, rather than out into the browser.
    wrapTab: function (event) {
      if (event.key !== 'Tab' || event.altKey || event.ctrlKey || event.metaKey) return;
      var focusable = OmbrixPage.controls.filter(function (c) { return c.tabIndex >= 0; });
      var first = focusable[0], last = focusable[focusable.length - 1];
      if (!event.shiftKey && document.activeElement === last) {
        event.preventDefault();
        first.focus();
      } else if (event.shiftKey && document.activeElement === first) {
        event.preventDefault();
        last.focus();
      }
    },

    // The window's boxes and buttons take input, or not: before the program
    // has attached to them, and after it has ended.
    takeInput: function (takes) {
      OmbrixPage.controls.forEach(function (c) {
        if (c.tagName === 'INPUT' || c.tagName === 'BUTTON') c.disabled = !takes;
      });
      if (takes) OmbrixPage.byId('Form1').removeAttribute('aria-busy');
    },

    describe: function (control, description) {
      var note = OmbrixPage.byId(control.id + 'Description');
      if (!note) {
        note = document.createElement('span');
        note.id = control.id + 'Description';
        note.className = 'unseen';
        control.parentNode.appendChild(note);
        control.setAttribute('aria-describedby', note.id);
      }
      note.textContent = description;
    },

    // While the result box has the focus, its note shows under it as its
    // tooltip would, for the keyboard, which cannot hover; out of the page's
    // flow, so that nothing on the page moves. Where the note always stands below
    // the window (no hovering pointer), there is nothing to do.
    showFocusNote: function () {
      var box = OmbrixPage.noteBox, note = OmbrixPage.byId('ResultNote');
      var shown = !!box && document.activeElement === box && box.title !== '' &&
                  !window.matchMedia('(hover: none), (pointer: coarse)').matches;
      note.classList.toggle('for-focus', shown);
      if (!shown) return;
      var place = box.getBoundingClientRect();
      note.style.left = Math.round(place.left + window.pageXOffset) + 'px';
      note.style.top = Math.round(place.bottom + 4 + window.pageYOffset) + 'px';
    },

    // The page's element for a control object of the core, which must be the
    // table's: a page of another build than the program's is refused.
    element: function (entry) {
      var control = OmbrixPage.byId(entry.name);
      var style = control && window.getComputedStyle(control);
      if (!control || control.tagName !== entry.tag.toUpperCase() || control.parentNode.id !== 'Client' ||
          style.left !== entry.left + 'px' || style.top !== entry.top + 'px' ||
          style.getPropertyValue('--width').trim() !== entry.width + 'px' ||
          style.getPropertyValue('--height').trim() !== entry.height + 'px' ||
          (entry.kind === 'TextBox' ? control.maxLength !== entry.maxLength
                                    : control.textContent !== entry.caption) ||
          (control.getAttribute('aria-labelledby') || '') !== entry.labelledBy ||
          (entry.accessibleDescription !== '' &&
           (OmbrixPage.byId(entry.name + 'Description') || {}).textContent !== entry.accessibleDescription)) {
        throw new Error('the page does not hold Form1\'s ' + entry.name + ' as the program has it');
      }
      return control;
    },

    // The error report, modal: a <dialog> where the browser has one, and
    // otherwise the same element shown above a backdrop, with the focus kept
    // in it and the window behind it out of reach.
    nativeReport: function () {
      var report = OmbrixPage.byId('ErrorReport');
      return typeof HTMLDialogElement === 'function' && report instanceof HTMLDialogElement &&
             typeof report.showModal === 'function';
    },

    reportOpen: function () { return OmbrixPage.byId('ErrorReport').hasAttribute('open'); },

    showReport: function () {
      var report = OmbrixPage.byId('ErrorReport');
      if (OmbrixPage.nativeReport()) {
        report.showModal();
      } else {
        report.setAttribute('role', 'dialog');
        report.setAttribute('aria-modal', 'true');
        report.setAttribute('open', '');
        report.classList.add('without-dialog');
        OmbrixPage.byId('ReportBackdrop').hidden = false;
        OmbrixPage.byId('Desktop').setAttribute('aria-hidden', 'true');
        OmbrixPage.byId('Desktop').inert = true;
      }
      OmbrixPage.byId('ReportButton').focus();
    },

    // Closes the report and gives the focus back to its opener.
    closeReport: function () {
      var report = OmbrixPage.byId('ErrorReport');
      if (!OmbrixPage.reportOpen()) return;
      if (OmbrixPage.nativeReport()) {
        report.close();
      } else {
        report.removeAttribute('open');
        report.classList.remove('without-dialog');
        OmbrixPage.byId('ReportBackdrop').hidden = true;
        OmbrixPage.byId('Desktop').removeAttribute('aria-hidden');
        OmbrixPage.byId('Desktop').inert = false;
      }
      OmbrixPage.giveFocusBack();
    },

    giveFocusBack: function () {
      var back = OmbrixPage.reportOpener;
      OmbrixPage.reportOpener = null;
      if (back && back.isConnected) back.focus();
    },

    // What a <dialog> does by itself: Escape closes it, and the focus and
    // the keys stay inside it.
    keepInReport: function (event) {
      if (OmbrixPage.nativeReport() || !OmbrixPage.reportOpen()) return;
      var report = OmbrixPage.byId('ErrorReport');
      if (event.type === 'focusin') {
        if (!report.contains(event.target)) OmbrixPage.byId('ReportButton').focus();
      } else if (event.key === 'Escape' || event.key === 'Esc') {
        event.preventDefault();
        OmbrixPage.closeReport();
      } else if (event.key === 'Tab') {
        event.preventDefault();  // its one button keeps the focus
      }
    },

    announce: function (text) {
      var region = OmbrixPage.byId('Announcer');
      region.textContent = '';
      if (text.trim() !== '') setTimeout(function () { region.textContent = text; }, 50);
    },

    // The page cannot end itself: the browser closes it where it lets a page
    // close (a window a script opened, or an installed app's own window);
    // otherwise the window goes inert and the page says that Ombrix ended,
    // with a button that starts it again, as an installed app on a phone
    // has no reload.
    end: function () {
      OmbrixPage.ended = true;
      var window1 = OmbrixPage.byId('Form1');
      window1.inert = true;
      window1.classList.add('ended');
      OmbrixPage.takeInput(false);
      if (window.opener || history.length <= 1) window.close();
      OmbrixPage.byId('Ended').hidden = false;
      OmbrixPage.byId('Restart').focus();
    },

    restart: function () {
      OmbrixPage.byId('Ended').hidden = true;
      var window1 = OmbrixPage.byId('Form1');
      window1.inert = false;
      window1.classList.remove('ended');
      _ombrix_restart();
    },
  },

  ombrix_page_open__deps: ['$OmbrixPage'],
  ombrix_page_open: function (width, height) {
    var client = OmbrixPage.byId('Client');
    if (client.offsetWidth !== width || client.offsetHeight !== height) {
      throw new Error('the page\'s window is not the size of the program\'s');
    }
    OmbrixPage.ended = false;
    OmbrixPage.byId('ResultNote').textContent = '';
    // Opened again, after its exit button, the window is as at the program's
    // start: its boxes as the page holds them, empty, and no note. What the
    // page chose for them stays (the keyboard).
    OmbrixPage.controls.forEach(function (c) {
      if (c.tagName === 'INPUT') c.value = c.defaultValue;
    });
    if (OmbrixPage.noteBox) {
      OmbrixPage.noteBox.removeAttribute('title');
      OmbrixPage.describe(OmbrixPage.noteBox, '');
    }
    if (OmbrixPage.opened) return;
    OmbrixPage.opened = true;
    client.addEventListener('keydown', OmbrixPage.wrapTab);
    window.addEventListener('resize', OmbrixPage.showFocusNote);
    OmbrixPage.byId('Restart').addEventListener('click', OmbrixPage.restart);
    // The focus goes back to the report's opener as the report closes: at
    // once after 确定, and on the close event after Escape, which comes a
    // task later.
    OmbrixPage.byId('ReportButton').addEventListener('click', OmbrixPage.closeReport);
    OmbrixPage.byId('ErrorReport').addEventListener('close', OmbrixPage.giveFocusBack);
    document.addEventListener('keydown', OmbrixPage.keepInReport, true);
    document.addEventListener('focusin', OmbrixPage.keepInReport, true);
  },

  ombrix_page_add_control__deps: ['$OmbrixPage'],
  ombrix_page_add_control: function (json) {
    var entry = JSON.parse(UTF8ToString(json));
    var place = entry.place, control = OmbrixPage.element(entry);
    OmbrixPage.controls[place] = control;
    if (control.ombrixBound) return;  // opened again: bound the first time
    control.ombrixBound = true;
    if (entry.kind === 'Label') {
      // A click on a label leaves the focus where it is, as on the desktop.
      control.addEventListener('mousedown', function (event) { event.preventDefault(); });
    } else if (entry.kind === 'TextBox') {
      control.addEventListener('focus', OmbrixPage.showFocusNote);
      control.addEventListener('blur', OmbrixPage.showFocusNote);
      control.addEventListener('beforeinput', OmbrixPage.beforeInput);
      control.addEventListener('input', function () {
        OmbrixPage.mendPending(control);
        if (!OmbrixPage.ended) _ombrix_edited(place);
      });
      control.addEventListener('paste', function (event) {
        var data = event.clipboardData;
        if (data) OmbrixPage.insertFirstLine(control, data.getData('text/plain'), event);
      });
      control.addEventListener('drop', function (event) {
        var data = event.dataTransfer;
        if (data) OmbrixPage.insertFirstLine(control, data.getData('text/plain'), event);
      });
    } else if (entry.kind === 'Button') {
      // A button clicks on Return, the keypad's Enter and Space, as
      // browsers do by themselves; it is no form's, so nothing is sent.
      control.addEventListener('click', function () {
        OmbrixPage.clicked = control;  // Safari and Firefox on macOS do not focus a clicked button
        if (!OmbrixPage.ended) _ombrix_click(place);
      });
    }
  },

  // The window takes input, the focus in its first box.
  ombrix_page_ready__deps: ['$OmbrixPage'],
  ombrix_page_ready: function (focusPlace) {
    OmbrixPage.takeInput(true);
    OmbrixPage.controls[focusPlace].focus();
    performance.mark('ombrix-ready');
    document.documentElement.dataset.ready = 'ready';
  },

  ombrix_page_text_length__deps: ['$OmbrixPage'],
  ombrix_page_text_length: function (place) {
    return lengthBytesUTF8(OmbrixPage.controls[place].value);
  },

  ombrix_page_copy_text__deps: ['$OmbrixPage'],
  ombrix_page_copy_text: function (place, text, size) {
    stringToUTF8(OmbrixPage.controls[place].value, text, size);
  },

  ombrix_page_set_text__deps: ['$OmbrixPage'],
  ombrix_page_set_text: function (place, text) {
    OmbrixPage.controls[place].value = UTF8ToString(text);
  },

  ombrix_page_announce__deps: ['$OmbrixPage'],
  ombrix_page_announce: function (text) { OmbrixPage.announce(UTF8ToString(text)); },

  ombrix_page_set_note__deps: ['$OmbrixPage'],
  ombrix_page_set_note: function (place, note) {
    var box = OmbrixPage.controls[place];
    var text = UTF8ToString(note);
    if (text === '') box.removeAttribute('title');
    else box.title = text;
    OmbrixPage.byId('ResultNote').textContent = text;
    OmbrixPage.describe(box, text);
    OmbrixPage.noteBox = box;
    OmbrixPage.showFocusNote();
  },

  ombrix_page_show_report__deps: ['$OmbrixPage'],
  ombrix_page_show_report: function (title, text, button) {
    if (OmbrixPage.reportOpen()) return;
    var opener = document.activeElement;
    OmbrixPage.reportOpener = OmbrixPage.controls.indexOf(opener) >= 0 ? opener : OmbrixPage.clicked;
    OmbrixPage.byId('ReportTitle').textContent = UTF8ToString(title);
    OmbrixPage.byId('ReportText').textContent = UTF8ToString(text);
    OmbrixPage.byId('ReportButton').textContent = UTF8ToString(button);
    OmbrixPage.showReport();
  },

  ombrix_page_end__deps: ['$OmbrixPage'],
  ombrix_page_end: function () { OmbrixPage.end(); },
});
