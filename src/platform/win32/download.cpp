#include "platform/download.h"

#include <windows.h>
#include <wininet.h>

#include <cstdlib>
#include <string>

namespace {

// The executable's file name without its extension, sent as the user agent.
std::string AgentName() {
  char buffer[MAX_PATH + 1] = {};
  std::string exe(buffer, GetModuleFileNameA(nullptr, buffer, MAX_PATH));
  size_t slash = exe.find_last_of('\\');
  std::string name = slash == std::string::npos ? exe : exe.substr(slash + 1);
  return name.substr(0, name.rfind('.'));
}

DownloadHead QueryHead(HINTERNET request) {
  DownloadHead head;
  DWORD status = 0;
  DWORD size = sizeof status;
  if (HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr))
    head.status = static_cast<int>(status);
  char text[256] = {};
  size = sizeof text - 1;
  if (HttpQueryInfoA(request, HTTP_QUERY_CONTENT_RANGE, text, &size, nullptr)) head.contentRange.assign(text, size);
  size = sizeof text - 1;
  if (HttpQueryInfoA(request, HTTP_QUERY_CONTENT_LENGTH, text, &size, nullptr))
    head.contentLength = std::strtoll(text, nullptr, 10);
  return head;
}

bool Transfer(HINTERNET request, DownloadReceiver& receiver) {
  if (!receiver.Head(QueryHead(request))) return false;
  std::string buffer(DOWNLOAD_PIECE_SIZE, '\0');
  for (;;) {
    DWORD read = 0;
    if (!InternetReadFile(request, buffer.data(), static_cast<DWORD>(buffer.size()), &read)) return false;
    if (read == 0) return true;
    if (!receiver.Piece(std::string_view(buffer.data(), read))) return false;
    Sleep(DOWNLOAD_PAUSE_MS);
  }
}

}  // namespace

bool Download(const std::string& url, long long rangeFrom, DownloadReceiver& receiver) {
  HINTERNET session = InternetOpenA(AgentName().c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
  if (!session) return false;
  std::string headers = rangeFrom > 0 ? "Range: bytes=" + std::to_string(rangeFrom) + "-\r\n" : std::string();
  DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_TRANSFER_BINARY;
  HINTERNET request = InternetOpenUrlA(session, url.c_str(), headers.empty() ? nullptr : headers.c_str(),
                                       static_cast<DWORD>(headers.size()), flags, 1);
  bool ok = request && Transfer(request, receiver);
  if (request) InternetCloseHandle(request);
  InternetCloseHandle(session);
  return ok;
}
