#pragma once

// Who made the program: the credit line of every page and the about box show these.
namespace tuk {

inline constexpr const char* kMakerName = "Tarnwick";
inline constexpr const char* kMakerHomePage = "https://tarnwick.example/tu_k/";
inline constexpr const char* kContactAddress = "tu_k@tarnwick.example";
inline constexpr int kCopyrightYear = 2026;

} // namespace tuk
