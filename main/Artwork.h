// The main program's pictures, drawn in code and registered in the resource
// table: the start view's picture (174), the login background (194) and
// button faces (195-198, 201, 202), the application icon (128) and the
// outlook icons (184-191, 209, 211, 212, 230-233).
#pragma once

namespace artwork {

constexpr int kStartPicture = 174;      // 1206 x 800
constexpr int kLoginBackground = 194;   // 497 x 302
constexpr int kApplicationIcon = 128;
// The outlook bar's pictures of 成果转化 and of its three groups.
constexpr int kAchievementIcon = 230;
constexpr int kGuideGroupIcon = 231;    // 指南管理
constexpr int kDeclareGroupIcon = 232;  // 项目申报
constexpr int kManageGroupIcon = 233;   // 项目管理

// What the login dialog and the window icon need: the login background,
// the button faces and the application icon. Once; later calls do nothing.
void RegisterLoginArtwork();

// Every picture, the login ones included. Once; later calls do nothing. The
// start picture and the outlook icons are drawn only here, after the login,
// since drawing them keeps the login dialog from showing sooner.
void RegisterMainArtwork();

}  // namespace artwork
