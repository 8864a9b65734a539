#include "scoring/scoring_run.h"

#include "app/mbcs.h"
#include "scoring/http_client.h"

namespace {

constexpr size_t kSettingBuffer = 260;
constexpr const char* kTypes[] = {"word", "excel", "windows"};

std::string Setting(const IniFile& config, const char* key) {
  std::string value;
  config.ReadString("server", key, value, kSettingBuffer);
  return value;
}

}  // namespace

void RunScoring(const IniFile& config, int port, const ScorerContext& context, const std::string& segment) {
  RunScoring(config, port, context.webRoot, ScorerEntry(context), segment);
}

void RunScoring(const IniFile& config, int port, const std::string& webRoot, const ScorerCall& scorer,
                const std::string& segment) {
  std::string host = Setting(config, "interface_url");
  std::string listPath = Setting(config, "interface_type");
  std::string reportPath = Setting(config, "interface_score");
  std::string exam(TrimBlanks(segment));
  if (exam.empty()) exam = "exam";
  for (const char* type : kTypes) {
    std::string record = HttpGet(host, port, listPath + exam + "/type/" + type);
    ResultRecord result;
    int score = ScoreQuestion(result, webRoot, record, type, scorer);
    HttpPost(host, port, reportPath,
             HttpFields{{"bid", result[RESULT_BID]},
                        {"msg", result[RESULT_MSG]},
                        {"rid", result[RESULT_RID]},
                        {"rs", result[RESULT_RS]},
                        {"score", std::to_string(score)},
                        {"type", type}});
  }
}
