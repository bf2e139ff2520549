// SPDX-License-Identifier: GPL-3.0-or-later
// The pages' glue: moves the fields' texts to the calculator core (calc/ in
// WebAssembly) and back, translates the texts and draws the run's chart.
// No calculation happens here.
"use strict";

const LANG_KEY = "brevimo-lang";
const page = document.querySelector("main.page");
const pageName = page ? page.id : "";
var core = null; // the calculator core, once loaded (also for the benchmark)

function chosenLanguage() {
  const stored = localStorage.getItem(LANG_KEY);
  if (stored === "ru" || stored === "en") return stored;
  return (navigator.language || "").toLowerCase().startsWith("en") ? "en" : "ru";
}
let lang = chosenLanguage();

function tr(source) {
  if (lang !== "en" || !source) return source;
  const english = BREVIMO_EN[source];
  if (english !== undefined) return english;
  // A message with numbers in it, translated as the window translates it.
  return core ? core.translate(source) : source;
}

// Shows a source text translated and keeps the source for a later switch.
function setText(element, source) {
  element.dataset.tr = source;
  element.textContent = tr(source).replace(/\n/g, element.classList.contains("message") ? "\n" : " ");
}

function translatePage() {
  document.documentElement.lang = lang;
  for (const element of document.querySelectorAll("[data-tr]")) setText(element, element.dataset.tr);
  const title = document.querySelector("title[data-title]");
  const name = tr(title.dataset.title);
  document.title = pageName === "index" ? "Brevimo — " + name : name + " — Brevimo";
  for (const meta of document.querySelectorAll("meta[data-tr-content]")) meta.content = tr(meta.dataset.trContent);
  nameFields();
  for (const link of document.querySelectorAll("a[data-manual]"))
    link.href = (lang === "en" ? "manual/en/index.html#" : "manual/index.html#") + link.dataset.manual;
  document.getElementById("lang").value = lang;
}

// The texts of the page's labels as the page last set them (source texts).
const labelTexts = {};

// Each field is named as the window names it, in the language shown: by the
// captions beside or above it (one the page sets, as it set it last), else
// by its group's caption.
function fieldName(field) {
  const name = JSON.parse(field.dataset.name);
  const parts = name.parts.map(([id, source]) => (id >= 0 && id in labelTexts ? labelTexts[id] : source))
    .filter((source) => source).map(tr);
  return (parts.length ? parts.join(", ") : tr(name.group)).replace(/\n/g, " ");
}

function nameFields() {
  for (const field of document.querySelectorAll("[data-name]")) field.setAttribute("aria-label", fieldName(field));
}

// The page's one live region: what a calculation gave, or why it was refused.
function announce(text) {
  const region = document.getElementById("announce");
  region.textContent = "";
  // A new text node after a tick, so that the same answer twice is read twice.
  setTimeout(() => { region.textContent = text; }, 50);
}

function fields() {
  return page.querySelectorAll("input[type=text]");
}

// What the user typed and chose, as the core reads it.
function state() {
  const s = {text: {}, choice: {}};
  for (const input of fields()) s.text[input.id] = input.value;
  for (const group of page.querySelectorAll("[data-group]")) {
    const radios = [...group.querySelectorAll("input[type=radio]")];
    s.choice[group.dataset.group] = radios.findIndex((r) => r.checked);
  }
  for (const box of page.querySelectorAll("input[type=checkbox]")) s.choice[box.id] = box.checked ? 1 : 0;
  for (const list of page.querySelectorAll("select")) s.choice[list.id] = list.selectedIndex;
  return s;
}

// A number wider than its field shows from its first digit, and whole in
// the field's title (a tool tip, and the field's description to a screen reader).
function showWhole(input, text) {
  input.value = text;
  input.scrollLeft = 0;
  if (input.scrollWidth > input.clientWidth) input.title = text;
  else input.removeAttribute("title");
}

// The fields that calculations have written since the page opened (on a
// page whose results are not read-only, a button writes into fields that
// can also be typed in).
const calculated = new Set();

