#pragma once
// The proving methods (g_method), numbered like the prover window's menu
// commands that select them.

#include <cstdint>

constexpr std::int32_t kMethodArea = 325;
constexpr std::int32_t kMethodDatabase = 326;
constexpr std::int32_t kMethodWu = 327;
constexpr std::int32_t kMethodGroebner = 328;
constexpr std::int32_t kMethodFullAngle = 329;
constexpr std::int32_t kMethodVector = 330;
