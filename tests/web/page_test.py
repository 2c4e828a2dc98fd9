#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Ombrix's web page in one browser engine, driven as a user drives it.

page_test.py BUILD [ENGINE]   (BUILD: the web build's folder, with site/ and
                               Ombrix.html; ENGINE: chromium, webkit or firefox)

The site is served here on 127.0.0.1 by servers of the test's own. The
places, captions and tab order come from Form1's table as the core emits it
for the page (form1.json, from form1_facts), and the typed cases from
tests/golden_areas.h, so the page is held to what the desktop windows show. What an engine's driver cannot do is skipped by
name, with its reason (engines.py), and covered another way where one exists.
"""
import functools
import hashlib
import html
import http.server
import json
import os
import pathlib
import random
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import unittest

from selenium.common.exceptions import WebDriverException
from selenium.webdriver.common.keys import Keys

from engines import ENGINES, WebKit

SOURCE = pathlib.Path(__file__).resolve().parents[2]
BUILD = pathlib.Path(sys.argv.pop(1) if len(sys.argv) > 1 else SOURCE / "build" / "web").resolve()
ENGINE = sys.argv.pop(1) if len(sys.argv) > 1 else "chromium"
SEED = 20261209
# What the result box must show for three texts, worked out apart from
# Ombrix's compute command (tests/reference), built by scripts/test-web.sh.
ORACLE = BUILD.parent / "web-oracle" / "tests" / "reference" / "ombrix_reference_texts.js"

# What each kind of runtime error reaching the user looks like: through Val,
# the quadrature, the flat case's product and a division.
OVERFLOW, DIVISION = "实时错误 '6':\n\n溢出", "实时错误 '11':\n\n除数为零"
ERRORS = [(("1e200", "2", "1"), OVERFLOW), (("1e308", "1e308", "0"), OVERFLOW),
          (("&H100000000", "1", "1"), OVERFLOW), (("1e-170", "1", "1"), DIVISION)]


# Form1's table as the core emits it for the page: the caption, the client
# area and each control, in tab order, its place in CSS pixels.
FACTS = json.loads((BUILD / "window" / "web" / "form1.json").read_text(encoding="utf-8"))


def tab_order():
    """The controls that take the focus, in the table's order."""
    return [c["name"] for c in FACTS["controls"] if c["kind"] != "Label"]


def golden_areas():
    """tests/golden_areas.h: (a, b, c, the text the desktop window shows)."""
    text = (SOURCE / "tests" / "golden_areas.h").read_text(encoding="utf-8")
    return re.findall(r'\{"([^"]*)", "([^"]*)", "([^"]*)", 0x[0-9A-F]+U, "([^"]*)"\}', text)


class Handler(http.server.SimpleHTTPRequestHandler):
    """Serves a folder; every file may be kept by the browser for `max_age` s.
    Each site records its own requests and failures: a browser may still be
    asking a site of an earlier test for its worker as the next one starts."""
    failures = []
    requested = []
    max_age = 0
    missing = ()  # paths answered with missing_status, as a broken upload or a failing server would
    missing_status = 404
    delays = {}  # seconds before the answer, by path, as a slow network gives them
    headers_sent = {}  # with every answer

    def log_message(self, *args):
        pass

    def end_headers(self):
        self.send_header("Cache-Control", f"max-age={self.max_age}")
        for name, value in self.headers_sent.items():
            self.send_header(name, value)
        super().end_headers()

    def do_GET(self):
        path = self.path.split("?")[0]
        self.requested.append(path)
        time.sleep(self.delays.get(path, 0))
        if path in self.missing:
            self.send_response(self.missing_status)
            self.end_headers()
            return
        super().do_GET()

    def send_error(self, code, *args, **kwargs):
        self.failures.append((code, self.path))
        super().send_error(code, *args, **kwargs)


class Site:
    """A folder served on a free port of 127.0.0.1 until stop()."""

    def __init__(self, folder, **settings):
        handler = type("SiteHandler", (Handler,), dict(settings, failures=[], requested=[]))
        self.handler = handler  # its settings may change while it serves
        self.failures, self.requested = handler.failures, handler.requested
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0),
                                                      functools.partial(handler, directory=str(folder)))
        self.url = f"http://127.0.0.1:{self.server.server_address[1]}/"
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def stop(self):
        self.server.shutdown()
        self.server.server_close()


class PageTest(unittest.TestCase):
    url = None  # set by each class
    make_engine = ENGINES[ENGINE]

    @classmethod
    def setUpClass(cls):
        cls.b = cls.make_engine()

    @classmethod
    def tearDownClass(cls):
        cls.b.quit()

    def setUp(self):
        self.open(self.url)

    def tearDown(self):
        self.assertEqual(self.b.errors(), [], "the page reported errors")

    def needs(self, ability):
        if ability in self.b.cannot:
            self.skipTest(f"{self.b.name}: {self.b.cannot[ability]}")

    # What a user does, and what the page shows.
    def open(self, url, state="ready"):
        self.b.get("about:blank")  # so that the page is not the tab's only entry
        self.b.get(url)
        self.wait_until(lambda: self.ready() == state)

    def ready(self):
        # A window that a script has just opened holds, for a moment, a document without an element.
        return self.js("return document.documentElement?.dataset.ready")

    def js(self, script, *args):
        return self.b.js(script, *args)

    def wait_until(self, condition, seconds=15):
        end = time.monotonic() + seconds
        while not condition():
            if time.monotonic() > end:
                self.fail("timed out")
            time.sleep(0.02)

    def value(self, name):
        return self.js("return document.getElementById(arguments[0]).value", name)

    def focus(self, name):
        self.js("document.getElementById(arguments[0]).focus()", name)

    def type_into(self, name, text):
        self.b.click(name)
        self.b.keys(Keys.CONTROL, "a")
        self.b.keys(text if text else Keys.DELETE)

    def compute(self, a, b, c):
        for name, text in (("Text1", a), ("Text2", b), ("Text3", c)):
            self.type_into(name, text)
        self.b.click("Command5")
        return self.value("Text4")

    def report_open(self):
        return self.js("return document.getElementById('ErrorReport').open")

    def report_text(self):
        return self.b.text_of("ReportText")


