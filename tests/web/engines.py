# SPDX-License-Identifier: GPL-3.0-or-later
"""The three browser engines that Ombrix's page is tested and measured in,
each from Debian's packages, behind one small interface:

  Chromium  /usr/bin/chromium through chromedriver (Selenium);
  WebKit    WebKitGTK's MiniBrowser through WebKitWebDriver (Selenium), on the
            X display that the caller started (start_display in
            scripts/lib/setup.sh): the engine of Safari and of every browser
            on an iPhone or iPad;
  Firefox   firefox-esr over its own WebDriver BiDi endpoint, spoken here
            with python3-websockets, since Debian has no geckodriver.

Each starts in the machine's locale, or in `locale` (a BCP 47 tag such as
"de-DE"): the page's languages and the default of its Intl functions. With
webassembly=False it runs no WebAssembly, as a managed browser with it
switched off; with jit=False it has no JIT either, as in Lockdown Mode.
Scripts are function bodies that see their arguments as `arguments`. Keys
are WebDriver's (selenium.webdriver.common.keys.Keys); a modifier stays down
until the end of the call, as in Selenium's send_keys.
"""
import asyncio
import itertools
import json
import os
import pathlib
import shutil
import socket
import subprocess
import tempfile
import threading
import time

from selenium import webdriver
from selenium.common.exceptions import WebDriverException
from selenium.webdriver.common.keys import Keys

MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
MODIFIERS = (Keys.SHIFT, Keys.CONTROL, Keys.ALT, Keys.META)

# Records every error, rejection and policy violation of the page's scripts,
# from the document's first moment where the engine allows.
RECORD_ERRORS = """
if (!window.__ombrixErrors) {
  window.__ombrixErrors = [];
  addEventListener('error', (e) => window.__ombrixErrors.push(String(e.message)));
  addEventListener('unhandledrejection', (e) => window.__ombrixErrors.push(String(e.reason)));
  document.addEventListener('securitypolicyviolation',
    (e) => window.__ombrixErrors.push('policy: ' + e.violatedDirective + ' ' + e.blockedURI));
}
"""


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def wait_for_port(port, seconds=30):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            socket.create_connection(("127.0.0.1", port), timeout=1).close()
            return
        except OSError:
            time.sleep(0.1)
    raise RuntimeError(f"nothing listens on port {port}")


class Engine:
    name = ""
    # What the engine's driver cannot do, each with its reason.
    cannot = {}

    def quit(self):
        raise NotImplementedError

    def text_of(self, name):
        return self.js("return document.getElementById(arguments[0]).textContent", name)

    def focused(self):
        return self.js("return document.activeElement && document.activeElement.id")

    def recorded_errors(self):
        """The page's errors since the last call."""
        try:
            return self.js("const e = window.__ombrixErrors || []; window.__ombrixErrors = []; return e;")
        except WebDriverException:
            return []


class SeleniumEngine(Engine):
    """Chromium and WebKit: WebDriver classic through Selenium."""

    def get(self, url):
        self.driver.get(url)

    def reload(self):
        self.driver.refresh()

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def title(self):
        return self.driver.title

    def click(self, name):
        self.driver.find_element("id", name).click()

    def keys(self, *keys):
        self.driver.switch_to.active_element.send_keys(*keys)

    def windows(self):
        return len(self.driver.window_handles)

    def switch_to_other_window(self):
        main = self.driver.current_window_handle
        self.driver.switch_to.window([h for h in self.driver.window_handles if h != main][0])
        return main

    def switch_to(self, handle):
        self.driver.switch_to.window(handle)

    def visible(self, name):
        return self.driver.find_element("id", name).is_displayed()


