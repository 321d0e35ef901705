#include "tools/viewer/connection_gate.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "tools/viewer/request_head.h"

namespace scenario::viewer {

namespace {

using Clock = std::chrono::steady_clock;

// A refused request's answer is followed by this long a wait, with what the
// client still sends thrown away as it comes (into one small buffer), so
// that it can read the answer before the connection closes: closing with
// bytes unread resets the connection, and a client still sending its body
// could lose the answer with it.
constexpr std::chrono::milliseconds kLinger{1000};

void CloseSocket(int fd) {
  ::shutdown(fd, SHUT_RDWR);
  ::close(fd);
}

}  // namespace

struct ConnectionGate::Waiting {
  int fd;
  std::string received;
  Clock::time_point since;
  Clock::time_point deadline;
  bool lingering = false;
  bool fresh = true;  // to be judged: new, back with bytes, or grown (HeadWorthJudging)
};

ConnectionGate::ConnectionGate(ServeAddress served, Dispatch dispatch)
    : served_(std::move(served)), dispatch_(std::move(dispatch)) {
  if (::pipe2(wake_, O_NONBLOCK | O_CLOEXEC) != 0) wake_[0] = wake_[1] = -1;
  thread_ = std::thread([this] { Run(); });
}

ConnectionGate::~ConnectionGate() { Stop(); }

void ConnectionGate::Admit(int fd, std::string received) {
  {
    std::lock_guard lock(mutex_);
    if (!stopped_) {
      incoming_.push_back({fd, std::move(received), ""});
      fd = -1;
    }
  }
  if (fd >= 0) CloseSocket(fd);
  Wake();
}

void ConnectionGate::Stop() {
  {
    std::lock_guard lock(mutex_);
    stopped_ = true;
  }
  Wake();
  if (thread_.joinable()) thread_.join();
  for (int& end : wake_) {
    if (end >= 0) ::close(end);
    end = -1;
  }
}

void ConnectionGate::Wake() {
  const char byte = 0;
  if (wake_[1] >= 0) [[maybe_unused]] auto ignored = ::write(wake_[1], &byte, 1);
}

void ConnectionGate::Run() {
  std::vector<Waiting> waiting;
  std::vector<pollfd> polled;
  char scratch[16384];
  for (;;) {
    std::vector<AcceptedRequest> arrived;
    {
      std::lock_guard lock(mutex_);
      if (stopped_) break;
      arrived.swap(incoming_);
    }
    const Clock::time_point now = Clock::now();
    for (AcceptedRequest& a : arrived) {
      ::fcntl(a.fd, F_SETFL, ::fcntl(a.fd, F_GETFL) | O_NONBLOCK);
      const bool started = !a.head.empty();
      waiting.push_back({a.fd, std::move(a.head), now, now + (started ? kHeadTimeout : kIdleTimeout)});
    }
    // Too many waiting: the ones waiting longest give way.
    std::stable_sort(waiting.begin(), waiting.end(), [](const Waiting& a, const Waiting& b) { return a.since < b.since; });
    while (waiting.size() > kMaxWaitingConnections) {
      CloseSocket(waiting.front().fd);
      waiting.erase(waiting.begin());
    }

    // Judge what is there (a connection back with a whole request needs no
    // poll), close what is out of time, and poll the rest.
    std::vector<Waiting> kept;
    for (Waiting& w : waiting) {
      if (!w.lingering && w.fresh && !w.received.empty()) {
        w.fresh = false;
        const HeadVerdict verdict = JudgeHead(w.received, served_);
        if (verdict.status == 200) {
          dispatch_({w.fd, w.received.substr(0, verdict.head_size), w.received.substr(verdict.head_size)});
          continue;
        }
        if (verdict.status != 0) {
          const std::string answer = RefusalResponse(verdict);
          [[maybe_unused]] auto sent = ::send(w.fd, answer.data(), answer.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
          ::shutdown(w.fd, SHUT_WR);
          w = {w.fd, "", w.since, now + kLinger, true};
        }
      }
      if (now >= w.deadline) {
        if (!w.lingering && !w.received.empty()) {
          const std::string answer = RefusalResponse({408, 0, "the request head took too long"});
          [[maybe_unused]] auto sent = ::send(w.fd, answer.data(), answer.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        }
        CloseSocket(w.fd);
        continue;
      }
      kept.push_back(std::move(w));
    }
    waiting.swap(kept);

    polled.assign(1, pollfd{wake_[0], POLLIN, 0});
    Clock::time_point next = now + std::chrono::seconds(1);
    for (const Waiting& w : waiting) {
      polled.push_back({w.fd, POLLIN, 0});
      next = std::min(next, w.deadline);
    }
    const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(next - Clock::now()).count();
    if (::poll(polled.data(), polled.size(), static_cast<int>(std::max<int64_t>(wait, 0) + 1)) < 0) continue;
    while (::read(wake_[0], scratch, sizeof scratch) > 0) {
    }
    for (size_t i = 1; i < polled.size(); ++i) {
      if (!polled[i].revents) continue;
      Waiting& w = waiting[i - 1];
      // Never more than one byte past the longest head is kept.
      const size_t room = w.lingering ? sizeof scratch : std::min(sizeof scratch, kMaxRequestHead + 1 - w.received.size());
      const ssize_t got = room ? ::recv(w.fd, scratch, room, 0) : 0;
      if (got < 0 && (errno == EAGAIN || errno == EINTR)) continue;
      if (got <= 0) {
        w.deadline = Clock::time_point::min();  // closed on the next turn
        w.lingering = true;
        continue;
      }
      if (w.lingering) continue;
      if (w.received.empty()) w.deadline = Clock::now() + kHeadTimeout;
      const size_t before = w.received.size();
      w.received.append(scratch, static_cast<size_t>(got));
      w.fresh = w.fresh || HeadWorthJudging(w.received, before);
    }
  }
  for (Waiting& w : waiting) CloseSocket(w.fd);
  std::lock_guard lock(mutex_);
  for (AcceptedRequest& a : incoming_) CloseSocket(a.fd);
  incoming_.clear();
}

}  // namespace scenario::viewer
