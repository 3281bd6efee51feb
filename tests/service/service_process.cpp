// The quote service as a process of the tests, and the tests' HTTP client.
#include "service_process.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>
#include <QThread>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <stdexcept>

namespace {

int connectTo(std::uint16_t port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) throw std::runtime_error("no socket");
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    ::close(fd);
    throw std::runtime_error("cannot connect to the service");
  }
  return fd;
}

// Reads what is there within the time; false when the connection closed or the time ran out.
bool readSome(int fd, std::string& into, int timeoutMs) {
  pollfd p{fd, POLLIN, 0};
  if (::poll(&p, 1, timeoutMs) <= 0) return false;
  char buffer[16384];
  const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
  if (n <= 0) return false;
  into.append(buffer, static_cast<std::size_t>(n));
  return true;
}

bool sendAll(int fd, const std::string& bytes) {
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) return false;
    sent += static_cast<std::size_t>(n);
  }
  return true;
}

std::string lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

HttpReply readReply(int fd, std::string& pending, int timeoutMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  auto left = [&] {
    return static_cast<int>(std::max<long long>(
        0, std::chrono::duration_cast<std::chrono::milliseconds>(deadline -
                                                                 std::chrono::steady_clock::now())
               .count()));
  };
  std::size_t headEnd;
  while ((headEnd = pending.find("\r\n\r\n")) == std::string::npos)
    if (!readSome(fd, pending, left())) return {};
  HttpReply reply;
  const std::string head = pending.substr(0, headEnd);
  if (head.size() < 12 || head.compare(0, 5, "HTTP/") != 0) return {};
  reply.status = std::stoi(head.substr(9, 3));
  std::size_t line = head.find("\r\n");
  while (line != std::string::npos) {
    const std::size_t next = head.find("\r\n", line + 2);
    const std::string field =
        head.substr(line + 2, next == std::string::npos ? std::string::npos : next - line - 2);
    const std::size_t colon = field.find(':');
    if (colon != std::string::npos) {
      std::string value = field.substr(colon + 1);
      value.erase(0, value.find_first_not_of(' '));
      reply.headers[lower(field.substr(0, colon))] = value;
    }
    line = next;
  }
  const std::size_t length =
      reply.headers.count("content-length") ? std::stoul(reply.headers["content-length"]) : 0;
  while (pending.size() < headEnd + 4 + length)
    if (!readSome(fd, pending, left())) return {};
  reply.body = pending.substr(headEnd + 4, length);
  pending.erase(0, headEnd + 4 + length);
  return reply;
}

}  // namespace

HttpReply httpExchange(std::uint16_t port, const std::string& raw, int timeoutMs) {
  Connection c(port);
  c.send(raw);
  return c.reply(timeoutMs);
}

HttpReply httpGet(std::uint16_t port, const std::string& target, const std::string& headers) {
  return httpExchange(port, "GET " + target + " HTTP/1.1\r\nHost: test\r\nConnection: close\r\n" +
                                headers + "\r\n");
}

HttpReply httpPost(std::uint16_t port, const std::string& target, const std::string& body,
                   const std::string& headers) {
  return httpExchange(port, "POST " + target +
                                " HTTP/1.1\r\nHost: test\r\nConnection: close\r\n"
                                "Content-Type: application/json\r\nContent-Length: " +
                                std::to_string(body.size()) + "\r\n" + headers + "\r\n" + body);
}

Connection::Connection(std::uint16_t port) : fd_(connectTo(port)) {}

Connection::~Connection() {
  ::close(fd_);
}

bool Connection::send(const std::string& bytes) {
  return sendAll(fd_, bytes);
}

HttpReply Connection::reply(int timeoutMs) {
  return readReply(fd_, pending_, timeoutMs);
}

bool Connection::closedWithin(int timeoutMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (std::chrono::steady_clock::now() < deadline) {
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, 50) > 0) {
      char buffer[4096];
      const ssize_t n = ::recv(fd_, buffer, sizeof buffer, MSG_DONTWAIT);
      if (n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK)) return true;
    }
  }
  return false;
}

ServiceProcess::ServiceProcess(const QString& programDirectory, const QStringList& options) {
  // The log goes to a file: a pipe nobody reads would stop the service once it is full.
  process_.setStandardErrorFile(logDir_.filePath("service.log"));
  process_.setStandardOutputFile(QProcess::nullDevice());
  process_.start(
      QStringLiteral(TELMARIS_EXECUTABLE),
      QStringList{"--dir", programDirectory, "--serve", "--listen", "127.0.0.1:0"} + options);
  static const QRegularExpression serving(R"(serving .* on http://127\.0\.0\.1:(\d+)/v1/)");
  QDeadlineTimer deadline(60000);
  while (!deadline.hasExpired()) {
    const QRegularExpressionMatch m = serving.match(log());
    if (m.hasMatch()) {
      port_ = static_cast<std::uint16_t>(m.captured(1).toUInt());
      return;
    }
    if (process_.state() == QProcess::NotRunning || process_.waitForFinished(20)) break;
  }
  throw std::runtime_error("the service did not start: " + log().toStdString());
}

ServiceProcess::~ServiceProcess() {
  if (process_.state() != QProcess::NotRunning) {
    process_.kill();
    process_.waitForFinished(10000);
  }
}

QString ServiceProcess::log() const {
  QFile f(logDir_.filePath("service.log"));
  f.open(QIODevice::ReadOnly);
  return QString::fromUtf8(f.readAll());
}

void ServiceProcess::signalTerminate() {
  ::kill(static_cast<pid_t>(process_.processId()), SIGTERM);
}

bool ServiceProcess::waitForExit(int timeoutMs) {
  return process_.waitForFinished(timeoutMs);
}

int ServiceProcess::terminate(int timeoutMs) {
  signalTerminate();
  if (!waitForExit(timeoutMs)) return -1;
  return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
}

QString ServiceProcess::mappedFiles() const {
  QFile maps(QStringLiteral("/proc/%1/maps").arg(process_.processId()));
  maps.open(QIODevice::ReadOnly);
  return QString::fromUtf8(maps.readAll());
}
