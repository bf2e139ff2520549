#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Builds the static site's pages from the window's own sources.

Captions, list items and control IDs come from the dialog templates (dumped
to JSON by dump_templates), the English texts from translations/brevimo_en.ts.
The layout below only says which template texts go together on a narrow
screen; a label named here that the template does not have fails the build,
so the site cannot drift from the window.

usage: gen_site.py TEMPLATES_JSON TS_FILE STATIC_DIR MANUAL_DIR OUT_DIR VERSION
"""
import hashlib
import html
import json
import os
import shutil
import sys
import xml.etree.ElementTree as ET

# Texts of the site itself (not in the window), Russian with English.
SITE_TEXTS = {
    "Калькулятор спиртовых растворов": "Ethanol–water calculator",
    "Справка": "Help",
    "Справка к странице": "Help for this page",
    "Все калькуляторы": "All calculators",
    "Язык": "Language",
    "Шаги перегонки": "Steps of the run",
    "Скачать шаги (CSV)": "Download the steps (CSV)",
    "Шаги плана": "Steps of the plan",
    "Скачать шаги плана (CSV)": "Download the plan's steps (CSV)",
    "Работает без сети после первого открытия.": "Works offline after the first visit.",
    "Загрузка…": "Loading…",
    "Устаревший результат: расчет не выполнен": "Outdated result: the calculation was refused",
}

SITE_DESCRIPTION = ("Калькулятор спиртовых растворов для домашней дистилляции: пересчет крепости, "
                    "разведение, смешение, кипение, сахар, перегонка; работает без сети")
SITE_TEXTS[SITE_DESCRIPTION] = ("Ethanol–water calculator for home distilling: strength correction, "
                                "dilution, mixing, boiling, sugar, a distillation run; works offline")

# Units shown beside fields whose label does not name one.
UNITS = {"% об.": "% ABV", "%": "%", "°C": "°C"}

# Page layouts: sections (a group box caption of the template, or None) of
# rows. Rows:
#   ("field", label, edit_id, unit, extras) label: a template label's text or
#       control ID (a label the page rewrites); extras: list/button IDs after it
#   ("radio", first_id)  ("check", id)  ("button", id)
#   ("pairs", header1, header2, [(row label, id1, id2), ...])
#   ("note", label text)  ("error", label text, id): the page's error line
#   ("subhead", label text): a label heading the rows after it
# The columns of the planned run's table of fractions.
PLAN_COLUMNS = ["Объем (л)", "Крепость (% об.)", "Спирт (л)", "Время (ч:мм)", "Конец (ч:мм)",
                "Куб в конце (°C)", "Струя в конце (% об.)"]

LAYOUTS = {
    "CPP_KsTCorr": [
        (None, [("note", "Температурный пересчет объемной концентрации спирта (Кс), измеряемой по плотности")]),
        ("Исходные данные", [
            ("field", "Показания ареометра\n(% об)", 1015, None, []),
            ("field", "Температура\nизмерения\n(*С,-25..40)", 1016, None, []),
            ("field", "Нужная\nтемпература\n(*С,-25...40)", 1017, None, []),
            ("button", 1021),
            ("error", "Ошибка:", 1024),
        ]),
        ("Результат", [
            ("field", "Исходная\nплотность\n(кг/л)", 1019, None, []),
            ("field", "Конечная\nплотность\n(кг/л)", 1020, None, []),
            ("field", "Конечная эквив. Кс (% об.)", 1018, None, []),
        ]),
    ],
    "CPP_RazvedSpirta": [
        ("Исходные данные", [
            ("group", "Что задано?"),
            ("radio", 1036),
            ("field", None, 1041, None, []),
            ("field", "Крепость (Об. %) исходного спирта", 1039, None, []),
            ("field", "Крепость (Об. %) результата", 1040, None, []),
            ("button", 1042),
        ]),
        (None, [
            ("field", "Объем исходного спирта", 1043, None, []),
            ("field", "Объем воды", 1044, None, []),
            ("field", "Объем результата", 1045, None, []),
        ]),
    ],
    "CPP_CombRastv": [
        ("Режим расчета", [("radio", 1017)]),
        ("Раствор 1", [("field", "Объем", 1011, None, []), ("field", "% (об) спирта", 1010, None, [])]),
        ("Раствор 2", [("field", "Объем", 1013, None, []), ("field", "% (об) спирта", 1012, None, [])]),
        ("Результат", [("field", "Объем", 1015, None, []), ("field", "% (об) спирта", 1014, None, [])]),
        (None, [("button", 1004)]),
    ],
    "CPP_PowerAndOut": [
        ("Исходные данные", [
            ("field", "Мощность нагревателя (вт)", 1002, None, []),
            ("field", "Тепловые потери (%)", 1001, None, []),
            ("field", "Флегм. число", 1000, None, []),
            ("field", "% (об) спирта в выходном дистилляте", 1003, None, []),
        ]),
        ("Результат", [
            ("radio", 1007),
            ("field", "Полный поток дистиллята", 1005, None, []),
            ("field", "Выходной поток дистиллята", 1006, None, []),
            ("button", 1004),
        ]),
    ],
    "CPP_VolMasMol": [
        (None, [
            ("field", "% Объемн.", 1025, None, [1028]),
            ("field", "% Масс.", 1026, None, [1029]),
            ("field", "% Мол.", 1027, None, [1030]),
            ("field", "Плотность (кг/л)", 1031, None, [1043]),
            ("field", "Показ. пикн.", 1044, None, [1045]),
            ("field", "Удельный объем\n(л/кг)", 1041, None, []),
            ("check", 1040),
            ("field", "N=", 1042, None, []),
        ]),
        ("В \"N\" литрах", [("pairs", "Масса (кг)", "Объем (л)", [("Спирта", 1032, 1033), ("Воды", 1034, 1035)])]),
        ("В \"N\" килограммах", [("pairs", "Масса (кг)", "Объем (л)", [("Спирта", 1036, 1037), ("Воды", 1038, 1039)])]),
    ],
    "CPP_CalkTkip": [
        ("Процент спирта в растворе", [("radio", 1032), ("field", None, 1025, "%", [1031])]),
        ("Темпер. кипения", [("field", None, 1030, "°C", [1033])]),
        ("Процент спирта в паре", [
            ("field", "Объемный\n(конденсата)", 1038, "%", []),
            ("field", "Массовый", 1036, "%", []),
            ("field", "Молярный", 1037, "%", []),
        ]),
    ],
    "CPP_VacPereg": [
        ("Спирт (100%)", [
            ("field", "Температура\nкипения (*C)", 1021, None, [1024]),
            ("field", "Давление нас.\nпара (мм.рт.ст.)", 1022, None, [1023]),
        ]),
        ("Вода", [
            ("field", "Температура\nкипения (*C)", 1025, None, [1028]),
            ("field", "Давление нас.\nпара (мм.рт.ст.)", 1026, None, [1027]),
        ]),
        ("Раствор", [
            ("field", "Процент спирта", 1030, None, [1029, 1035]),
            ("field", "Температура кипения (градусы)", 1031, None, [1036, 1034]),
            ("field", "Давление нас. пара", 1032, None, [1037, 1033]),
        ]),
    ],
    "CPP_ShugarConc": [
        ("Что задано?", [("radio", 1036), ("field", None, 1046, None, [])]),
        ("Что нужно получить?", [("radio", 1040), ("field", None, 1047, None, [])]),
        (None, [
            ("button", 1042),
            ("field", "Вес сахара\n(г)", 1048, None, []),
            ("field", "Объем воды\n(мл)", 1044, None, []),
            ("field", "Объем\nрезультата (мл)", 1045, None, []),
            ("field", "Вес\nрезультата (г)", 1049, None, []),
            ("field", "Плотность\nрезультата (г/л)", 1050, None, []),
        ]),
    ],
    "CPP_Peregon": [
        ("Начало перегонки", [("field", None, 1053, None, [1055]), ("field", 1059, 1058, None, [])]),
        ("Конец перегонки", [("field", None, 1054, None, [1056]), ("field", 1060, 1061, None, [])]),
        (None, [("field", "Объем браги", 1057, None, []), ("button", 1062)]),
        ("Выходн. парам.", [
            ("field", "Объем дист.", 1063, None, []),
            ("field", "Креп. дист.(об%)", 1065, None, []),
            ("field", "Остаток в баке", 1067, None, []),
        ]),
    ],
    "CPP_PlanPeregon": [
        ("Загрузка", [
            ("field", "Объем (л)", 2001, None, []),
            ("field", "Начало", 2002, None, [2003]),
        ]),
        ("Колонна", [
            ("field", "Тарелок", 2004, None, []),
            ("field", "Флегм. число", 2005, None, []),
            ("field", "Мощность (вт)", 2006, None, []),
            ("field", "Потери (%)", 2007, None, []),
        ]),
        ("Отбор", [
            ("field", "Головы (% спирта)", 2008, None, []),
            ("field", "Тело до", 2009, None, [2010]),
            ("field", "Конец", 2011, None, [2012]),
            ("button", 2013),
            ("field", "Тело (% спирта)", 2060, None, []),
        ]),
        # The window's table of fractions, a fraction under another on a phone.
        ("План перегонки", [
            row
            for fraction, first in (("Головы", 2020), ("Тело", 2030), ("Хвосты", 2040))
            for row in [("subhead", fraction)] + [
                ("field", column, first + n, None, [])
                for n, column in enumerate(PLAN_COLUMNS)
            ]
        ] + [("subhead", "Остаток в кубе")] + [
            ("field", column, 2050 + n, None, []) for n, column in enumerate(PLAN_COLUMNS[:3])
        ]),
    ],
}

# The planned run's chart and table texts (the window's plan chart).
PLAN_TEXTS = ["Крепость отбора, % об.", "Температура в кубе, °C", "Отобрано, л",
              "Креп. отбора, % об.", "Темп. в кубе, °C", "Креп. в кубе, % об.", "Объем в кубе, л",
              "Время, мин", "Фракция", "Головы", "Тело", "Хвосты", "График плана перегонки",
              "Шаги плана", "Скачать шаги плана (CSV)"]

# The chart's and the steps table's texts (the window's run chart).
RUN_TEXTS = ["Температура в кубе, °C", "Крепость в кубе, % об.", "Отобрано, л",
             "Темп. в кубе, °C", "Креп. в кубе, % об.", "Объем в кубе, л", "Креп. пара, % об.",
             "Креп. отбора, % об.", "График перегонки"]


def load_translations(ts_path):
    """Russian source text -> English, from every context."""
    table = {}
    for message in ET.parse(ts_path).getroot().iter("message"):
        source = message.findtext("source")
        translation = message.find("translation")
        if source is not None and translation is not None and translation.text:
            table.setdefault(source, translation.text)
    return table


class PageBuilder:
    def __init__(self, class_name, template, translations):
        self.name = class_name
        self.template = template
        self.tr = translations
        self.used = set()
        self.by_id = {item["id"]: item for item in template["items"] if item["id"] != -1}

    def text(self, source, tag="span", attrs=""):
        """An element showing a template text; the script translates it."""
        self.used.add(source)
        shown = html.escape(source).replace("\n", " ")
        return f'<{tag} data-tr="{html.escape(source, quote=True)}"{attrs}>{shown}</{tag}>'

    def need(self, kind, text):
        for item in self.template["items"]:
            if item["kind"] == kind and item["text"] == text:
                return
        raise SystemExit(f"{self.name}: the template has no {kind} {text!r}")

    def control(self, cid):
        if cid not in self.by_id:
            raise SystemExit(f"{self.name}: the template has no control {cid}")
        return self.by_id[cid]

    def name_attrs(self, cid):
        """A field's accessible name as the window gives it: the captions that
        name it (a caption the page sets is taken from the page, by its ID),
        else its group's caption. The script keeps it in the language shown."""
        item = self.control(cid)
        items = self.template["items"]
        parts = [[items[i]["id"], items[i]["text"]] for i in item.get("names", [])]
        group = items[item["nameGroup"]]["text"] if item.get("nameGroup", -1) >= 0 else ""
        self.used.update(text for _, text in parts if text)
        if group:
            self.used.add(group)
        shown = ", ".join(text for _, text in parts if text) or group
        data = json.dumps({"parts": parts, "group": group}, ensure_ascii=False)
        return (f' aria-label="{html.escape(shown.replace(chr(10), " "), quote=True)}"'
                f' data-name="{html.escape(data, quote=True)}"')

    def edit(self, cid, unit):
        item = self.control(cid)
        ro = item["readOnly"]
        attrs = (' readonly tabindex="-1"' if ro else ' inputmode="decimal"')
        cls = "result" if ro else "input"
        unit_html = f' <span class="unit" data-tr="{unit}">{unit}</span>' if unit else ""
        if unit:
            self.used.add(unit)
        return (f'<input type="text" id="{cid}" class="{cls}"{attrs} autocomplete="off" '
                f'spellcheck="false"{self.name_attrs(cid)}>{unit_html}')

    def button(self, cid):
        item = self.control(cid)
        assert item["kind"] == "button", cid
        default = ' data-default="1"' if item.get("default") else ""
        # The message is announced by the page's one live region.
        return (f'<button type="button" id="{cid}" class="calc"{default}>{self.text(item["text"], "span")}</button>'
                f'<span class="message" id="m{cid}"></span>')

    def select(self, cid):
        item = self.control(cid)
        options = "".join(
            f'<option value="{i}" data-tr="{html.escape(t, quote=True)}">{html.escape(t)}</option>'
            for i, t in enumerate(item["items"]))
        self.used.update(item["items"])
        return f'<select id="{cid}"{self.name_attrs(cid)}>{options}</select>'

    def radio_group(self, first):
        items = self.template["items"]
        start = next(i for i, item in enumerate(items) if item["id"] == first)
        group = [items[start]]
        for item in items[start + 1:]:
            if item["kind"] != "radio" or item["group"]:
                break
            group.append(item)
        out = [f'<div class="radios" role="radiogroup" data-group="{first}">']
        for index, item in enumerate(group):
            out.append(f'<label class="choice"><input type="radio" name="g{first}" id="{item["id"]}" '
                       f'value="{index}"> {self.text(item["text"])}</label>')
        out.append("</div>")
        return "".join(out)

    def row(self, row):
        kind = row[0]
        if kind == "field":
            _, label, cid, unit, extras = row
            if isinstance(label, int):
                label_html = f'<span id="{label}" class="dynamic"></span>'
            elif label is None:
                label_html = ""
            else:
                self.need("label", label)
                label_html = self.text(label)
            after = "".join(self.select(e) if self.control(e)["kind"] == "list" else "" for e in extras)
            buttons = [e for e in extras if self.control(e)["kind"] == "button"]
            field = f'<span class="field">{self.edit(cid, unit)}{after}</span>'
            caption = f'<label for="{cid}">{label_html}</label>' if label_html else "<span></span>"
            out = f'<div class="row">{caption}{field}</div>'
            for b in buttons:
                out += f'<div class="actions">{self.button(b)}</div>'
            return out
        if kind == "radio":
            return self.radio_group(row[1])
        if kind in ("group", "subhead"):
            # A group box's caption, or a label heading the rows under it.
            self.need("group" if kind == "group" else "label", row[1])
            return f'<p class="subhead">{self.text(row[1])}</p>'
        if kind == "check":
            item = self.control(row[1])
            return (f'<label class="choice"><input type="checkbox" id="{row[1]}"> '
                    f'{self.text(item["text"])}</label>')
        if kind == "button":
            return f'<div class="actions">{self.button(row[1])}</div>'
        if kind == "note":
            self.need("label", row[1])
            return self.text(row[1], "p", ' class="note"')
        if kind == "error":
            _, label, cid = row
            self.need("label", label)
            return (f'<div class="row error"><span>{self.text(label)}</span>'
                    f'<span id="{cid}" class="errline"></span></div>')
        if kind == "pairs":
            _, h1, h2, rows = row
            self.need("label", h1)
            self.need("label", h2)
            out = [f'<div class="pairs"><span></span>{self.text(h1)}{self.text(h2)}']
            for label, a, b in rows:
                self.need("label", label)
                out.append(f'{self.text(label)}{self.edit(a, None)}{self.edit(b, None)}')
            out.append("</div>")
            return "".join(out)
        raise SystemExit(f"unknown row {row}")

    def body(self):
        parts = []
        for caption, rows in LAYOUTS[self.name]:
            inner = "".join(self.row(r) for r in rows)
            if caption:
                self.need("group", caption)
                parts.append(f'<fieldset><legend>{self.text(caption, "span")}</legend>{inner}</fieldset>')
            else:
                parts.append(f'<div class="section">{inner}</div>')
        if self.name == "CPP_Peregon":
            self.used.update(RUN_TEXTS)
            chart = self.control(1099)
            parts.append(
                f'<section id="run" hidden><h2>{self.text(chart["text"])}</h2>'
                '<div id="chart"></div>'
                f'<p><a id="csv" download="brevimo-run.csv" href="#">{self.text("Скачать шаги (CSV)")}</a></p>'
                f'<details><summary>{self.text("Шаги перегонки")}</summary>'
                '<div class="tablewrap"><table id="steps"></table></div></details></section>')
        if self.name == "CPP_PlanPeregon":
            self.used.update(PLAN_TEXTS)
            chart = self.control(2014)
            parts.append(
                f'<section id="plan" class="course" hidden><h2>{self.text(chart["text"])}</h2>'
                '<div id="planchart" class="chartbox"></div>'
                f'<p><a id="plancsv" download="brevimo-plan.csv" href="#">{self.text("Скачать шаги плана (CSV)")}</a></p>'
                f'<details><summary>{self.text("Шаги плана")}</summary>'
                '<div class="tablewrap"><table id="plansteps"></table></div></details></section>')
        return "".join(parts)


