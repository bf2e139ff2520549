// SPDX-License-Identifier: GPL-3.0-or-later
// The pages for the web pages' JavaScript (embind): the calculator sheet's
// pages over form stores, fed with the fields' texts and choices by control
// ID, answering with what the page shows and the messages it gave.
#include "calc/distillation.h"
#include "calc/run_plan.h"
#include "translations/english_messages.h"
#include "web_sheet.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdlib>

using emscripten::val;

namespace brevimo::web {
namespace {

WebSheet& Sheet() {
  static WebSheet sheet;
  return sheet;
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

FormInput FromJs(const val& state) {
  FormInput input;
  const val text = state["text"], choice = state["choice"];
  for (int id : Ids(text))
    input.text[id] = text[std::to_string(id)].as<std::string>();
  for (int id : Ids(choice))
    input.choice[id] = choice[std::to_string(id)].as<int>();
  return input;
}

val ToJs(const FormState& state) {
  val out = val::object(), text = val::object(), choice = val::object();
  val readOnly = val::array(), disabled = val::array(), messages = val::array();
  for (const auto& [id, t] : state.text)
    text.set(std::to_string(id), t);
  for (const auto& [id, c] : state.choice)
    choice.set(std::to_string(id), c);
  for (int id : state.readOnly)
    readOnly.call<void>("push", id);
  for (int id : state.disabled)
    disabled.call<void>("push", id);
  for (const std::string& m : state.messages)
    messages.call<void>("push", m);
  out.set("text", text);
  out.set("choice", choice);
  out.set("readOnly", readOnly);
  out.set("disabled", disabled);
  out.set("messages", messages);
  out.set("focus", state.focus);
  return out;
}

val Show(const std::string& className) { return ToJs(Sheet().Show(className)); }

val Click(const std::string& className, int id, const val& state) {
  return ToJs(Sheet().Click(className, id, FromJs(state)));
}

// The last run's steps as the results file has them, with its header; the
// separator "," gives CSV, "\t" the file itself.
std::string RunSteps(const std::string& separator) {
  const DistillationRun* run = Sheet().m_Peregon.m_lastRun.get();
  if (!run) return {};
  return DistillationFile::Text(run->steps, separator.empty() ? '\t' : separator[0]);
}

// The last plan's course as the chart window's CSV has it (calc/'s
// writer), with its header; the separator as for RunSteps.
std::string PlanSteps(const std::string& separator) {
  const RunPlan* plan = Sheet().m_PlanPeregon.m_lastPlan.get();
  if (!plan) return {};
  return PlanCourseFile::Text(plan->course, separator.empty() ? '\t' : separator[0]);
}

} // namespace
} // namespace brevimo::web

EMSCRIPTEN_BINDINGS(brevimo) {
  emscripten::function("show", &brevimo::web::Show);
  emscripten::function("click", &brevimo::web::Click);
  emscripten::function("runSteps", &brevimo::web::RunSteps);
  emscripten::function("planSteps", &brevimo::web::PlanSteps);
  emscripten::function("translate", &brevimo::EnglishOf);
}
