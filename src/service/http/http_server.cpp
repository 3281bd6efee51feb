// The HTTP server of the quote service, on Boost.Beast.
#include "http/http_server.h"

#include <unistd.h>

#include <atomic>
#include <boost/asio/dispatch.hpp>
#include <boost/asio/executor_work_guard.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/post.hpp>
#include <boost/asio/signal_set.hpp>
#include <boost/asio/strand.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <csignal>
#include <ctime>
#include <map>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <thread>
#include <vector>

namespace beast = boost::beast;
namespace http = beast::http;
namespace net = boost::asio;
using tcp = net::ip::tcp;

namespace {

std::string escapedForJson(const std::string& text) {
  std::string out;
  out.reserve(text.size() + 8);
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20) {
      static const char hex[] = "0123456789abcdef";
      out += "\\u00";
      out += hex[u >> 4];
      out += hex[u & 15];
    } else {
      out += c;
    }
  }
  return out;
}

// A text of the request shown in the log: one line, at most 200 bytes, controls escaped.
std::string shownInLog(std::string_view text) {
  std::string out;
  for (const char c : text.substr(0, 200)) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7f || c == ' ') {
      static const char hex[] = "0123456789ABCDEF";
      out += '%';
      out += hex[u >> 4];
      out += hex[u & 15];
    } else {
      out += c;
    }
  }
  return out.empty() ? std::string("-") : out;
}

// "2026-12-09T06:40:01.123Z": the time of a log line, in UTC.
std::string logTime() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  tm utc{};
  gmtime_r(&now.tv_sec, &utc);
  char text[40];
  const std::size_t n = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &utc);
  std::snprintf(text + n, sizeof text - n, ".%03ldZ", now.tv_nsec / 1'000'000);
  return text;
}

// One whole line with one write, so that the lines of many threads never mix.
void writeLogLine(const std::string& line) {
  const char* p = line.data();
  std::size_t left = line.size();
  while (left > 0) {
    const ssize_t n = ::write(STDERR_FILENO, p, left);
    if (n <= 0) return;
    p += n;
    left -= static_cast<std::size_t>(n);
  }
}

}  // namespace

std::string jsonError(const std::string& what) {
  return "{\"error\":\"" + escapedForJson(what) + "\"}";
}

class Session;

struct HttpServer::Impl {
  HttpServerSettings settings;
  HttpHandler handler;
  std::atomic<bool> stopping{false};
  std::mutex mutex;  // guards sessions and acceptPaused
  std::map<Session*, std::weak_ptr<Session>> sessions;
  bool acceptPaused = false;
  // Declared after what the sessions reach: handlers the context still holds when it is
  // destroyed release their sessions while the registry is still there.
  net::io_context ioc;
  tcp::acceptor acceptor;
  net::signal_set signals;

  Impl(const HttpServerSettings& s, HttpHandler h)
      : settings(s),
        handler(std::move(h)),
        ioc(std::max(1, s.threads)),
        acceptor(net::make_strand(ioc)),
        signals(ioc, SIGTERM, SIGINT) {}

  void accept();
  void onAccept(beast::error_code ec, tcp::socket socket);
  void closed(Session* session);
  void stop();
};

class Session : public std::enable_shared_from_this<Session> {
 public:
  Session(tcp::socket&& socket, HttpServer::Impl& server)
      : stream_(std::move(socket)), server_(server) {}
  ~Session() { server_.closed(this); }

  void start() {
    net::dispatch(stream_.get_executor(), [self = shared_from_this()] { self->read(); });
  }

  // On stop: a connection waiting for its next request is closed; one in a request finishes it.
  void closeIfIdle() {
    net::dispatch(stream_.get_executor(), [self = shared_from_this()] {
      if (self->state_ == State::Reading && !(self->parser_ && self->parser_->got_some()))
        self->stream_.cancel();
    });
  }

 private:
  enum class State { Reading, Handling, Writing, Closing };

  void read() {
    state_ = State::Reading;
    started_ = std::chrono::steady_clock::now();
    if (server_.stopping) return close();
    parser_.emplace();
    parser_->body_limit(server_.settings.bodyLimit);
    parser_->header_limit(static_cast<std::uint32_t>(server_.settings.headerLimit));
    // One deadline for the head and the body together, not one per read.
    stream_.expires_after(server_.settings.requestDeadline);
    http::async_read_header(stream_, buffer_, *parser_,
                            beast::bind_front_handler(&Session::onHeader, shared_from_this()));
  }