def page_html(title_html, title, description, body, class_name, nav, manual_anchor):
    """A page of the site; the start page loads no calculator core."""
    core = '<script src="brevimo_core.js"></script>\n' if class_name != "index" else ""
    shown_title = f"Brevimo — {title}" if class_name == "index" else f"{title} — Brevimo"
    return f"""<!doctype html>
<html lang="ru">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<meta name="theme-color" content="#2b5d8a">
<title data-title="{html.escape(title, quote=True)}">{html.escape(shown_title)}</title>
<meta name="description" content="{html.escape(description, quote=True)}" data-tr-content="{html.escape(description, quote=True)}">
<link rel="manifest" href="manifest.webmanifest">
<link rel="icon" href="favicon.svg" type="image/svg+xml">
<link rel="icon" href="icon-32.png" sizes="32x32" type="image/png">
<link rel="apple-touch-icon" href="icon-192.png">
<link rel="stylesheet" href="style.css">
</head>
<body>
<header>
<a class="home" href="index.html">Brevimo</a>
<select id="lang" aria-label="Язык / Language"><option value="ru">Русский</option><option value="en">English</option></select>
</header>
<main id="{class_name}" class="page">
<h1>{title_html}</h1>
{body}
<p class="help"><a href="manual/index.html#{manual_anchor}" data-manual="{manual_anchor}"><span data-tr="Справка к странице">Справка к странице</span></a></p>
<div id="announce" class="announce" aria-live="polite"></div>
<span id="stale" hidden data-tr="Устаревший результат: расчет не выполнен">Устаревший результат: расчет не выполнен</span>
</main>
<nav>{nav}</nav>
<script src="texts.js"></script>
{core}<script src="app.js"></script>
</body>
</html>
"""


