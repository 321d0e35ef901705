#include "tools/viewer/server.h"

#include <httplib.h>

#include "tools/viewer/page_files.h"
#include "tools/viewer/plan_points.h"

namespace scenario::viewer {

namespace {

// Event streams send a comment this often, so that a closed page is noticed.
constexpr std::chrono::seconds kEventKeepAlive{10};
// Each open page holds one thread for its event stream, and browsers keep a
// few connections open besides.
constexpr size_t kServerThreads = 32;

void Refuse(httplib::Response& res, int status, const std::string& why) {
  res.status = status;
  res.set_content(why + "\n", "text/plain; charset=utf-8");
}

void SetJson(httplib::Response& res, const std::string& json) {
  res.set_header("Cache-Control", "no-store");
  res.set_content(json, "application/json");
}

std::string StatusDocument(const ViewSnapshot& s) {
  return "{\"version\":" + std::to_string(s.version) + ",\"scene_version\":" + std::to_string(s.scene_version) +
         ",\"status\":" + *s.status_json + "}";
}

std::string EventFor(const ViewSnapshot& s) {
  return "data: {\"version\":" + std::to_string(s.version) + ",\"scene_version\":" +
         std::to_string(s.scene_version) + "}\n\n";
}

}  // namespace

ViewerServer::ViewerServer(LiveView& view) : view_(view), server_(std::make_unique<httplib::Server>()) {}

ViewerServer::~ViewerServer() { Stop(); }

Status ViewerServer::Start(const ServeAddress& address) {
  bound_ = address;
  server_->new_task_queue = [] { return new httplib::ThreadPool(kServerThreads); };
  AddRoutes();
  const int port = address.port == 0 ? server_->bind_to_any_port(address.host)
                                     : (server_->bind_to_port(address.host, address.port) ? address.port : -1);
  if (port < 0) {
    return Status::Error("cannot serve on " + address.host + ":" + std::to_string(address.port) +
                         " (the address is taken or not this machine's)");
  }
  bound_.port = port;
  thread_ = std::thread([this] { server_->listen_after_bind(); });
  return Status::OK();
}

void ViewerServer::Stop() {
  view_.Close();
  if (server_) server_->stop();
  if (thread_.joinable()) thread_.join();
}

void ViewerServer::AddRoutes() {
  httplib::Server& s = *server_;
  // Every request passes here first: only GET, only with the served Host.
  s.set_pre_routing_handler([this](const httplib::Request& req, httplib::Response& res) {
    if (req.method != "GET") {
      res.set_header("Allow", "GET");
      Refuse(res, 405, "only GET is answered here");
      return httplib::Server::HandlerResponse::Handled;
    }
    if (!HostAllowed(req.get_header_value("Host"), bound_)) {
      Refuse(res, 403, "refused: the Host header does not name " + ServeUrl(bound_));
      return httplib::Server::HandlerResponse::Handled;
    }
    res.set_header("X-Content-Type-Options", "nosniff");
    res.set_header("Content-Security-Policy", "default-src 'self'; style-src 'self'; img-src 'self' data:");
    return httplib::Server::HandlerResponse::Unhandled;
  });
  s.set_error_handler([](const httplib::Request&, httplib::Response& res) {
    if (res.body.empty()) Refuse(res, res.status, res.status == 404 ? "no such page" : "refused");
  });

  s.Get("/", [](const httplib::Request&, httplib::Response& res) {
    const PageFile* page = FindPageFile("index.html");
    res.set_content(std::string(page->bytes), std::string(page->content_type).c_str());
  });
  for (size_t i = 0; i < PageFileCount(); ++i) {
    const PageFile& file = PageFileAt(i);
    s.Get("/" + std::string(file.name), [&file](const httplib::Request&, httplib::Response& res) {
      res.set_content(std::string(file.bytes), std::string(file.content_type).c_str());
    });
  }
  s.Get("/scene", [this](const httplib::Request&, httplib::Response& res) {
    const ViewSnapshot snapshot = view_.Current();
    res.set_header("X-Scene-Version", std::to_string(snapshot.scene_version));
    SetJson(res, *snapshot.scene_json);
  });
  s.Get("/status", [this](const httplib::Request&, httplib::Response& res) {
    SetJson(res, StatusDocument(view_.Current()));
  });
  s.Get("/plan", [this](const httplib::Request& req, httplib::Response& res) {
    PlanRequest request;
    if (!ParsePlanRequest(req.get_param_value("from"), req.get_param_value("to"), req.get_param_value("px"),
                          &request)) {
      Refuse(res, 400, "/plan wants from, to (route positions, m) and px (pixels), whole numbers");
      return;
    }
    const ViewSnapshot snapshot = view_.Current();
    if (!snapshot.folder) {
      SetJson(res, PlanJson({}, 1));
      return;
    }
    const std::vector<PlanPoint> points = ReducePlan(snapshot.folder->route.route, request);
    const int64_t step = points.size() > 1 ? points[1].row - points[0].row : 1;
    SetJson(res, PlanJson(points, step));
  });
  s.Get("/events", [this](const httplib::Request&, httplib::Response& res) {
    res.set_header("Cache-Control", "no-store");
    auto sent = std::make_shared<int64_t>(-1);
    res.set_chunked_content_provider("text/event-stream", [this, sent](size_t, httplib::DataSink& sink) {
      if (*sent >= 0) view_.WaitForChange(*sent, kEventKeepAlive);
      if (view_.closed()) return false;
      const ViewSnapshot snapshot = view_.Current();
      const std::string event = snapshot.version != *sent ? EventFor(snapshot) : std::string(":\n\n");
      *sent = snapshot.version;
      return sink.write(event.data(), event.size());
    });
  });
}

}  // namespace scenario::viewer