class Chromium(SeleniumEngine):
    name = "chromium"

    def __init__(self, locale=None, webassembly=True, jit=True):
        from selenium.webdriver.chrome.service import Service
        self.profile = tempfile.mkdtemp(prefix="ombrix-chromium-")
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                     "--disable-background-networking", "--disable-component-update", "--disable-sync",
                     "--window-size=640,480", f"--user-data-dir={self.profile}"):
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        if not jit:
            options.add_argument("--js-flags=--jitless")  # which takes WebAssembly away too
        elif not webassembly:
            options.add_argument("--js-flags=--noexpose-wasm")
        if locale:
            options.add_argument(f"--lang={locale}")
            options.add_experimental_option("prefs", {"intl.accept_languages": locale})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.cdp("Page.addScriptToEvaluateOnNewDocument", {"source": RECORD_ERRORS})
        if locale:
            self.cdp("Emulation.setLocaleOverride", {"locale": locale})

    def cdp(self, command, parameters=None):
        return self.driver.execute_cdp_cmd(command, parameters or {})

    def preload(self, source):
        """Runs `source` in every new document before its own scripts; a handle for unload()."""
        return self.cdp("Page.addScriptToEvaluateOnNewDocument", {"source": source})["identifier"]

    def unload(self, handle):
        self.cdp("Page.removeScriptToEvaluateOnNewDocument", {"identifier": handle})

    def errors(self):
        return self.recorded_errors() + [entry["message"] for entry in self.driver.get_log("browser")
                         if entry["level"] in ("SEVERE", "WARNING")]

    def phone(self, on):
        if on:
            self.cdp("Emulation.setDeviceMetricsOverride",
                     {"width": 390, "height": 844, "deviceScaleFactor": 3, "mobile": True})
            self.cdp("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5})
        else:
            self.cdp("Emulation.clearDeviceMetricsOverride")
            self.cdp("Emulation.setTouchEmulationEnabled", {"enabled": False})

    def quit(self):
        self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)