class PageBehaviour(PageTest):
    """The page from the site, as a user on a desktop browser meets it."""

    def test_the_controls_stand_at_the_tables_places_with_their_captions(self):
        self.assertEqual(self.js("const c = document.getElementById('Client'); return [c.offsetWidth, c.offsetHeight]"),
                         [FACTS["clientWidth"], FACTS["clientHeight"]])
        for c in FACTS["controls"]:
            place = self.js("const e = document.getElementById(arguments[0]);"
                            "return [e.offsetLeft, e.offsetTop, e.offsetWidth, e.offsetHeight];", c["name"])
            self.assertEqual(place, [c["left"], c["top"], c["width"], c["height"]], c["name"])
            if c["caption"]:
                self.assertEqual(self.b.text_of(c["name"]), c["caption"], c["name"])
        self.assertEqual(self.b.text_of("Caption"), FACTS["caption"])
        self.assertEqual(self.b.title(), FACTS["caption"])
        self.assertEqual(self.js("return document.documentElement.lang"), "zh-CN")
        self.assertTrue(self.js("return document.querySelector('.caption img').naturalWidth > 0"))
        self.assertIn("WenQuanYi Micro Hei", self.js("return getComputedStyle(document.getElementById('Text1')).fontFamily"))
        # The window stands at its size and place from the first paint (an engine that records layout shifts).
        shifts = self.js("""return !(window.PerformanceObserver?.supportedEntryTypes || []).includes('layout-shift') ? null
            : new Promise((done) => { setTimeout(() => done(0), 300); new PerformanceObserver((list) => done(
                list.getEntries().reduce((sum, e) => sum + e.value, 0))).observe({type: 'layout-shift', buffered: true}); })""")
        self.assertIn(shifts, (0, None))

    def test_focus_starts_in_text1_and_tab_goes_round_the_table_with_a_ring_on_the_boxes(self):
        order = tab_order()
        self.assertEqual(self.b.focused(), FACTS["startFocus"])
        self.b.click("Label2")  # a label takes no part in the focus
        self.assertEqual(self.b.focused(), FACTS["startFocus"])
        # Safari, in its default settings, tabs to a button only where it is an explicit tab stop.
        self.assertEqual(self.js("return Array.from(document.querySelectorAll('input, button'))"
                                 ".filter((c) => c.getAttribute('tabindex') !== '0').map((c) => c.id)"), [])
        if "system focus" not in self.b.cannot:
            ring = "const s = getComputedStyle(document.activeElement); return [s.boxShadow, s.outlineStyle];"
            self.assertNotEqual(self.js(ring), ["none", "none"])
        for expected in order[1:] + order[:1]:
            self.b.keys(Keys.TAB)
            self.assertEqual(self.b.focused(), expected)
        self.b.keys(Keys.SHIFT, Keys.TAB)
        self.assertEqual(self.b.focused(), order[-1])

    # A slow phone: the window is drawn at once, but takes no input until the
    # program has attached to it, rather than losing what it is given. So
    # after a reload too, where a browser may restore a form's state.
    def test_the_window_takes_no_input_until_the_program_is_ready(self):
        site = Site(BUILD / "site", delays={"/ombrix.wasm": 2})
        self.addCleanup(site.stop)
        if hasattr(self.b, "cdp"):
            self.b.cdp("Emulation.setCPUThrottlingRate", {"rate": 6})
            self.addCleanup(self.b.cdp, "Emulation.setCPUThrottlingRate", {"rate": 1})
        controls = "return Array.from(document.querySelectorAll('#Client input, #Client button'))"
        for visit in ("first", "reload"):
            if visit == "reload" and "a slow reload" in self.b.cannot:
                break
            self.js("window.__before = true")
            if visit == "first":
                self.b.get(site.url)
            else:
                self.b.reload()
            self.wait_until(lambda: self.js("return !window.__before && document.readyState !== 'loading'"))
            self.assertNotEqual(self.ready(), "ready", visit)
            self.assertEqual(self.js(controls + ".filter((c) => !c.disabled).map((c) => c.id)"), [], visit)
            self.assertEqual(self.js("return document.getElementById('Form1').getAttribute('aria-busy')"), "true")
            try:
                self.b.click("Command5")
            except WebDriverException:  # a driver may refuse to click a disabled button
                pass
            self.wait_until(lambda: self.ready() == "ready")
            self.assertEqual(self.js(controls + ".filter((c) => c.disabled).map((c) => c.id)"), [], visit)
            self.assertFalse(self.js("return document.getElementById('Form1').hasAttribute('aria-busy')"))
            self.assertEqual((self.b.focused(), self.value("Text4")), ("Text1", ""), visit)
        self.assertEqual(self.compute("3", "2", "1"), "48.882146302593")

    def test_typed_cases_give_the_desktop_windows_texts(self):
        cases = golden_areas()
        self.assertGreaterEqual(len(cases), 20)
        for a, b, c, text in cases:
            self.assertEqual(self.compute(a, b, c), text, (a, b, c))

    def test_every_kind_of_error_is_reported_and_the_focus_returns_to_its_button(self):
        for (a, b, c), report in ERRORS:
            self.compute(a, b, c)
            self.assertTrue(self.report_open(), (a, b, c))
            self.assertEqual((self.b.text_of("ReportTitle"), self.report_text()), ("Ombrix", report))
            self.assertEqual(self.b.focused(), "ReportButton")
            self.assertEqual(self.b.text_of("ReportButton"), "确定")
            self.b.keys(Keys.TAB)  # the dialog keeps the focus
            self.assertIn(self.b.focused(), ("ReportButton", "ErrorReport", None, ""))
            self.b.click("ReportButton")
            self.assertFalse(self.report_open())
            self.assertEqual(self.b.focused(), "Command5")
        # Where a click does not focus its button (Safari, Firefox on macOS),
        # the report gives the focus back to the button all the same.
        self.js("document.activeElement.blur(); document.getElementById('Command5').click()")
        self.assertTrue(self.report_open())
        self.b.click("ReportButton")
        self.assertEqual(self.b.focused(), "Command5")
        self.assertEqual(self.compute("2", "1", "1"), "21.4784353278863")

    def test_return_keypad_enter_and_space_click_a_button_and_enter_in_a_box_does_nothing(self):
        for name, text in (("Text1", "3"), ("Text2", "2"), ("Text3", "1")):
            self.type_into(name, text)
        self.b.keys(Keys.RETURN)
        self.b.keys(Keys.ENTER)  # the keypad's Enter
        self.assertEqual((self.value("Text3"), self.value("Text4")), ("1", ""))
        self.needs("keys on a button")
        self.focus("Command5")
        self.b.keys(Keys.RETURN)
        self.assertEqual(self.value("Text4"), "48.882146302593")
        self.focus("Command1")
        self.b.keys(Keys.ENTER)
        self.assertEqual((self.value("Text1"), self.value("Text4")), (" ", " "))
        self.type_into("Text1", "5")
        self.type_into("Text2", "4")
        self.type_into("Text3", "3")
        self.focus("Command5")
        self.b.keys(Keys.SPACE)
        self.assertEqual(self.value("Text4"), "199.455059361967")
        self.focus("Command2")
        self.b.keys(Keys.SPACE)
        self.assertEqual((self.value("Text2"), self.value("Text4")), (" ", " "))

    def test_text_of_several_lines_keeps_its_first_line_however_it_arrives(self):
        self.type_into("Text1", "12")
        # The clipboard is written on a click, as a page may write it.
        self.js("""const b = document.createElement('button'); b.id = 'Copier'; document.body.appendChild(b);
                   b.addEventListener('click', () => navigator.clipboard.writeText('3\\r\\n4\\n5')
                       .then(() => { b.dataset.done = 'yes'; }));""")
        self.b.click("Copier")
        self.wait_until(lambda: self.js("return document.getElementById('Copier').dataset.done") == "yes")
        self.focus("Text1")
        self.js("document.getElementById('Text1').setSelectionRange(1, 1)")
        self.b.keys(Keys.CONTROL, "v")
        self.assertEqual(self.value("Text1"), "132")
        if "undo key" in self.b.cannot:
            self.js("document.execCommand('undo')")
        else:
            self.b.keys(Keys.CONTROL, "z")
        self.assertEqual(self.value("Text1"), "12")
        # A drop, and what an input method's clipboard panel inserts without
        # a paste event, cancellable or not.
        for kind, cancelable in (("drop", True), ("insertFromPaste", True), ("insertReplacementText", False)):
            inserted = self.js("""const box = document.getElementById('Text2'); box.value = '9'; box.focus();
                box.setSelectionRange(1, 1);
                const data = new DataTransfer(); data.setData('text/plain', '7.5\\n8');
                if (arguments[0] === 'drop') {
                  box.dispatchEvent(new DragEvent('drop', {dataTransfer: data, bubbles: true, cancelable: true}));
                  return box.value;
                }
                const event = new InputEvent('beforeinput', {inputType: arguments[0], data: '7.5\\n8',
                                                             bubbles: true, cancelable: arguments[1] === 'yes'});
                if (box.dispatchEvent(event)) {  // not cancelled: the browser inserts as an <input> does
                  box.setRangeText('7.58', 1, 1, 'end');
                  box.dispatchEvent(new InputEvent('input', {inputType: arguments[0], bubbles: true}));
                }
                return box.value;""", kind, "yes" if cancelable else "no")
            self.assertEqual(inserted, "97.5", kind)
        # A box holds at most 32,767 characters, as on the desktop: of a paste
        # of 50,000 blanks and "4", the "4" does not get in; nor of a drop,
        # which goes through the page's own insertion.
        self.js("""const b = document.createElement('button'); b.id = 'LongCopier'; document.body.appendChild(b);
                   b.addEventListener('click', () => navigator.clipboard.writeText(' '.repeat(50000) + '4')
                       .then(() => { b.dataset.done = 'yes'; }));""")
        self.b.click("LongCopier")
        self.wait_until(lambda: self.js("return document.getElementById('LongCopier').dataset.done") == "yes")
        self.type_into("Text1", "")
        self.b.keys(Keys.CONTROL, "v")
        self.assertEqual(self.js("return document.getElementById('Text1').value.length"), 32767)
        dropped = self.js("""const box = document.getElementById('Text2'); box.value = ''; box.focus();
            const data = new DataTransfer(); data.setData('text/plain', ' '.repeat(50000) + '4\\n5');
            box.dispatchEvent(new DragEvent('drop', {dataTransfer: data, bubbles: true, cancelable: true}));
            return box.value.length;""")
        self.assertEqual(dropped, 32767)
        self.type_into("Text2", "1")
        self.type_into("Text3", "1")
        self.b.click("Command5")
        self.assertEqual(self.value("Text4"), "输入错误 ")

    def test_the_note_names_the_exact_area_and_the_desktop_names_are_heard(self):
        self.compute("3", "2", "1")
        note = self.js("return document.getElementById('Text4').title")
        self.assertRegex(note, r"^精确值（椭圆积分）：48\.8821\d+\n本算法相对误差：\d\.\dE-\d\d$")
        if "accessibility tree" in self.b.cannot:
            heard = self.attributes_heard
        else:
            heard = self.accessibility_tree_heard
        self.assertEqual(heard("Text1"), ("半轴a>0", ""))
        self.assertEqual(heard("Text3"), ("半轴c>=0", ""))
        name, description = heard("Text4")
        self.assertEqual((name, description.split()), ("表面积", note.split()))
        self.assertEqual(heard("Command1"), ("清除半轴a", "把半轴a和表面积的框清为一个空格"))
        self.assertEqual(heard("Command4"), ("退出", "结束程序"))
        self.assertEqual(heard("Command5")[0], "计算Ombrix")
        self.wait_until(lambda: self.b.text_of("Announcer") == "48.882146302593")
        # The keyboard, which cannot hover, is shown the note while Text4 has
        # the focus (where a pointer hovers: elsewhere it always stands).
        shown = "return getComputedStyle(document.getElementById('ResultNote')).display !== 'none'"
        always = self.js("return matchMedia('(hover: none), (pointer: coarse)').matches")
        self.assertEqual(self.js(shown), always)
        self.focus("Text4")
        self.assertTrue(self.js(shown))
        self.focus("Command5")
        self.assertEqual(self.js(shown), always)
        self.type_into("Text4", "x")  # the user's edit takes the note away
        self.assertFalse(self.js("return document.getElementById('Text4').hasAttribute('title')"))
        self.assertEqual(heard("Text4"), ("表面积", ""))

    def accessibility_tree_heard(self, name):
        self.b.cdp("Accessibility.enable")
        root = self.b.cdp("DOM.getDocument", {"depth": 0})["root"]["nodeId"]
        node = self.b.cdp("DOM.querySelector", {"nodeId": root, "selector": f"#{name}"})["nodeId"]
        ax = self.b.cdp("Accessibility.getPartialAXTree", {"nodeId": node, "fetchRelatives": False})["nodes"][0]
        return ax.get("name", {}).get("value", ""), ax.get("description", {}).get("value", "")

    def attributes_heard(self, name):
        return tuple(self.js("""const e = document.getElementById(arguments[0]);
            const named = e.getAttribute('aria-labelledby');
            const label = e.getAttribute('aria-label') || (named ? document.getElementById(named).textContent : '')
                          || e.textContent;
            const by = e.getAttribute('aria-describedby');
            return [label, by ? document.getElementById(by).textContent : ''];""", name))

    def test_clear_leaves_one_blank_and_exit_ends_ombrix_until_it_is_opened_again(self):
        self.compute("1", "2", "3")
        self.b.click("Command3")
        self.assertEqual((self.value("Text3"), self.value("Text4")), (" ", " "))
        self.assertEqual(self.value("Text1"), "1")
        self.b.click("Command4")
        self.wait_until(lambda: self.b.visible("Ended"))
        self.assertEqual(self.b.focused(), "Restart")
        self.assertTrue(self.js("return document.getElementById('Form1').inert"))
        self.js("document.getElementById('Command5').click()")
        self.assertEqual(self.value("Text4"), " ")
        self.b.click("Restart")  # an installed app has no reload: the page's own button
        self.wait_until(lambda: not self.b.visible("Ended"))
        self.assertEqual(self.b.focused(), "Text1")
        self.assertEqual([self.value(n) for n in ("Text1", "Text2", "Text3", "Text4")], ["", "", "", ""])
        self.assertEqual(self.compute("1", "1", "1"), "12.566370614362")

    def test_exit_closes_a_window_that_a_script_opened(self):
        # Opened on a click, as browsers allow a window to be opened.
        self.js("const b = document.createElement('button'); b.id = 'Opener'; document.body.appendChild(b);"
                "b.addEventListener('click', () => window.open(arguments[0], 'ombrix'));", self.url)
        self.b.click("Opener")
        self.wait_until(lambda: self.b.windows() == 2)
        main = self.b.switch_to_other_window()
        try:
            self.wait_until(lambda: self.ready() == "ready")
            self.b.click("Command4")
            self.wait_until(lambda: self.b.windows() == 1)
        finally:
            self.b.switch_to(main)

    def test_a_phone_sees_the_whole_window_its_note_and_a_number_keyboard(self):
        self.assertEqual(self.js("return document.getElementById('Text1').inputMode"), "decimal")
        # Hover is for a pointer that hovers: every :hover rule stands under (hover: hover).
        hover_rules = self.js("""const found = [];
            for (const sheet of document.styleSheets) for (const rule of sheet.cssRules) {
              if (rule.selectorText && rule.selectorText.includes(':hover')) found.push(rule.selectorText);
            }
            return found;""")
        self.assertEqual(hover_rules, [])
        self.needs("phone")
        self.b.phone(True)
        try:
            self.open(self.url)
            box = self.js("const r = document.getElementById('Form1').getBoundingClientRect();"
                          "return [r.left, r.right, r.width / document.getElementById('Form1').offsetWidth];")
            self.assertGreaterEqual(box[0], 0)
            self.assertLessEqual(box[1], 390)
            self.assertGreaterEqual(box[2], 1.0)
            # iOS zooms on a box whose text is under 16 px; the box still looks the table's size.
            text1 = self.js("const e = document.getElementById('Text1'); const r = e.getBoundingClientRect();"
                            "return [parseFloat(getComputedStyle(e).fontSize), r.width, r.height];")
            self.assertGreaterEqual(text1[0], 16)
            self.assertAlmostEqual(text1[1] / box[2], 121, delta=1)
            self.assertAlmostEqual(text1[2] / box[2], 25, delta=1)
            self.assertEqual(self.compute("5", "5", "5"), "314.159265359051")
            # The note stands below the window, whose frame is as the table lays it out.
            note = self.js("const n = document.getElementById('ResultNote'); const r = n.getBoundingClientRect();"
                           "return [n.textContent, r.top, r.height, "
                           "document.getElementById('Frame').getBoundingClientRect().bottom];")
            self.assertTrue(note[0].startswith("精确值（椭圆积分）：314.159"), note[0])
            self.assertGreater(note[2], 0)
            self.assertGreaterEqual(note[1], note[3])
            # A Chinese keyboard's point key types "。".
            self.assertEqual(self.compute("2。5", "1", "1"), self.compute("2.5", "1", "1"))
            # A comma typed where the boxes ask for the number keyboard (its
            # decimal key in a region that the browser's languages do not
            # tell, or a tablet's own keyboard) stays in view and reads as the
            # classic calculator reads it; the boxes turn to the full keyboard.
            self.assertEqual(self.js("return document.getElementById('Text1').inputMode"), "decimal")
            self.type_into("Text1", "2,5")
            self.assertEqual(self.value("Text1"), "2,5")
            self.assertEqual(self.js("return Array.from(document.querySelectorAll('#Client input'))"
                                     ".map((box) => box.inputMode)"), ["text"] * 4)
            self.assertEqual(self.compute("2,5", "1", "1"), self.compute("2", "1", "1"))
        finally:
            self.b.phone(False)

    def test_a_random_session_gives_the_oracles_results(self):
        rng = random.Random(SEED)
        texts = ["1", "2.5", "1e200", "1e-300", "&H1F", "-3", "abc", "", " ", "1,5", "0", "7d2", "1" * 40,
                 "3 4", "１２", "+.5e+1", "&O17", "1e308", "2。5"]
        buttons = ["Command1", "Command2", "Command3", "Command5"]
        seen = []  # (Text1, Text2, Text3, what the click showed), for each compute
        for _ in range(300):
            if self.report_open():
                if "keys on a button" in self.b.cannot:
                    self.b.click("ReportButton")
                else:
                    self.focus("ReportButton")
                    self.b.keys(rng.choice([Keys.RETURN, Keys.SPACE, Keys.ESCAPE]))
                continue
            action = rng.random()
            computes = False
            before = self.value("Text4")
            if action < 0.45:
                self.type_into(rng.choice(["Text1", "Text2", "Text3", "Text4"]), rng.choice(texts))
            elif action < 0.8:
                button = rng.choice(buttons)
                computes = button == "Command5"
                self.b.click(button)
            elif action < 0.9:
                self.b.keys(Keys.TAB)
            elif self.b.focused() != "Command4":
                computes = self.b.focused() == "Command5" and "keys on a button" not in self.b.cannot
                self.b.keys(rng.choice([Keys.RETURN, Keys.SPACE, Keys.ENTER]))
            if computes:
                boxes = [self.value(name) for name in ("Text1", "Text2", "Text3")]
                if self.report_open():
                    number = re.search(r"实时错误 '(\d+)'", self.report_text()).group(1)
                    self.assertEqual(self.value("Text4"), before, "a report leaves the result box as it was")
                    seen.append(boxes + ["error " + number])
                else:
                    seen.append(boxes + [self.value("Text4")])
        self.assertGreater(len(seen), 15)
        self.assertTrue(any(shown.startswith("error") for *_, shown in seen))
        texts = [text for *boxes, _ in seen for text in boxes]
        expected = subprocess.run(["node", str(ORACLE)] + texts, capture_output=True, text=True,
                                  check=True).stdout.splitlines()
        self.assertEqual([shown for *_, shown in seen], expected)

    def test_a_strict_content_security_policy_stops_inline_code(self):
        policy = self.js("return document.querySelector('meta[http-equiv=Content-Security-Policy]').content")
        self.assertRegex(policy, r"script-src 'self' 'sha256-[A-Za-z0-9+/=]+' 'wasm-unsafe-eval';")
        for part in ("default-src 'none'", "style-src 'self'"):
            self.assertIn(part, policy)
        self.js("const s = document.createElement('script'); s.textContent = 'window.__inline = 1';"
                "document.body.appendChild(s);")
        # The refusal is reported, and taken as read: Firefox reports it to the page and, a moment later, to its
        # console, so the reports are taken until none has come for a second.
        last_report = None

        def reports_stopped():
            nonlocal last_report
            if self.b.errors():
                last_report = time.monotonic()
            return last_report is not None and time.monotonic() - last_report > 1

        self.wait_until(reports_stopped)
        self.assertIsNone(self.js("return window.__inline"))


