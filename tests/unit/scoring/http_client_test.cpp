#include "scoring/http_client.h"

#include <gtest/gtest.h>

#include <chrono>

#include "platform/http.h"
#include "platform/net.h"
#include "support/loopback_server.h"

namespace {

LoopbackServer::Answer Always(const std::string& response) {
  return [response](const std::string&) { return response; };
}

std::string RequestLine(const std::string& request) { return request.substr(0, request.find("\r\n")); }

int UnusedPort() {
  for (int port = 47000; port < 48000; ++port)
    if (CanBindPort(port)) return port;
  return 0;
}

}  // namespace

TEST(HttpGet, PutsOneSlashBeforeThePathAndSendsItUnchanged) {
  struct Case {
    std::string path, requestLine;
  } cases[] = {
      {"logout.php", "GET /logout.php HTTP/1.1"},
      {"exam/type/word", "GET /exam/type/word HTTP/1.1"},
      {"/exam/type/word", "GET //exam/type/word HTTP/1.1"},
      {"a/../b", "GET /a/../b HTTP/1.1"},
      {"", "GET / HTTP/1.1"},
  };
  for (const Case& c : cases) {
    LoopbackServer server(Always(LoopbackServer::Response("200 OK", "12|1001.doc|7")));
    EXPECT_EQ(HttpGet("127.0.0.1", server.Port(), c.path), "12|1001.doc|7") << c.path;
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(RequestLine(server.Requests()[0]), c.requestLine);
  }
}

TEST(HttpGet, NamesTheProgramAsAgent) {
  LoopbackServer server(Always(LoopbackServer::Response("200 OK", "")));
  HttpGet("127.0.0.1", server.Port(), "x");
  EXPECT_NE(server.Requests().at(0).find("\r\nUser-Agent: unit_tests\r\n"), std::string::npos);
}

TEST(HttpGet, OnlyStatus200YieldsTheBody) {
  for (const char* status : {"404 Not Found", "500 Internal Server Error", "302 Found", "204 No Content"}) {
    LoopbackServer server(Always(LoopbackServer::Response(status, "error page")));
    EXPECT_EQ(HttpGet("127.0.0.1", server.Port(), "x"), "") << status;
    EXPECT_EQ(HttpPost("127.0.0.1", server.Port(), "/x", {{"a", "1"}}), "") << status;
  }
}

TEST(HttpGet, ReadsLongAndChunkedBodiesWhole) {
  std::string body;
  for (int i = 0; body.size() < 300000; ++i) body += std::to_string(i) + ",";
  LoopbackServer plain(Always(LoopbackServer::Response("200 OK", body)));
  EXPECT_EQ(HttpGet("127.0.0.1", plain.Port(), "x"), body);
  EXPECT_EQ(HttpPost("127.0.0.1", plain.Port(), "/x", {}), body);

  LoopbackServer chunked(Always("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n6\r\n world\r\n0\r\n\r\n"));
  EXPECT_EQ(HttpGet("127.0.0.1", chunked.Port(), "x"), "hello world");
}

TEST(HttpGet, BrokenServersGiveTheEmptyText) {
  LoopbackServer closesAtOnce(Always(""));
  EXPECT_EQ(HttpGet("127.0.0.1", closesAtOnce.Port(), "x"), "");
  LoopbackServer garbage(Always("this is not http\r\n\r\n"));
  EXPECT_EQ(HttpGet("127.0.0.1", garbage.Port(), "x"), "");
  EXPECT_EQ(HttpGet("127.0.0.1", UnusedPort(), "x"), "");
  EXPECT_EQ(HttpGet("", UnusedPort(), "x"), "");
}

TEST(HttpGet, KeepsWhatArrivedBeforeTheConnectionBroke) {
  LoopbackServer server(Always("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n12|1001"));
  EXPECT_EQ(HttpGet("127.0.0.1", server.Port(), "x"), "12|1001");
}

