// The first look at a request, before the HTTP library sees it: the head
// (request line and headers) is collected under fixed limits and judged on
// its own, so that a request the server will refuse is answered at once,
// without reading its body and without holding a thread while it trickles in.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "tools/viewer/serve_address.h"

namespace scenario::viewer {

// The longest request line (method, target, version) and the longest head.
// The page's own requests are a small fraction of both.
constexpr size_t kMaxRequestLine = 4096;
constexpr size_t kMaxRequestHead = 16384;

struct HeadVerdict {
  // 0: keep collecting bytes; 200: a complete head the server may answer
  // (the first `head_size` bytes are the head); otherwise the refusal's
  // status, with `why` for the answer's body.
  int status = 0;
  size_t head_size = 0;
  std::string why;
};

// Judges the bytes received so far on a connection, in this order: a request
// line longer than kMaxRequestLine (414), a head longer than kMaxRequestHead
// (431), a malformed head (400), a method other than GET (405), a Host that
// does not name `served` (403), and a request with a body (413: the server
// answers GET only and reads no body).
HeadVerdict JudgeHead(std::string_view received, const ServeAddress& served);

// Whether a head that has grown from `before` bytes may now be whole (an
// empty line came) or has passed a limit: only then need it be judged
// again, so that a head trickling in a byte at a time costs each byte's
// worth of work rather than a look at the whole head.
bool HeadWorthJudging(std::string_view received, size_t before);

// The head without its Accept-Encoding lines: the server sends everything
// as it is. Compressing (the HTTP library would, the scene at the slowest
// setting) takes far longer than sending over the loopback, and the pages
// of many tabs would wait for one another.
std::string WithoutAcceptEncoding(std::string_view head);

// A complete answer to a refused request; the connection closes after it.
std::string RefusalResponse(const HeadVerdict& verdict);

}  // namespace scenario::viewer
