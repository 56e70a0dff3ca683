#pragma once

// Web pages the program opens in the user's browser; each address lives here only.

/// Instructions for upgrading projects of an old version.
inline constexpr const char *kVnUpgradeInstructionsAddress = "https://vantriadesk.example.org/help/upgrade-old-projects";
/// The animated tutorials offered by the start-up dialog.
inline constexpr const char *kVnAnimatedTutorialsAddress = "https://vantriadesk.example.org/tutorials";