TEST(HttpGet, CutsABodyAt64Megabytes) {
  const size_t limit = 64u << 20;
  LoopbackServer server(Always(LoopbackServer::Response("200 OK", std::string(limit + 4096, 'x'))));
  std::string body = HttpGet("127.0.0.1", server.Port(), "x");
  EXPECT_EQ(body.size(), limit);
}

TEST(HttpSend, GivesUpOnAServerThatSendsNothing) {
  LoopbackServer server([](const std::string&) { return std::nullopt; });
  HttpExchange exchange;
  exchange.host = "127.0.0.1";
  exchange.port = server.Port();
  exchange.method = "GET";
  exchange.target = "/x";
  exchange.stallSeconds = 1;
  auto start = std::chrono::steady_clock::now();
  HttpReply reply = HttpSend(exchange);
  EXPECT_NE(reply.error, 0u);
  EXPECT_EQ(reply.status, 0);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

TEST(HttpPost, SendsTheFieldsEncodedInNameOrderWithTheTwoHeaders) {
  LoopbackServer server(Always(LoopbackServer::Response("200 OK", "ok")));
  HttpFields fields{{"type", "word"}, {"score", "8"}, {"rs", "1"}, {"rid", "12"},
                    {"msg", "\xB8\xF1\xCA\xBD<br>a&b=c+d%e f"}, {"bid", "7"}};
  EXPECT_EQ(HttpPost("127.0.0.1", server.Port(), "/index.php/score", fields), "ok");
  const std::string request = server.Requests().at(0);
  const std::string body = "bid=7&msg=%B8%F1%CA%BD%3Cbr%3Ea%26b%3Dc%2Bd%25e+f&rid=12&rs=1&score=8&type=word";
  EXPECT_EQ(RequestLine(request), "POST /index.php/score HTTP/1.1");
  const std::vector<std::string> lines{"Accept: text*/*", "Content-Type: application/x-www-form-urlencoded",
                                       "User-Agent: session", "Content-Length: " + std::to_string(body.size())};
  for (const std::string& line : lines)
    EXPECT_NE(request.find("\r\n" + line + "\r\n"), std::string::npos) << line;
  EXPECT_EQ(request.find("Expect:"), std::string::npos);
  EXPECT_EQ(request.substr(request.find("\r\n\r\n") + 4), body);
}

TEST(HttpPost, UsesThePathExactlyAsGiven) {
  LoopbackServer server(Always(LoopbackServer::Response("200 OK", "")));
  HttpPost("127.0.0.1", server.Port(), "save.php", {});
  HttpPost("127.0.0.1", server.Port(), "//save.php", {});
  EXPECT_EQ(RequestLine(server.Requests().at(0)), "POST save.php HTTP/1.1");
  EXPECT_EQ(RequestLine(server.Requests().at(1)), "POST //save.php HTTP/1.1");
  EXPECT_EQ(server.Requests().at(0).substr(server.Requests().at(0).find("\r\n\r\n") + 4), "");
}

TEST(HttpPost, ReportsAFailedExchangeAsTheErrorText) {
  const std::string refused = HttpPost("127.0.0.1", UnusedPort(), "/x", {{"a", "1"}});
  EXPECT_EQ(refused, "Internet Exception\r\nm_dwError7,m_dwContextError1");
  LoopbackServer closesAtOnce(Always(""));
  const std::string closed = HttpPost("127.0.0.1", closesAtOnce.Port(), "/x", {{"a", "1"}});
  EXPECT_EQ(closed.rfind("Internet Exception\r\nm_dwError", 0), 0u) << closed;
  EXPECT_TRUE(closed.ends_with(",m_dwContextError1"));
}

TEST(FormBody, EncodesEveryByteButTheUnreservedOnes) {
  EXPECT_EQ(FormBody({}), "");
  EXPECT_EQ(FormBody({{"a", "1"}, {"b", "x y"}}), "a=1&b=x+y");
  EXPECT_EQ(FormBody({{"k", "AZaz09*-._~!'()/?:;\r\n\x80\xFF"}}), "k=AZaz09*-._%7E%21%27%28%29%2F%3F%3A%3B%0D%0A%80%FF");
}
