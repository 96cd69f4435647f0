// The main program's pictures, drawn in code and registered in the resource
// table: the start view's picture (174), the login background (194) and
// button faces (195-198, 201, 202), the application icon (128) and the
// outlook icons (184-191, 209, 211, 212).
#pragma once

namespace artwork {

constexpr int kStartPicture = 174;      // 1206 x 800
constexpr int kLoginBackground = 194;   // 497 x 302
constexpr int kApplicationIcon = 128;

// Registers every picture once; later calls do nothing.
void RegisterMainArtwork();

}  // namespace artwork
