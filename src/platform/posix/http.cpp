#include "platform/http.h"

#include <curl/curl.h>

#include <cstdio>
#include <memory>

namespace {

struct Sink {
  std::string* body;
  size_t maxBody;
  bool cut = false;
};

size_t Append(char* data, size_t size, size_t count, void* user) {
  Sink& sink = *static_cast<Sink*>(user);
  size_t bytes = size * count;
  size_t room = sink.maxBody - sink.body->size();
  if (bytes > room) {
    sink.body->append(data, room);
    sink.cut = true;
    return 0;  // ends the transfer
  }
  sink.body->append(data, bytes);
  return bytes;
}

// The target as a URL path: bytes that cannot stand in a URL (blanks, controls, '#', 8-bit text) are
// escaped, everything else goes out exactly as given.
std::string EscapeTarget(const std::string& target) {
  std::string out;
  for (unsigned char c : target) {
    if (c <= 0x20 || c >= 0x7F || c == '#' || c == '"' || c == '<' || c == '>') {
      char hex[4];
      std::snprintf(hex, sizeof hex, "%%%02X", c);
      out += hex;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

struct CurlDeleter {
  void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
struct SlistDeleter {
  void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

}  // namespace

HttpReply HttpSend(const HttpExchange& exchange) {
  static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
  HttpReply reply;
  std::unique_ptr<CURL, CurlDeleter> curl(initialised ? curl_easy_init() : nullptr);
  if (!curl) {
    reply.error = CURLE_FAILED_INIT;
    return reply;
  }
  CURL* c = curl.get();
  std::string url = "http://" + exchange.host + ":" + std::to_string(exchange.port) + "/";
  std::string target = exchange.target.empty() ? "/" : EscapeTarget(exchange.target);
  // curl's own defaults that the request must not carry: an Accept line and the 100-continue handshake.
  std::unique_ptr<curl_slist, SlistDeleter> headers(curl_slist_append(nullptr, "Expect:"));
  bool hasAccept = false;
  for (const std::string& line : exchange.headers) {
    headers.reset(curl_slist_append(headers.release(), line.c_str()));
    hasAccept = hasAccept || line.rfind("Accept:", 0) == 0;
  }
  if (!hasAccept) headers.reset(curl_slist_append(headers.release(), "Accept:"));

  Sink sink{&reply.body, exchange.maxBody};
  curl_easy_setopt(c, CURLOPT_URL, url.c_str());
  curl_easy_setopt(c, CURLOPT_REQUEST_TARGET, target.c_str());  // as given: no slash added, nothing folded
  curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http");
  curl_easy_setopt(c, CURLOPT_USERAGENT, exchange.agent.c_str());
  curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());
  curl_easy_setopt(c, CURLOPT_NOPROXY, "localhost,127.0.0.1,::1");
  curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, exchange.stallSeconds);
  curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, Append);
  curl_easy_setopt(c, CURLOPT_WRITEDATA, &sink);
  if (exchange.method == "POST") {
    curl_easy_setopt(c, CURLOPT_POST, 1L);
    curl_easy_setopt(c, CURLOPT_POSTFIELDS, exchange.body.data());
    curl_easy_setopt(c, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(exchange.body.size()));
  }
  CURLcode result = curl_easy_perform(c);
  long status = 0;
  curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
  reply.status = static_cast<int>(status);
  if (result != CURLE_OK && !(result == CURLE_WRITE_ERROR && sink.cut)) reply.error = result;
  return reply;
}
