// Saved configurations: the user's answers kept as a small JSON document with the extension
// .telmaris.
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include "common/problem.h"
#include "configurator/configuration.h"
#include "configurator/configuration_walk.h"

// Reads a configuration; unknown keys are ignored. A missing lubeFree, stainlessChain,
// articulation or accessory is false, a missing discount 0, a missing variant English European;
// a missing liftHeight, controlLength, trolley, hoistControl or trolleyControl is an answer not
// given, where the steps that ask for it stop. The
// problem (of kind File, without a place) names the key whose type or value is wrong. A length is a
// text of digits with at most one "." or ",", as it could be typed into its box.
Result<Configuration> parseConfiguration(const QByteArray& json);

QByteArray writeConfiguration(const Configuration& configuration);

// The answers as the keys of a saved configuration, without its version key, and back: the
// positions of a quote file are such objects. A wrong key is named with `prefix` in front of it.
QJsonObject configurationToJson(const Configuration& configuration);
Result<Configuration> configurationFromJson(const QJsonObject& object, const QString& prefix = {});
// The keys a configuration object may hold, and those of its "accessories".
const QStringList& configurationKeys();
const QStringList& accessoryKeys();
// The saved names of the choices by element number: "manual-narrow", "2-button", "pull-chain".
const QStringList& trolleyNames();
const QStringList& hoistControlNames();
const QStringList& trolleyControlNames();

// The answers a configuration object given in part holds, by the keys it has, for a walk that
// stops where they end; "feetValue" answers the US Imperial prompt for whole metres.
ConfigurationWalk::Given givenAnswers(const QJsonObject& object);

// A saved configuration is about half a kilobyte; a file larger than this is no configuration
// and is refused before it is read.
inline constexpr qint64 kMaxConfigurationBytes = 64 * 1024;

// Reads and parses a configuration file: a regular file (a FIFO, a device or a folder is refused
// at once) of at most kMaxConfigurationBytes. The problem names the file and says what is wrong
// with it.
Result<Configuration> readConfigurationFile(const QString& file);
