// SPDX-License-Identifier: GPL-3.0-or-later
// The pages' calculations for the web pages' JavaScript (embind): one page
// object per class name, fed with the fields' texts and choices by control
// ID, answering with what the page shows and the messages it gave.
#include "page_exchange.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdlib>
#include <map>

using emscripten::val;

namespace brevimo::web {
namespace {

Page* PageOf(const std::string& className) {
  static std::map<std::string, std::unique_ptr<Page>> pages;
  auto it = pages.find(className);
  if (it == pages.end()) it = pages.emplace(className, MakePage(className)).first;
  return it->second.get();
}

std::vector<int> Ids(const val& object) {
  std::vector<int> ids;
  if (object.isUndefined() || object.isNull()) return ids;
  const val keys = val::global("Object").call<val>("keys", object);
  const int n = keys["length"].as<int>();
  for (int i = 0; i < n; ++i)
    ids.push_back(std::atoi(keys[i].as<std::string>().c_str()));
  return ids;
}

Exchange FromJs(const val& state) {
  Exchange x;
  const val text = state["text"], choice = state["choice"], readOnly = state["readOnly"];
  for (int id : Ids(text))
    x.text[id] = text[std::to_string(id)].as<std::string>();
  for (int id : Ids(choice))
    x.choice[id] = choice[std::to_string(id)].as<int>();
  if (!readOnly.isUndefined()) {
    const int n = readOnly["length"].as<int>();
    for (int i = 0; i < n; ++i)
      x.readOnly.insert(readOnly[i].as<int>());
  }
  return x;
}

val ToJs(const Exchange& x) {
  val out = val::object(), text = val::object(), choice = val::object(), messages = val::array();
  for (const auto& [id, t] : x.text)
    text.set(std::to_string(id), t);
  for (const auto& [id, c] : x.choice)
    choice.set(std::to_string(id), c);
  for (const std::string& m : x.messages)
    messages.call<void>("push", m);
  out.set("text", text);
  out.set("choice", choice);
  out.set("messages", messages);
  out.set("failed", x.failed);
  return out;
}

val Show(const std::string& className) {
  Exchange x;
  Page* page = PageOf(className);
  if (page) page->Show(x);
  return ToJs(x);
}

val Click(const std::string& className, int id, const val& state) {
  Exchange x = FromJs(state);
  if (Page* page = PageOf(className)) page->Click(id, x);
  return ToJs(x);
}

// The last run's steps as the results file has them, with its header; the
// separator "," gives CSV, "\t" the file itself.
std::string RunSteps(const std::string& className, const std::string& separator) {
  Page* page = PageOf(className);
  const DistillationRun* run = page ? page->LastRun() : nullptr;
  if (!run) return {};
  const char sep = separator.empty() ? '\t' : separator[0];
  std::string out;
  for (const DistillationColumn& c : kDistillationColumns) {
    if (!out.empty()) out += sep;
    out += c.name;
  }
  out += '\n';
  char row[DistillationFile::kRowCapacity];
  for (const DistillationStep& step : run->steps)
    out.append(row, DistillationFile::FormatRow(step, row, sep));
  return out;
}

} // namespace
} // namespace brevimo::web

EMSCRIPTEN_BINDINGS(brevimo) {
  emscripten::function("show", &brevimo::web::Show);
  emscripten::function("click", &brevimo::web::Click);
  emscripten::function("runSteps", &brevimo::web::RunSteps);
}
