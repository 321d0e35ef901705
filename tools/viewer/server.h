// The viewer's HTTP server: the page's files, the scene, the status, the
// plan of the part in view and the event stream, answered to GET requests
// whose Host names the served address, and to nothing else. It reads no
// file: everything it sends is built into the executable or held by the
// live view (the folder's opening, SetOpener, is the command's own doing).
//
// Connections wait in the ConnectionGate until their request head is whole
// and acceptable; only then does a thread answer them, through the HTTP
// library's routing. Each run of the server has an identity of its own, sent
// beside the versions, so that a page can tell a restarted server (whose
// versions start again) from the one it knew.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "app/status.h"
#include "tools/viewer/live_view.h"
#include "tools/viewer/serve_address.h"

namespace httplib {
class ThreadPool;
}

namespace scenario::viewer {

class AnsweringServer;
class ConnectionGate;

class ViewerServer {
 public:
  explicit ViewerServer(LiveView& view);
  ~ViewerServer();
  ViewerServer(const ViewerServer&) = delete;
  ViewerServer& operator=(const ViewerServer&) = delete;

  // Binds (port 0: any free port) and answers in threads of its own; says
  // why when the address cannot be bound.
  Status Start(const ServeAddress& address);
  // The address as bound, with the real port.
  const ServeAddress& bound() const { return bound_; }
  // Before Start: answers GET /open-descriptions?instance=ID (the page's
  // "open as descriptions") with what `open` returns, one at a time. The
  // request changes files, so it must carry this run's instance, which only
  // a page of this server knows; without it, or without `open`, it is
  // refused.
  void SetOpener(std::function<std::string()> open) { open_ = std::move(open); }
  // Ends the event streams and the server; waits for its threads.
  void Stop();

 private:
  void AddRoutes();
  void Answer(int fd, std::string head, std::string rest);

  LiveView& view_;
  ServeAddress bound_;
  const std::string instance_;
  std::unique_ptr<AnsweringServer> server_;
  std::unique_ptr<ConnectionGate> gate_;
  std::unique_ptr<httplib::ThreadPool> answering_;
  std::atomic<int> event_streams_{0};
  std::function<std::string()> open_;
  std::mutex opening_;
  std::thread thread_;
};

}  // namespace scenario::viewer
