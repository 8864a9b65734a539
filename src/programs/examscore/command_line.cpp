#include "command_line.h"

std::optional<ScoreCommand> ParseScoreCommand(const std::vector<std::string>& arguments) {
  ScoreCommand command;
  std::vector<std::string> positional;
  bool webRootGiven = false;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--json") {
      command.json = true;
    } else if (argument == "--webroot") {
      if (i + 1 == arguments.size() || webRootGiven) return std::nullopt;
      command.webRoot = arguments[++i];
      webRootGiven = true;
    } else if (argument.starts_with("--")) {
      return std::nullopt;
    } else {
      positional.push_back(argument);
    }
  }
  if (webRootGiven && command.webRoot.empty()) return std::nullopt;
  if (positional.empty()) return std::nullopt;
  command.type = positional[0];
  if ((command.type == "word" || command.type == "excel") && positional.size() == 3) {
    command.document = positional[1];
    command.criteria = positional[2];
  } else if (command.type == "windows" && positional.size() == 2) {
    command.criteria = positional[1];
  } else {
    return std::nullopt;
  }
  return command;
}