  // A client that asks "Expect: 100-continue" (curl and many HTTP libraries do for a larger body)
  // is told to go on at once rather than left to wait for a second before it sends the body.
  void onHeader(beast::error_code ec, std::size_t bytes) {
    if (ec || parser_->is_done()) return onRead(ec, bytes);
    if (!beast::iequals(parser_->get()[http::field::expect], "100-continue")) return readBody();
    auto go = std::make_shared<http::response<http::empty_body>>(http::status::continue_, 11);
    http::async_write(stream_, *go,
                      [self = shared_from_this(), go](beast::error_code e, std::size_t) {
                        if (e) return self->close();
                        self->readBody();
                      });
  }

  void readBody() {
    http::async_read(stream_, buffer_, *parser_,
                     beast::bind_front_handler(&Session::onRead, shared_from_this()));
  }

  void onRead(beast::error_code ec, std::size_t) {
    const bool started = parser_->got_some();
    if (ec == beast::error::timeout) {
      // The stream has closed the socket: nothing more can be said to the client.
      if (started) logLine("-", "-", 408);
      return close();
    }
    if (ec == http::error::end_of_stream || ec == net::error::operation_aborted) return close();
    if (ec == http::error::body_limit)
      return answerAndClose(413, "the request body is larger than " +
                                     std::to_string(server_.settings.bodyLimit) + " bytes");
    if (ec == http::error::header_limit)
      return answerAndClose(431, "the request head is larger than " +
                                     std::to_string(server_.settings.headerLimit) + " bytes");
    if (ec) {
      if (!started) return close();
      return answerAndClose(400, "malformed request: " + ec.message());
    }
    handle();
  }

  void handle() {
    state_ = State::Handling;
    stream_.expires_never();
    started_ = std::chrono::steady_clock::now();
    http::request<http::string_body>& req = parser_->get();
    HttpRequest request;
    request.method = std::string(req.method_string());
    request.target = std::string(req.target());
    request.authorization = std::string(req[http::field::authorization]);
    request.contentType = std::string(req[http::field::content_type]);
    request.body = std::move(req.body());
    method_ = request.method;
    target_ = request.target;
    version_ = req.version();
    keepAlive_ = req.keep_alive();
    // The answer may come from another thread (a printed document); the context keeps running
    // until it has been written.
    auto work =
        std::make_shared<net::executor_work_guard<net::any_io_executor>>(stream_.get_executor());
    // An answer given at once is written at once, on this thread; one given later by another
    // thread is handed to the connection's strand.
    auto respond = [self = shared_from_this(), work](HttpResponse response) {
      net::dispatch(self->stream_.get_executor(), [self, response = std::move(response)]() mutable {
        self->write(std::move(response));
      });
    };
    try {
      server_.handler(request, respond);
    } catch (const std::exception& e) {
      HttpResponse failed;
      failed.status = 500;
      failed.body = jsonError(std::string("the service failed: ") + e.what());
      respond(std::move(failed));
    }
  }

  void write(HttpResponse r) {
    state_ = State::Writing;
    status_ = r.status;
    auto response = std::make_shared<http::response<http::string_body>>(
        static_cast<http::status>(r.status), version_ ? version_ : 11);
    response->set(http::field::server, "Telmaris");
    response->set(http::field::content_type, r.contentType);
    response->set(http::field::cache_control, "no-store");
    if (!r.allow.empty()) response->set(http::field::allow, r.allow);
    if (!r.wwwAuthenticate.empty()) response->set(http::field::www_authenticate, r.wwwAuthenticate);
    response->keep_alive(keepAlive_ && !server_.stopping);
    response->body() = std::move(r.body);
    response->prepare_payload();
    stream_.expires_after(server_.settings.writeDeadline);
    http::async_write(stream_, *response,
                      [self = shared_from_this(), response](beast::error_code ec, std::size_t) {
                        self->onWrite(ec, response->keep_alive());
                      });
  }

  void onWrite(beast::error_code ec, bool keepAlive) {
    logLine(method_, target_, status_);
    if (ec) return close();
    if (!keepAlive) return lingeringClose();
    read();
  }

  // An answer to a request that cannot be read on: said, then the connection is closed.
  void answerAndClose(int status, const std::string& what) {
    keepAlive_ = false;
    started_ = std::chrono::steady_clock::now();
    if (parser_->is_header_done()) {
      method_ = std::string(parser_->get().method_string());
      target_ = std::string(parser_->get().target());
      version_ = parser_->get().version();
    }
    HttpResponse r;
    r.status = status;
    r.body = jsonError(what);
    write(std::move(r));
  }

