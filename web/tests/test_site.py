#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The built site in headless Chromium, served locally.

Driven by Debian's python3-selenium and chromium-driver: both come with the
distribution, so the tests need no npm registry and no download at CI time.

The accessibility check runs axe-core, installed with npm ci from the
lockfile beside this file; BREVIMO_AXE names its axe.min.js.

usage: test_site.py SITE_DIR BREVIMO_CALC
"""
import functools
import html.parser
import http.server
import json
import os
import random
import re
import subprocess
import sys
import tempfile
import threading
import time
import unittest
import xml.etree.ElementTree as ET

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

SITE = os.path.abspath(sys.argv[1]) if len(sys.argv) > 1 else ""
CALC = os.path.abspath(sys.argv[2]) if len(sys.argv) > 2 else ""
SOURCE = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def site_pages():
    """The calculator pages in tab order, as the start page links them."""
    import re
    if not SITE:
        return []
    with open(os.path.join(SITE, "index.html"), encoding="utf-8") as f:
        return re.findall(r'<a href="(CPP_\w+)\.html"', f.read())


PAGES = site_pages()
AXE = os.environ.get("BREVIMO_AXE", "")
CYRILLIC = re.compile("[а-яА-ЯёЁ]")
ENTER_NUMBER = "Please enter a number."
# The English of messages with numbers (the translation has their printf
# pattern) and of those the window leaves as they are.
ENGLISH = {
    ENTER_NUMBER: ENTER_NUMBER,
    ">97.17%": ">97.17%",
    "Температура кипения воды должна быть от 0.00 до 231.90 *C":
        "The water boiling temperature must be from 0.00 to 231.90 *C",
    "Ошибка в параметрах. Плотность 0.7893...0.9982 (кг/л)":
        "Parameter error. Density 0.7893...0.9982 (kg/l)",
}


def english_texts():
    table = {}
    ts = os.path.join(SOURCE, "translations", "brevimo_en.ts")
    for message in ET.parse(ts).getroot().iter("message"):
        table.setdefault(message.findtext("source"), message.findtext("translation"))
    return table


def unquote_transcript(quoted):
    """A transcript's quoted text, with its backslash escapes undone."""
    quoted = quoted.strip()
    assert quoted.startswith('"') and quoted.endswith('"'), quoted
    out, body, i = bytearray(), quoted[1:-1], 0
    while i < len(body):
        c = body[i]
        if c == "\\":
            n = body[i + 1]
            if n == "x":
                out.append(int(body[i + 2:i + 4], 16))
                i += 4
                continue
            out += {"n": b"\n", "t": b"\t"}.get(n, n.encode())
            i += 2
            continue
        out += c.encode()
        i += 1
    return out.decode("utf-8", "replace")


def parse_transcript_control(line):
    """A control line of a transcript's start block or of a change: (ID, kind,
    read-only, text), or None."""
    import re
    m = re.match(r'^  (?:= )?\d+ (\d+|-) (\w+)((?: ro)?)(?: off)?(?: (?:on|-|-?\d+))? (".*")$', line)
    if not m or m.group(1) == "-":
        return None
    return m.group(1), m.group(2), bool(m.group(3)), unquote_transcript(m.group(4))


class ExampleTables(html.parser.HTMLParser):
    """The manual's worked examples: [(page, [(action, id, value)])]."""

    def __init__(self):
        super().__init__()
        self.examples, self.row, self.cells, self.cell = [], None, [], None

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == "table" and attrs.get("class") == "example":
            self.examples.append((attrs["data-page"], []))
        elif tag == "tr" and self.examples:
            self.row = next(((k[5:], int(v)) for k, v in attrs.items() if k.startswith("data-")), None)
            self.cells = []
        elif tag == "td" and self.row:
            self.cell = ""

    def handle_data(self, data):
        if self.cell is not None:
            self.cell += data

    def handle_endtag(self, tag):
        if tag == "td" and self.cell is not None:
            self.cells.append(self.cell.strip())
            self.cell = None
        elif tag == "tr" and self.row:
            self.examples[-1][1].append((self.row[0], self.row[1], self.cells[-1]))
            self.row = None
        elif tag == "table":
            self.row = None


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class Server:
    def __init__(self, root):
        handler = functools.partial(QuietHandler, directory=root)
        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()
        self.url = f"http://127.0.0.1:{self.httpd.server_port}/"


