#include "score_report.h"

#include <cstdio>
#include <string_view>

namespace {

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

}  // namespace

std::string ReportJson(const ScoreReport& report) {
  std::string json = "{\"type\": " + JsonString(report.type) + ", \"result\": " + std::to_string(report.result) +
                     ", \"maximum\": " + std::to_string(report.maximum) +
                     ", \"achieved\": " + std::to_string(report.achieved) + ", \"rs\": " + JsonString(report.rs) +
                     ", \"msg\": " + JsonString(report.msg);
  if (report.error) json += ", \"error\": " + JsonString(*report.error);
  return json + "}\n";
}

std::string ReportText(const ScoreReport& report) {
  std::string text = "type: " + report.type + "\nresult: " + std::to_string(report.result) +
                     "\nmaximum: " + std::to_string(report.maximum) +
                     "\nachieved: " + std::to_string(report.achieved) + "\nrs: " + report.rs + "\n";
  if (report.error) text += "error: " + *report.error + "\n";
  text += "feedback:\n";
  constexpr std::string_view kItemEnd = "<br>";
  std::string_view rest = report.msg;
  while (!rest.empty()) {
    size_t end = rest.find(kItemEnd);
    text += std::string(rest.substr(0, end)) + "\n";
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + kItemEnd.size());
  }
  return text;
}
