// Reading and checking the service's bearer tokens.
#include "routes/access_tokens.h"

#include <QCryptographicHash>
#include <QList>

#include "common/file_access.h"

namespace {

QByteArray digestOf(const QByteArray& token) {
  return QCryptographicHash::hash(token, QCryptographicHash::Sha256);
}

// Equal digests, looked at whole whatever differs.
bool sameDigest(const QByteArray& a, const QByteArray& b) {
  if (a.size() != b.size()) return false;
  unsigned char difference = 0;
  for (qsizetype i = 0; i < a.size(); ++i) difference |= static_cast<unsigned char>(a[i] ^ b[i]);
  return difference == 0;
}

}  // namespace

Result<AccessTokens> AccessTokens::read(const QString& file) {
  QByteArray text;
  try {
    text = readRegularFile(file, 1024 * 1024,
                           QStringLiteral("The file is too large for a file of tokens."));
  } catch (const Failure& e) {
    return e.problem();
  }
  AccessTokens tokens;
  for (const QByteArray& line : text.split('\n')) {
    const QByteArray token = line.trimmed();
    if (token.isEmpty() || token.startsWith('#')) continue;
    tokens.digests_.push_back(digestOf(token));
  }
  if (tokens.digests_.empty())
    return Problem{Problem::Kind::File, file,
                   QStringLiteral("the file holds no token, so no request could be let in"),
                   std::nullopt};
  return tokens;
}

bool AccessTokens::admits(const std::string& authorization) const {
  if (!required()) return true;
  static const std::string scheme = "Bearer ";
  if (authorization.size() <= scheme.size() ||
      QByteArray::fromStdString(authorization.substr(0, scheme.size())).toLower() != "bearer ")
    return false;
  const QByteArray digest =
      digestOf(QByteArray::fromStdString(authorization.substr(scheme.size())).trimmed());
  bool admitted = false;
  for (const QByteArray& d : digests_) admitted |= sameDigest(d, digest);
  return admitted;
}
