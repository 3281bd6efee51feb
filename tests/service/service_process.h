// The quote service run as a process of its own on a free loopback port, and a plain HTTP/1.1
// client on sockets that sends exactly the bytes a test gives it.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdint>
#include <map>
#include <string>

struct HttpReply {
  int status = 0;  // 0: no answer before the connection closed or the time ran out
  std::map<std::string, std::string> headers;  // by lower-case name
  std::string body;
};

// Sends `raw` on a new connection and reads one answer (by its Content-Length).
HttpReply httpExchange(std::uint16_t port, const std::string& raw, int timeoutMs = 60000);
HttpReply httpGet(std::uint16_t port, const std::string& target, const std::string& headers = {});
HttpReply httpPost(std::uint16_t port, const std::string& target, const std::string& body,
                   const std::string& headers = {});

// A connection of the test's own, for requests sent in pieces.
class Connection {
 public:
  explicit Connection(std::uint16_t port);
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;
  // False once the server has closed the connection.
  bool send(const std::string& bytes);
  // The answer to what was sent.
  HttpReply reply(int timeoutMs = 60000);
  // True when the server closes the connection within the time.
  bool closedWithin(int timeoutMs);

 private:
  int fd_ = -1;
  std::string pending_;
};

class ServiceProcess {
 public:
  // Starts telmaris --serve on a free port of 127.0.0.1 for the program directory, with the
  // further options given, and waits until it listens.
  explicit ServiceProcess(const QString& programDirectory, const QStringList& options = {});
  ~ServiceProcess();

  std::uint16_t port() const { return port_; }
  // What the service has written on standard error so far: its start line and its log.
  QString log() const;
  // Sends SIGTERM and waits for the exit; returns the exit status, or -1 when it did not exit.
  int terminate(int timeoutMs = 30000);
  void signalTerminate();
  bool waitForExit(int timeoutMs);
  int exitCode() const { return process_.exitCode(); }
  // The files mapped into the running service: the libraries it has loaded.
  QString mappedFiles() const;

 private:
  QTemporaryDir logDir_;
  QProcess process_;
  std::uint16_t port_ = 0;
};
