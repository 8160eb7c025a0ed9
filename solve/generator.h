#pragma once
// Fresh problems for a class: triangles with whole numbers a student copies
// without a slip, each checked by the general solution to have the solutions
// its kind promises, none of them a needle. The random numbers and the draws
// are this unit's own, so a seed gives the same sheet on every machine and
// every build. Plain C++, no I/O.

#include "general.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace generator {

// What the data may be: whole sides, whole degrees.
inline constexpr int kMinSide = 2, kMaxSide = 40;
inline constexpr int kMinAngle = 10, kMaxAngle = 150;
// What every solution must be: no angle under 10°, no side over 60.
inline constexpr double kMinSolvedAngle = 10, kMaxSolvedSide = 60;
// LLA: the given side is at least this share away from the height and from
// the other given side, so that rounding cannot change the count.
inline constexpr double kLlaMargin = 0.05;
inline constexpr int kMaxProblems = 10000, kMaxVersions = 26;

// How many triangles a problem has, and for LLA which way it gets there.
enum class Kind : unsigned char {
    One,        // the four cases other than LLA
    Two,        // LLA, acute angle: h < x < y
    OneAcute,   // LLA, acute angle: x > y
    OneObtuse,  // LLA, right or obtuse angle: x > y
    NoneShort,  // LLA, acute angle: x < h
    NoneObtuse, // LLA, right or obtuse angle: x < y
};
int Solutions(Kind kind); // 0, 1 or 2

struct Planned {
    TriangleCase kase;
    Kind kind;
};

// The case and kind of each problem of a sheet of `count`: the cases in turn,
// and LLA's kinds in turn among the LLA problems (two, one, none, so every
// three LLA problems have each; one with a right or obtuse angle every other
// time). Every version follows the same plan.
std::vector<Planned> Plan(std::span<const TriangleCase> cases, int count);

struct GivenValue {
    TrianglePart part;
    int value; // a side's length, an angle's degrees
};

struct Problem {
    TriangleCase kase;
    Kind kind;
    std::array<GivenValue, 3> parts; // in the order they are written
};

TriangleData DataOf(const Problem &problem);

// Whether the problem keeps every rule of its kind: the data in range, the
// case, the count of triangles, each one's angles and sides, the LLA margins.
bool KeepsRules(const Problem &problem);

struct Request {
    std::uint64_t seed = 0;
    int count = 1;    // problems a version, 1 to kMaxProblems
    int versions = 1; // 1 to kMaxVersions
    std::vector<TriangleCase> cases{TriangleCase::LLL, TriangleCase::LAL, TriangleCase::ALA, TriangleCase::LAA,
                                    TriangleCase::LLA};
};

struct Sheet {
    std::vector<std::vector<Problem>> versions;
    std::string problem; // when it cannot be made: Spanish, why
};

// Every version follows Plan; no two problems of a version are the same
// triangle (or, without one, the same data), and a version avoids the
// triangles of the earlier ones while its kind has others. Empty versions and a problem
// when the request is out of range or asks for more distinct triangles of a
// kind than there are.
Sheet Generate(const Request &request);

// The random numbers: xoshiro256** seeded by SplitMix64, and a whole number
// from low to high by Lemire's multiply-and-reject, written out here so that
// no library's distribution decides the sheet.
class Random {
public:
    explicit Random(std::uint64_t seed);
    std::uint64_t Next();
    int Between(int low, int high); // low <= high, both included

private:
    std::array<std::uint64_t, 4> state_{};
};

} // namespace generator
