// The HTTP library's view of one request on a connection the gate has
// accepted: the head the gate collected is read from memory (there is no
// body: the gate lets none through), and the answer is written to the
// socket with a time limit on every write, so that a client that stops
// reading frees its thread.
#pragma once

#include <httplib.h>

#include <chrono>
#include <string>

namespace scenario::viewer {

// A write that cannot go on for this long ends the answer.
constexpr std::chrono::seconds kWriteTimeout{5};

class RequestStream : public httplib::Stream {
 public:
  RequestStream(int fd, std::string head) : fd_(fd), head_(std::move(head)) {}

  bool is_readable() const override { return read_ < head_.size(); }
  bool is_writable() const override;
  ssize_t read(char* ptr, size_t size) override;
  ssize_t write(const char* ptr, size_t size) override;
  void get_remote_ip_and_port(std::string& ip, int& port) const override;
  void get_local_ip_and_port(std::string& ip, int& port) const override;
  socket_t socket() const override { return fd_; }

 private:
  int fd_;
  std::string head_;
  size_t read_ = 0;
};

}  // namespace scenario::viewer