class WebKit(SeleniumEngine):
    name = "webkit"
    cannot = {
        "errors from the start": "WebKitWebDriver has no script that runs before the page's own; "
                                 "the page's errors are recorded from the end of its load",
        "scripts before the page's": "WebKitWebDriver has no script that runs before the page's own",
        "a slow reload": "WebKit reloads a page's program from its memory cache, past the server's delay, "
                         "so the page is ready before it can be looked at",
        "console": "WebKitWebDriver reads no console",
        "phone": "WebKitWebDriver emulates no touch screen",
        "system focus": "MiniBrowser's window on an Xvfb display with no window manager never has the "
                        "system's focus, so :focus matches nothing and the boxes' focus ring is not drawn",
        "undo key": "WebKitWebDriver's keys do not reach the editor's undo; the same undo is asked of the document",
        "accessibility tree": "WebKitWebDriver reads no accessibility tree; the attributes that name and "
                              "describe the controls are checked",
        "installable": "only Chromium reports whether a site installs as an app",
    }

    def __init__(self, environment=None, locale=None, webassembly=True, jit=True):
        from selenium.webdriver.webkitgtk.options import Options
        if not os.environ.get("DISPLAY"):
            raise RuntimeError("WebKit's MiniBrowser needs an X display: start one with start_display "
                               "(scripts/lib/setup.sh)")
        port = free_port()
        env = dict(os.environ, **(environment or {}))
        if not webassembly or not jit:
            env["JSC_useWasm"] = "0"
        if not jit:
            env["JSC_useJIT"] = "0"
        self.locales = None
        if locale:
            # WebKitGTK takes its languages from the C library's locale, which
            # is compiled here from Debian's locale sources, whatever the
            # machine has generated.
            posix = locale.replace("-", "_")
            self.locales = tempfile.mkdtemp(prefix="ombrix-locale-")
            subprocess.run(["localedef", "-i", posix, "-f", "UTF-8", f"{self.locales}/{posix}.UTF-8"],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            if not os.path.isdir(f"{self.locales}/{posix}.UTF-8"):
                raise RuntimeError(f"localedef could not compile {posix}.UTF-8 (Debian's locales package)")
            env.update(LOCPATH=self.locales, LANGUAGE=posix, LC_ALL=posix + ".UTF-8")
        self.service = subprocess.Popen(["WebKitWebDriver", f"--port={port}"], env=env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for_port(port)
        options = Options()
        options.binary_location = MINIBROWSER
        options.add_argument("--automation")
        self.driver = webdriver.Remote(command_executor=f"http://127.0.0.1:{port}", options=options)
        self.driver.set_window_size(640, 480)

    def get(self, url):
        super().get(url)
        self.js(RECORD_ERRORS)

    def reload(self):
        super().reload()
        self.js(RECORD_ERRORS)

    def errors(self):
        return self.recorded_errors()

    def quit(self):
        try:
            self.driver.quit()
        finally:
            self.service.terminate()
            self.service.wait()
            if self.locales:
                shutil.rmtree(self.locales, ignore_errors=True)


class Firefox(Engine):
    """firefox-esr over WebDriver BiDi, each command waited for in turn."""
    name = "firefox"
    cannot = {
        "keys on a button": "Firefox's BiDi key actions reach a focused button without activating it",
        "phone": "Firefox's BiDi emulates no touch screen",
        "accessibility tree": "Firefox's BiDi reads no accessibility tree; the attributes that name and "
                              "describe the controls are checked",
        "installable": "only Chromium reports whether a site installs as an app",
    }
    PREFERENCES = {
        "browser.shell.checkDefaultBrowser": False,
        "app.update.disabledForTesting": True,
        "datareporting.policy.dataSubmissionEnabled": False,
        "toolkit.telemetry.reportingpolicy.firstRun": False,
        "network.connectivity-service.enabled": False,
        "network.captive-portal-service.enabled": False,
        "dom.disable_open_during_load": False,
        "browser.aboutwelcome.enabled": False,
    }

    # What a JIT of SpiderMonkey's is, to be switched off; WebAssembly goes with it.
    WITHOUT_JIT = {"javascript.options.baselinejit": False, "javascript.options.ion": False,
                   "javascript.options.native_regexp": False, "javascript.options.wasm": False}

    def __init__(self, locale=None, webassembly=True, jit=True):
        self.profile = tempfile.mkdtemp(prefix="ombrix-firefox-")
        preferences = dict(self.PREFERENCES, **({"intl.accept_languages": locale} if locale else {}))
        if not webassembly:
            preferences["javascript.options.wasm"] = False
        if not jit:
            preferences.update(self.WITHOUT_JIT)
        pathlib.Path(self.profile, "user.js").write_text(
            "".join(f"user_pref({json.dumps(k)}, {json.dumps(v)});\n" for k, v in preferences.items()))
        port = free_port()
        self.process = subprocess.Popen(
            ["firefox-esr", "--headless", f"--remote-debugging-port={port}", "--profile", self.profile, "--no-remote",
             "about:blank"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            env=dict(os.environ, MOZ_HEADLESS_WIDTH="640", MOZ_HEADLESS_HEIGHT="480"))
        wait_for_port(port)
        self.loop = asyncio.new_event_loop()
        threading.Thread(target=self.loop.run_forever, daemon=True).start()
        self.ids = itertools.count(1)
        self.waiting = {}
        self.log = []
        self.run(self.connect(f"ws://127.0.0.1:{port}/session"))
        self.command("session.new", {"capabilities": {}})
        self.command("session.subscribe", {"events": ["log.entryAdded"]})
        self.command("script.addPreloadScript", {"functionDeclaration": "() => {" + RECORD_ERRORS + "}"})
        self.context = self.top_contexts()[0]

    def run(self, coroutine, seconds=60):
        return asyncio.run_coroutine_threadsafe(coroutine, self.loop).result(seconds)

    async def connect(self, url):
        import websockets
        self.socket = await websockets.connect(url, max_size=None)
        self.loop.create_task(self.receive())

    async def receive(self):
        async for text in self.socket:
            message = json.loads(text)
            if "id" in message and message["id"] in self.waiting:
                self.waiting.pop(message["id"]).set_result(message)
            elif message.get("method") == "log.entryAdded":
                entry = message["params"]
                if entry.get("level") in ("error", "warn"):
                    self.log.append(entry.get("text", ""))

    async def send(self, method, params):
        number = next(self.ids)
        answer = self.loop.create_future()
        self.waiting[number] = answer
        await self.socket.send(json.dumps({"id": number, "method": method, "params": params}))
        return await answer

    def command(self, method, params):
        message = self.run(self.send(method, params))
        if message.get("type") == "error":
            raise WebDriverException(f"{method}: {message.get('error')}: {message.get('message')}")
        return message["result"]

    def top_contexts(self):
        return [c["context"] for c in self.command("browsingContext.getTree", {"maxDepth": 0})["contexts"]]

    def preload(self, source):
        return self.command("script.addPreloadScript", {"functionDeclaration": "() => {" + source + "}"})["script"]

    def unload(self, handle):
        self.command("script.removePreloadScript", {"script": handle})

    def get(self, url):
        self.command("browsingContext.navigate", {"context": self.context, "url": url, "wait": "complete"})

    def reload(self):
        self.command("browsingContext.reload", {"context": self.context, "wait": "complete"})

    @staticmethod
    def value(remote):
        kind = remote.get("type")
        if kind in ("undefined", "null"):
            return None
        if kind in ("string", "boolean"):
            return remote["value"]
        if kind == "number":
            number = remote["value"]
            return number if not isinstance(number, float) or not number.is_integer() else int(number)
        if kind == "array":
            return [Firefox.value(item) for item in remote.get("value", [])]
        if kind == "object":
            return {key: Firefox.value(item) for key, item in remote.get("value", [])}
        return remote

    @staticmethod
    def remote(value):
        if isinstance(value, (list, tuple)):
            return {"type": "array", "value": [Firefox.remote(item) for item in value]}
        if isinstance(value, bool):
            return {"type": "boolean", "value": value}
        if isinstance(value, (int, float)):
            return {"type": "number", "value": value}
        return {"type": "string", "value": str(value)}

    def js(self, script, *args):
        result = self.command("script.callFunction", {
            "functionDeclaration": "function () {" + script + "}",
            "arguments": [self.remote(a) for a in args],
            "target": {"context": self.context}, "awaitPromise": True, "resultOwnership": "none"})
        if result.get("type") == "exception":
            raise WebDriverException(result["exceptionDetails"].get("text", "script error"))
        return self.value(result["result"])

    def title(self):
        return self.js("return document.title")

    def pointer(self, x, y):
        self.command("input.performActions", {"context": self.context, "actions": [{
            "type": "pointer", "id": "mouse", "parameters": {"pointerType": "mouse"}, "actions": [
                {"type": "pointerMove", "x": int(x), "y": int(y)},
                {"type": "pointerDown", "button": 0}, {"type": "pointerUp", "button": 0}]}]})

    def click(self, name):
        x, y = self.js("const e = document.getElementById(arguments[0]); e.scrollIntoView({block: 'nearest'});"
                       "const r = e.getBoundingClientRect(); return [r.left + r.width / 2, r.top + r.height / 2];",
                       name)
        self.pointer(x, y)

    def keys(self, *keys):
        actions, held = [], []
        for key in keys:
            if key in MODIFIERS:
                actions.append({"type": "keyDown", "value": key})
                held.append(key)
                continue
            for character in key:
                actions += [{"type": "keyDown", "value": character}, {"type": "keyUp", "value": character}]
        actions += [{"type": "keyUp", "value": key} for key in reversed(held)]
        self.command("input.performActions", {"context": self.context,
                                              "actions": [{"type": "key", "id": "keyboard", "actions": actions}]})
        self.command("input.releaseActions", {"context": self.context})

    def windows(self):
        return len(self.top_contexts())

    def switch_to_other_window(self):
        main = self.context
        self.context = [c for c in self.top_contexts() if c != main][0]
        return main

    def switch_to(self, context):
        self.context = context

    def visible(self, name):
        return self.js("const e = document.getElementById(arguments[0]); return !!e && e.checkVisibility();", name)

    def errors(self):
        errors = self.recorded_errors()
        logged, self.log = self.log, []
        return errors + logged

    def quit(self):
        try:
            self.run(self.socket.close(), 10)
        except Exception:  # the browser may be gone already
            pass
        self.process.terminate()
        try:
            self.process.wait(20)
        except subprocess.TimeoutExpired:
            self.process.kill()
        self.loop.call_soon_threadsafe(self.loop.stop)
        shutil.rmtree(self.profile, ignore_errors=True)


ENGINES = {"chromium": Chromium, "webkit": WebKit, "firefox": Firefox}
