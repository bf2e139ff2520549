#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Lighthouse's scores of the web app (measured, not asserted): the start
page and three calculator pages, as a phone and as a desktop, every
category, in Debian's Chromium on a local server; each the median of RUNS
runs (a shared machine's load moves the performance score from run to run).

Lighthouse comes from the npm registry through npx, at the version pinned
below; LIGHTHOUSE names an installed lighthouse program instead.

usage: bench_lighthouse.py SITE_DIR
"""
import json
import os
import shlex
import statistics
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "tests"))
from test_site import Server  # noqa: E402

LIGHTHOUSE = os.environ.get("LIGHTHOUSE", "npx --yes lighthouse@12.8.2")
PAGES = ["index", "CPP_RazvedSpirta", "CPP_CalkTkip", "CPP_Peregon"]
CATEGORIES = ["performance", "accessibility", "best-practices", "seo"]
RUNS = int(os.environ.get("RUNS", "3"))


def scores(url, desktop):
    with tempfile.TemporaryDirectory() as out:
        report = os.path.join(out, "report.json")
        command = shlex.split(LIGHTHOUSE) + [
            url, "--quiet", "--output=json", f"--output-path={report}",
            "--chrome-flags=--headless --no-sandbox --disable-gpu",
            "--only-categories=" + ",".join(CATEGORIES)] + (["--preset=desktop"] if desktop else [])
        subprocess.run(command, check=True, env=dict(os.environ, CHROME_PATH="/usr/bin/chromium"))
        with open(report, encoding="utf-8") as f:
            data = json.load(f)
    failed = [a["id"] for a in data["audits"].values()
              if a.get("score") is not None and a["score"] < 0.9 and a.get("scoreDisplayMode") == "binary"]
    return [round(data["categories"][c]["score"] * 100) for c in CATEGORIES], failed


def main():
    server = Server(os.path.abspath(sys.argv[1]))
    print(f"{'page':18} {'form':8} " + " ".join(f"{c:>14}" for c in CATEGORIES))
    for page in PAGES:
        for desktop in (False, True):
            runs = [scores(f"{server.url}{page}.html", desktop) for _ in range(RUNS)]
            got = [statistics.median(r[0][i] for r in runs) for i in range(len(CATEGORIES))]
            failed = sorted({audit for r in runs for audit in r[1]})
            print(f"{page:18} {'desktop' if desktop else 'mobile':8} " + " ".join(f"{s:>14g}" for s in got)
                  + (f"   failed: {', '.join(failed)}" if failed else ""), flush=True)
    server.httpd.shutdown()


if __name__ == "__main__":
    main()
