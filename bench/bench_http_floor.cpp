// The floor of the quote service's benchmark: the same HTTP server, with the same limits and log
// line, answering every request with a small constant JSON. What the quote costs on top of it is
// the price of the configurator itself.
//   telmaris_bench_http_floor [--listen ADDRESS:PORT] [--threads N]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "http/http_server.h"

int main(int argc, char** argv) {
  HttpServerSettings settings;
  settings.port = 8090;
  settings.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  // Other options (those of telmaris --serve, which scripts/serve-two.sh gives) are ignored.
  for (int i = 1; i + 1 < argc; ++i) {
    const std::string option = argv[i];
    const std::string value = argv[i + 1];
    if (option == "--listen") {
      const std::size_t colon = value.rfind(':');
      settings.address = value.substr(0, colon);
      settings.port = static_cast<std::uint16_t>(std::atoi(value.c_str() + colon + 1));
    } else if (option == "--threads") {
      settings.threads = std::atoi(value.c_str());
    }
  }
  HttpServer server(settings, [](const HttpRequest&, std::function<void(HttpResponse)> respond) {
    HttpResponse r;
    r.body = "{\"ready\":true}";
    respond(std::move(r));
  });
  std::fprintf(stderr, "telmaris: serving the floor on http://%s:%u/v1/ with %d threads\n",
               settings.address.c_str(), server.port(), settings.threads);
  server.run();
  return 0;
}
