#include "platform/download.h"

#include <curl/curl.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "platform/process.h"

namespace {

// The address with blanks, control characters and bytes above ASCII percent-encoded: the query carries
// values as they are (an OS name with blanks, a version in the ANSI code page), which libcurl would
// refuse.
std::string EscapeUrl(const std::string& url) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string escaped;
  for (unsigned char c : url) {
    if (c <= 0x20 || c >= 0x7F) {
      escaped += '%';
      escaped += kHex[c >> 4];
      escaped += kHex[c & 15];
    } else {
      escaped += static_cast<char>(c);
    }
  }
  return escaped;
}

struct Transfer {
  CURL* curl;
  DownloadReceiver& receiver;
  bool headSent = false;
  bool stopped = false;

  bool SendHead() {
    headSent = true;
    DownloadHead head;
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    head.status = static_cast<int>(status);
    curl_off_t length = -1;
    if (curl_easy_getinfo(curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length) == CURLE_OK) head.contentLength = length;
    curl_header* header = nullptr;
    if (curl_easy_header(curl, "Content-Range", 0, CURLH_HEADER, -1, &header) == CURLHE_OK)
      head.contentRange = header->value;
    return receiver.Head(head);
  }

  bool Deliver(const char* data, size_t size) {
    if (!headSent && !SendHead()) return false;
    for (size_t offset = 0; offset < size; offset += DOWNLOAD_PIECE_SIZE) {
      if (!receiver.Piece(std::string_view(data + offset, std::min(DOWNLOAD_PIECE_SIZE, size - offset))))
        return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(DOWNLOAD_PAUSE_MS));
    }
    return true;
  }
};

size_t OnBody(char* data, size_t, size_t size, void* context) {
  Transfer& transfer = *static_cast<Transfer*>(context);
  if (transfer.Deliver(data, size)) return size;
  transfer.stopped = true;
  return CURL_WRITEFUNC_ERROR;
}

}  // namespace

bool Download(const std::string& url, long long rangeFrom, DownloadReceiver& receiver) {
  static const CURLcode initialised = curl_global_init(CURL_GLOBAL_DEFAULT);
  if (initialised != CURLE_OK) return false;
  CURL* curl = curl_easy_init();
  if (!curl) return false;
  Transfer transfer{curl, receiver};
  std::string escaped = EscapeUrl(url);
  curl_easy_setopt(curl, CURLOPT_URL, escaped.c_str());
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
  std::string agent = GetExeName();
  curl_easy_setopt(curl, CURLOPT_USERAGENT, agent.c_str());
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_BUFFERSIZE, static_cast<long>(DOWNLOAD_PIECE_SIZE));
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, OnBody);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
  curl_slist* headers = curl_slist_append(nullptr, "Cache-Control: no-cache");
  if (rangeFrom > 0) headers = curl_slist_append(headers, ("Range: bytes=" + std::to_string(rangeFrom) + "-").c_str());
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
  CURLcode result = curl_easy_perform(curl);
  bool ok = result == CURLE_OK && !transfer.stopped;
  if (ok && !transfer.headSent) ok = transfer.SendHead();
  curl_slist_free_all(headers);
  curl_easy_cleanup(curl);
  return ok;
}
