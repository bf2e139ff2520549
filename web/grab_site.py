#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Screenshots of the built site in headless Chromium, at phone width
(360 px) and desktop width (1280 px), whole pages.

usage: grab_site.py SITE_DIR OUT_DIR [LANG] [PAGE...]
"""
import os
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "tests"))
import test_site  # noqa: E402  (its server and browser set-up)

from selenium.webdriver.support.ui import WebDriverWait  # noqa: E402


def main():
    site, out = os.path.abspath(sys.argv[1]), sys.argv[2]
    lang = sys.argv[3] if len(sys.argv) > 3 else "ru"
    pages = sys.argv[4:] or test_site.PAGES
    os.makedirs(out, exist_ok=True)
    server = test_site.Server(site)
    with tempfile.TemporaryDirectory() as profile:
        d = test_site.start_browser(profile)
        try:
            for width, name in ((360, "phone"), (1280, "desktop")):
                for page in pages:
                    metrics = {"width": width, "height": 740 if width == 360 else 800,
                               "deviceScaleFactor": 1, "mobile": width == 360}
                    d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", metrics)
                    d.get(server.url + "index.html")
                    d.execute_script("localStorage.setItem('brevimo-lang', arguments[0])", lang)
                    d.get(server.url + page + ".html")
                    WebDriverWait(d, 20).until(lambda d: d.execute_script(
                        "return document.querySelector('main').dataset.ready === '1'"))
                    if page == "CPP_Peregon":
                        d.find_element("id", "1057").clear()
                        d.find_element("id", "1057").send_keys("20")
                        d.find_element("id", "1062").click()
                    if page == "CPP_PlanPeregon":
                        d.find_element("id", "2013").click()
                    metrics["height"] = d.execute_script("return document.documentElement.scrollHeight")
                    d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", metrics)
                    d.save_screenshot(os.path.join(out, f"{page}-{name}-{lang}.png"))
        finally:
            d.quit()
            server.httpd.shutdown()


if __name__ == "__main__":
    main()
