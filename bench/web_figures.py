#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The web page's figures in headless Chromium (bench/web.sh runs it).

web_figures.py BUILD NATIVE-BASELINE-MS NATIVE-COMPUTE-MS

Prints, for the site in BUILD/site served on 127.0.0.1:
  what a first visit transfers: every file the page and its service worker
  ask for, as sent plain and as a server sends it gzipped (gzip -9);
  the time from the start of navigation to the window taking input: for a
  first visit in a running browser (its cache and the site's storage and
  service worker cleared before each), for a visit the service worker
  serves, and for a first visit in a browser just started with a new
  profile, which includes the browser's own start of its first page
  (medians of several);
  a click on 计算Ombrix in the page (compute, exact area, note and the boxes'
  update; median of 200), against the native program's baseline kernel and
  its whole compute, measured by ombrix_bench just before.
"""
import functools
import gzip
import http.server
import pathlib
import shutil
import statistics
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

BUILD = pathlib.Path(sys.argv[1]).resolve()
NATIVE_BASELINE_MS = float(sys.argv[2])
NATIVE_COMPUTE_MS = float(sys.argv[3])
SITE = BUILD / "site"


class Handler(http.server.SimpleHTTPRequestHandler):
    served = []

    def log_message(self, *args):
        pass

    def do_GET(self):
        Handler.served.append(self.path)
        super().do_GET()


def serve():
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Handler, directory=str(SITE)))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f"http://127.0.0.1:{server.server_address[1]}/"


def browser():
    profile = tempfile.mkdtemp(prefix="ombrix-bench-")
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 f"--user-data-dir={profile}"):
        options.add_argument(flag)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    return driver, profile


def wait_ready(driver):
    end = time.monotonic() + 20
    while driver.execute_script("return document.documentElement.dataset.ready") != "ready":
        if time.monotonic() > end:
            raise RuntimeError("the page did not become ready")
        time.sleep(0.01)
    return driver.execute_script("return performance.getEntriesByName('ombrix-ready')[0].startTime")


def wait_controlled(driver):
    end = time.monotonic() + 20
    while not driver.execute_script("return !!navigator.serviceWorker.controller"):
        if time.monotonic() > end:
            raise RuntimeError("the service worker took no control")
        time.sleep(0.02)


def main():
    server, url = serve()

    # A first visit, until the service worker holds the site.
    driver, profile = browser()
    driver.get(url)
    wait_ready(driver)
    wait_controlled(driver)
    files = sorted({path.split("?")[0].lstrip("/") or "index.html" for path in Handler.served})
    plain = sum((SITE / name).stat().st_size for name in files)
    packed = sum(len(gzip.compress((SITE / name).read_bytes(), 9)) for name in files)
    print(f"first visit: {len(files)} files, {plain / 1000:.1f} kB plain, {packed / 1000:.1f} kB gzipped"
          f" (goal 150 kB): {' '.join(files)}")

    # Visits served by the worker, first visits in the running browser, and
    # the click.
    served_by_worker, first = [], []
    for _ in range(10):
        Handler.served.clear()
        driver.get("about:blank")
        driver.get(url)
        served_by_worker.append(wait_ready(driver))
    print(f"load to input, from the service worker: {statistics.median(served_by_worker):.0f} ms median of 10;"
          f" requests to the server meanwhile: {len(Handler.served)}")
    driver.execute_cdp_cmd("Network.enable", {})
    for _ in range(10):
        driver.get("about:blank")
        driver.execute_cdp_cmd("Storage.clearDataForOrigin", {"origin": url.rstrip("/"), "storageTypes": "all"})
        driver.execute_cdp_cmd("Network.clearBrowserCache", {})
        driver.get(url)
        first.append(wait_ready(driver))
        wait_controlled(driver)
    print(f"load to input, first visit in a running browser: {statistics.median(first):.0f} ms median of 10"
          f" (goal 200 ms)")
    clicks = driver.execute_script("""
        const set = (id, text) => { document.getElementById(id).value = text; };
        set('Text1', '3'); set('Text2', '2'); set('Text3', '1');
        const button = document.getElementById('Command5');
        const times = [];
        for (let k = 0; k < 200; ++k) {
            const start = performance.now();
            button.click();
            times.push(performance.now() - start);
        }
        return times;""")
    result = driver.execute_script("return document.getElementById('Text4').value")
    driver.quit()
    shutil.rmtree(profile, ignore_errors=True)

    cold = []
    for _ in range(5):
        driver, profile = browser()
        driver.get(url)
        cold.append(wait_ready(driver))
        driver.quit()
        shutil.rmtree(profile, ignore_errors=True)
    print(f"load to input, first visit in a new browser: {statistics.median(cold):.0f} ms median of 5")

    click = statistics.median(clicks)
    print(f"click on 计算Ombrix (3, 2, 1 -> {result}): {click:.3f} ms median of 200 in Chromium;"
          f" native baseline kernel {NATIVE_BASELINE_MS:.3f} ms: {click / NATIVE_BASELINE_MS:.2f}x (goal 1.5x);"
          f" native compute {NATIVE_COMPUTE_MS:.3f} ms: {click / NATIVE_COMPUTE_MS:.2f}x")
    server.shutdown()


if __name__ == "__main__":
    main()
