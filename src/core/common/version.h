// The program's version and release date, as the title bar and the About box show them.
#pragma once

#include <QString>

struct ProgramVersion {
  int major = 2;
  int minor = 13;
  int revision = 2;
};

inline constexpr ProgramVersion kVersion{};
inline const QString kProgramDate = QStringLiteral("2017-10-17");

// "2.13.2": major, minor and revision joined by periods.
QString versionText(const ProgramVersion& v = kVersion);

// Text 65 followed by three blanks and the version in parentheses.
QString mainWindowTitle(const QString& text65, const ProgramVersion& v = kVersion);

inline const QString kAboutTitle = QStringLiteral("About Velmora Telmaris program");
QString aboutText(const QString& programDate, const ProgramVersion& v = kVersion);
