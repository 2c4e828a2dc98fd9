#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Lighthouse's mobile scores and metrics for the site (bench/lighthouse.sh runs it).

lighthouse.py SITE LIGHTHOUSE RUNS

Serves the folder SITE on 127.0.0.1 as a web server does, each file gzipped
(gzip -9) for a browser that accepts it, and runs the program LIGHTHOUSE
(its default mobile profile, Debian's chromium headless) RUNS times, each
in a new profile, a first visit. Prints each run's four scores and the
metrics that make the performance score, then their medians.
"""
import functools
import gzip
import http.server
import json
import os
import pathlib
import statistics
import subprocess
import sys
import tempfile
import threading

SITE = pathlib.Path(sys.argv[1]).resolve()
LIGHTHOUSE = sys.argv[2]
RUNS = int(sys.argv[3])
CATEGORIES = ("performance", "accessibility", "best-practices", "seo")
METRICS = (("first-contentful-paint", "FCP", "ms"), ("largest-contentful-paint", "LCP", "ms"),
           ("total-blocking-time", "TBT", "ms"), ("cumulative-layout-shift", "CLS", ""),
           ("speed-index", "SI", "ms"))


class GzipHandler(http.server.SimpleHTTPRequestHandler):
    """Files as a static server with compression sends them."""
    extensions_map = dict(http.server.SimpleHTTPRequestHandler.extensions_map,
                          **{".js": "text/javascript", ".wasm": "application/wasm",
                             ".json": "application/json", ".svg": "image/svg+xml"})

    def log_message(self, *args):
        pass

    def send_head(self):
        path = pathlib.Path(self.translate_path(self.path))
        if path.is_dir():
            path = path / "index.html"
        if "gzip" not in self.headers.get("Accept-Encoding", "") or not path.is_file():
            return super().send_head()
        body = gzip.compress(path.read_bytes(), 9, mtime=0)
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(str(path)))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Cache-Control", "no-cache")
        self.end_headers()
        return _Body(body)


class _Body:
    def __init__(self, data):
        self.data = data

    def read(self, *args):
        data, self.data = self.data, b""
        return data

    def close(self):
        pass


def run_once(url):
    with tempfile.TemporaryDirectory(prefix="ombrix-lighthouse-") as folder:
        report = pathlib.Path(folder) / "report.json"
        subprocess.run([LIGHTHOUSE, url, "--quiet", "--output=json", f"--output-path={report}",
                        f"--only-categories={','.join(CATEGORIES)}",
                        f"--chrome-flags=--headless=new --no-sandbox --user-data-dir={folder}/profile"],
                       check=True, env=dict(os.environ, CHROME_PATH="/usr/bin/chromium"))
        result = json.loads(report.read_text(encoding="utf-8"))
    scores = {c: round(result["categories"][c]["score"] * 100) for c in CATEGORIES}
    metrics = {name: result["audits"][audit]["numericValue"] for audit, name, _ in METRICS}
    failing = [a for a in result["audits"].values() if a.get("score") is not None and a["score"] < 1
               and a.get("scoreDisplayMode") in ("binary", "metricSavings", "numeric")]
    return scores, metrics, sorted(a["id"] for a in failing)


def line(scores, metrics):
    shown = "  ".join(f"{c} {scores[c]:g}" for c in CATEGORIES)
    values = "  ".join(f"{name} {metrics[name]:.3f}" if not unit else f"{name} {metrics[name]:.0f} {unit}"
                       for _, name, unit in METRICS)
    return f"{shown}  |  {values}"


def main():
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(GzipHandler, directory=str(SITE)))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    url = f"http://127.0.0.1:{server.server_address[1]}/"
    runs = []
    for k in range(RUNS):
        scores, metrics, failing = run_once(url)
        runs.append((scores, metrics))
        print(f"run {k + 1}: {line(scores, metrics)}" + (f"  |  below full marks: {' '.join(failing)}" if failing
                                                          else ""))
    median_scores = {c: statistics.median(s[c] for s, _ in runs) for c in CATEGORIES}
    median_metrics = {name: statistics.median(m[name] for _, m in runs) for _, name, _ in METRICS}
    print(f"median of {RUNS}: {line(median_scores, median_metrics)}")
    server.shutdown()


if __name__ == "__main__":
    main()
