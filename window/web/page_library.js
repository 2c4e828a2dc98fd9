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

    // A pasted or dropped text of several lines: its first line goes in as
    // one edit, which the browser's undo takes back as one. Where the event
    // cannot be cancelled (an input method's insertion), the box is mended
    // as soon as the text is in.
    insertFirstLine: function (box, text, event) {
      var line = OmbrixPage.firstLine(text);
      if (line === text) return;
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
      OmbrixPage.controls.forEach(function (c) { if (c.tagName !== 'LABEL') c.disabled = true; });
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
    client.textContent = '';
    OmbrixPage.controls = [];
    OmbrixPage.ended = false;
    OmbrixPage.byId('ResultNote').textContent = '';
    client.style.width = width + 'px';
    client.style.height = height + 'px';
    if (OmbrixPage.opened) return;
    OmbrixPage.opened = true;
    client.addEventListener('keydown', OmbrixPage.wrapTab);
    OmbrixPage.byId('Restart').addEventListener('click', OmbrixPage.restart);
    // The focus goes back to the report's opener as the report closes: at
    // once after 确定, and on the close event after Escape, which comes a
    // task later.
    var giveFocusBack = function () {
      var back = OmbrixPage.reportOpener;
      OmbrixPage.reportOpener = null;
      if (back && back.isConnected) back.focus();
    };
    OmbrixPage.byId('ReportButton').addEventListener('click', function () {
      OmbrixPage.byId('ErrorReport').close();
      giveFocusBack();
    });
    OmbrixPage.byId('ErrorReport').addEventListener('close', giveFocusBack);
  },

  ombrix_page_add_control__deps: ['$OmbrixPage'],
  ombrix_page_add_control: function (place, kind, name, caption, left, top, width, height,
                                     accessibleName, accessibleDescription, labelFor) {
    var control;
    kind = UTF8ToString(kind);
    if (kind === 'Label') {
      control = document.createElement('label');
      control.htmlFor = UTF8ToString(labelFor);
      control.textContent = UTF8ToString(caption);
    } else if (kind === 'TextBox') {
      control = document.createElement('input');
      control.type = 'text';
      control.inputMode = 'decimal';  // a phone's number keyboard
      control.autocomplete = 'off';
      control.spellcheck = false;
      control.setAttribute('autocapitalize', 'off');
      control.setAttribute('autocorrect', 'off');
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
    } else if (kind === 'Button') {
      // A button clicks on Return, the keypad's Enter and Space, as
      // browsers do by themselves; it is no form's, so nothing is sent.
      control = document.createElement('button');
      control.type = 'button';
      control.textContent = UTF8ToString(caption);
      control.addEventListener('click', function () {
        OmbrixPage.clicked = control;  // Safari and Firefox on macOS do not focus a clicked button
        if (!OmbrixPage.ended) _ombrix_click(place);
      });
    } else {
      throw new Error('Form1 has no control of kind ' + kind);
    }
    control.id = UTF8ToString(name);
    control.style.left = left + 'px';
    control.style.top = top + 'px';
    control.style.setProperty('--width', width + 'px');
    control.style.setProperty('--height', height + 'px');
    OmbrixPage.byId('Client').appendChild(control);
    var label = UTF8ToString(accessibleName);
    if (label !== '') control.setAttribute('aria-label', label);
    var description = UTF8ToString(accessibleDescription);
    if (description !== '') OmbrixPage.describe(control, description);
    OmbrixPage.controls[place] = control;
  },

  ombrix_page_ready__deps: ['$OmbrixPage'],
  ombrix_page_ready: function (focusPlace) {
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
  ombrix_page_set_text: function (place, text, announce) {
    var box = OmbrixPage.controls[place];
    box.value = UTF8ToString(text);
    if (announce) OmbrixPage.announce(box.value);
  },

  ombrix_page_set_note__deps: ['$OmbrixPage'],
  ombrix_page_set_note: function (place, note) {
    var box = OmbrixPage.controls[place];
    var text = UTF8ToString(note);
    if (text === '') box.removeAttribute('title');
    else box.title = text;
    OmbrixPage.byId('ResultNote').textContent = text;
    OmbrixPage.describe(box, text);
  },

  ombrix_page_show_report__deps: ['$OmbrixPage'],
  ombrix_page_show_report: function (title, text, button) {
    var report = OmbrixPage.byId('ErrorReport');
    if (report.open) return;
    var opener = document.activeElement;
    OmbrixPage.reportOpener = OmbrixPage.controls.indexOf(opener) >= 0 ? opener : OmbrixPage.clicked;
    OmbrixPage.byId('ReportTitle').textContent = UTF8ToString(title);
    OmbrixPage.byId('ReportText').textContent = UTF8ToString(text);
    OmbrixPage.byId('ReportButton').textContent = UTF8ToString(button);
    report.showModal();
    OmbrixPage.byId('ReportButton').focus();
  },

  ombrix_page_end__deps: ['$OmbrixPage'],
  ombrix_page_end: function () { OmbrixPage.end(); },
});
