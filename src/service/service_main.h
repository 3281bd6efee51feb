// Starting the quote service: telmaris --serve.
#pragma once

#include <QString>

#include "data/program_directory.h"

struct ServiceOptions {
  ProgramDirectory directory;
  QString listen = QStringLiteral("127.0.0.1:8080");  // ADDRESS:PORT, [IPv6]:PORT
  int threads = 0;                                    // 0: one per processor
  QString tokens;                                     // the file of tokens; empty: none needed
  int requestTimeoutSeconds = 10;
  QString desktopProgram;  // prints the documents
};

// Serves until SIGTERM or SIGINT, then finishes the requests in flight. Says on standard error
// where it listens, then one line per request. Returns the exit status: 0 after a stop, 2 for a
// wrong address, 3 for a database or token file that cannot be read.
int runService(const ServiceOptions& options);