def start_browser(profile):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for arg in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                "--disable-background-networking", "--disable-component-update", "--disable-sync",
                "--disable-dev-shm-usage", f"--user-data-dir={profile}", "--lang=ru"):
        options.add_argument(arg)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.set_script_timeout(30)
    return driver


def phone(driver):
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": 360, "height": 740, "deviceScaleFactor": 1, "mobile": True})


class SiteTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = Server(SITE)
        cls.profile = tempfile.TemporaryDirectory()
        cls.d = start_browser(cls.profile.name)
        phone(cls.d)
        cls.en = english_texts()

    @classmethod
    def tearDownClass(cls):
        cls.d.quit()
        cls.server.httpd.shutdown()
        cls.profile.cleanup()

    # ---- acting on a page as a user ----

    def open(self, page, lang="ru"):
        d = self.d
        d.get(self.server.url + "index.html")
        d.execute_script("localStorage.setItem('brevimo-lang', arguments[0])", lang)
        d.get(self.server.url + page + ".html")
        WebDriverWait(d, 20).until(lambda d: d.execute_script(
            "return document.querySelector('main').dataset.ready === '1'"))

    def el(self, cid):
        return self.d.find_element("id", str(cid))

    def type(self, cid, text):
        field = self.el(cid)
        field.clear()
        field.send_keys(text)

    def press(self, cid):
        self.d.execute_script("arguments[0].scrollIntoView({block: 'center'})", self.el(cid))
        self.el(cid).click()

    def check(self, cid, on):
        if self.el(cid).is_selected() != on:
            self.press(cid)

    def choose(self, cid, item):
        self.d.execute_script(
            "const s = document.getElementById(arguments[0]);"
            "const i = [...s.options].findIndex(o => o.dataset.tr === arguments[1] || o.text === arguments[1]);"
            "if (i < 0) throw new Error('no item ' + arguments[1]); s.selectedIndex = i;", str(cid), item)

    def value(self, cid):
        return self.el(cid).get_attribute("value")

    def message(self, button):
        return self.d.execute_script("return document.getElementById(arguments[0]).textContent",
                                     f"m{button}")

    def do(self, steps):
        """Carries out (action, id, value) steps; returns the expected outputs."""
        outputs = []
        for action, cid, text in steps:
            if action == "in":
                self.type(cid, text)
            elif action == "option":
                self.press(cid)
            elif action == "check":
                self.check(cid, text == "да")
            elif action == "choose":
                self.choose(cid, text)
            elif action == "press":
                self.press(cid)
            elif action == "out":
                outputs.append((cid, text))
        return outputs

    # ---- the tests ----

    def test_the_sites_manual_speaks_of_pages_not_tabs(self):
        for manual, tabs in (("manual/index.html", r"[Вв]кладк"), ("manual/en/index.html", r"(?<!browser )\btabs?\b")):
            with open(os.path.join(SITE, manual), encoding="utf-8") as f:
                self.assertEqual(re.findall(tabs, f.read()), [], manual)

    def test_manual_examples_give_the_windows_digits(self):
        parser = ExampleTables()
        with open(os.path.join(SITE, "manual", "index.html"), encoding="utf-8") as f:
            parser.feed(f.read())
        self.assertEqual(sorted(p for p, _ in parser.examples), sorted(PAGES))
        for page, steps in parser.examples:
            with self.subTest(page=page):
                self.open(page)
                for cid, text in self.do(steps):
                    self.assertEqual(self.value(cid).strip(), text.strip(), f"{page} {cid}")

    def test_worked_examples_of_the_page_tests(self):
        # (page, steps, expected) from tests/pages.
        cases = [
            ("CPP_RazvedSpirta", [("option", 1038, ""), ("in", 1041, "1000"), ("in", 1039, "96"),
                                  ("in", 1040, "40"), ("press", 1042, "")],
             {1043: "416.65", 1044: "611.62", 1045: "1000.00"}),
            ("CPP_RazvedSpirta", [("option", 1036, ""), ("in", 1041, "250,5"), ("in", 1039, "96"),
                                  ("in", 1040, "40"), ("press", 1042, "")],
             {1043: "250.50", 1044: "367.73", 1045: "601.23"}),
            ("CPP_RazvedSpirta", [("press", 1042, "")], {1043: "1000.00", 1044: "1467.97", 1045: "2400.11"}),
            ("CPP_CalkTkip", [], {1025: "96.00", 1030: "78.21", 1038: "96.15", 1036: "94.07", 1037: "86.13"}),
            ("CPP_ShugarConc", [], {1048: "  100.19", 1044: "  940.04", 1049: " 1038.57"}),
        ]
        for page, steps, expected in cases:
            with self.subTest(page=page, steps=steps):
                self.open(page)
                self.do(steps)
                for cid, text in expected.items():
                    self.assertEqual(self.value(cid), text, f"{page} {cid}")

    def test_refusals_show_the_windows_message_in_both_languages(self):
        cases = [
            ("CPP_RazvedSpirta", [("in", 1039, "40"), ("in", 1040, "96")], 1042,
             "Конечный раствор крепче исходного"),
            ("CPP_RazvedSpirta", [("in", 1039, "крепкий")], 1042, ENTER_NUMBER),
            ("CPP_CombRastv", [("in", 1010, "120")], 1004, "% спирта >100"),
            ("CPP_PowerAndOut", [("in", 1002, "0")], 1004, "Мощность <=0"),
            ("CPP_VolMasMol", [("in", 1027, "150")], 1030, "Ошибка в параметрах\nКоцентрация 0..100%"),
            ("CPP_VolMasMol", [("in", 1031, "1.2")], 1043,
             "Ошибка в параметрах. Плотность 0.7893...0.9982 (кг/л)"),
            ("CPP_CalkTkip", [("option", 1032, ""), ("in", 1025, "98")], 1031, ">97.17%"),
            ("CPP_VacPereg", [("in", 1025, "300")], 1027,
             "Температура кипения воды должна быть от 0.00 до 231.90 *C"),
            ("CPP_ShugarConc", [("option", 1040, ""), ("in", 1047, "1300")], 1042,
             "Масса сахара на 1 л раствора 0..1208.41 г"),
            ("CPP_Peregon", [("in", 1057, "1,5 л")], 1062, ENTER_NUMBER),
        ]
        for page, steps, button, source in cases:
            for lang in ("ru", "en"):
                with self.subTest(page=page, lang=lang, message=source):
                    self.open(page, lang)
                    self.do(steps)
                    self.press(button)
                    want = source if lang == "ru" else ENGLISH.get(source, self.en.get(source))
                    self.assertEqual(self.message(button), want)
                    self.assertRefusedAsStale(want)
        # The correction page writes its refusals on its error line.
        for lang in ("ru", "en"):
            self.open("CPP_KsTCorr", lang)
            self.type(1016, "50")
            self.press(1021)
            source = "Выход за пределы допустимых температур"
            self.assertEqual(self.el(1024).text, source if lang == "ru" else self.en[source])
            self.assertEqual(self.value(1018), "-1.00")
            self.assertRefusedAsStale(self.el(1024).text)

    def announced(self):
        WebDriverWait(self.d, 5).until(lambda d: d.execute_script(
            "return document.getElementById('announce').textContent !== ''"))
        return self.d.execute_script("return document.getElementById('announce').textContent")

    def assertRefusedAsStale(self, message):
        """Every result of the page is marked as not current, and the page's
        live region says the message (after the refused field's name)."""
        stale = self.d.execute_script(
            "return [...document.querySelectorAll('main input.result')].map(i => "
            "[i.id, i.classList.contains('stale') && i.getAttribute('aria-describedby') === 'stale'])")
        self.assertTrue(all(on for _, on in stale), stale)
        self.assertTrue(self.announced().endswith(message), self.announced())

    def test_refused_field_is_named_and_results_come_back_with_the_next_calculation(self):
        for lang, name in (("ru", "Крепость (Об. %) исходного спирта"), ("en", "Strength (% ABV) of the spirit")):
            with self.subTest(lang=lang):
                self.open("CPP_RazvedSpirta", lang)
                self.type(1039, "крепкий")
                self.press(1042)
                self.assertEqual(self.el(1039).get_attribute("aria-invalid"), "true")
                self.assertEqual(self.el(1039).get_attribute("aria-describedby"), "m1042")
                self.assertEqual(self.announced(), f"{name}: {ENTER_NUMBER}")
                self.type(1039, "96")
                self.press(1042)
                self.assertIsNone(self.el(1039).get_attribute("aria-invalid"))
                self.assertEqual(self.d.execute_script(
                    "return document.querySelectorAll('main .stale, main [aria-describedby]').length"), 0)
                results = self.d.execute_script(
                    "return [...document.querySelectorAll('main input.result')].map(i => i.value.trim())")
                self.assertEqual(self.announced().count(": "), len(results))
                self.assertIn(results[-1], self.announced())
        # A page whose buttons write into fields that can be typed in: the
        # water's pressure calculated before stays marked after a refusal.
        self.open("CPP_VacPereg")
        self.type(1025, "60")
        self.press(1027)
        self.type(1025, "300")
        self.press(1027)
        self.assertIn("stale", self.el(1026).get_attribute("class"))
        self.assertNotIn("stale", self.el(1025).get_attribute("class"))

    def test_enter_presses_the_default_button_as_in_the_window(self):
        from selenium.webdriver.common.keys import Keys
        # The boiling page's default is "from the strength": Enter in the
        # temperature field computes from the strength, whatever is typed
        # there. The vacuum page has none: Enter leaves the typed text.
        self.open("CPP_CalkTkip")
        self.type(1030, "90")
        self.el(1030).send_keys(Keys.ENTER)
        self.assertEqual(self.value(1030), "78.21")
        self.open("CPP_VacPereg")
        self.type(1021, "50")
        self.el(1021).send_keys(Keys.ENTER)
        self.assertEqual(self.value(1021), "50")
        # A refused field is focused with its text selected.
        self.open("CPP_RazvedSpirta")
        self.type(1039, "крепкий")
        self.el(1039).send_keys(Keys.ENTER)
        self.assertEqual(self.message(1042), ENTER_NUMBER)
        self.assertEqual(self.d.execute_script(
            "const f = document.activeElement; return [f.id, f.selectionStart, f.selectionEnd]"),
            ["1039", 0, len("крепкий")])

    def test_golden_transcripts_replayed_in_the_browser(self):
        # A sample of the window's golden transcripts (the first scenarios of
        # each page, in order, as the state carries over): typed texts,
        # choices and clicks give the same fields, read-only fields and
        # messages in the browser. The site has no "Файл", "Tmp" or "График"
        # button: actions on them are left out, as they change nothing else.
        for page in PAGES:
            with self.subTest(page=page):
                self.open(page)
                self.assertGreaterEqual(self.replay_transcript(page, 40), 40, page)

    # One scenario's actions in the page, then what it shows: the messages of
    # each click, the fields' values and read-only states, the labels' texts.
    REPLAY = """
        const [actions] = arguments, said = [];
        for (const [kind, id, arg] of actions) {
          const e = document.getElementById(id);
          if (kind === "type") e.value = arg;
          else if (kind === "choose" && e.tagName === "SELECT") e.selectedIndex = arg;
          else if (kind === "choose") { if (e.checked !== (arg === 1)) e.click(); }
          else {
            e.click();
            const m = document.getElementById("m" + id), line = document.getElementById("1024");
            said.push([m ? m.textContent : null, line ? line.textContent : null]);
          }
        }
        const fields = {};
        for (const f of document.querySelectorAll("main input[type=text]")) fields[f.id] = [f.value, f.readOnly];
        const labels = {};
        for (const l of document.querySelectorAll("main span.dynamic, main output.errline")) labels[l.id] = l.dataset.tr || "";
        return [said, fields, labels];"""

    def replay_transcript(self, page, count):
        path = os.path.join(SOURCE, "tests", "transcripts", "golden", page + ".txt")
        with open(path, encoding="utf-8") as f:
            lines = f.read().split("\n")
        on_site = set(self.d.execute_script(
            "return [...document.querySelectorAll('main [id]')].map(e => e.id)"))
        state, actions, expected_said, name, scenarios = {}, [], [], None, 0
        for index, line in enumerate(lines + ["scenario end"]):
            parsed = parse_transcript_control(line)
            if parsed:
                cid, kind, ro, text = parsed
                state[cid] = (kind, ro, text)
            elif line.startswith("scenario "):
                if name is not None:
                    said, fields, labels = self.d.execute_script(self.REPLAY, actions)
                    where = f"{page}: {name}"
                    for (box, line_text), (want_box, want_line) in zip(said, expected_said):
                        if box is not None:
                            self.assertEqual(box, want_box, where)
                        if want_line is not None:
                            self.assertEqual(line_text, want_line, where)
                    for cid, (kind, ro, text) in state.items():
                        if kind == "edit" and cid in fields:
                            self.assertEqual(fields[cid], [text, ro], f"{where}: {cid}")
                        elif kind == "label" and cid in labels:
                            self.assertEqual(labels[cid], text, f"{where}: {cid}")
                    scenarios += 1
                    if scenarios >= count:
                        break
                name, actions, expected_said = line[len("scenario "):], [], []
            elif name is not None and line.startswith("  ") and not line.startswith("   "):
                words = line.split(" ")
                kind, cid = words[2], words[3] if len(words) > 3 else ""
                if kind not in ("type", "choose", "click") or line.endswith(" skipped") or \
                        cid not in on_site:
                    continue
                if kind == "type":
                    actions.append(["type", cid, unquote_transcript(line.split(" ", 4)[4])])
                elif kind == "choose":
                    actions.append(["choose", cid, int(words[4])])
                else:
                    actions.append(["click", cid, 0])
                    boxes, error_line = [], None
                    for follow in lines[index + 1:]:
                        if not follow.startswith("    "):
                            break
                        what, _, quoted = follow.strip().partition(" ")
                        if what == "box":
                            boxes.append(unquote_transcript(quoted))
                        elif what == "line":
                            error_line = unquote_transcript(quoted)
                    expected_said.append(["\n".join(boxes), error_line])
        return scenarios

    def calc(self, *args):
        done = subprocess.run([CALC, "--json", *args], capture_output=True, text=True)
        if done.returncode == 1:
            return None, json.loads(done.stdout)["error"]
        self.assertEqual(done.returncode, 0, done.stderr)
        return json.loads(done.stdout), None

    def test_random_inputs_give_the_digits_of_brevimo_calc(self):
        rnd = random.Random(24)

        def number(lo, hi, decimals):
            return f"{rnd.uniform(lo, hi):.{decimals}f}"

        # The page's fields and formats against brevimo-calc's results.
        for _ in range(12):
            spirit, target, volume = number(30, 97, 2), number(1, 60, 2), number(0.1, 5000, 3)
            self.open("CPP_RazvedSpirta")
            self.do([("option", 1036, ""), ("in", 1041, volume), ("in", 1039, spirit),
                     ("in", 1040, target), ("press", 1042, "")])
            out, error = self.calc("dilute", "--strength", spirit, "--target", target, "--spirit", volume)
            with self.subTest(page="dilute", spirit=spirit, target=target, volume=volume):
                if error:
                    self.assertEqual(self.message(1042), error)
                    continue
                self.assertEqual(self.message(1042), "")
                for cid, key in ((1043, "spirit"), (1044, "water"), (1045, "result")):
                    self.assertEqual(self.value(cid), "%.2f" % out[key], key)

        for _ in range(12):
            reading, t1, t2 = number(0, 100, 2), number(-25, 40, 1), number(-25, 40, 1)
            self.open("CPP_KsTCorr")
            self.do([("in", 1015, reading), ("in", 1016, t1), ("in", 1017, t2), ("press", 1021, "")])
            out, error = self.calc("correct", "--reading", reading, "--temperature", t1, "--to", t2)
            with self.subTest(page="correct", reading=reading, t1=t1, t2=t2):
                if error:
                    self.assertEqual(self.el(1024).text, error)
                    continue
                self.assertEqual(self.value(1019), "%.4f" % out["density"])
                self.assertEqual(self.value(1020), "%.4f" % out["density_to"])
                self.assertEqual(self.value(1018), "%.2f" % out["reading_to"])

        for _ in range(12):
            v1, s1, v2, s2 = number(0, 3000, 1), number(0, 100, 2), number(0, 3000, 2), number(0, 100, 2)
            self.open("CPP_CombRastv")
            self.do([("in", 1011, v1), ("in", 1010, s1), ("in", 1013, v2), ("in", 1012, s2),
                     ("press", 1004, "")])
            out, error = self.calc("mix", "--volume1", v1, "--strength1", s1, "--volume2", v2,
                                   "--strength2", s2)
            with self.subTest(page="mix", inputs=(v1, s1, v2, s2)):
                if error:
                    self.assertEqual(self.message(1004), error)
                    continue
                self.assertEqual(self.value(1015), "%.2f" % out["volume"])
                self.assertEqual(self.value(1014), "%.2f" % out["strength"])

    def test_run_shows_chart_steps_and_csv(self):
        self.open("CPP_Peregon")
        self.type(1057, "20")
        self.press(1062)
        self.assertEqual(self.message(1062), "")
        rows = self.d.execute_script("return document.querySelectorAll('#steps tbody tr').length")
        csv = self.d.execute_async_script(
            "fetch(document.getElementById('csv').href).then(r => r.text()).then(arguments[0])")
        lines = csv.strip().split("\n")
        self.assertEqual(lines[0], "TKipBak,VConBak,VolBak,ParVolCon,OutVol,OutVolCon")
        self.assertEqual(len(lines) - 1, rows)
        self.assertGreater(rows, 10)
        last = lines[-1].split(",")
        self.assertEqual(self.value(1063), "%.4f" % float(last[4]))
        self.assertEqual(self.value(1067), "%.4f" % float(last[2]))
        self.assertEqual(self.d.execute_script("return document.querySelectorAll('#chart polyline').length"), 3)
        out, _ = self.calc("run", "--start-temperature", "92.5", "--end-temperature", "98", "--wash", "20")
        self.assertEqual(self.value(1063), "%.4f" % out["distillate"])

    def test_plan_shows_chart_steps_and_csv(self):
        self.open("CPP_PlanPeregon")
        self.type(2004, "5")
        self.press(2013)
        self.assertEqual(self.message(2013), "")
        csv = self.d.execute_async_script(
            "fetch(document.getElementById('plancsv').href).then(r => r.text()).then(arguments[0])")
        lines = csv.strip().split("\n")
        self.assertEqual(lines[0], "collected,stream_strength,pot_temperature,pot_strength,pot_volume,minutes,fraction")
        out, _ = self.calc("plan", "--volume", "20", "--strength", "40", "--plates", "5", "--reflux", "3",
                           "--power", "2000", "--losses", "10", "--heads", "5", "--hearts-end-strength", "80",
                           "--end-temperature", "98")
        self.assertEqual(len(lines) - 1, out["steps"])
        self.assertEqual(self.d.execute_script("return document.querySelectorAll('#plansteps tbody tr').length"),
                         len(lines) - 1)
        # the cuts where the heads and the hearts end, each part named
        chart = self.d.execute_script(
            "const s = document.querySelector('#planchart svg'), box = s.parentElement.getBoundingClientRect();"
            "return {cuts: s.querySelectorAll('line.cut').length, lines: s.querySelectorAll('polyline').length,"
            " parts: [...s.querySelectorAll('text.part')].map(t => t.textContent),"
            " font: Math.min(...[...s.querySelectorAll('text')].map(t => t.getBoundingClientRect().height)),"
            " box: box.width}")
        self.assertEqual((chart["cuts"], chart["lines"], chart["parts"]), (2, 2, ["Головы", "Тело", "Хвосты"]))
        self.assertGreaterEqual(chart["font"], 12)
        self.assertLessEqual(chart["box"], 360)
        self.assertLessEqual(*self.d.execute_script("return [document.documentElement.scrollWidth, window.innerWidth]"))
        heads = [l.split(",") for l in lines[1:] if l.endswith(",heads")]
        self.assertAlmostEqual(float(heads[-1][0]), float(self.value(2020)), delta=0.011)

    def test_numbers_wider_than_their_field_show_from_the_first_digit_and_whole_in_the_title(self):
        for page, typed, button in (("CPP_RazvedSpirta", {1041: "1e300"}, 1042),
                                    ("CPP_VolMasMol", {1042: "1e300"}, 1028),
                                    ("CPP_Peregon", {1057: "1e8"}, 1062)):
            with self.subTest(page=page):
                self.open(page)
                for cid, text in typed.items():
                    self.type(cid, text)
                self.press(button)
                fields = self.d.execute_script(
                    "return [...document.querySelectorAll('input[type=text]')].map(i => "
                    "[i.id, i.value, i.scrollWidth > i.clientWidth, i.scrollLeft, i.title])")
                self.assertTrue(any(wide for _, _, wide, _, _ in fields))
                for cid, value, wide, left, title in fields:
                    self.assertEqual((left, title), (0, value) if wide else (0, ""), cid)

    def test_no_page_scrolls_sideways_on_a_phone(self):
        # The pages after their first calculation (the run's chart and its
        # steps open), and the manual.
        for page in PAGES + ["index", "manual/index", "manual/en/index"]:
            for lang in ("ru", "en"):
                with self.subTest(page=page, lang=lang):
                    self.visit(page, lang)
                    if page in PAGES:
                        self.d.execute_script("const b = document.querySelector('main button.calc');"
                                              "if (b) b.click(); document.querySelectorAll('details')"
                                              ".forEach(d => { d.open = true; });")
                    widths = self.d.execute_script(
                        "return [document.documentElement.scrollWidth, window.innerWidth]")
                    self.assertLessEqual(widths[0], widths[1])

    def test_run_chart_texts_are_readable_on_a_phone(self):
        self.open("CPP_Peregon")
        self.press(1062)
        sizes = self.d.execute_script(
            "return [...document.querySelectorAll('#chart text')].map(t => "
            "parseFloat(getComputedStyle(t).fontSize) * t.getScreenCTM().a)")
        self.assertGreater(len(sizes), 10)
        self.assertGreaterEqual(min(sizes), 12)

    def test_every_field_and_button_is_named_by_its_control_id(self):
        for page in PAGES:
            with self.subTest(page=page):
                self.open(page)
                inputs = self.d.execute_script(
                    "return [...document.querySelectorAll('input[type=text]')].map(i => "
                    "[i.id, i.getAttribute('inputmode'), i.readOnly, getComputedStyle(i).backgroundColor])")
                for cid, mode, read_only, background in inputs:
                    self.assertTrue(cid.isdigit(), cid)
                    self.assertEqual(mode, None if read_only else "decimal", cid)
                    self.assertEqual(background != "rgb(255, 255, 255)", read_only, cid)
                self.assertTrue(self.d.find_element("id", page))
                link = self.d.find_element("css selector", "a[data-manual]").get_attribute("href")
                self.assertTrue(link.endswith(f"manual/index.html#{page}"), link)

    # The controls a screen reader reaches, with the names it announces.
    NAMES = """return [...document.querySelectorAll('main input, main select, main button')]
        .filter(c => c.type !== 'hidden').map(c => [c.id, c.getAttribute('aria-label') ||
          (c.labels && c.labels.length ? c.labels[0].textContent : c.textContent).trim()])"""

    def test_every_control_has_one_name_in_the_interface_language(self):
        # The window's names, with a caption the page sets (the run's unit
        # label) and a grid's row and column headings.
        examples = [("CPP_VolMasMol", 1032, "Спирта, Масса (кг)", "Ethanol, Mass (kg)"),
                    ("CPP_RazvedSpirta", 1041, "Что задано?", "What is given?"),
                    ("CPP_Peregon", 1058, "Об%", "% ABV"),
                    ("CPP_VacPereg", 1036, "Температура кипения (градусы)", "Boiling temperature (degrees)")]
        for page in PAGES:
            for lang in ("ru", "en"):
                with self.subTest(page=page, lang=lang):
                    self.open(page, lang)
                    for cid, name in self.d.execute_script(self.NAMES):
                        self.assertTrue(name, f"{page} {cid}")
                        if lang == "en":
                            self.assertIsNone(CYRILLIC.search(name), f"{page} {cid}: {name}")
                    for where, cid, ru, en in examples:
                        if where == page:
                            self.assertEqual(self.el(cid).get_attribute("aria-label"), ru if lang == "ru" else en)

    def test_no_serious_accessibility_fault_in_either_language_or_width(self):
        # axe-core on every page, as it opens and after its first button's
        # calculation (the run's chart and steps shown), and on the manual.
        with open(AXE, encoding="utf-8") as f:
            axe = f.read()
        faults = []
        try:
            for width, height, mobile in ((360, 740, True), (1366, 768, False)):
                self.d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                    "width": width, "height": height, "deviceScaleFactor": 1, "mobile": mobile})
                for page in ["index", "manual/index", "manual/en/index"] + PAGES:
                    for lang in ("ru", "en"):
                        self.visit(page, lang)
                        if page in PAGES:
                            self.d.execute_script("const b = document.querySelector('main button.calc');"
                                                  "if (b) b.click();")
                        self.d.execute_script(axe)
                        found = self.d.execute_async_script(
                            "axe.run(document, {resultTypes: ['violations']}).then(r => arguments[0]("
                            "r.violations.filter(v => v.impact === 'serious' || v.impact === 'critical')"
                            ".map(v => v.id + ': ' + v.nodes.map(n => n.target.join(' ')).join(', '))))")
                        faults += [f"{page} {lang} {width}px: {fault}" for fault in found]
        finally:
            phone(self.d)
        self.assertEqual(faults, [])

    def visit(self, page, lang):
        """Opens a page of the site (a calculator's, once ready) in a language."""
        if page in PAGES:
            self.open(page, lang)
            return
        self.d.get(self.server.url + "index.html")
        self.d.execute_script("localStorage.setItem('brevimo-lang', arguments[0])", lang)
        self.d.get(self.server.url + page + ".html")

    def test_site_basics(self):
        # Each page its own title and description; the start page loads no
        # calculator core; the icons are there, the maskable one drawn within
        # the middle circle of 80 % on one colour.
        titles = set()
        for page in ["index"] + PAGES:
            for lang in ("ru", "en"):
                with self.subTest(page=page, lang=lang):
                    self.visit(page, lang)
                    title, description = self.d.execute_script(
                        "return [document.title, document.querySelector('meta[name=description]').content]")
                    self.assertNotIn((title, lang), titles)
                    titles.add((title, lang))
                    self.assertGreater(len(description), 20)
                    if lang == "en":
                        self.assertIsNone(CYRILLIC.search(title + description), title + description)
        self.visit("index", "ru")
        self.assertEqual(self.d.execute_script(
            "return performance.getEntriesByType('resource').filter(r => /brevimo_core/.test(r.name)).length"), 0)
        outside, inside = self.d.execute_async_script("""
            const done = arguments[0];
            fetch('manifest.webmanifest').then(r => r.json()).then(m => {
              const icon = m.icons.find(i => i.purpose === 'maskable');
              const img = new Image();
              img.onload = () => {
                const n = img.naturalWidth, c = document.createElement('canvas');
                c.width = c.height = n;
                const g = c.getContext('2d');
                g.drawImage(img, 0, 0);
                const px = g.getImageData(0, 0, n, n).data, bg = px.slice(0, 4).join();
                let outside = 0, inside = 0;
                for (let y = 0; y < n; y++) for (let x = 0; x < n; x++) {
                  const differs = px.slice(4 * (y * n + x), 4 * (y * n + x) + 4).join() !== bg;
                  if (Math.hypot(x + 0.5 - n / 2, y + 0.5 - n / 2) > 0.4 * n) outside += differs;
                  else inside += differs;
                }
                done([outside, inside]);
              };
              img.src = icon.src;
            });""")
        self.assertEqual(outside, 0)
        self.assertGreater(inside, 0)
        for icon in self.d.execute_script(
                "return [...document.querySelectorAll('link[rel~=icon]')].map(l => l.href)"):
            self.assertEqual(self.d.execute_async_script(
                "fetch(arguments[0]).then(r => arguments[1](r.status))", icon), 200, icon)

    def test_language_switch_is_remembered(self):
        self.open("CPP_RazvedSpirta", "ru")
        self.assertEqual(self.d.find_element("css selector", "h1").text, "Разведение спирта")
        self.d.execute_script("const s = document.getElementById('lang'); s.value = 'en';"
                              "s.dispatchEvent(new Event('change'))")
        self.assertEqual(self.d.find_element("css selector", "h1").text, self.en["Разведение спирта"])
        self.d.get(self.server.url + "CPP_CombRastv.html")
        self.assertEqual(self.d.find_element("css selector", "h1").text, self.en["Смешение растворов"])
        self.assertEqual(self.d.execute_script("return document.documentElement.lang"), "en")

    def test_enter_in_a_field_calculates(self):
        self.open("CPP_RazvedSpirta")
        self.type(1040, "50\n")
        self.assertEqual(self.value(1045), "1920.22")

    def test_works_offline_after_the_first_visit(self):
        self.open("CPP_RazvedSpirta")
        self.d.execute_async_script("navigator.serviceWorker.ready.then(() => arguments[0]())")
        WebDriverWait(self.d, 20).until(lambda d: d.execute_script(
            "return navigator.serviceWorker.controller !== null"))
        self.d.execute_cdp_cmd("Network.enable", {})
        self.d.execute_cdp_cmd("Network.emulateNetworkConditions", {
            "offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
        self.server.httpd.shutdown()  # and no server either: the worker's own
        self.server.httpd.server_close()  # requests are not emulated offline
        try:
            for page in ("CPP_VolMasMol", "CPP_Peregon"):
                self.d.get(self.server.url + page + ".html")
                WebDriverWait(self.d, 20).until(lambda d: d.execute_script(
                    "return document.querySelector('main').dataset.ready === '1'"))
            self.press(1062)
            self.assertEqual(self.value(1065), "%.4f" % self.calc(
                "run", "--start-temperature", "92.5", "--end-temperature", "98", "--wash", "1")[0]["distillate_strength"])
            for manual in ("manual/index.html", "manual/en/index.html"):
                self.d.get(self.server.url + manual)
                self.assertIn("Brevimo", self.d.title)
                pictures = self.d.execute_async_script(
                    "const done = arguments[0]; Promise.all([...document.images].map(i => i.decode()"
                    ".then(() => i.naturalWidth, () => 0))).then(done)")
                self.assertTrue(pictures and all(pictures), f"{manual}: {pictures}")
        finally:
            self.d.execute_cdp_cmd("Network.emulateNetworkConditions", {
                "offline": False, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
            type(self).server = Server(SITE)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