def manual_summaries(manual_dir):
    """Each page's line in the manual's contents, Russian and English:
    {page: (russian, english)}; a page without one is left out."""
    import re
    found = {}
    for lang, path in (("ru", "index.html"), ("en", os.path.join("en", "index.html"))):
        with open(os.path.join(manual_dir, path), encoding="utf-8") as f:
            for page, line in re.findall(r'<li><a href="#(CPP_\w+)">[^<]*</a>\s*\(([^)]+)\)', f.read()):
                found.setdefault(page, {})[lang] = line
    return {page: (d["ru"], d["en"]) for page, d in found.items() if "ru" in d and "en" in d}


# The manual on a phone: pictures and wide tables within the screen.
MANUAL_HEAD = """<meta name="viewport" content="width=device-width, initial-scale=1">
<style>
body { margin: 0 auto; padding: 0 .75rem; max-width: 60rem; line-height: 1.45; overflow-wrap: break-word; }
img { max-width: 100%; height: auto; }
table { max-width: 100%; }
th, td { overflow-wrap: anywhere; }
pre { white-space: pre-wrap; }
</style>
"""


def site_manual(text):
    """The site's version of a manual page: where the manual speaks of the
    window (a block between <!-- window --> and <!-- /window -->), the text of
    the site that follows it in a <!-- site: ... --> comment instead."""
    import re
    pattern = re.compile(r"<!-- window -->.*?<!-- /window -->\s*<!-- site:\n?(.*?)\n?-->", re.S)
    text = pattern.sub(lambda m: m.group(1), text)
    if "<!-- window -->" in text or "<!-- site:" in text:
        raise SystemExit("manual: a window block without the site's text after it")
    # Each calculator of the window is a tab, of the site a page: the words
    # change with it (a browser's tab stays one, and "Tab" is the key).
    endings = {"и": "ы", "ой": "ей"}  # after ц
    text = re.sub(r"([Вв])кладк(ами|ам|ах|ой|а|е|и|у)\b",
                  lambda m: ("С" if m.group(1) == "В" else "с") + "траниц" +
                  endings.get(m.group(2), m.group(2)), text)
    text = re.sub(r"(?<!browser )\btab(s?)\b", r"page\1", text)
    return text.replace("</head>", MANUAL_HEAD + "</head>", 1)


