#pragma once
// What to do with a package download's answer, given the bytes the .tmp file already holds. The request
// asked for the bytes from the .tmp file's size on; a server may ignore that, answer only part of it, or
// fail, and none of that may corrupt the package.
#include <string_view>

#include "platform/download.h"

enum class BodyAction {
  Append,           // 206 whose Content-Range starts at the .tmp file's size: the body continues the file
  Restart,          // 200: the body is the whole package; the .tmp file starts again from zero
  AlreadyComplete,  // 416 whose Content-Range says the package has exactly the .tmp file's size
  Refuse,           // anything else: the body is not written
};

BodyAction DecideBody(const DownloadHead& head, long long tmpSize);

// The size the .tmp file has once an answer handled with `action` is fully written, when the answer
// announces it (the total of its Content-Range, or the start plus Content-Length); -1 when it does not.
long long ExpectedPackageSize(const DownloadHead& head, BodyAction action);

// A download is complete when the transfer ended without error, the .tmp file is not empty, and it has the
// announced size where one was announced.
bool PackageComplete(bool transferOk, long long expectedSize, long long tmpSize);
