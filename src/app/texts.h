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

// The candidate's working folders: the default of [personal_exam] path, and the folder always created.
inline constexpr std::string_view DEFAULT_CANDIDATE_FOLDER = "C:\\考生文件夹";
inline constexpr std::string_view WORK_FOLDER = "C:\\WORK";

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
inline constexpr std::string_view WORD_FILE_MISSING = "未找到相应文件";
inline constexpr std::string_view WORD_NOT_STARTED = "未能启动word";
inline constexpr std::string_view WORD_PARAGRAPH_COUNT_WRONG = "段落数目错误：可能没有合并或拆分段落。";
inline constexpr std::string_view WORD_NO_TABLE = "没有插入表格";
inline constexpr std::string_view WORD_ROW_COUNT_WRONG = "表格行数错误";
inline constexpr std::string_view WORD_COLUMN_COUNT_WRONG = "表格列数错误";
inline constexpr std::string_view WORD_CELL_LABEL = "第%d行第%d列";
inline constexpr std::string_view WORD_TITLE_LABEL = "标题";
inline constexpr std::string_view WORD_PARAGRAPH_LABEL = "第%d段";
inline constexpr std::string_view WORD_FIRST_LINE = "首行";
// -- Excel scorer
inline constexpr std::string_view EXCEL_FILES_MISSING = "未找到相应文件";
inline constexpr std::string_view EXCEL_NOT_STARTED = "未能启动excel";
inline constexpr std::string_view EXCEL_TITLE_ROW_LABEL = "标题行";
inline constexpr std::string_view EXCEL_TITLE_LABEL = "标题";
inline constexpr std::string_view EXCEL_INSERT_LABEL = "插入行";
inline constexpr std::string_view EXCEL_TABLE_LABEL = "表格";
inline constexpr std::string_view EXCEL_CELL_EMPTY = "没有内容";
inline constexpr std::string_view EXCEL_ROW_NOT_DELETED = "没有删除指定的行";
inline constexpr std::string_view EXCEL_ROW_BEFORE = "第";
inline constexpr std::string_view EXCEL_ROW_AFTER = "行";
inline constexpr std::string_view EXCEL_ROW_COLON = "：";
inline constexpr std::string_view EXCEL_EMPTY_CAUSE_BEFORE = "因表格";
inline constexpr std::string_view EXCEL_EMPTY_CAUSE_AFTER = "计算结果为空导致";
inline constexpr std::string_view EXCEL_TABLE_BORDER_LABEL = "表格内容边框";
inline constexpr std::string_view EXCEL_SHADING_COLOR_WRONG = "底纹颜色有误";
inline constexpr std::string_view EXCEL_SHADING_PATTERN_WRONG = "底纹图案有误";
inline constexpr std::string_view EXCEL_COLUMN_AFTER = "列";
inline constexpr std::string_view EXCEL_BORDER_LABEL = "边框";
inline constexpr std::string_view EXCEL_CHART_LABEL = "图表";
// -- Web server
// Stands between message 136 and the server folder it names.
inline constexpr std::string_view SERVER_FOLDER_SEPARATOR = "：";
