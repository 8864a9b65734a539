#include "window/navigation.h"

#include <string_view>

#include "app/mbcs.h"

namespace {

constexpr std::string_view kOpenCommand = "javascript:void('fn=";
constexpr size_t kOpenCommandTail = 3;  // the closing quote, parenthesis and semicolon: ');
constexpr std::string_view kBankMark = "#bank_";

// ASCII letters lowered; the second byte of a double-byte character is left alone.
std::string LowerCase(std::string_view text) {
  std::string lower(text);
  for (size_t i = 0; i < lower.size(); ++i) {
    if (IsLeadByte(lower[i])) ++i;
    else if (lower[i] >= 'A' && lower[i] <= 'Z') lower[i] = static_cast<char>(lower[i] - 'A' + 'a');
  }
  return lower;
}

// The hand-in segment: what follows the prefix and the one character after it, up to the next '/';
// empty when no '/' follows.
std::string HandInSegment(const std::string& url, size_t prefixLength) {
  if (url.size() <= prefixLength + 1) return std::string();
  std::string rest = url.substr(prefixLength + 1);
  size_t slash = rest.find('/');
  return slash == std::string::npos ? std::string() : rest.substr(0, slash);
}

}  // namespace

void HandleNavigation(const std::string& url, const std::string& baseUrl, const std::string& checkUrl,
                      const NavigationCommands& commands) {
  if (LowerCase(std::string_view(url).substr(0, kOpenCommand.size())) == kOpenCommand) {
    std::string tail = url.substr(kOpenCommand.size());
    commands.openOperationFile(tail.size() < kOpenCommandTail ? std::string()
                                                              : tail.substr(0, tail.size() - kOpenCommandTail));
  }
  std::string prefix = baseUrl + checkUrl;
  if (url.compare(0, prefix.size(), prefix) == 0 && url.find(kBankMark) == std::string::npos)
    commands.runScoring(HandInSegment(url, prefix.size()));
}
