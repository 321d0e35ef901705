// The address given to --serve, [HOST:]PORT, and the Host headers the server
// accepts for it. Without a host the server binds to loopback. A request
// whose Host names anything else is refused: a page of another site that
// makes the browser resolve its own name to this machine must not read the
// scenario.
#pragma once

#include <string>
#include <string_view>

#include "app/status.h"

namespace scenario::viewer {

struct ServeAddress {
  std::string host = "127.0.0.1";  // as bound; an IPv6 address without brackets
  int port = 0;                    // 0: any free port, the bound one is set after binding
};

// "8080", "127.0.0.1:8080", "localhost:0", "0.0.0.0:8080", "[::1]:8080".
StatusOr<ServeAddress> ParseServeAddress(std::string_view text);

// 127.0.0.0/8, "localhost" and ::1.
bool IsLoopback(std::string_view host);

// Whether a request's Host header names the served address: the host as
// bound and the port, in any letter case; for a loopback address also
// 127.0.0.1, localhost and [::1] with the port. The port may be left out
// only when it is 80.
bool HostAllowed(std::string_view host_header, const ServeAddress& bound);

// "http://HOST:PORT/" for the message that tells where to look.
std::string ServeUrl(const ServeAddress& bound);

}  // namespace scenario::viewer
