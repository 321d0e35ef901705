// The viewer's HTTP server: the page's files, the scene, the status, the
// plan of the part in view and the event stream, answered to GET requests
// whose Host names the served address, and to nothing else. It reads no
// file: everything it sends is built into the executable or held by the
// live view.
#pragma once

#include <memory>
#include <string>
#include <thread>

#include "app/status.h"
#include "tools/viewer/live_view.h"
#include "tools/viewer/serve_address.h"

namespace httplib {
class Server;
}

namespace scenario::viewer {

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
  // Ends the event streams and the server; waits for its threads.
  void Stop();

 private:
  void AddRoutes();

  LiveView& view_;
  ServeAddress bound_;
  std::unique_ptr<httplib::Server> server_;
  std::thread thread_;
};

}  // namespace scenario::viewer
