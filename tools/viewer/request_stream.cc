#include "tools/viewer/request_stream.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace scenario::viewer {

namespace {

bool WaitWritable(int fd) {
  pollfd p{fd, POLLOUT, 0};
  const int ms = static_cast<int>(std::chrono::milliseconds(kWriteTimeout).count());
  int ready;
  do {
    ready = ::poll(&p, 1, ms);
  } while (ready < 0 && errno == EINTR);
  return ready > 0 && (p.revents & POLLOUT);
}

void Describe(const sockaddr_storage& address, std::string& ip, int& port) {
  char text[INET6_ADDRSTRLEN] = "";
  if (address.ss_family == AF_INET6) {
    const auto& a = reinterpret_cast<const sockaddr_in6&>(address);
    ::inet_ntop(AF_INET6, &a.sin6_addr, text, sizeof text);
    port = ntohs(a.sin6_port);
  } else {
    const auto& a = reinterpret_cast<const sockaddr_in&>(address);
    ::inet_ntop(AF_INET, &a.sin_addr, text, sizeof text);
    port = ntohs(a.sin_port);
  }
  ip = text;
}

}  // namespace

bool RequestStream::is_writable() const { return WaitWritable(fd_); }

ssize_t RequestStream::read(char* ptr, size_t size) {
  const size_t n = std::min(size, head_.size() - read_);
  std::memcpy(ptr, head_.data() + read_, n);
  read_ += n;
  return static_cast<ssize_t>(n);
}

ssize_t RequestStream::write(const char* ptr, size_t size) {
  for (;;) {
    const ssize_t sent = ::send(fd_, ptr, size, MSG_NOSIGNAL | MSG_DONTWAIT);
    if (sent >= 0) return sent;
    if (errno == EINTR) continue;
    if ((errno != EAGAIN && errno != EWOULDBLOCK) || !WaitWritable(fd_)) return -1;
  }
}

void RequestStream::get_remote_ip_and_port(std::string& ip, int& port) const {
  sockaddr_storage address{};
  socklen_t length = sizeof address;
  if (::getpeername(fd_, reinterpret_cast<sockaddr*>(&address), &length) == 0) Describe(address, ip, port);
}

void RequestStream::get_local_ip_and_port(std::string& ip, int& port) const {
  sockaddr_storage address{};
  socklen_t length = sizeof address;
  if (::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) == 0) Describe(address, ip, port);
}

}  // namespace scenario::viewer
