#include "platform/http.h"

#include <windows.h>
#include <wininet.h>

namespace {

struct Handle {
  HINTERNET h;
  ~Handle() {
    if (h) InternetCloseHandle(h);
  }
};

constexpr DWORD kPiece = 10239;

}  // namespace

HttpReply HttpSend(const HttpExchange& exchange) {
  HttpReply reply;
  Handle session{InternetOpenA(exchange.agent.c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0)};
  if (!session.h) {
    reply.error = GetLastError();
    return reply;
  }
  // A server that sends nothing for this long is given up on.
  DWORD stall = static_cast<DWORD>(exchange.stallSeconds * 1000);
  InternetSetOptionA(session.h, INTERNET_OPTION_RECEIVE_TIMEOUT, &stall, sizeof stall);
  Handle connection{InternetConnectA(session.h, exchange.host.c_str(), static_cast<INTERNET_PORT>(exchange.port), "",
                                     "", INTERNET_SERVICE_HTTP, 0, 1)};
  Handle request{connection.h ? HttpOpenRequestA(connection.h, exchange.method.c_str(), exchange.target.c_str(),
                                                 nullptr, nullptr, nullptr, INTERNET_FLAG_EXISTING_CONNECT, 1)
                              : nullptr};
  if (!request.h) {
    reply.error = GetLastError();
    return reply;
  }
  for (const std::string& header : exchange.headers)
    HttpAddRequestHeadersA(request.h, header.c_str(), static_cast<DWORD>(header.size()),
                           HTTP_ADDREQ_FLAG_ADD_IF_NEW);
  void* body = exchange.body.empty() ? nullptr : const_cast<char*>(exchange.body.data());
  if (!HttpSendRequestA(request.h, nullptr, 0, body, static_cast<DWORD>(exchange.body.size()))) {
    reply.error = GetLastError();
    return reply;
  }
  DWORD status = 0, size = sizeof status;
  if (HttpQueryInfoA(request.h, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr))
    reply.status = static_cast<int>(status);
  if (reply.status != 200) return reply;
  char piece[kPiece];
  for (DWORD read = 0; reply.body.size() < exchange.maxBody; reply.body.append(piece, read)) {
    if (!InternetReadFile(request.h, piece, kPiece, &read)) {
      reply.error = GetLastError();
      break;
    }
    if (read == 0) break;
  }
  if (reply.body.size() > exchange.maxBody) reply.body.resize(exchange.maxBody);
  return reply;
}
