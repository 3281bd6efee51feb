// Quotes made for the tests: configurations of the shipped range, and a three-position quote of
// European hoists with a full header.
#pragma once

#include <QDate>
#include <QString>

#include "common/problem.h"
#include "configurator/configuration.h"
#include "quotes/quote.h"

class QTemporaryDir;

// examples/english-european.telmaris: PXH 250 EX, 4 m lift, 3 m pull chain, overload device and
// chain stop, no discount.
Configuration european250();
// The hoist of examples/deutsch-250-schmierfrei-rabatt.telmaris in English European: PXH 250L EX
// (lube free), 4 m lift, 2-button control with 3 m hose, overload device, chain collector, chain
// stop and safety hook, 10 % discount.
Configuration european250L();
// PXH 250 EX, 6 m lift, 2 m pull chain, no accessory, 5 % discount.
Configuration european250Short();
// PXH 2500 EX, 4 m lift, 3 m pull chain, narrow motor trolley with pull chain, chain stop, 5 %
// discount: the pull chain stands on two lines of its list.
Configuration european2500MotorTrolley();
// examples/us-imperial-1000.telmaris: PXH 1000 EX, 20 ft lift, 2-button control with 9.8 ft hose,
// chain collector, chain stop, safety hook and assembly.
Configuration usImperial1000();

// Maschinenbau Kessler's quote: european250() once, european250L() twice with a note,
// european250Short() three times; printed in German; not yet numbered.
Quote kesslerQuote();

// Writes the quote (version 2, or version 1 for a plain configuration) to `name` in `dir`.
QString writeQuoteFileTo(const QTemporaryDir& dir, const QString& name, const Quote& quote);
