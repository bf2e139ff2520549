#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Figures of the web app (measured, not asserted):
- the transfer size, gzipped: what a calculator page loads at the first
  visit, and everything the service worker keeps for offline use;
- the time from navigation to a page that answers a calculation, in headless
  Chromium on a local server, first visit and from the service worker;
- one calculation (the dilution page's button through the page exchange) in
  the browser's WebAssembly against the same C++ built natively.

usage: bench_site.py SITE_DIR   (from the source folder; needs g++)
"""
import gzip
import json
import os
import re
import statistics
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "tests"))
import test_site  # noqa: E402

from selenium.webdriver.support.ui import WebDriverWait  # noqa: E402

SOURCE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PAGE = "CPP_RazvedSpirta"


def gz(path):
    with open(path, "rb") as f:
        return len(gzip.compress(f.read(), 6))


def sizes(site):
    first = [f"{PAGE}.html", "style.css", "texts.js", "brevimo_core.js", "brevimo_core.wasm", "app.js",
             "manifest.webmanifest", "icon-192.png", "sw.js"]
    with open(os.path.join(site, "sw.js"), encoding="utf-8") as f:
        cached = json.loads(re.search(r"const FILES = (\[.*\]);", f.read()).group(1))
    cached = [c for c in cached if c != "./"] + ["sw.js"]
    return ({f: gz(os.path.join(site, f)) for f in first},
            sum(gz(os.path.join(site, f)) for f in cached))


def ready_time(d, url):
    d.get(url)
    WebDriverWait(d, 20).until(lambda d: d.execute_script(
        "return document.querySelector('main').dataset.ready === '1'"))
    # Navigation start is performance's time origin: the page is ready at t,
    # and answers one click after it.
    return d.execute_script(
        "const t = Number(document.querySelector('main').dataset.readyAt);"
        "const start = performance.now();"
        "document.getElementById('1042').click();"
        "return [t, t + performance.now() - start, document.getElementById('1044').value];")


def main():
    site = os.path.abspath(sys.argv[1])
    first, cached = sizes(site)
    print(f"first visit of {PAGE}, gzipped: {sum(first.values()) / 1024:.1f} KiB")
    for name, size in first.items():
        print(f"  {name:24} {size / 1024:7.1f} KiB")
    print(f"all the service worker caches (pages, core, manual texts), gzipped: {cached / 1024:.1f} KiB")

    server = test_site.Server(site)
    cold, warm = [], []
    for _ in range(5):
        with tempfile.TemporaryDirectory() as profile:
            d = test_site.start_browser(profile)
            test_site.phone(d)
            try:
                cold.append(ready_time(d, server.url + PAGE + ".html"))
                d.execute_async_script("navigator.serviceWorker.ready.then(() => arguments[0]())")
                warm.append(ready_time(d, server.url + PAGE + ".html"))
            finally:
                d.quit()
    for name, runs in (("first visit", cold), ("from the service worker", warm)):
        print(f"navigation to an answer, {name}: ready {statistics.median(r[0] for r in runs):.0f} ms, "
              f"answered {statistics.median(r[1] for r in runs):.0f} ms (median of {len(runs)}; "
              f"water {runs[0][2]})")

    with tempfile.TemporaryDirectory() as profile:
        d = test_site.start_browser(profile)
        try:
            d.get(server.url + PAGE + ".html")
            WebDriverWait(d, 20).until(lambda d: d.execute_script(
                "return document.querySelector('main').dataset.ready === '1'"))
            per_call, per_button = d.execute_script("""
                const n = 20000, m = 500;
                const state = {text: {}, choice: {1036: 0}, readOnly: [1043, 1044, 1045]};
                for (const i of document.querySelectorAll('input[type=text]')) state.text[i.id] = i.value;
                let t = performance.now();
                for (let i = 0; i < n; i++) core.click('CPP_RazvedSpirta', 1042, state);
                const call = (performance.now() - t) * 1000 / n;
                const b = document.getElementById('1042');
                t = performance.now();
                for (let i = 0; i < m; i++) b.click();
                return [call, (performance.now() - t) * 1000 / m];""")
        finally:
            d.quit()
    server.httpd.shutdown()

    with tempfile.TemporaryDirectory() as tmp:
        exe = os.path.join(tmp, "bench_native")
        sources = [os.path.join(SOURCE, d, f) for d in ("calc", "pagelayer", "pages")
                   for f in os.listdir(os.path.join(SOURCE, d))
                   if f.endswith(".cpp") and f != "CPP_TestPage.cpp"]
        subprocess.run(["g++", "-std=c++20", "-O3", "-DNDEBUG", "-I", SOURCE, "-o", exe,
                        os.path.join(SOURCE, "web", "bench_native.cpp"),
                        os.path.join(SOURCE, "web", "web_sheet.cpp"),
                        os.path.join(SOURCE, "web", "form_store.cpp"), *sources], check=True)
        native = float(subprocess.run([exe, "200000"], capture_output=True, text=True, check=True).stdout)
    print(f"one calculation (dilution, page exchange + calc): browser {per_call:.2f} µs, "
          f"native {native:.2f} µs ({per_call / native:.1f}×); "
          f"with the page's fields and button in the browser {per_button:.1f} µs")


if __name__ == "__main__":
    main()