function apply(result, buttonId) {
  const before = {};
  for (const input of fields()) before[input.id] = input.value;
  for (const [id, text] of Object.entries(result.text)) {
    const element = document.getElementById(id);
    if (!element || element.tagName !== "INPUT") labelTexts[id] = text;
    if (!element) continue;
    if (element.tagName === "INPUT") showWhole(element, text);
    else setText(element, text);
  }
  for (const [id, index] of Object.entries(result.choice)) {
    const group = page.querySelector(`[data-group="${id}"]`);
    const element = document.getElementById(id);
    if (group) {
      group.querySelectorAll("input[type=radio]").forEach((r, i) => { r.checked = i === index; });
    } else if (element && element.type === "checkbox") {
      element.checked = index === 1;
    } else if (element && element.tagName === "SELECT") {
      element.selectedIndex = index;
    }
  }
  // The page decides which fields are typed in and which are results.
  const readOnly = new Set(result.readOnly);
  for (const input of fields()) {
    const ro = readOnly.has(Number(input.id));
    if (input.readOnly === ro) continue;
    input.readOnly = ro;
    input.className = ro ? "result" : "input";
    if (ro) input.removeAttribute("inputmode");
    else input.setAttribute("inputmode", "decimal");
  }
  nameFields();
  if (!buttonId) return;
  // A message box, or the page's own error line, refuses the calculation.
  const messages = result.messages;
  const out = document.getElementById("m" + buttonId);
  if (messages.length) {
    setText(out, messages.join("\n"));
    out.classList.add("shown");
  }
  const errorLine = page.querySelector(".errline");
  const said = messages.length ? out : errorLine && errorLine.textContent.trim() ? errorLine : null;
  const field = result.focus ? document.getElementById(String(result.focus)) : null;
  if (said) {
    markResultsStale(true);
    if (field) {
      field.setAttribute("aria-invalid", "true");
      field.setAttribute("aria-describedby", said.id);
    }
    announce((field && field.dataset.name ? fieldName(field) + ": " : "") + said.textContent);
  } else if (page.querySelector("button.calc")) {
    for (const input of fields()) {
      if (input.value !== before[input.id]) calculated.add(input.id);
    }
    markResultsStale(false);
    announce([...fields()].filter((f) => f.readOnly && f.value.trim())
      .map((f) => fieldName(f) + ": " + f.value.trim()).join("; "));
  }
  if (field) {
    // A refused field takes the focus with its text selected, to be typed over.
    field.focus();
    if (field.select) field.select();
  }
}

// After a refusal the results shown are those of an earlier calculation:
// they are marked as such until the next calculation succeeds, or until
// the user types over one.
function markResultsStale(stale) {
  page.classList.toggle("stale", stale);
  for (const input of fields()) {
    const on = stale && (input.readOnly || calculated.has(input.id));
    input.classList.toggle("stale", on);
    if (on) input.setAttribute("aria-describedby", "stale");
    else if (input.getAttribute("aria-describedby") === "stale") input.removeAttribute("aria-describedby");
  }
  for (const section of page.querySelectorAll("section")) {
    if (stale) section.setAttribute("aria-describedby", "stale");
    else section.removeAttribute("aria-describedby");
  }
}

function click(buttonId) {
  for (const field of page.querySelectorAll("[aria-invalid]")) {
    field.removeAttribute("aria-invalid");
    field.removeAttribute("aria-describedby");
  }
  for (const out of page.querySelectorAll(".message")) {
    out.textContent = "";
    out.dataset.tr = "";
    out.classList.remove("shown");
  }
  apply(core.click(pageName, buttonId, state()), buttonId);
  if (pageName === "CPP_Peregon" && buttonId === 1062) showRun();
  if (pageName === "CPP_PlanPeregon" && buttonId === 2013) showPlan();
}

// ---- the distillation run: chart, steps table, CSV ----

