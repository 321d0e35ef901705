// Where every accepted connection waits for its request head: one thread
// polls them all, so that idle, slow or hostile clients hold no answering
// thread. A complete head that passes JudgeHead goes on to be answered; a
// refused one is answered here at once and its body is never read; a head
// that is not complete in time, or a connection idle for too long, is
// closed. After an answer the connection comes back here to wait for the
// next request of its keep-alive.
#pragma once

#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tools/viewer/serve_address.h"

namespace scenario::viewer {

// How long a connection may wait for a request's first byte, how long its
// whole head may take after that, and how many may wait at once (past that
// the longest waiting is closed).
constexpr std::chrono::seconds kIdleTimeout{5};
constexpr std::chrono::seconds kHeadTimeout{5};
constexpr size_t kMaxWaitingConnections = 512;

// A connection with a complete, acceptable head, and the bytes that came
// after it (the start of the next request, if the client sent one early).
struct AcceptedRequest {
  int fd = -1;
  std::string head;
  std::string rest;
};

class ConnectionGate {
 public:
  using Dispatch = std::function<void(AcceptedRequest)>;

  ConnectionGate(ServeAddress served, Dispatch dispatch);
  ~ConnectionGate();
  ConnectionGate(const ConnectionGate&) = delete;
  ConnectionGate& operator=(const ConnectionGate&) = delete;

  // A newly accepted connection, or one back after an answer with the bytes
  // already read past its last request. Closes the socket when stopped.
  void Admit(int fd, std::string received = "");
  // Closes every waiting connection and ends the thread.
  void Stop();

 private:
  struct Waiting;
  void Run();
  void Wake();

  ServeAddress served_;
  Dispatch dispatch_;
  int wake_[2] = {-1, -1};
  std::mutex mutex_;
  std::vector<AcceptedRequest> incoming_;
  bool stopped_ = false;
  std::thread thread_;
};

}  // namespace scenario::viewer
