#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Ombrix's web page in headless Chromium, driven as a user drives it.

page_test.py BUILD   (BUILD: the web build's folder, with site/ and Ombrix.html)

The site is served here on 127.0.0.1, by a server of the test's own, which
the offline test stops. The places, captions and typed cases come from the
project's own tables (window/form1_layout.h, tests/golden_areas.h), so the
page is held to what the desktop windows show.
"""
import functools
import http.server
import pathlib
import random
import re
import shutil
import sys
import tempfile
import threading
import time
import unittest

from selenium import webdriver
from selenium.common.exceptions import NoSuchWindowException, WebDriverException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.keys import Keys

SOURCE = pathlib.Path(__file__).resolve().parents[2]
BUILD = pathlib.Path(sys.argv.pop(1) if len(sys.argv) > 1 else SOURCE / "build" / "web").resolve()
TWIPS_PER_PIXEL = 15
SEED = 20261209


def layout_table():
    """Form1Controls as the C++ table states them: (name, caption, left, top, width, height)."""
    text = (SOURCE / "window" / "form1_layout.h").read_text(encoding="utf-8")
    rows = re.findall(r'\{ControlKind::\w+, "(\w+)", "([^"]*)", (\d+), (\d+), (\d+), (\d+),', text)
    return [(name, caption, *map(int, numbers)) for name, caption, *numbers in rows]


def golden_areas():
    """tests/golden_areas.h: (a, b, c, the text the desktop window shows)."""
    text = (SOURCE / "tests" / "golden_areas.h").read_text(encoding="utf-8")
    return re.findall(r'\{"([^"]*)", "([^"]*)", "([^"]*)", 0x[0-9A-F]+U, "([^"]*)"\}', text)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    failures = []

    def log_message(self, *args):
        pass

    def send_error(self, code, *args, **kwargs):
        QuietHandler.failures.append((code, self.path))
        super().send_error(code, *args, **kwargs)


class Site:
    """The site served on a free port of 127.0.0.1 until stop()."""

    def __init__(self, folder):
        handler = functools.partial(QuietHandler, directory=str(folder))
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.url = f"http://127.0.0.1:{self.server.server_address[1]}/"
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def stop(self):
        self.server.shutdown()
        self.server.server_close()


# Records every error the page's scripts raise, from the first moment.
RECORD_ERRORS = """
window.__ombrixErrors = [];
addEventListener('error', (e) => window.__ombrixErrors.push(String(e.message)));
addEventListener('unhandledrejection', (e) => window.__ombrixErrors.push(String(e.reason)));
"""


class Browser:
    def __init__(self):
        self.profile = tempfile.mkdtemp(prefix="ombrix-chromium-")
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                     "--disable-background-networking", "--disable-component-update", "--disable-sync",
                     "--window-size=640,480", f"--user-data-dir={self.profile}"):
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": RECORD_ERRORS})

    def quit(self):
        self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)


class PageTest(unittest.TestCase):
    url = None  # set by each class

    @classmethod
    def setUpClass(cls):
        cls.browser = Browser()
        cls.d = cls.browser.driver

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()

    def setUp(self):
        self.open(self.url)

    def tearDown(self):
        try:
            errors = self.js("return window.__ombrixErrors || []")
        except WebDriverException:
            errors = []
        logged = [entry["message"] for entry in self.d.get_log("browser") if entry["level"] in ("SEVERE", "WARNING")]
        self.assertEqual(errors + logged, [], "the page reported errors")

    # What a user does, and what the page shows.
    def open(self, url):
        self.d.get("about:blank")  # so that the page is not the tab's only entry
        self.d.get(url)
        self.wait_until(lambda: self.js("return document.documentElement.dataset.ready") == "ready")

    def js(self, script, *args):
        return self.d.execute_script(script, *args)

    def wait_until(self, condition, seconds=10):
        end = time.monotonic() + seconds
        while not condition():
            if time.monotonic() > end:
                self.fail("timed out")
            time.sleep(0.02)

    def el(self, name):
        return self.d.find_element("id", name)

    def value(self, name):
        return self.el(name).get_property("value")

    def focused(self):
        return self.js("return document.activeElement && document.activeElement.id")

    def keys(self, *keys):
        self.d.switch_to.active_element.send_keys(*keys)

    def type_into(self, name, text):
        box = self.el(name)
        box.click()
        box.send_keys(Keys.CONTROL, "a")
        if text:
            box.send_keys(text)
        else:
            box.send_keys(Keys.DELETE)

    def compute(self, a, b, c):
        for name, text in (("Text1", a), ("Text2", b), ("Text3", c)):
            self.type_into(name, text)
        self.el("Command5").click()
        return self.value("Text4")

    def report_open(self):
        return self.js("return document.getElementById('ErrorReport').open")


class PageBehaviour(PageTest):
    """The page from the site, as a user on a desktop browser meets it."""

    def test_the_controls_stand_at_the_tables_places_with_their_captions(self):
        table = layout_table()
        self.assertEqual(len(table), 12)
        client = self.el("Client")
        self.assertEqual((client.get_property("offsetWidth"), client.get_property("offsetHeight")), (312, 213))
        for name, caption, left, top, width, height in table:
            control = self.el(name)
            place = [control.get_property(p) for p in ("offsetLeft", "offsetTop", "offsetWidth", "offsetHeight")]
            self.assertEqual(place, [v // TWIPS_PER_PIXEL for v in (left, top, width, height)], name)
            if caption:
                self.assertEqual(control.text, caption, name)
        self.assertEqual(self.el("Caption").text, "Ombrix计算器")
        self.assertEqual(self.d.title, "Ombrix计算器")
        self.assertEqual(self.js("return document.documentElement.lang"), "zh-CN")
        self.assertTrue(self.js("return document.querySelector('.caption img').naturalWidth > 0"))
        self.assertIn("WenQuanYi Micro Hei", self.js("return getComputedStyle(document.getElementById('Text1')).fontFamily"))

    def test_focus_starts_in_text1_and_tab_goes_round_the_table(self):
        self.assertEqual(self.focused(), "Text1")
        order = ["Text2", "Text3", "Text4", "Command1", "Command2", "Command3", "Command4", "Command5", "Text1"]
        for expected in order:
            self.keys(Keys.TAB)
            self.assertEqual(self.focused(), expected)
        self.keys(Keys.SHIFT, Keys.TAB)
        self.assertEqual(self.focused(), "Command5")

    def test_typed_cases_give_the_desktop_windows_texts(self):
        cases = golden_areas()
        self.assertGreaterEqual(len(cases), 20)
        for a, b, c, text in cases:
            self.assertEqual(self.compute(a, b, c), text, (a, b, c))

    def test_return_keypad_enter_and_space_click_a_button_and_enter_in_a_box_does_nothing(self):
        for name, text in (("Text1", "3"), ("Text2", "2"), ("Text3", "1")):
            self.type_into(name, text)
        self.keys(Keys.RETURN)
        self.assertEqual(self.value("Text4"), "")
        self.js("document.getElementById('Command5').focus()")
        self.keys(Keys.RETURN)
        self.assertEqual(self.value("Text4"), "48.882146302593")
        self.el("Text3").click()
        self.keys(Keys.ENTER)  # the keypad's Enter
        self.assertEqual(self.value("Text3"), "1")
        self.js("document.getElementById('Command1').focus()")
        self.keys(Keys.ENTER)
        self.assertEqual((self.value("Text1"), self.value("Text4")), (" ", " "))
        self.type_into("Text1", "5")
        self.type_into("Text2", "4")
        self.type_into("Text3", "3")
        self.js("document.getElementById('Command5').focus()")
        self.keys(Keys.SPACE)
        self.assertEqual(self.value("Text4"), "199.455059361967")
        self.js("document.getElementById('Command2').focus()")
        self.keys(Keys.SPACE)
        self.assertEqual((self.value("Text2"), self.value("Text4")), (" ", " "))

    def test_a_paste_of_several_lines_keeps_the_first_as_one_undoable_edit(self):
        self.d.execute_cdp_cmd("Browser.grantPermissions", {
            "origin": self.url.rstrip("/"), "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
        self.js("return navigator.clipboard.writeText('3\\r\\n4\\n5')")
        self.type_into("Text1", "12")
        self.keys(Keys.ARROW_LEFT)
        self.keys(Keys.CONTROL, "v")
        self.assertEqual(self.value("Text1"), "132")
        self.keys(Keys.CONTROL, "z")
        self.assertEqual(self.value("Text1"), "12")
        # A drop goes the same way.
        self.js("""const box = document.getElementById('Text2'); box.value = ''; box.focus();
                   const data = new DataTransfer(); data.setData('text/plain', '7.5\\n8');
                   box.dispatchEvent(new DragEvent('drop', {dataTransfer: data, bubbles: true, cancelable: true}));""")
        self.assertEqual(self.value("Text2"), "7.5")

    def test_the_note_names_the_exact_area_and_the_desktop_names_are_heard(self):
        self.compute("3", "2", "1")
        note = self.el("Text4").get_attribute("title")
        self.assertRegex(note, r"^精确值（椭圆积分）：48\.8821\d+\n本算法相对误差：\d\.\dE-\d\d$")
        self.d.execute_cdp_cmd("Accessibility.enable", {})
        root = self.d.execute_cdp_cmd("DOM.getDocument", {"depth": 0})["root"]["nodeId"]

        def heard(name):
            node = self.d.execute_cdp_cmd("DOM.querySelector", {"nodeId": root, "selector": f"#{name}"})["nodeId"]
            ax = self.d.execute_cdp_cmd("Accessibility.getPartialAXTree", {"nodeId": node, "fetchRelatives": False})
            ax = ax["nodes"][0]
            return ax.get("name", {}).get("value", ""), ax.get("description", {}).get("value", "")

        self.assertEqual(heard("Text1"), ("半轴a>0", ""))
        self.assertEqual(heard("Text3"), ("半轴c>=0", ""))
        name, description = heard("Text4")
        self.assertEqual((name, description.split()), ("表面积", note.split()))
        self.assertEqual(heard("Command1"), ("清除半轴a", "把半轴a和表面积的框清为一个空格"))
        self.assertEqual(heard("Command4"), ("退出", "结束程序"))
        self.assertEqual(heard("Command5")[0], "计算Ombrix")
        self.wait_until(lambda: self.el("Announcer").get_attribute("textContent") == "48.882146302593")
        self.type_into("Text4", "x")  # the user's edit takes the note away
        self.assertFalse(self.js("return document.getElementById('Text4').hasAttribute('title')"))
        self.assertEqual(heard("Text4"), ("表面积", ""))

    def test_the_report_for_an_overflow_is_modal_and_the_page_goes_on(self):
        self.compute("1e200", "1e200", "1e200")
        self.assertTrue(self.report_open())
        self.assertEqual(self.el("ReportTitle").text, "Ombrix")
        self.assertEqual(self.el("ReportText").get_attribute("textContent"), "实时错误 '6':\n\n溢出")
        self.assertEqual(self.focused(), "ReportButton")
        self.assertEqual(self.el("ReportButton").text, "确定")
        self.keys(Keys.TAB)  # the dialog keeps the focus
        self.assertIn(self.focused(), ("ReportButton", None, ""))
        self.js("document.getElementById('ReportButton').focus()")
        self.keys(Keys.RETURN)
        self.assertFalse(self.report_open())
        self.assertEqual(self.focused(), "Command5")
        self.assertEqual(self.compute("2", "1", "1"), "21.4784353278863")

    def test_clear_leaves_one_blank_and_exit_ends_ombrix_until_a_reload(self):
        self.compute("1", "2", "3")
        self.el("Command3").click()
        self.assertEqual((self.value("Text3"), self.value("Text4")), (" ", " "))
        self.assertEqual(self.value("Text1"), "1")
        self.el("Command4").click()
        self.wait_until(lambda: self.el("Ended").is_displayed())
        self.assertEqual(self.focused(), "Ended")
        self.assertTrue(self.js("return document.getElementById('Form1').inert"))
        self.js("document.getElementById('Command5').click()")
        self.assertEqual(self.value("Text4"), " ")
        self.open(self.url)
        self.assertEqual(self.compute("1", "1", "1"), "12.566370614362")

    def test_exit_closes_a_window_that_a_script_opened(self):
        main = self.d.current_window_handle
        self.js("window.open(arguments[0], 'ombrix')", self.url)
        self.wait_until(lambda: len(self.d.window_handles) == 2)
        self.d.switch_to.window([h for h in self.d.window_handles if h != main][0])
        self.wait_until(lambda: self.js("return document.documentElement.dataset.ready") == "ready")
        self.el("Command4").click()
        self.wait_until(lambda: len(self.d.window_handles) == 1)
        self.d.switch_to.window(main)

    def test_a_phone_sees_the_whole_window_no_smaller_than_the_table(self):
        self.d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                               {"width": 390, "height": 844, "deviceScaleFactor": 3, "mobile": True})
        self.d.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5})
        try:
            self.open(self.url)
            box = self.js("const r = document.getElementById('Form1').getBoundingClientRect();"
                          "return [r.left, r.right, r.width / document.getElementById('Form1').offsetWidth];")
            self.assertGreaterEqual(box[0], 0)
            self.assertLessEqual(box[1], 390)
            self.assertGreaterEqual(box[2], 1.0)
            self.assertEqual(self.compute("5", "5", "5"), "314.159265359051")
        finally:
            self.d.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
            self.d.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": False})

    def test_a_random_session_raises_no_page_error(self):
        rng = random.Random(SEED)
        texts = ["1", "2.5", "1e200", "1e-300", "&H1F", "-3", "abc", "", " ", "1,5", "0", "7d2", "1" * 40,
                 "3 4", "１２", "+.5e+1", "&O17", "1e308"]
        buttons = ["Command1", "Command2", "Command3", "Command5"]
        computes = 0
        for _ in range(300):
            if self.report_open():
                self.js("document.getElementById('ReportButton').focus()")
                self.keys(rng.choice([Keys.RETURN, Keys.SPACE, Keys.ESCAPE]))
                continue
            action = rng.random()
            if action < 0.45:
                self.type_into(rng.choice(["Text1", "Text2", "Text3", "Text4"]), rng.choice(texts))
            elif action < 0.8:
                button = rng.choice(buttons)
                computes += button == "Command5"
                self.el(button).click()
            elif action < 0.9:
                self.keys(Keys.TAB)
            else:
                if self.focused() != "Command4":
                    self.keys(rng.choice([Keys.RETURN, Keys.SPACE, Keys.ENTER]))
        self.assertGreater(computes, 15)
        if self.report_open():
            self.el("ReportButton").click()
        self.assertEqual(self.compute("3", "2", "1"), "48.882146302593")


class OfflineSite(PageTest):
    """After the first visit the site needs no server."""

    def setUp(self):
        self.site = Site(BUILD / "site")
        self.url = self.site.url
        super().setUp()

    def test_a_reload_with_the_server_gone_is_served_by_the_service_worker(self):
        self.wait_until(lambda: self.js("return !!navigator.serviceWorker.controller"))
        self.assertEqual(QuietHandler.failures, [])
        self.assertEqual(self.d.execute_cdp_cmd("Page.getInstallabilityErrors", {})["installabilityErrors"], [])
        self.assertEqual(self.js("return performance.getEntriesByType('resource').map((e) => e.name)"
                                 ".filter((name) => !name.startsWith(location.origin + '/'))"), [])
        self.site.stop()
        self.d.refresh()
        self.wait_until(lambda: self.js("return document.documentElement.dataset.ready") == "ready")
        self.assertEqual(self.compute("5", "4", "3"), "199.455059361967")
        self.assertEqual(self.js("return document.querySelector('link[rel=manifest]').href"), self.url + "manifest.json")


class OneFilePage(PageTest):
    """Ombrix.html, opened from a file."""

    def test_ombrix_html_works_from_a_file(self):
        self.assertEqual(self.d.title, "Ombrix计算器")
        self.assertEqual(self.focused(), "Text1")
        self.assertEqual(self.compute("1.5e150", "2e150", "3e149"), "2.02913641959051E+301")
        self.compute("1e200", "1", "1")
        self.assertTrue(self.report_open())
        self.el("ReportButton").click()
        self.assertEqual(self.focused(), "Command5")


if __name__ == "__main__":
    PageBehaviour.url = Site(BUILD / "site").url
    OneFilePage.url = (BUILD / "Ombrix.html").as_uri()
    result = unittest.main(exit=False, verbosity=2).result
    sys.exit(0 if result.wasSuccessful() else 1)
