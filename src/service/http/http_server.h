// A small HTTP/1.1 server on Boost.Beast for the quote service: a bounded number of threads, a
// bounded number of connections (those beyond wait in the listen queue), one deadline for a
// request's head and body together, a body limit, one log line per request, and a stop that
// finishes the requests in flight.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

struct HttpRequest {
  std::string method;  // "GET", "POST"...
  std::string target;  // the path with its query, as sent
  std::string authorization;
  std::string contentType;
  std::string body;
};

struct HttpResponse {
  int status = 200;
  std::string contentType = "application/json";
  std::string body;
  std::string allow;            // for 405: the methods the path takes
  std::string wwwAuthenticate;  // for 401
};

// Answers a request, now or later, from any thread; `respond` is called exactly once.
using HttpHandler =
    std::function<void(const HttpRequest& request, std::function<void(HttpResponse)> respond)>;

struct HttpServerSettings {
  std::string address = "127.0.0.1";
  std::uint16_t port = 8080;  // 0: a free port, which port() tells
  int threads = 2;
  std::size_t maxConnections = 512;  // beyond: they wait in the listen queue
  int listenBacklog = 1024;
  std::size_t bodyLimit = 256 * 1024;
  std::size_t headerLimit = 16 * 1024;
  // The whole request, from its first byte (or the end of the previous answer on the same
  // connection) to the last of its body. A client that sends one byte at a time is cut off.
  std::chrono::milliseconds requestDeadline{10'000};
  std::chrono::milliseconds writeDeadline{30'000};
};

// The text of an error answer: {"error": what} in JSON.
std::string jsonError(const std::string& what);

class HttpServer {
 public:
  // Binds and listens at once; throws std::runtime_error naming the address when it cannot.
  HttpServer(const HttpServerSettings& settings, HttpHandler handler);
  ~HttpServer();
  HttpServer(const HttpServer&) = delete;
  HttpServer& operator=(const HttpServer&) = delete;

  std::uint16_t port() const;
  // Serves until stop() or SIGTERM/SIGINT, then returns once the requests in flight have been
  // answered.
  void run();
  // Stops taking connections; those idle are closed, those in a request finish it. Safe from
  // any thread.
  void stop();

 private:
  friend class Session;
  struct Impl;
  std::unique_ptr<Impl> impl_;
};
