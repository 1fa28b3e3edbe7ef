// The shell data library's constant tables (generated: treffid_tables.cpp).
#pragma once

namespace pheltra::treffid {

inline constexpr int kElementCount = 99;
inline constexpr int kEdgeCount = 12;

extern const float kKYield[kElementCount];    // 0: no value
extern const float kLYield[kElementCount];    // 0: no value
extern const float kKaKbRatio[kElementCount]; // 0: no value
// Edge energies in keV, K..N3; -1 where the element has no such edge (all of
// Z = 93..99), -9.99 where a value is missing (promethium M1 and N1).
extern const float kEdges[kElementCount][kEdgeCount];

} // namespace pheltra::treffid
