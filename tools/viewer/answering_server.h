// The HTTP library's server with the connection handling taken over: the
// library still binds, accepts and routes, but an accepted connection goes
// to `admit` (the gate) instead of a thread of its own, and a request the
// gate has let through is answered on the calling thread by Answer.
#pragma once

#include <httplib.h>

#include <functional>

namespace scenario::viewer {

class AnsweringServer : public httplib::Server {
 public:
  explicit AnsweringServer(std::function<void(int)> admit);

  // Routes one request read from `stream` and writes its answer; `closed`
  // says whether the client wants the connection closed after it.
  bool Answer(httplib::Stream& stream, bool close_after, bool& closed);
  // The library listens with a short queue; a burst of connections must not
  // be turned away before the gate sees them.
  void LengthenListenQueue();

 private:
  bool process_and_close_socket(socket_t sock) override;

  std::function<void(int)> admit_;
};

}  // namespace scenario::viewer