class OfflineSite(PageTest):
    """After the first visit the site needs no server, and a new version
    replaces the old one whole."""

    def setUp(self):
        self.folder = pathlib.Path(tempfile.mkdtemp(prefix="ombrix-site-"))
        self.addCleanup(shutil.rmtree, self.folder, True)

    def controlled(self):
        self.wait_until(lambda: self.js("return !!navigator.serviceWorker.controller"))
        self.wait_until(lambda: self.js("""return navigator.serviceWorker.getRegistration().then(
            (r) => !!r && !r.installing && !r.waiting && !!r.active && r.active.state === 'activated')"""))

    def serve_copy(self, path="", **settings):
        shutil.copytree(BUILD / "site", self.folder / path, dirs_exist_ok=True)
        site = Site(self.folder, **settings)
        self.addCleanup(site.stop)
        return site

    def test_a_reload_with_the_server_gone_is_served_by_the_service_worker(self):
        site = self.serve_copy()
        self.open(site.url)
        self.controlled()
        self.assertEqual(site.failures, [])
        if "installable" not in self.b.cannot:
            self.assertEqual(self.b.cdp("Page.getInstallabilityErrors")["installabilityErrors"], [])
        self.assertEqual(self.js("return performance.getEntriesByType('resource').map((e) => e.name)"
                                 ".filter((name) => !name.startsWith(location.origin + '/'))"), [])
        # Only the page's own navigations are answered with the page.
        self.b.get(site.url + "manifest.json")
        self.assertIsNone(self.js("return document.getElementById('Form1')"))
        self.b.errors()  # the browser's own request for a favicon, which the site has not
        site.stop()
        self.open(site.url)
        self.assertEqual(self.compute("5", "4", "3"), "199.455059361967")

    def test_a_new_version_arrives_whole_through_an_http_cache(self):
        site = self.serve_copy(max_age=600)
        self.open(site.url)
        self.controlled()
        version2 = self.version2()
        shutil.copytree(version2, self.folder, dirs_exist_ok=True)
        self.assertEqual(self.files_after_three_loads(site, version2), {})

    # An upload file by file, as rsync or scp make it, the worker first: the
    # visits in the middle find the new worker beside files of the old
    # version. The old version serves them; the new one, once whole.
    def test_a_visit_during_an_upload_keeps_the_old_version_until_the_new_one_is_whole(self):
        site = self.serve_copy()
        self.open(site.url)
        self.controlled()
        version2 = self.version2()
        names = sorted((str(p.relative_to(version2)) for p in version2.rglob("*") if p.is_file()),
                       key=lambda name: name != "sw.js")
        for k, name in enumerate(names):
            shutil.copyfile(version2 / name, self.folder / name)
            if k in (0, len(names) // 2):
                site.requested.clear()
                self.open(site.url)
                self.wait_until(lambda: "/sw.js" in site.requested)
                self.assertEqual(self.compute("3", "2", "1"), "48.882146302593")
        self.assertEqual(self.files_after_three_loads(site, version2), {})
        self.assertEqual(self.compute("3", "2", "1"), "48.882146302593")

    # A copy damaged (or kept whole by an older worker) whose program fails
    # to start while the server is there: the page drops it and loads again.
    def test_a_page_that_fails_to_start_online_loads_again_without_its_offline_copy(self):
        site = self.serve_copy()
        self.open(site.url)
        self.controlled()
        self.js("""return caches.keys().then((names) => Promise.all(names.map((name) => caches.open(name)
            .then((cache) => Promise.all(['ombrix.js', 'ombrix-script.js'].map((file) => cache.put(file,
                new Response('(', {headers: {'Content-Type': 'text/javascript'}}))))))))""")
        site.requested.clear()
        self.b.get(site.url)
        self.wait_until(lambda: self.ready() == "ready" and "/ombrix.js" in site.requested)
        self.b.errors()  # the damaged program's, before the page loaded again
        self.assertEqual(self.compute("3", "2", "1"), "48.882146302593")

    def version2(self):
        """The site's version 2, whose style and page script differ, built beside the served one."""
        source = self.folder.parent / (self.folder.name + "-source")
        shutil.copytree(SOURCE / "window" / "web", source)
        self.addCleanup(shutil.rmtree, source, True)
        for name in ("ombrix.css", "page.js.in"):
            with open(source / name, "a", encoding="utf-8") as part:
                part.write("/* version 2 */\n")
        built = self.folder.parent / (self.folder.name + "-v2")
        self.addCleanup(shutil.rmtree, built, True)
        subprocess.run([sys.executable, str(source / "make_site.py"), str(source), str(SOURCE / "packaging" / "icons"),
                        str(BUILD / "window" / "web"), str(BUILD / "script" / "window" / "web"), str(built), "2",
                        str(BUILD / "window" / "web" / "form1.json")], check=True)
        return built / "site"

    def files_after_three_loads(self, site, version2):
        """Loads the page up to three times, until every file it is served is
        version 2's; the files that still differ."""
        # Every file the worker keeps; the browser fetches the worker itself past any cache.
        expected = {path.name: hashlib.sha256(path.read_bytes()).hexdigest()
                    for path in version2.iterdir() if path.is_file() and path.name != "sw.js"}
        digests = """return Promise.all(arguments[0].map((name) => fetch(name).then((r) => r.arrayBuffer())
            .then((b) => crypto.subtle.digest('SHA-256', b)).then((d) => [name, Array.from(new Uint8Array(d))
            .map((x) => x.toString(16).padStart(2, '0')).join('')])))"""
        for _ in range(3):
            site.requested.clear()
            self.open(site.url)
            self.wait_until(lambda: "/sw.js" in site.requested)  # the page asks for a new version
            self.controlled()
            got = dict(self.js(digests, list(expected)))
            if got == expected:
                break
        return {k: v for k, v in got.items() if expected[k] != v}

    # The page's choice of program changes after a visit (Lockdown Mode
    # switched on, a WebAssembly that failed), so a worker for the other
    # program installs beside the active one, and fails while the server
    # fails some files: the active worker's copy serves on.
    def test_a_failed_install_for_the_other_program_leaves_the_copy_that_serves(self):
        self.needs("scripts before the page's")
        site = self.serve_copy()
        self.open(site.url)
        self.controlled()
        without = self.b.preload("delete window.WebAssembly;")
        try:
            site.handler.missing = ("/manifest.json", "/ombrix.css", "/icons/ombrix-256.png")
            site.handler.missing_status = 503
            site.requested.clear()
            self.open(site.url)
            self.assertEqual(programs_loaded(self), ["ombrix-script.js"])
            self.wait_until(lambda: "/manifest.json" in site.requested)  # the new worker's install
            self.wait_until(lambda: self.js("return navigator.serviceWorker.getRegistration()"
                                            ".then((r) => !r.installing && !r.waiting)"))
        finally:
            self.b.unload(without)
        self.b.errors()  # the failed install's
        site.stop()
        self.open(site.url)
        self.assertEqual(self.compute("3", "2", "1"), "48.882146302593")

    def test_two_copies_on_one_server_keep_their_own_offline_copies(self):
        site = self.serve_copy("a")
        shutil.copytree(BUILD / "site", self.folder / "b")
        for path in ("a/", "b/"):
            self.open(site.url + path)
            self.controlled()
        site.stop()
        for path in ("a/", "b/"):
            self.open(site.url + path)
            self.assertEqual(self.compute("3", "2", "1"), "48.882146302593")


class OneFilePage(PageTest):
    """Ombrix.html, opened from a file."""

    def test_ombrix_html_works_from_a_file(self):
        self.assertEqual(self.b.title(), "Ombrix计算器")
        self.assertEqual(self.b.focused(), "Text1")
        self.assertEqual(self.compute("1.5e150", "2e150", "3e149"), "2.02913641959051E+301")
        self.compute("1e200", "1", "1")
        self.assertTrue(self.report_open())
        self.b.click("ReportButton")
        self.assertEqual(self.b.focused(), "Command5")


class Unavailable(PageTest):
    """Where Ombrix cannot run, the window's place says why, and where it can."""

    def setUp(self):
        pass

    def assert_says(self, *words):
        text = self.b.text_of("Unavailable")
        for word in words + ("可运行 Ombrix 的浏览器",):
            self.assertIn(word, text)
        self.assertTrue(self.b.visible("Unavailable"))

    def test_the_sites_page_from_a_file_points_to_ombrix_html(self):
        self.open((BUILD / "site" / "index.html").as_uri(), "unavailable")
        self.assert_says("Ombrix.html")
        self.assertEqual(self.js("return document.querySelector('#Unavailable a').href"),
                         (BUILD / "Ombrix.html").as_uri())
        self.b.errors()  # a page from a file may be refused its worker and manifest

    def test_where_no_program_loads_the_window_is_there_and_says_why(self):
        site = Site(BUILD / "site", missing=("/ombrix.wasm", "/ombrix-script.js"))
        self.addCleanup(site.stop)
        self.open(site.url, "unavailable")
        self.assert_says("未能载入")
        for c in FACTS["controls"]:
            self.assertTrue(self.b.visible(c["name"]), c["name"])
        self.assertTrue(self.js("return Array.from(document.querySelectorAll('#Client input, #Client button'))"
                                ".every((c) => c.disabled)"))
        self.b.errors()  # the failed requests are what the test is for

    def test_webassembly_that_does_not_load_gives_way_to_the_script(self):
        site = Site(BUILD / "site", missing=("/ombrix.wasm",))
        self.addCleanup(site.stop)
        self.open(site.url)
        self.b.errors()  # the failed request
        self.assertEqual(self.compute("3", "2", "1"), "48.882146302593")
        self.assertIn("/ombrix-script.js", site.requested)


class CommaRegion(PageTest):
    """The page in a region that writes a decimal comma: German, Germany."""
    make_engine = functools.partial(ENGINES[ENGINE], locale="de-DE")

    def test_a_phone_keyboard_offers_the_point_and_a_comma_still_ends_the_number(self):
        self.assertIn("1,5", self.js("return [(1.5).toLocaleString(), (1.5).toLocaleString(navigator.language)]"))
        self.b.click("Text2")  # the keyboard is chosen at the first touch or click
        self.assertEqual(self.js("return document.getElementById('Text1').inputMode"), "text")
        self.assertEqual(self.compute("2.5", "1", "1"), "26.15183638107")
        self.assertEqual(self.compute("2,5", "1", "1"), self.compute("2", "1", "1"))
        # Opened again after its exit button, Ombrix is as at its start, the keyboard still the region's.
        self.b.click("Command4")
        self.wait_until(lambda: self.b.visible("Ended"))
        self.b.click("Restart")
        self.wait_until(lambda: not self.b.visible("Ended"))
        self.assertEqual([self.value(n) for n in ("Text1", "Text2", "Text3", "Text4")], ["", "", "", ""])
        self.assertEqual(self.b.focused(), "Text1")
        self.assertEqual(self.js("return Array.from(document.querySelectorAll('#Client input'))"
                                 ".map((box) => box.inputMode)"), ["text"] * 4)


class WithoutWebAssembly(PageTest):
    """The browser runs no WebAssembly: Chromium without a JIT, WebKit with
    it switched off (as in Lockdown Mode), Firefox with it switched off."""
    make_engine = functools.partial(ENGINES[ENGINE], jit=ENGINE != "chromium", webassembly=False)

    def test_the_script_program_gives_the_same_texts_and_reports(self):
        self.assertEqual(programs_loaded(self), ["ombrix-script.js"])
        for a, b, c, text in golden_areas():
            self.assertEqual(self.compute(a, b, c), text, (a, b, c))
        for (a, b, c), report in ERRORS:
            self.compute(a, b, c)
            self.assertEqual(self.report_text(), report)
            self.b.click("ReportButton")


class OlderBrowsers(PageTest):
    """What browsers below the page's newest features meet: a policy that
    cannot let WebAssembly compile (before Chrome 97, Safari 16), no
    <dialog> (before Safari 15.4, Firefox 98)."""

    def setUp(self):
        self.folder = pathlib.Path(tempfile.mkdtemp(prefix="ombrix-site-"))
        self.addCleanup(shutil.rmtree, self.folder, True)
        shutil.copytree(BUILD / "site", self.folder, dirs_exist_ok=True)

    def serve(self, **settings):
        site = Site(self.folder, **settings)
        self.addCleanup(site.stop)
        return site

    def test_a_policy_that_refuses_webassembly_leaves_the_script_program(self):
        meta = re.search(r'http-equiv="Content-Security-Policy" content="([^"]*)"',
                         (self.folder / "index.html").read_text(encoding="utf-8")).group(1)
        script_sources = re.search(r"script-src ([^;]*);", html.unescape(meta)).group(1)
        site = self.serve(headers_sent={"Content-Security-Policy":
                                   "script-src " + script_sources.replace(" 'wasm-unsafe-eval'", "")})
        self.open(site.url)
        self.b.errors()  # the refusal of the probe's compile, reported as a violation
        self.assertEqual(programs_loaded(self), ["ombrix-script.js"])
        self.assertNotIn("/ombrix.wasm", site.requested)
        self.assertEqual(self.compute("3", "2", "1"), "48.882146302593")

    def test_without_dialog_the_report_is_modal_and_closes_on_escape_and_its_button(self):
        (self.folder / "no-dialog.js").write_text("delete window.HTMLDialogElement;\n", encoding="utf-8")
        index = self.folder / "index.html"
        index.write_text(index.read_text(encoding="utf-8").replace(
            "<head>", '<head>\n<script src="no-dialog.js"></script>', 1), encoding="utf-8")
        site = self.serve()
        self.open(site.url)
        self.assertEqual(self.js("return typeof HTMLDialogElement"), "undefined")
        for close in ("button", "escape"):
            self.compute("1e200", "2", "1")
            self.assertTrue(self.b.visible("ErrorReport"))
            self.assertEqual(self.report_text(), OVERFLOW)
            self.assertEqual(self.b.focused(), "ReportButton")
            self.assertTrue(self.js("return document.getElementById('Desktop').inert"))
            self.focus("Text2")  # the focus cannot leave the report
            self.assertEqual(self.b.focused(), "ReportButton")
            self.b.keys(Keys.TAB)
            self.assertEqual(self.b.focused(), "ReportButton")
            if close == "button":
                self.b.click("ReportButton")
            else:
                self.b.keys(Keys.ESCAPE)
            self.assertFalse(self.b.visible("ErrorReport"))
            self.assertFalse(self.js("return document.getElementById('Desktop').inert"))
            self.assertEqual(self.b.focused(), "Command5")


def programs_loaded(test):
    """The programs that the page asked for, in order."""
    return test.js("return performance.getEntriesByType('resource').map((e) => e.name.split('/').pop())"
                   ".filter((name) => /^ombrix.*\\.(js|wasm)$/.test(name))")


class SiteFiles(unittest.TestCase):
    """The site's files as the server sends them."""

    def test_index_html_holds_the_window(self):
        page = (BUILD / "site" / "index.html").read_text(encoding="utf-8")
        window = page[page.index('<div id="Client"'):page.index("</section>")]
        for c in FACTS["controls"]:
            element = re.search(rf'<{c["tag"]} id="{c["name"]}"[^>]*>([^<]*)', window)
            self.assertIsNotNone(element, c["name"])
            if c["kind"] != "TextBox":
                self.assertEqual(html.unescape(element.group(1)), c["caption"], c["name"])

    def test_every_script_served_is_es2017(self):
        scripts = [BUILD / "site" / name for name in ("page.js", "sw.js", "ombrix.js", "ombrix-script.js")]
        folder = pathlib.Path(tempfile.mkdtemp(prefix="ombrix-inline-"))
        self.addCleanup(shutil.rmtree, folder, True)
        for page in (BUILD / "site" / "index.html", BUILD / "Ombrix.html"):
            inline = re.findall(r"<script>(.*?)</script>", page.read_text(encoding="utf-8"), re.S)
            for k, text in enumerate(inline):
                scripts.append(folder / f"{page.stem}-{k}.js")
                scripts[-1].write_text(text, encoding="utf-8")
        self.assertGreaterEqual(len(scripts), 7)
        for script in scripts:
            parsed = subprocess.run(["acorn", "--ecma2017", "--silent", str(script)], capture_output=True, text=True)
            self.assertEqual(parsed.returncode, 0, f"{script.name}: {parsed.stderr}")


if __name__ == "__main__":
    site = Site(BUILD / "site")
    PageBehaviour.url = Unavailable.url = WithoutWebAssembly.url = CommaRegion.url = site.url
    OneFilePage.url = (BUILD / "Ombrix.html").as_uri()
    classes = [PageBehaviour, OfflineSite, OneFilePage, Unavailable, CommaRegion, WithoutWebAssembly, OlderBrowsers]
    classes += [SiteFiles] if ENGINE == "chromium" else []  # the files, once
    only = os.environ.get("OMBRIX_WEB_CLASSES")  # a few classes by name, to try one part
    classes = [c for c in classes if not only or c.__name__ in only.split(",")]
    suite = unittest.TestSuite(unittest.defaultTestLoader.loadTestsFromTestCase(c) for c in classes)
    print(f"engine: {ENGINE}")
    result = unittest.TextTestRunner(verbosity=2).run(suite)
    sys.exit(0 if result.wasSuccessful() else 1)
