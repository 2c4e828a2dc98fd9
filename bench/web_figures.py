#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The web page's figures in Chromium, WebKit and Firefox (bench/web.sh runs it).

web_figures.py BUILD NATIVE-BASELINE-MS NATIVE-COMPUTE-MS [ENGINE...]

Prints, for the site in BUILD/site served on 127.0.0.1, in each engine
(tests/web/engines.py; all three by default):
  what a first visit transfers: every file the page and its service worker
  are sent (a file confirmed unchanged is not sent again), plain and as a
  server sends it gzipped (gzip -9);
  the time from the start of navigation to the window taking input: on a
  first visit in a browser just started with a new profile (median of 5),
  and on a visit that the service worker serves (median of 10);
  a click on 计算Ombrix in the page (compute, exact area, note and the boxes'
  update; the mean of 200), against the native program's baseline kernel and
  its whole compute, measured by ombrix_bench just before;
  the same click in the program without WebAssembly (ombrix-script.js), with
  the engine's JIT (the page served under a policy that lets no WebAssembly
  compile; the mean of 50) and without it (the engine started without a JIT
  and WebAssembly, as in Lockdown Mode; the mean of 5).
"""
import functools
import gzip
import html
import http.server
import pathlib
import re
import statistics
import sys
import threading
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "tests" / "web"))
from engines import ENGINES  # noqa: E402

BUILD = pathlib.Path(sys.argv[1]).resolve()
NATIVE_BASELINE_MS = float(sys.argv[2])
NATIVE_COMPUTE_MS = float(sys.argv[3])
SITE = BUILD / "site"

# Clicks timed as one run: Firefox's and WebKit's clocks count whole
# milliseconds, too coarse for one click.
CLICKS = """
    const set = (id, text) => { document.getElementById(id).value = text; };
    set('Text1', '3'); set('Text2', '2'); set('Text3', '1');
    const button = document.getElementById('Command5');
    button.click();
    const start = performance.now();
    for (let k = 0; k < arguments[0]; ++k) button.click();
    return (performance.now() - start) / arguments[0];"""
PROGRAM = """return performance.getEntriesByType('resource').map((e) => e.name.split('/').pop())
    .filter((name) => /^ombrix.*[.]js$/.test(name)).pop()"""


def script_sources_without_webassembly():
    """The site's script sources, without 'wasm-unsafe-eval'."""
    meta = re.search(r'http-equiv="Content-Security-Policy" content="([^"]*)"',
                     (SITE / "index.html").read_text(encoding="utf-8")).group(1)
    return re.search(r"script-src ([^;]*);", html.unescape(meta)).group(1).replace(" 'wasm-unsafe-eval'", "")


class Handler(http.server.SimpleHTTPRequestHandler):
    sent = []  # the paths answered with the file
    policy = None  # a Content-Security-Policy sent with every file

    def log_message(self, *args):
        pass

    def end_headers(self):
        if self.policy:
            self.send_header("Content-Security-Policy", self.policy)
        super().end_headers()

    def log_request(self, code="-", size="-"):
        if str(code) == "200":
            Handler.sent.append(self.path.split("?")[0].lstrip("/") or "index.html")


def wait_until(engine, script, what):
    end = time.monotonic() + 30
    while not engine.js(script):
        if time.monotonic() > end:
            raise RuntimeError(f"{engine.name}: {what}")
        time.sleep(0.01)


def visit(engine, url):
    """Navigates to the site; the time from navigation start to input, in ms."""
    engine.get("about:blank")
    engine.get(url)
    wait_until(engine, "return document.documentElement.dataset.ready === 'ready'", "the page did not become ready")
    return engine.js("return performance.getEntriesByName('ombrix-ready')[0].startTime")


def figures(make_engine, url, script_url):
    first, files = [], []
    for k in range(5):
        engine = make_engine()
        Handler.sent.clear()
        first.append(visit(engine, url))
        if k == 0:
            wait_until(engine, "return !!navigator.serviceWorker.controller", "the service worker took no control")
            time.sleep(1)  # the worker's own requests
            files = sorted(Handler.sent)
            served = []
            for _ in range(10):
                served.append(visit(engine, url))
            click = engine.js(CLICKS, 200)
            result = engine.js("return document.getElementById('Text4').value")
        engine.quit()
    with_jit = program_click(make_engine, script_url, 50)
    without_jit = program_click(functools.partial(make_engine, jit=False, webassembly=False), url, 5)
    plain = sum((SITE / name).stat().st_size for name in files)
    packed = sum(len(gzip.compress((SITE / name).read_bytes(), 9)) for name in files)
    print(f"{make_engine.name}:\n"
          f"  first visit: {len(files)} files sent, {plain / 1000:.1f} kB plain, {packed / 1000:.1f} kB gzipped:"
          f" {' '.join(files)}\n"
          f"  navigation to input: first visit in a new browser {statistics.median(first):.0f} ms (median of 5),"
          f" from the service worker {statistics.median(served):.0f} ms (median of 10)\n"
          f"  click on 计算Ombrix (3, 2, 1 -> {result}): {click:.3f} ms, the mean of 200;"
          f" {click / NATIVE_BASELINE_MS:.2f}x the native baseline kernel, {click / NATIVE_COMPUTE_MS:.2f}x the"
          f" native compute\n"
          f"  the click without WebAssembly ({with_jit[0]}, {without_jit[0]}): {with_jit[1]:.2f} ms with the JIT"
          f" ({with_jit[1] / click:.1f}x the WebAssembly click), {without_jit[1]:.1f} ms without it"
          f" ({without_jit[1] / click:.0f}x)")


def program_click(make_engine, url, clicks):
    """The program that the page runs, and the mean of `clicks` clicks in it, in ms."""
    engine = make_engine()
    visit(engine, url)
    program, click = engine.js(PROGRAM), engine.js(CLICKS, clicks)
    engine.quit()
    return program, click


def main():
    servers = [http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(handler, directory=str(SITE)))
               for handler in (Handler, type("Refusing", (Handler,), {"policy": "script-src " +
                                                                      script_sources_without_webassembly()}))]
    for server in servers:
        threading.Thread(target=server.serve_forever, daemon=True).start()
    url, script_url = (f"http://127.0.0.1:{server.server_address[1]}/" for server in servers)
    print(f"native: baseline kernel {NATIVE_BASELINE_MS:.3f} ms, compute {NATIVE_COMPUTE_MS:.3f} ms")
    for name in sys.argv[4:] or list(ENGINES):
        figures(ENGINES[name], url, script_url)
    for server in servers:
        server.shutdown()


if __name__ == "__main__":
    main()
