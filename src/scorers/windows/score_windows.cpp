#include <algorithm>
#include <climits>
#include <string_view>

#include "app/ini_file.h"
#include "app/mbcs.h"
#include "app/texts.h"
#include "platform/desktop_folder.h"
#include "platform/file_attributes.h"
#include "platform/files.h"
#include "platform/recycle_bin.h"
#include "platform/shortcut.h"
#include "scorers/windows/document_text.h"
#include "scoring/message_file.h"
#include "scoring/scorer_entry.h"
#include "scoring/split_set.h"
#include "window/split_string.h"

namespace {

// Value sizes of the criteria keys (buffers of n bytes hold n - 1 characters).
constexpr size_t kListBuffer = 256;
constexpr size_t kPathListBuffer = 1040;
constexpr size_t kPathBuffer = 260;
constexpr size_t kContentBuffer = 1024;
// An item count above this is read as this many items, so a wrong count cannot keep the run busy.
constexpr int kMaxItems = 1000;

constexpr std::string_view kDesktopPrefix = "DESKTOP";

struct Attribute {
  std::string_view name;
  unsigned bit;
};
constexpr Attribute kAttributes[] = {{"hide", ATTRIBUTE_HIDDEN},
                                     {"system", ATTRIBUTE_SYSTEM},
                                     {"readonly", ATTRIBUTE_READONLY},
                                     {"archive", ATTRIBUTE_ARCHIVE}};

bool HasDesktopPrefix(const std::string& path) { return path.starts_with(kDesktopPrefix); }

std::string WithDesktop(const std::string& path) {
  return HasDesktopPrefix(path) ? GetDesktopFolder() + path.substr(kDesktopPrefix.size()) : path;
}

// One feedback item: its parts, then "<br>".
std::string Item(std::string_view first, const std::string& second = std::string(),
                 std::string_view third = std::string_view()) {
  std::string item = std::string(first) + second + std::string(third);
  item += FEEDBACK_ITEM_END;
  return item;
}

// One call of the scorer: the criteria and message-text files, the running total and the feedback.
class WindowsScoring {
 public:
  WindowsScoring(const ScorerContext& context, const std::string& criteriaPath)
      : context_(context), criteria_(criteriaPath), messages_(OpenMessageFile(criteria_, context.webRoot)) {}

  int Maximum() const { return Int("score", "all_score"); }
  std::set<std::string> Todo() const { return SplitSet(String("todo", "item", kListBuffer), ','); }
  long long Total() const { return total_; }
  const std::string& Feedback() const { return feedback_; }

  void IfExist();
  void Move();
  void Shortcut();
  void Delete();
  void Attr();
  void Content();

 private:
  std::string String(std::string_view section, const std::string& key, size_t size) const {
    std::string value;
    criteria_.ReadString(section, key, value, size);
    return value;
  }
  int Int(std::string_view section, const std::string& key) const {
    int value = INI_ABSENT;
    criteria_.ReadInt(section, key, value);
    return value;
  }
  // An absent item score counts as 1.
  int Points(const std::string& key) const {
    int value = Int("score", key);
    return value == INI_ABSENT ? 1 : value;
  }
  // A bonus counts only when it is greater than 0.
  void AddBonus(const std::string& key) { total_ += std::max(Int("score", key), 0); }
  int Count(std::string_view section, const char* key) const {
    return std::min(Int(section, key), kMaxItems);
  }
  std::string Message(std::string_view key) const { return MessageText(messages_, key); }

