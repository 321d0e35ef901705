#include "tools/viewer/request_head.h"

#include <algorithm>
#include <cctype>

namespace scenario::viewer {

namespace {

HeadVerdict Refused(int status, std::string why) { return HeadVerdict{status, 0, std::move(why)}; }

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

// The end of the head: just past the empty line (CRLF or bare LF endings).
size_t HeadEnd(std::string_view received) {
  for (size_t i = received.find('\n'); i != std::string_view::npos; i = received.find('\n', i + 1)) {
    if (i + 1 < received.size() && received[i + 1] == '\n') return i + 2;
    if (i + 2 < received.size() && received[i + 1] == '\r' && received[i + 2] == '\n') return i + 3;
  }
  return std::string_view::npos;
}

}  // namespace

HeadVerdict JudgeHead(std::string_view received, const ServeAddress& served) {
  const size_t line_end = received.find('\n');
  if ((line_end == std::string_view::npos ? received.size() : line_end) > kMaxRequestLine) {
    return Refused(414, "the request line is longer than " + std::to_string(kMaxRequestLine) + " bytes");
  }
  const size_t end = HeadEnd(received);
  if (end == std::string_view::npos ? received.size() > kMaxRequestHead : end > kMaxRequestHead) {
    return Refused(431, "the request head is longer than " + std::to_string(kMaxRequestHead) + " bytes");
  }
  if (end == std::string_view::npos) return {};

  const std::string_view line = Trimmed(received.substr(0, line_end));
  const size_t space = line.find(' ');
  const size_t last_space = line.rfind(' ');
  if (space == std::string_view::npos || last_space == space || line.substr(0, space).empty()) {
    return Refused(400, "a malformed request line");
  }
  const std::string_view version = line.substr(last_space + 1);
  if (version != "HTTP/1.1" && version != "HTTP/1.0") return Refused(400, "only HTTP/1.0 and 1.1 are answered");
  if (line.substr(0, space) != "GET") return Refused(405, "only GET is answered here");

  int hosts = 0;
  bool host_ok = false;
  bool body = false;
  for (size_t at = line_end + 1; at < end;) {
    const size_t next = received.find('\n', at);
    const std::string_view header = Trimmed(received.substr(at, next - at));
    at = next + 1;
    if (header.empty()) break;
    const size_t colon = header.find(':');
    if (colon == std::string_view::npos || colon == 0) return Refused(400, "a malformed header line");
    const std::string_view name = header.substr(0, colon);
    const std::string_view value = Trimmed(header.substr(colon + 1));
    if (SameName(name, "Host")) {
      ++hosts;
      host_ok = HostAllowed(value, served);
    } else if (SameName(name, "Content-Length")) {
      body = body || value.find_first_not_of('0') != std::string_view::npos;
    } else if (SameName(name, "Transfer-Encoding")) {
      body = true;
    }
  }
  if (hosts != 1 || !host_ok) return Refused(403, "refused: the Host header does not name " + ServeUrl(served));
  if (body) return Refused(413, "no request body is read here");
  return HeadVerdict{200, end, ""};
}

bool HeadWorthJudging(std::string_view received, size_t before) {
  const size_t from = before >= 2 ? before - 2 : 0;
  for (size_t i = received.find('\n', from); i != std::string_view::npos; i = received.find('\n', i + 1)) {
    const std::string_view next = received.substr(i + 1, 2);
    if (next.substr(0, 1) == "\n" || next == "\r\n") return true;
  }
  return (before <= kMaxRequestLine && received.size() > kMaxRequestLine) || received.size() > kMaxRequestHead;
}

std::string WithoutAcceptEncoding(std::string_view head) {
  std::string out;
  out.reserve(head.size());
  for (size_t at = 0; at < head.size();) {
    const size_t next = std::min(head.find('\n', at), head.size() - 1) + 1;
    const std::string_view line = head.substr(at, next - at);
    const size_t colon = line.find(':');
    if (at == 0 || colon == std::string_view::npos || !SameName(Trimmed(line.substr(0, colon)), "Accept-Encoding")) {
      out += line;
    }
    at = next;
  }
  return out;
}

std::string RefusalResponse(const HeadVerdict& verdict) {
  static const std::pair<int, const char*> kReasons[] = {
      {400, "Bad Request"},         {403, "Forbidden"},
      {405, "Method Not Allowed"},  {408, "Request Timeout"},
      {413, "Payload Too Large"},   {414, "URI Too Long"},
      {431, "Request Header Fields Too Large"}, {503, "Service Unavailable"}};
  const char* reason = "Refused";
  for (const auto& [status, text] : kReasons) {
    if (status == verdict.status) reason = text;
  }
  const std::string body = verdict.why + "\n";
  std::string out = "HTTP/1.1 " + std::to_string(verdict.status) + " " + reason + "\r\n";
  if (verdict.status == 405) out += "Allow: GET\r\n";
  out += "Content-Type: text/plain; charset=utf-8\r\nX-Content-Type-Options: nosniff\r\nConnection: close\r\n";
  out += "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
  return out;
}

}  // namespace scenario::viewer
