// SPDX-License-Identifier: GPL-3.0-or-later
#include "output.h"

#include "calc_command.h"
#include "number_format.h"
#include "quoted_text.h"

#include "calc/distillation.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <ostream>

namespace brevimo::cli {

Answer Malformed(std::string message) {
  Answer a;
  a.status = ExitUsage;
  a.message = std::move(message);
  return a;
}

namespace {

// Never throws: a byte that is not UTF-8 (there should be none) becomes U+FFFD.
std::string JsonString(const std::string& text) {
  return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string JsonObject(const Results& results, int digits) {
  std::string text = "{";
  for (const auto& [name, value] : results) {
    if (text.size() > 1) text += ',';
    text += JsonString(name) + ':' + FormatNumber(value, digits);
  }
  return text + '}';
}

std::string JsonArray(const std::vector<Results>& rows, int digits) {
  std::string text = "[";
  for (const Results& row : rows)
    text += (text.size() > 1 ? "," : "") + JsonObject(row, digits);
  return text + ']';
}

} // namespace

int Write(const Answer& a, std::ostream& out, std::ostream& err) {
  const std::string message = ValidUtf8(a.message);
  if (a.status == ExitUsage) {
    err << "brevimo-calc: " << message << "\nRun with --help for more information.\n";
    return ExitUsage;
  }
  if (a.status == ExitRefused) {
    err << message << '\n';
    if (a.json) out << "{\"error\":" << JsonString(message) << "}\n";
    return ExitRefused;
  }
  if (!a.text.empty()) {
    out << a.text;
  } else if (a.isSteps && a.json) {
    out << JsonArray(a.steps, a.digits) << '\n';
  } else if (a.isSteps) {
    // The header: the rows' keys (a run's are the results file's columns).
    if (a.steps.empty()) {
      out << DistillationFile::kHeader;
    } else {
      const Results& first = a.steps.front();
      for (std::size_t i = 0; i < first.size(); ++i)
        out << (i ? "\t" : "") << first[i].first;
      out << '\n';
    }
    for (const Results& row : a.steps) {
      for (const auto& [name, value] : row)
        out << (&row.front().second == &value ? "" : "\t") << FormatNumber(value, a.digits);
      out << '\n';
    }
  } else if (a.json) {
    out << JsonObject(a.results, a.digits) << '\n';
  } else {
    for (const auto& [name, value] : a.results)
      out << name << ' ' << FormatNumber(value, a.digits) << '\n';
  }
  return ExitOk;
}

std::string BatchLine(const Answer& a, bool json, int digits, long line) {
  if (a.status != ExitOk) {
    std::string message = ValidUtf8(a.message);
    if (json)
      return "{\"error\":" + JsonString(message) + ",\"line\":" + std::to_string(line) + "}";
    std::replace(message.begin(), message.end(), '\n', ' ');
    std::replace(message.begin(), message.end(), '\t', ' ');
    return "error=" + message + "\tline=" + std::to_string(line);
  }
  if (json) return a.isSteps ? JsonArray(a.steps, digits) : JsonObject(a.results, digits);
  std::string text;
  for (const auto& [name, value] : a.results)
    text += (text.empty() ? "" : "\t") + name + '=' + FormatNumber(value, digits);
  return text;
}

} // namespace brevimo::cli
