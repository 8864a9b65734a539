#pragma once
// Fetching an address over HTTP for the update thread: the answer's status and headers first, then the body
// in pieces as they arrive, with a short pause after each piece so a download never takes the whole line.
#include <cstddef>
#include <string>
#include <string_view>

inline constexpr size_t DOWNLOAD_PIECE_SIZE = 48000;  // at most this many bytes per piece
inline constexpr int DOWNLOAD_PAUSE_MS = 10;          // pause after every piece

struct DownloadHead {
  int status = 0;
  std::string contentRange;      // the Content-Range header, empty when absent
  long long contentLength = -1;  // the announced length of the body, -1 when not announced
};

class DownloadReceiver {
 public:
  virtual ~DownloadReceiver() = default;
  // Called once, before the first piece of the body (or at the end when the body is empty). False ends
  // the transfer.
  virtual bool Head(const DownloadHead& head) = 0;
  // Called for each piece of the body. False ends the transfer.
  virtual bool Piece(std::string_view bytes) = 0;
};

// GET `url` from the server itself (no cache), with the header "Range: bytes=<rangeFrom>-" when rangeFrom
// is greater than 0; redirects are followed and the system's proxy settings used. True when the whole
// answer arrived without error and the receiver never ended it; false for any failure (no connection,
// malformed address, transfer broken in the middle), possibly after some pieces were delivered.
bool Download(const std::string& url, long long rangeFrom, DownloadReceiver& receiver);
