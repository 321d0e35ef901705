#include "tools/viewer/server.h"

#include <httplib.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <random>

#include "tools/viewer/answering_server.h"
#include "tools/viewer/connection_gate.h"
#include "tools/viewer/page_files.h"
#include "tools/viewer/plan_points.h"
#include "tools/viewer/request_head.h"
#include "tools/viewer/request_stream.h"

namespace scenario::viewer {

namespace {

// Event streams send the current versions this often even when nothing
// changed: a page that hears nothing for longer knows the server is gone.
constexpr std::chrono::seconds kEventBeat{1};
// Each event stream holds a thread for as long as it is open; the pages of
// one browser share one stream, so these are many browsers. Past the limit a
// stream is refused, and the threads beside them answer everything else.
constexpr int kMaxEventStreams = 16;
constexpr size_t kAnsweringThreads = kMaxEventStreams + 8;

void Refuse(httplib::Response& res, int status, const std::string& why) {
  res.status = status;
  res.set_content(why + "\n", "text/plain; charset=utf-8");
}

void SetJson(httplib::Response& res, const std::string& json) {
  res.set_header("Cache-Control", "no-store");
  res.set_content(json, "application/json");
}

std::string NewInstance() {
  std::random_device random;
  const uint64_t id = (uint64_t{random()} << 32) ^ random();
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(id));
  return text;
}

std::string Versions(const std::string& instance, const ViewSnapshot& s) {
  return "\"instance\":\"" + instance + "\",\"version\":" + std::to_string(s.version) +
         ",\"scene_version\":" + std::to_string(s.scene_version);
}

// A count of open event streams that gives its place back when dropped.
struct StreamPlace {
  explicit StreamPlace(std::atomic<int>& count) : count(count) {}
  ~StreamPlace() { --count; }
  std::atomic<int>& count;
};

}  // namespace

ViewerServer::ViewerServer(LiveView& view)
    : view_(view),
      instance_(NewInstance()),
      server_(std::make_unique<AnsweringServer>([this](int fd) { gate_->Admit(fd); })) {}

ViewerServer::~ViewerServer() { Stop(); }

Status ViewerServer::Start(const ServeAddress& address) {
  bound_ = address;
  AddRoutes();
  const int port = address.port == 0 ? server_->bind_to_any_port(address.host)
                                     : (server_->bind_to_port(address.host, address.port) ? address.port : -1);
  if (port < 0) {
    return Status::Error("cannot serve on " + address.host + ":" + std::to_string(address.port) +
                         " (the address is taken or not this machine's)");
  }
  bound_.port = port;
  server_->LengthenListenQueue();
  answering_ = std::make_unique<httplib::ThreadPool>(kAnsweringThreads);
  gate_ = std::make_unique<ConnectionGate>(bound_, [this](AcceptedRequest request) {
    auto* job = new AcceptedRequest(std::move(request));
    answering_->enqueue([this, job] {
      std::unique_ptr<AcceptedRequest> owned(job);
      Answer(owned->fd, std::move(owned->head), std::move(owned->rest));
    });
  });
  thread_ = std::thread([this] { server_->listen_after_bind(); });
  return Status::OK();
}

void ViewerServer::Answer(int fd, std::string head, std::string rest) {
  RequestStream stream(fd, WithoutAcceptEncoding(head));
  bool closed = false;
  const bool written = server_->Answer(stream, !server_->is_running(), closed);
  if (written && !closed && server_->is_running()) {
    gate_->Admit(fd, std::move(rest));  // the next request of its keep-alive
    return;
  }
  ::shutdown(fd, SHUT_RDWR);
  ::close(fd);
}

void ViewerServer::Stop() {
  view_.Close();
  if (server_) server_->stop();
  if (thread_.joinable()) thread_.join();
  if (answering_) answering_->shutdown();
  answering_.reset();
  if (gate_) gate_->Stop();
}

void ViewerServer::AddRoutes() {
  httplib::Server& s = *server_;
  s.set_keep_alive_timeout(kIdleTimeout.count());
  // The gate let through only GET requests with the served Host.
  s.set_pre_routing_handler([](const httplib::Request&, httplib::Response& res) {
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
  // Browsers ask for /favicon.ico wherever a page names no icon.
  s.Get("/favicon.ico", [](const httplib::Request&, httplib::Response& res) {
    const PageFile* icon = FindPageFile("favicon.svg");
    res.set_content(std::string(icon->bytes), std::string(icon->content_type).c_str());
  });
  s.Get("/scene", [this](const httplib::Request&, httplib::Response& res) {
    const ViewSnapshot snapshot = view_.Current();
    res.set_header("X-Instance", instance_);
    res.set_header("X-Scene-Version", std::to_string(snapshot.scene_version));
    SetJson(res, *snapshot.scene_json);
  });
  s.Get("/status", [this](const httplib::Request&, httplib::Response& res) {
    const ViewSnapshot snapshot = view_.Current();
    SetJson(res, "{" + Versions(instance_, snapshot) + ",\"status\":" + *snapshot.status_json + "}");
  });
  s.Get("/plan", [this](const httplib::Request& req, httplib::Response& res) {
    const std::optional<PlanRequest> asked =
        ParsePlanRequest(req.get_param_value("from"), req.get_param_value("to"), req.get_param_value("px"));
    if (!asked) {
      Refuse(res, 400, "/plan wants from, to (route positions, m) and px (pixels), whole numbers");
      return;
    }
    const PlanRequest& request = *asked;
    const ViewSnapshot snapshot = view_.Current();
    // The view and the scene this plan is for, so that the page can tell an
    // answer to an older question from the one it waits for.
    res.set_header("X-Instance", instance_);
    res.set_header("X-Scene-Version", std::to_string(snapshot.scene_version));
    res.set_header("X-View", std::to_string(request.from) + " " + std::to_string(request.to) + " " +
                                 std::to_string(request.pixels));
    if (!snapshot.folder) {
      SetJson(res, PlanJson({}, 1));
      return;
    }
    const std::vector<PlanPoint> points = ReducePlan(snapshot.folder->route.route, request);
    const int64_t step = points.size() > 1 ? points[1].row - points[0].row : 1;
    SetJson(res, PlanJson(points, step));
  });
  s.Get("/open-descriptions", [this](const httplib::Request& req, httplib::Response& res) {
    if (!open_) {
      Refuse(res, 404, "no such page");
      return;
    }
    if (req.get_param_value("instance") != instance_) {
      Refuse(res, 403, "/open-descriptions wants the instance of this run of the server");
      return;
    }
    std::lock_guard<std::mutex> one_at_a_time(opening_);
    SetJson(res, open_());
  });
  s.Get("/events", [this](const httplib::Request&, httplib::Response& res) {
    auto place = std::make_shared<StreamPlace>(event_streams_);
    if (++event_streams_ > kMaxEventStreams) {
      res.set_header("Retry-After", "5");
      Refuse(res, 503, "too many event streams are open");
      return;
    }
    res.set_header("Cache-Control", "no-store");
    auto sent = std::make_shared<int64_t>(-1);
    res.set_chunked_content_provider("text/event-stream", [this, sent, place](size_t, httplib::DataSink& sink) {
      if (*sent >= 0) view_.WaitForChange(*sent, kEventBeat);
      if (view_.closed()) return false;
      const ViewSnapshot snapshot = view_.Current();
      const std::string event = "data: {" + Versions(instance_, snapshot) + "}\n\n";
      *sent = snapshot.version;
      return sink.write(event.data(), event.size());
    });
  });
}

}  // namespace scenario::viewer
