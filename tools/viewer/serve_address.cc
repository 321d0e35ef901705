#include "tools/viewer/serve_address.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <vector>

namespace scenario::viewer {

namespace {

std::string Lower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
  return out;
}

// "[::1]" for an IPv6 address, the name or IPv4 address as it is.
std::string UrlHost(std::string_view host) {
  return host.find(':') != std::string_view::npos ? "[" + std::string(host) + "]" : std::string(host);
}

}  // namespace

StatusOr<ServeAddress> ParseServeAddress(std::string_view text) {
  ServeAddress parsed;
  std::string_view port = text;
  if (!text.empty() && text.front() == '[') {
    const size_t close = text.find("]:");
    if (close == std::string_view::npos) return Status::Error("'" + std::string(text) + "' is not [HOST:]PORT");
    parsed.host = std::string(text.substr(1, close - 1));
    port = text.substr(close + 2);
  } else if (const size_t colon = text.rfind(':'); colon != std::string_view::npos) {
    parsed.host = std::string(text.substr(0, colon));
    port = text.substr(colon + 1);
  }
  if (parsed.host.empty()) return Status::Error("'" + std::string(text) + "' names no host before the colon");
  int value = -1;
  auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), value);
  if (port.empty() || error != std::errc() || end != port.data() + port.size() || value < 0 || value > 65535) {
    return Status::Error("'" + std::string(port) + "' is not a port number (0 to 65535)");
  }
  parsed.port = value;
  return parsed;
}

bool IsLoopback(std::string_view host) {
  const std::string lower = Lower(host);
  return lower == "localhost" || lower == "::1" || lower.starts_with("127.");
}

bool HostAllowed(std::string_view host_header, const ServeAddress& bound) {
  const std::string given = Lower(host_header);
  const std::string port = std::to_string(bound.port);
  std::vector<std::string> hosts{Lower(UrlHost(bound.host))};
  if (IsLoopback(bound.host)) hosts.insert(hosts.end(), {"127.0.0.1", "localhost", "[::1]"});
  for (const std::string& host : hosts) {
    if (given == host + ":" + port) return true;
    if (bound.port == 80 && given == host) return true;
  }
  return false;
}

std::string ServeUrl(const ServeAddress& bound) {
  return "http://" + UrlHost(bound.host) + ":" + std::to_string(bound.port) + "/";
}

}  // namespace scenario::viewer