function showRun() {
  const csv = core.runSteps(",");
  const section = document.getElementById("run");
  if (!csv) return;
  const lines = csv.trim().split("\n");
  const rows = lines.slice(1).map((l) => l.split(","));
  const heads = ["Темп. в кубе, °C", "Креп. в кубе, % об.", "Объем в кубе, л", "Креп. пара, % об.",
    "Отобрано, л", "Креп. отбора, % об."];
  const table = document.getElementById("steps");
  const head = "<thead><tr>" + heads.map((h) => `<th data-tr="${h}">${tr(h)}</th>`).join("") + "</tr></thead>";
  table.innerHTML = head + "<tbody>" + rows.map((r) => "<tr>" + r.map((v) => `<td>${v}</td>`).join("") + "</tr>").join("") + "</tbody>";
  const link = document.getElementById("csv");
  if (link.href.startsWith("blob:")) URL.revokeObjectURL(link.href);
  link.href = URL.createObjectURL(new Blob([csv], {type: "text/csv"}));
  runRows = rows.map((r) => r.map(Number));
  section.hidden = false;
  drawChart();
  translatePage();
}

let runRows = null;
function drawChart() {
  const box = document.getElementById("chart");
  if (runRows && box.clientWidth) box.innerHTML = chart(runRows, box.clientWidth);
}
window.addEventListener("resize", drawChart);

// Still temperature (left axis) and the still's and distillate's strength
// (right axis) against the distillate collected. Drawn at the width it is
// shown at, so that its texts keep their size on a phone.
function chart(rows, width) {
  const W = Math.round(Math.min(Math.max(width, 240), 704)), H = Math.round(Math.max(240, W * 0.6));
  // On a narrow chart the two axes' titles take a line each.
  const narrow = W < 520, L = 46, R = 34, T = narrow ? 38 : 20, B = 42;
  const x = rows.map((r) => r[4]);
  const xMax = Math.max(...x, 1e-9);
  const temps = rows.map((r) => r[0]);
  const tMin = Math.floor(Math.min(...temps)), tMax = Math.ceil(Math.max(...temps));
  const px = (v) => L + (v / xMax) * (W - L - R);
  const pt = (v) => T + (1 - (v - tMin) / Math.max(tMax - tMin, 1e-9)) * (H - T - B);
  const pp = (v) => T + (1 - v / 100) * (H - T - B);
  const line = (ys, map, cls) =>
    `<polyline class="${cls}" points="${rows.map((r, i) => px(x[i]).toFixed(1) + "," + map(ys[i]).toFixed(1)).join(" ")}"/>`;
  let grid = "";
  for (let i = 0; i <= 4; i++) {
    const t = tMin + ((tMax - tMin) * i) / 4, p = 25 * i, xv = (xMax * i) / 4;
    grid += `<line class="grid" x1="${L}" x2="${W - R}" y1="${pt(t)}" y2="${pt(t)}"/>` +
      `<text x="${L - 4}" y="${pt(t) + 4}" text-anchor="end" class="t">${t.toFixed(1)}</text>` +
      `<text x="${W - R + 4}" y="${pp(p) + 4}" class="p">${p}</text>` +
      `<text x="${px(xv)}" y="${H - B + 16}" text-anchor="middle">${xv.toPrecision(3)}</text>`;
  }
  const label = (source, cls, attrs) => `<text class="${cls}" ${attrs} data-tr="${source}">${tr(source)}</text>`;
  return `<svg viewBox="0 0 ${W} ${H}" role="img" aria-label="${tr("График перегонки")}">` + grid +
    `<rect class="frame" x="${L}" y="${T}" width="${W - L - R}" height="${H - T - B}"/>` +
    line(temps, pt, "t") + line(rows.map((r) => r[1]), pp, "p") + line(rows.map((r) => r[5]), pp, "d") +
    label("Отобрано, л", "", `x="${(L + W - R) / 2}" y="${H - 6}" text-anchor="middle"`) +
    label("Температура в кубе, °C", "t", `x="${L}" y="${T - 4}"`) +
    label("Крепость в кубе, % об.", "p", `x="${W - R}" y="${narrow ? T - 22 : T - 4}" text-anchor="end"`) +
    label("Креп. отбора, % об.", "d", `x="${L + 6}" y="${T + 16}"`) + "</svg>";
}

