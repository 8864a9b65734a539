#include "app/texts.h"

#include "platform/codepage.h"

std::string AnsiText(std::string_view utf8) { return Utf8ToAnsi(utf8); }

std::string MessageString(int id) {
  switch (id) {
    case MSG_CLOSE_CONFIRM: return AnsiText("确定要退出模考系统？");
    case MSG_PORTS_BUSY: return AnsiText("程序所需使用端口被占用，请停止使用端口后再启动本程序(错误代码:-2)！");
    case MSG_UPDATE_PROMPT: return AnsiText("已下载了模考系统最新版本的程序，是否更新当前版本？");
    case MSG_SERVER_FOLDER_MISSING: return AnsiText("程序找不到服务器目录(错误代码:-3)");
    case MSG_CONFIG_MISSING: return AnsiText("程序找不到配制文件(错误代码:-1)");
    case MSG_SERVER_NOT_STARTED: return AnsiText("服务器未能启动(错误代码:-4)");
    default: return std::string();
  }
}
