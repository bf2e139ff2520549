#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Figures of the web app (measured, not asserted):
- the transfer size, gzipped: what a calculator page loads at the first
  visit, and everything the service worker keeps for offline use;
- the time from navigation to a page that answers a calculation, in headless
  Chromium on a local server, first visit and from the service worker;
- one calculation (the dilution page's button through the page exchange) in
  the browser's WebAssembly against the same C++ built natively;
- the planned run of the native benchmark (100 l at 10 % vol to a pot at
  99 °C, hearts to 96 °C) with 0, 5 and 30 plates, through the page in the
  browser.

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
            # The planned run: the page's "Расчет" through the core, as a click sends it.
            d.get(server.url + "CPP_PlanPeregon.html")
            WebDriverWait(d, 20).until(lambda d: d.execute_script(
                "return document.querySelector('main').dataset.ready === '1'"))
            plans = d.execute_script("""
                const out = [];
                for (const plates of ['0', '5', '30']) {
                  const state = {text: {}, choice: {2003: 1, 2010: 0, 2012: 0}};
                  for (const i of document.querySelectorAll('input[type=text]')) state.text[i.id] = i.value;
                  Object.assign(state.text, {2001: '100', 2002: '10', 2004: plates, 2005: '3',
                                             2006: '2000', 2007: '10', 2008: '5', 2009: '96',
                                             2011: '99'});
                  let n = 0, t = performance.now(), r;
                  do { r = core.click('CPP_PlanPeregon', 2013, state); n++; }
                  while (performance.now() - t < 1000);
                  out.push([plates, (performance.now() - t) / n, r.messages.length, r.text[2030]]);
                }
                return out;""")
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
    for plates, ms, messages, hearts in plans:
        print(f"planned run, 100 l at 10 % vol to 99 °C, {plates} plates: browser {ms:.2f} ms "
              f"(hearts {hearts} l{', refused' if messages else ''})")


if __name__ == "__main__":
    main()