// ---- a course over the distillate collected: chart, steps table, CSV ----

// The planned run: the stream's strength and the pot's temperature, the
// cuts between heads, hearts and tails marked (the columns of the plan's
// CSV: collected, stream, pot temperature, pot strength, pot volume,
// minutes, fraction).
const PLAN_COURSE = {
  section: "plan", chart: "planchart", table: "plansteps", csv: "plancsv",
  title: "График плана перегонки",
  heads: ["Отобрано, л", "Креп. отбора, % об.", "Темп. в кубе, °C", "Креп. в кубе, % об.",
    "Объем в кубе, л", "Время, мин", "Фракция"],
  x: 0, xLabel: "Отобрано, л",
  left: {column: 1, label: "Крепость отбора, % об.", cls: "s"},
  right: {column: 2, label: "Температура в кубе, °C", cls: "t"},
  part: 6, parts: {heads: "Головы", hearts: "Тело", tails: "Хвосты"},
};

function showPlan() {
  showCourse(PLAN_COURSE, core.planSteps(","));
}

// Fills a course's section from its CSV: the chart, the table (a part's
// name translated) and the CSV's download.
function showCourse(layout, csv) {
  const section = document.getElementById(layout.section);
  if (!csv) return;
  const rows = csv.trim().split("\n").slice(1).map((l) => l.split(","));
  const cell = (v, c) => c === layout.part && layout.parts[v] ? `<td data-tr="${layout.parts[v]}">${tr(layout.parts[v])}</td>` : `<td>${v}</td>`;
  const head = "<thead><tr>" + layout.heads.map((h) => `<th data-tr="${h}">${tr(h)}</th>`).join("") + "</tr></thead>";
  document.getElementById(layout.table).innerHTML =
    head + "<tbody>" + rows.map((r) => "<tr>" + r.map(cell).join("") + "</tr>").join("") + "</tbody>";
  const link = document.getElementById(layout.csv);
  if (link.href.startsWith("blob:")) URL.revokeObjectURL(link.href);
  link.href = URL.createObjectURL(new Blob([csv], {type: "text/csv"}));
  shownCourse = {layout, rows};
  section.hidden = false;
  drawCourse();
  translatePage();
}

let shownCourse = null;
function drawCourse() {
  if (!shownCourse) return;
  const box = document.getElementById(shownCourse.layout.chart);
  if (box.clientWidth) box.innerHTML = courseChart(shownCourse.layout, shownCourse.rows, box.clientWidth);
}
window.addEventListener("resize", drawCourse);

