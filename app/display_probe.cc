#include "app/display_probe.h"

#include <netdb.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstddef>
#include <cstring>

namespace scenario {

namespace {

// X servers listen on TCP port 6000 + display number.
constexpr int kFirstTcpPort = 6000;

int ConnectLocal(const std::string& path, bool abstract) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  // The abstract name is the path behind a zero byte.
  const size_t offset = abstract ? 1 : 0;
  if (path.size() + offset >= sizeof address.sun_path) return -1;
  std::memcpy(address.sun_path + offset, path.data(), path.size());
  const socklen_t length =
      static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size() + (abstract ? 0 : 1));
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return -1;
  if (connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0) return fd;
  close(fd);
  return -1;
}

int ConnectTcp(const std::string& host, int port) {
  addrinfo hints{};
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) return -1;
  int connected = -1;
  for (addrinfo* a = found; a != nullptr && connected < 0; a = a->ai_next) {
    const int fd = socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
    if (fd < 0) continue;
    if (connect(fd, a->ai_addr, a->ai_addrlen) == 0) {
      connected = fd;
    } else {
      close(fd);
    }
  }
  freeaddrinfo(found);
  return connected;
}

}  // namespace

DisplayAddress ParseDisplay(const std::string& display) {
  DisplayAddress address;
  // [host]:number[.screen]; a host in brackets is an IPv6 address.
  const size_t colon = display.rfind(':');
  if (colon == std::string::npos) return address;
  std::string host = display.substr(0, colon);
  const std::string rest = display.substr(colon + 1);
  const size_t digits = rest.find_first_not_of("0123456789");
  const std::string number = rest.substr(0, digits);
  if (number.empty() || number.size() > 5) return address;
  if (digits != std::string::npos && rest[digits] != '.') return address;
  if (host.empty() || host == "unix") {
    address.local_path = "/tmp/.X11-unix/X" + number;
    return address;
  }
  if (host.size() > 2 && host.front() == '[' && host.back() == ']') host = host.substr(1, host.size() - 2);
  address.host = host;
  address.port = kFirstTcpPort + std::stoi(number);
  return address;
}

int ConnectToDisplay(const char* display) {
  if (display == nullptr || *display == '\0') return -1;
  const DisplayAddress address = ParseDisplay(display);
  if (!address.local_path.empty()) {
    // Xlib tries the abstract socket first, then the file.
    const int fd = ConnectLocal(address.local_path, true);
    return fd >= 0 ? fd : ConnectLocal(address.local_path, false);
  }
  if (!address.host.empty()) return ConnectTcp(address.host, address.port);
  return -1;
}

}  // namespace scenario