def main():
    templates_path, ts_path, static_dir, manual_dir, out_dir, version = sys.argv[1:7]
    with open(templates_path, encoding="utf-8") as f:
        templates = json.load(f)
    translations = load_translations(ts_path)
    os.makedirs(out_dir, exist_ok=True)

    names = list(templates)
    used = set(SITE_TEXTS)
    nav_links = []
    for name in names:
        caption = templates[name]["caption"]
        used.add(caption)
        nav_links.append(f'<a href="{name}.html" data-tr="{html.escape(caption, quote=True)}">{html.escape(caption)}</a>')
    nav = "".join(nav_links)

    files = []

    def write(name, text):
        with open(os.path.join(out_dir, name), "w", encoding="utf-8") as f:
            f.write(text)
        files.append(name)

    summaries = manual_summaries(manual_dir)
    site_english = dict(SITE_TEXTS)
    for name in names:
        builder = PageBuilder(name, templates[name], translations)
        body = builder.body()
        used |= builder.used
        caption = templates[name]["caption"]
        title = builder.text(caption)
        description = caption.replace("\n", " ")
        if name in summaries:
            english_caption = translations.get(caption, caption).replace("\n", " ")
            site_english[description + ": " + summaries[name][0]] = english_caption + ": " + summaries[name][1]
            description += ": " + summaries[name][0]
        else:
            site_english[description + ". " + SITE_DESCRIPTION] = (
                translations.get(caption, caption).replace("\n", " ") + ". " + SITE_TEXTS[SITE_DESCRIPTION])
            description += ". " + SITE_DESCRIPTION
        used.add(description)
        write(f"{name}.html", page_html(title, caption, description, body, name, nav, name))

    index_body = (f'<p class="note"><span data-tr="Работает без сети после первого открытия.">'
                  'Работает без сети после первого открытия.</span></p>'
                  f'<div class="menu">{nav}</div>')
    write("index.html", page_html('<span data-tr="Калькулятор спиртовых растворов">Калькулятор спиртовых растворов</span>',
                                  "Калькулятор спиртовых растворов", SITE_DESCRIPTION, index_body, "index", "", ""))
    used.add(SITE_DESCRIPTION)

    # Every text a page shows or a calculation may answer with, in English.
    english = dict(site_english)
    english.update(UNITS)
    for source in used:
        if source in translations:
            english[source] = translations[source]
        elif source not in english and any(ord(c) > 127 for c in source):
            raise SystemExit(f"no English text for {source!r}")
    for source, target in translations.items():
        english.setdefault(source, target)  # the messages of calc/
    write("texts.js", "// Generated from translations/brevimo_en.ts and the site's own texts.\n"
          "var BREVIMO_EN = " + json.dumps(english, ensure_ascii=False, sort_keys=True) + ";\n")

    for f in ("app.js", "style.css", "manifest.webmanifest"):
        shutil.copy(os.path.join(static_dir, f), os.path.join(out_dir, f))
        files.append(f)

    # The manual: the Russian and English pages, their screenshots, all kept
    # for offline use.
    for root, _, filenames in os.walk(manual_dir):
        for filename in sorted(filenames):
            if not filename.endswith((".html", ".png")):
                continue
            source = os.path.join(root, filename)
            rel = os.path.join("manual", os.path.relpath(source, manual_dir))
            os.makedirs(os.path.join(out_dir, os.path.dirname(rel)), exist_ok=True)
            if filename.endswith(".html"):
                with open(source, encoding="utf-8") as f:
                    write(rel, site_manual(f.read()))
            else:
                shutil.copy(source, os.path.join(out_dir, rel))
                files.append(rel)

    # The service worker caches the site; its version changes with any file.
    for extra in ("brevimo_core.js", "brevimo_core.wasm", "icon-192.png", "icon-512.png",
                  "icon-maskable-512.png", "icon-32.png", "favicon.svg"):
        files.append(extra)
    digest = hashlib.sha256()
    for name in sorted(files):
        path = os.path.join(out_dir, name)
        if os.path.exists(path):
            with open(path, "rb") as f:
                digest.update(name.encode() + f.read())
    with open(os.path.join(static_dir, "sw.js"), encoding="utf-8") as f:
        sw = f.read()
    sw = sw.replace("@VERSION@", digest.hexdigest()[:16]).replace(
        "@FILES@", json.dumps(["./"] + sorted(files)))
    with open(os.path.join(out_dir, "sw.js"), "w", encoding="utf-8") as f:
        f.write(sw)


if __name__ == "__main__":
    main()
