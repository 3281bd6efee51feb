// The dealers' bearer tokens of the service: one per line of a file, compared in constant time.
#pragma once

#include <QByteArray>
#include <QString>
#include <string>
#include <vector>

#include "common/problem.h"

class AccessTokens {
 public:
  // No tokens: every request is let in.
  AccessTokens() = default;
  // Reads one token per line; blank lines and lines starting with "#" are skipped, blanks
  // around a token are not part of it. The problem names the file: one that cannot be read,
  // or holds no token (which would shut every dealer out).
  static Result<AccessTokens> read(const QString& file);

  bool required() const { return !digests_.empty(); }
  // Whether an Authorization header carries one of the tokens as "Bearer TOKEN". Every token is
  // compared, each in the same time whatever it holds: the time taken tells nothing of a token.
  bool admits(const std::string& authorization) const;

 private:
  std::vector<QByteArray> digests_;  // SHA-256 of each token
};
