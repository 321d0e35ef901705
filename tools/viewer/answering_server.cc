#include "tools/viewer/answering_server.h"

#include <sys/socket.h>

namespace scenario::viewer {

namespace {

// The library runs each accepted connection as a task; handing it to the
// gate is quick, so the accepting thread does it itself.
class RunAtOnce : public httplib::TaskQueue {
 public:
  void enqueue(std::function<void()> fn) override { fn(); }
  void shutdown() override {}
};

}  // namespace

AnsweringServer::AnsweringServer(std::function<void(int)> admit) : admit_(std::move(admit)) {
  new_task_queue = [] { return new RunAtOnce; };
}

bool AnsweringServer::Answer(httplib::Stream& stream, bool close_after, bool& closed) {
  return process_request(stream, close_after, closed, nullptr);
}

void AnsweringServer::LengthenListenQueue() {
  const socket_t sock = svr_sock_;
  if (sock != INVALID_SOCKET) ::listen(sock, SOMAXCONN);
}

bool AnsweringServer::process_and_close_socket(socket_t sock) {
  admit_(sock);
  return true;
}

}  // namespace scenario::viewer
