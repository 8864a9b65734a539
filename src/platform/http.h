#pragma once
// One plain HTTP/1.1 exchange with a web server: a fresh connection per call, nothing kept between calls.
#include <cstddef>
#include <string>
#include <vector>

struct HttpExchange {
  std::string agent;                 // User-Agent
  std::string host;                  // name or address, no scheme, no port
  int port = 80;
  std::string method;                // "GET" or "POST"
  std::string target;                // request target, sent as given (bytes a URL cannot hold are escaped)
  std::vector<std::string> headers;  // "Name: value" lines added to the request
  std::string body;                  // sent with its length as Content-Length when the method is POST
  long stallSeconds = 60;            // the exchange is abandoned after this long without a byte moving
  size_t maxBody = 64u << 20;        // the answer's body is cut here and the transfer ends
};

struct HttpReply {
  unsigned error = 0;  // 0, or the platform's code of the failure (no connection, broken transfer, stall)
  int status = 0;      // the answer's status code, 0 when none arrived
  std::string body;    // the answer's body as far as it arrived, at most maxBody bytes
};

HttpReply HttpSend(const HttpExchange& exchange);
