#pragma once
// The hand-in: for the types word, excel and windows in turn, ask the exam site for the candidate's
// question, score it and post one score report. Exactly three list requests and three reports, in the
// order list word, report word, list excel, report excel, list windows, report windows.
#include <string>

#include "app/ini_file.h"
#include "scoring/question_dispatcher.h"

// `config` is the exam window's accessor on global.ini ([server] interface_url, interface_type,
// interface_score), `port` the local web port, `segment` the hand-in segment of the URL (trimmed; "exam"
// when empty). A question whose scorer fails is reported as not scored and the run goes on.
void RunScoring(const IniFile& config, int port, const ScorerContext& context, const std::string& segment);

// The same with the scorer entry given, for callers that score through another entry.
void RunScoring(const IniFile& config, int port, const std::string& webRoot, const ScorerCall& scorer,
                const std::string& segment);
