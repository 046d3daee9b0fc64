// Section 1, 日主旺衰: the day master's strength as a score of three parts
// (得令, 得地, 得势), its band, the conditions of the classics for 从弱,
// 从强 and 专旺, and the evidence lines.
#pragma once

#include "Analysis.h"
#include "Natal.h"

namespace analysis {

// The score's parts. 得令 by the day element's state in the month:
// 旺 40, 相 30, 休 12, 囚 6, 死 0.
inline constexpr std::array<double, 5> kSeasonPoints = {40, 30, 12, 6, 0};
// 得地 is at most kRootPoints: each branch's hidden 比劫 (in full) and 印
// (kResourceRootFactor of it) by their shares, the branches weighted by position.
inline constexpr double kRootPoints = 35;
inline constexpr std::array<double, 4> kRootPositionWeights = {0.8, 1.2, 1.2, 1.0};  // year, month, day, hour
inline constexpr double kResourceRootFactor = 0.8;
// A branch where the day stem stands at 禄 or 刃 is a full root; a yang stem's 长生 and 库 count at least
// these.
inline constexpr double kBirthRoot = 0.7;
inline constexpr double kStorehouseRoot = 0.3;
// 得势: each of the three other stems that is 印 or 比劫.
inline constexpr std::array<double, 4> kStemPoints = {8, 9, 0, 8};  // year, month, (day), hour
static_assert(kSeasonPoints[0] + kRootPoints + kStemPoints[0] + kStemPoints[1] + kStemPoints[3] == 100,
              "the three parts add up to 100");

// Band edges of the score: below kWeakBelow 偏弱, from kStrongFrom 偏强,
// 中和 between; within kBandMargin of an edge the other band is named too.
inline constexpr int kWeakBelow = 36;
inline constexpr int kStrongFrom = 52;
inline constexpr int kBandMargin = 3;

// The band of a score by the edges above, and the band across an edge the score is near.
Band BandOfScore(int score);
std::optional<Band> NearBand(int score);

// The conditions of the classics, each checked on the facts alone.
struct StrengthConditions {
    bool followWeak = false;    // 失令, no root, no 印 or 比劫 among the stems
    bool followStrong = false;  // 得令, every stem and 本气 印 or 比劫 (so no 财 or 官杀 among them)
    bool dominant = false;      // 专旺: month in the day element's season, its whole 方 or 局 among
                                // the branches (earth: three 库), no 官杀 among the stems and 本气
};
StrengthConditions ConditionsOf(const Natal& natal, double rootPoints, double stemPoints);

// The finding without its paragraph (Analyze fills it from the texts).
StrengthFinding AssessStrength(const Natal& natal);

// The root points of one branch for the day stem before weighting by position (0-1).
double BranchRoot(int dayStem, const NatalPillar& p);

}  // namespace analysis