  const ScorerContext& context_;
  IniFile criteria_;
  IniFile messages_;
  long long total_ = 0;
  std::string feedback_;
};

void WindowsScoring::IfExist() {
  for (int i = 1, n = Count("if_exist", "num"); i <= n; ++i) {
    std::string index = std::to_string(i);
    bool allFound = true;
    for (const std::string& listed : SplitString(String("if_exist", "item_" + index, kPathListBuffer), ',')) {
      std::string path = WithDesktop(listed);
      if (PathExists(path)) continue;
      allFound = false;
      feedback_ += Item(path, Message("exist"));
    }
    if (allFound) total_ += Points("if_exist_item_" + index);
  }
}

void WindowsScoring::Move() {
  int n = Count("move", "num");
  bool allMoved = true;
  for (int i = 1; i <= n; ++i) {
    std::string index = std::to_string(i);
    std::string source = WithDesktop(String("move", "src_" + index, kPathBuffer));
    std::string target = WithDesktop(String("move", "target_" + index, kPathBuffer));
    if (!PathExists(source) && PathExists(target)) {
      total_ += Points("move_src_" + index);
    } else {
      allMoved = false;
      feedback_ += Item(AnsiText(WINDOWS_NOT_DETECTED), source, AnsiText(WINDOWS_MOVE_OPERATION));
    }
  }
  if (n > 0 && allMoved) AddBonus("move");
}

void WindowsScoring::Shortcut() {
  int n = Count("shortcut", "num");
  bool allFound = true;
  for (int i = 1; i <= n; ++i) {
    std::string index = std::to_string(i);
    std::string expected = String("shortcut", "shortcut_" + index, kPathBuffer);
    std::string listed = String("shortcut", "target_" + index, kPathBuffer);
    bool onDesktop = HasDesktopPrefix(listed);
    std::string link = WithDesktop(listed);
    std::string target;
    if (!PathExists(link)) {
      allFound = false;
      feedback_ += Item(AnsiText(onDesktop ? WINDOWS_NOT_ON_DESKTOP : WINDOWS_NOT_DETECTED), expected,
                        AnsiText(WINDOWS_SHORTCUT));
    } else if (!ResolveShortcut(link, target)) {
      allFound = false;
      feedback_ += Item(expected, AnsiText(WINDOWS_SHORTCUT_FAILED));
    } else if (target == expected) {
      total_ += Points("shortcut_" + index);
    } else {
      allFound = false;
      feedback_ += Item(AnsiText(WINDOWS_NOT_DETECTED), expected, AnsiText(WINDOWS_SHORTCUT));
    }
  }
  if (n > 0 && allFound) AddBonus("shortcut");
}

void WindowsScoring::Delete() {
  for (int i = 1, n = Count("delete", "num"); i <= n; ++i) {
    std::string index = std::to_string(i);
    std::string name = String("delete", "item_" + index, kPathBuffer);
    if (IsInRecycleBin(name)) {
      total_ += Points("delete_item_" + index);
    } else {
      // The last four bytes are meant to be an extension such as ".txt".
      std::string shown = name.size() < 4 ? std::string() : name.substr(0, name.size() - 4);
      feedback_ += Item(AnsiText(WINDOWS_NOT_DETECTED), shown, AnsiText(WINDOWS_DELETE_OPERATION));
    }
  }
}

void WindowsScoring::Attr() {
  bool allCarry = true;
  for (const std::string& name : SplitSet(String("attr", "items", kListBuffer), ',')) {
    int points = Points("attr_" + name);
    const Attribute* attribute = nullptr;
    for (const Attribute& known : kAttributes)
      if (known.name == name) attribute = &known;
    for (const std::string& path : SplitString(String("attr", name, kPathListBuffer), ',')) {
      if (!PathExists(path)) {
        allCarry = false;
      } else if (attribute && (GetFileAttributeBits(path) & attribute->bit)) {
        total_ += points;
      } else if (attribute) {
        allCarry = false;
        feedback_ += Item(path, Message(name));
      }
    }
  }
  if (allCarry) AddBonus("attr");
}

void WindowsScoring::Content() {
  for (int i = 1, n = Count("content", "num"); i <= n; ++i) {
    std::string index = std::to_string(i);
    std::string path = String("content", "fn" + index, kPathBuffer);
    if (!PathExists(path)) continue;
    std::string expected = String("content", "content" + index, kContentBuffer);
    int points = Points("content_fn" + index);
    std::string text;
    ReadDocumentText(context_.startWord, path, text);
    if (TrimBlanks(expected) == TrimBlanks(text)) {
      total_ += points;
    } else if (points == 0) {
      // A copy check: the file should have been copied unchanged.
      total_ -= 1;
      feedback_ += Item(path, Message("content"), AnsiText(WINDOWS_NOT_COPIED));
    } else {
      feedback_ += Item(path, Message("content"));
    }
  }
}

}  // namespace

int ScoreWindows(const ScorerContext& context, const std::string& criteriaPath, int& maximum, int& achieved,
                 std::string& feedback) {
  if (!PathExists(criteriaPath)) {
    feedback += AnsiText(WINDOWS_FILES_MISSING);
    return -2;
  }
  WindowsScoring scoring(context, criteriaPath);
  maximum = scoring.Maximum();
  std::set<std::string> todo = scoring.Todo();
  // The families run in this fixed order, whatever the order of the list.
  if (todo.contains("if_exist")) scoring.IfExist();
  if (todo.contains("move")) scoring.Move();
  if (todo.contains("shortcut")) scoring.Shortcut();
  if (todo.contains("delete")) scoring.Delete();
  if (todo.contains("attr")) scoring.Attr();
  if (todo.contains("content")) scoring.Content();
  if (scoring.Total() >= 0) achieved = static_cast<int>(std::min<long long>(scoring.Total(), INT_MAX));
  feedback += scoring.Feedback();
  return 0;
}