  // Stops sending, then reads what the client still sends for a moment before closing, so that
  // a client still sending a body it was refused reads the answer instead of a reset.
  void lingeringClose() {
    state_ = State::Closing;
    beast::error_code ec;
    stream_.socket().shutdown(tcp::socket::shutdown_send, ec);
    if (ec) return;
    stream_.expires_after(std::chrono::seconds(2));
    drain();
  }
  void drain() {
    stream_.async_read_some(net::buffer(discard_),
                            [self = shared_from_this()](beast::error_code ec, std::size_t) {
                              if (!ec) self->drain();
                            });
  }

  void close() {
    state_ = State::Closing;
    beast::error_code ec;
    stream_.socket().shutdown(tcp::socket::shutdown_both, ec);
    stream_.close();
  }

  void logLine(const std::string& method, const std::string& target, int status) {
    const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(
                            std::chrono::steady_clock::now() - started_)
                            .count();
    writeLogLine(logTime() + ' ' + shownInLog(method) + ' ' + shownInLog(target) + ' ' +
                 std::to_string(status) + ' ' + std::to_string(micros) + "us\n");
  }

  beast::tcp_stream stream_;
  HttpServer::Impl& server_;
  beast::flat_buffer buffer_;
  std::optional<http::request_parser<http::string_body>> parser_;
  State state_ = State::Reading;
  std::chrono::steady_clock::time_point started_ = std::chrono::steady_clock::now();
  std::string method_ = "-";
  std::string target_ = "-";
  unsigned version_ = 11;
  bool keepAlive_ = false;
  int status_ = 0;
  char discard_[4096];
};

void HttpServer::Impl::accept() {
  acceptor.async_accept(net::make_strand(ioc), beast::bind_front_handler(&Impl::onAccept, this));
}

void HttpServer::Impl::onAccept(beast::error_code ec, tcp::socket socket) {
  if (stopping || !acceptor.is_open()) return;
  if (!ec) {
    auto session = std::make_shared<Session>(std::move(socket), *this);
    bool pause = false;
    {
      std::lock_guard lock(mutex);
      sessions[session.get()] = session;
      // Beyond the bound the next connections wait in the listen queue until one closes, which
      // takes up accepting again.
      pause = acceptPaused = sessions.size() >= settings.maxConnections;
    }
    session->start();
    if (pause) return;
  } else if (ec == net::error::operation_aborted) {
    return;
  }
  accept();
}

void HttpServer::Impl::closed(Session* session) {
  std::lock_guard lock(mutex);
  sessions.erase(session);
  if (acceptPaused && !stopping && sessions.size() < settings.maxConnections) {
    acceptPaused = false;
    net::post(acceptor.get_executor(), [this] { accept(); });
  }
}

void HttpServer::Impl::stop() {
  if (stopping.exchange(true)) return;
  net::post(acceptor.get_executor(), [this] {
    beast::error_code ec;
    acceptor.close(ec);
    signals.cancel(ec);
  });
  std::vector<std::shared_ptr<Session>> open;
  {
    std::lock_guard lock(mutex);
    for (const auto& [key, weak] : sessions)
      if (auto s = weak.lock()) open.push_back(std::move(s));
  }
  for (const auto& s : open) s->closeIfIdle();
}

HttpServer::HttpServer(const HttpServerSettings& settings, HttpHandler handler)
    : impl_(std::make_unique<Impl>(settings, std::move(handler))) {
  beast::error_code ec;
  const net::ip::address address = net::ip::make_address(settings.address, ec);
  if (ec) throw std::runtime_error(settings.address + ": not an IP address");
  const tcp::endpoint endpoint(address, settings.port);
  auto fail = [&](const char* what) {
    throw std::runtime_error(settings.address + ':' + std::to_string(settings.port) + ": " + what +
                             ": " + ec.message());
  };
  impl_->acceptor.open(endpoint.protocol(), ec);
  if (ec) fail("cannot open a socket");
  impl_->acceptor.set_option(net::socket_base::reuse_address(true), ec);
  impl_->acceptor.bind(endpoint, ec);
  if (ec) fail("cannot listen here");
  impl_->acceptor.listen(settings.listenBacklog, ec);
  if (ec) fail("cannot listen here");
}

HttpServer::~HttpServer() = default;

std::uint16_t HttpServer::port() const {
  beast::error_code ec;
  return impl_->acceptor.local_endpoint(ec).port();
}

void HttpServer::run() {
  impl_->signals.async_wait([this](beast::error_code ec, int) {
    if (!ec) stop();
  });
  impl_->accept();
  std::vector<std::thread> threads;
  for (int i = 1; i < std::max(1, impl_->settings.threads); ++i)
    threads.emplace_back([this] { impl_->ioc.run(); });
  impl_->ioc.run();
  for (std::thread& t : threads) t.join();
}

void HttpServer::stop() {
  impl_->stop();
}
