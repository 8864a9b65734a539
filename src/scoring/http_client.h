#pragma once
// The host's two requests to the local exam site: fetch a text, post form fields. Both block until the
// answer has been read, never throw, and always return a text.
#include <map>
#include <string>

// Form fields; a std::map keeps them in ascending byte order of their names, the order they are sent in.
using HttpFields = std::map<std::string, std::string>;

// GET "/" + path (a slash is always put in front). The body for status 200, else the empty string; after a
// broken transfer, what had arrived. The body is cut at 64 MB; 60 s without a byte abandons the request.
std::string HttpGet(std::string host, int port, std::string path);

// POST to `path` exactly as given, the fields as an application/x-www-form-urlencoded body (names and
// values percent-encoded). The body for status 200, the empty string for any other status, and
// "Internet Exception\r\nm_dwError<code>,m_dwContextError1" when the exchange failed.
std::string HttpPost(std::string host, int port, std::string path, HttpFields fields);

// The fields as a form body: name=value pairs joined by '&', bytes other than letters, digits and "*-._"
// percent-encoded, blanks as '+'.
std::string FormBody(const HttpFields& fields);
