#pragma once
// The system's fixed texts, written readably in UTF-8 and handed to the rest of the program as text in
// the ANSI code page, which is what the exam site compares and shows byte for byte.
#include <string>
#include <string_view>

// A fixed UTF-8 text in the ANSI code page.
std::string AnsiText(std::string_view utf8);

// Title of the exam window; also names the single-instance channel.
inline constexpr std::string_view APP_TITLE = "中级职称无纸化考试模拟系统 －Brenvale";

// The message table: texts shown to the user in message boxes, by their resource number.
inline constexpr int MSG_CLOSE_CONFIRM = 130;
inline constexpr int MSG_PORTS_BUSY = 131;
inline constexpr int MSG_UPDATE_PROMPT = 135;
inline constexpr int MSG_SERVER_FOLDER_MISSING = 136;
inline constexpr int MSG_CONFIG_MISSING = 137;
inline constexpr int MSG_SERVER_NOT_STARTED = 138;

// The message with that number in the ANSI code page; empty for an unknown number.
std::string MessageString(int id);

// Caption of the update prompt.
inline constexpr std::string_view UPDATE_PROMPT_CAPTION = "升级到新版本";

// Feedback texts of the scorers, by subsystem.

// -- Scoring run
inline constexpr std::string_view FEEDBACK_ITEM_END = "<br>";
inline constexpr std::string_view SCORING_FAILED = "该题评分出错，未能完成评分";
// -- Windows operation scorer
inline constexpr std::string_view WINDOWS_FILES_MISSING = "相关文件不存在";
inline constexpr std::string_view WINDOWS_NOT_DETECTED = "没有检测到";
inline constexpr std::string_view WINDOWS_MOVE_OPERATION = "移动操作";
inline constexpr std::string_view WINDOWS_NOT_ON_DESKTOP = "没有在桌面上检测到";
inline constexpr std::string_view WINDOWS_SHORTCUT = "的快捷方式";
inline constexpr std::string_view WINDOWS_SHORTCUT_FAILED = "的快捷方式检测出错";
inline constexpr std::string_view WINDOWS_DELETE_OPERATION = "删除操作";
inline constexpr std::string_view WINDOWS_NOT_COPIED = "：文件不是复制过来的";
// -- Word scorer
// -- Excel scorer
// -- Web server
// Stands between message 136 and the server folder it names.
inline constexpr std::string_view SERVER_FOLDER_SEPARATOR = "：";