// Two quantities against the distillate collected, a strength on the left
// axis (0..100) and a temperature on the right; a vertical line where one
// part of the course gives way to the next, each part named over its span.
// Drawn at the width it is shown at, so that its texts keep their size on a
// phone; on a narrow chart the two axes' titles take a line each.
function courseChart(layout, rows, width) {
  const W = Math.round(Math.min(Math.max(width, 240), 704)), H = Math.round(Math.max(240, W * 0.6));
  const narrow = W < 520, L = 40, R = 46, T = narrow ? 52 : 34, B = 40;
  const x = rows.map((r) => Number(r[layout.x]));
  const xMax = Math.max(...x, 1e-9);
  const left = rows.map((r) => Number(r[layout.left.column]));
  const right = rows.map((r) => Number(r[layout.right.column]));
  const rMin = Math.floor(Math.min(...right)), rMax = Math.ceil(Math.max(...right));
  const px = (v) => L + (v / xMax) * (W - L - R);
  const pl = (v) => T + (1 - v / 100) * (H - T - B);
  const pr = (v) => T + (1 - (v - rMin) / Math.max(rMax - rMin, 1e-9)) * (H - T - B);
  const line = (ys, map, cls) =>
    `<polyline class="${cls}" points="${ys.map((y, i) => px(x[i]).toFixed(1) + "," + map(y).toFixed(1)).join(" ")}"/>`;
  const label = (source, cls, attrs) => `<text class="${cls}" ${attrs} data-tr="${source}">${tr(source)}</text>`;
  let grid = "";
  for (let i = 0; i <= 4; i++) {
    const p = 25 * i, t = rMin + ((rMax - rMin) * i) / 4, xv = (xMax * i) / 4;
    grid += `<line class="grid" x1="${L}" x2="${W - R}" y1="${pl(p)}" y2="${pl(p)}"/>` +
      `<text x="${L - 4}" y="${pl(p) + 4}" text-anchor="end" class="${layout.left.cls}">${p}</text>` +
      `<text x="${W - R + 4}" y="${pr(t) + 4}" class="${layout.right.cls}">${t.toFixed(1)}</text>` +
      `<text x="${px(xv)}" y="${H - B + 16}" text-anchor="middle">${xv.toPrecision(3)}</text>`;
  }
  // The parts: from one change of the part's column to the next.
  let marks = "", from = 0;
  const name = (part, to) => {
    const cx = Math.min(Math.max((px(from) + px(to)) / 2, L + 30), W - R - 30); // kept inside the plot
    if (layout.parts[part]) marks += label(layout.parts[part], "part", `x="${cx.toFixed(1)}" y="${T + 34}" text-anchor="middle"`);
  };
  for (let i = 1; i < rows.length; i++) {
    if (rows[i][layout.part] === rows[i - 1][layout.part]) continue;
    const cx = px(x[i - 1]).toFixed(1);
    marks += `<line class="cut" x1="${cx}" x2="${cx}" y1="${T}" y2="${H - B}"/>`;
    name(rows[i - 1][layout.part], x[i - 1]);
    from = x[i - 1];
  }
  if (rows.length) name(rows[rows.length - 1][layout.part], x[x.length - 1]);
  return `<svg viewBox="0 0 ${W} ${H}" role="img" aria-label="${tr(layout.title)}">` + grid +
    `<rect class="frame" x="${L}" y="${T}" width="${W - L - R}" height="${H - T - B}"/>` +
    line(left, pl, layout.left.cls) + line(right, pr, layout.right.cls) + marks +
    label(layout.xLabel, "", `x="${(L + W - R) / 2}" y="${H - 6}" text-anchor="middle"`) +
    label(layout.left.label, layout.left.cls, `x="${L}" y="${narrow ? T - 26 : T - 8}"`) +
    label(layout.right.label, layout.right.cls, `x="${W - R}" y="${T - 8}" text-anchor="end"`) + "</svg>";
}

// ---- start ----

document.getElementById("lang").addEventListener("change", (event) => {
  lang = event.target.value;
  localStorage.setItem(LANG_KEY, lang);
  translatePage();
});
translatePage();

if ("serviceWorker" in navigator) navigator.serviceWorker.register("sw.js");

if (page && pageName !== "index") {
  for (const button of page.querySelectorAll("button.calc")) {
    button.disabled = true;
    button.addEventListener("click", () => click(Number(button.id)));
  }
  // Enter in a field presses the page's default button, as in the window;
  // a page without one does nothing.
  page.addEventListener("input", (event) => {
    calculated.delete(event.target.id);
    event.target.classList.remove("stale");
    if (event.target.getAttribute("aria-describedby") === "stale") event.target.removeAttribute("aria-describedby");
  });
  page.addEventListener("keydown", (event) => {
    if (event.key !== "Enter" || event.target.tagName !== "INPUT" || !core) return;
    const button = page.querySelector("button.calc[data-default]");
    event.preventDefault();
    if (button && !button.disabled) button.click();
  });
  BrevimoCore().then((module) => {
    core = module;
    apply(core.show(pageName), 0);
    if (pageName === "CPP_PlanPeregon") showPlan(); // the page opens with its example planned
    // A choice is a click on the page, as in the window: the page may
    // answer it (the mixing page's mode switches its fields).
    for (const choice of page.querySelectorAll("input[type=radio], input[type=checkbox]")) {
      choice.addEventListener("change", () => apply(core.click(pageName, Number(choice.id), state()), 0));
    }
    for (const button of page.querySelectorAll("button.calc")) button.disabled = false;
    page.dataset.readyAt = String(performance.now());
    page.dataset.ready = "1";
  });
}
