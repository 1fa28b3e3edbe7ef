// The version the splash window, --version and the package show.
#pragma once

inline constexpr char kPheltraVersion[] = "1.0.1";
