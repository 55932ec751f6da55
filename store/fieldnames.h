#pragma once
// Field names used by code. Monthly series are built by one helper so that a typo in one
// month cannot hide; the irregular TR21 names are spelled out as they are stored.

#include <QString>
#include <array>

namespace kova::store {

inline constexpr std::array<const char*, 12> kMonthAbbrev = {
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Series with the prefix first: monthField("T", 1) == "T Jan", monthField("W/R", 12) == "W/R Dec".
// Month is 1..12.
QString monthField(const QString& prefix, int month);

// Series with the month first (basal perennial curves): monthFirstField(1, "Kc") == "Jan Kc".
QString monthFirstField(int month, const QString& suffix);

// The twelve names of a series, January first.
std::array<QString, 12> monthSeries(const QString& prefix);

// Month abbreviation alone (MoPctDay columns): monthName(1) == "Jan".
QString monthName(int month);

// TR21 annual curve points, 0 % .. 100 % of the season in steps of 5. The names are irregular
// ('35 % Kc', '95 % Kc', '100%Kc') and must never be built from a pattern.
inline constexpr std::array<const char*, 21> kBCAnnualKcFields = {
    "0% Kc",   "5% Kc",  "10% Kc", "15% Kc", "20% Kc", "25% Kc",  "30% Kc",
    "35 % Kc", "40% Kc", "45% Kc", "50% Kc", "55% Kc", "60% Kc",  "65% Kc",
    "70% Kc",  "75% Kc", "80% Kc", "85% Kc", "90% Kc", "95 % Kc", "100%Kc"};

// TR21 perennial curve points: 1st and 15th of each month, then December 31 (25 points).
inline constexpr std::array<const char*, 25> kBCPerennialKcFields = {
    "Jan 1 Kc",  "Jan 15 Kc", "Feb 1 Kc",  "Feb 15 Kc", "Mar 1 Kc",  "Mar 15 Kc", "Apr 1 Kc",
    "Apr 15 Kc", "May 1 Kc",  "May 15 Kc", "Jun 1 Kc",  "Jun 15 Kc", "Jul 1 Kc",  "Jul 15 Kc",
    "Aug 1 Kc",  "Aug 15 Kc", "Sep 1 Kc",  "Sep 15 Kc", "Oct 1 Kc",  "Oct 15 Kc", "Nov 1 Kc",
    "Nov 15 Kc", "Dec 1 Kc",  "Dec 15 Kc", "Dec 31 Kc"};

} // namespace kova::store
