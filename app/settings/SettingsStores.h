#pragma once

#include <QSettings>

#include <memory>

// The two places the program keeps its per-user settings. On Windows they are the registry keys
// HKCU\Software\Vornex\Brenmor Report Writer (the profile) and HKCU\Software\VORNEX\Brenmor Report Writer
// (the program key); elsewhere the native configuration files of the same names.

// The profile holding "Language" and "Template" below the group `ProfileSection`.
std::unique_ptr<QSettings> OpenFrameworkProfile();

// The program key holding "TempUnit" and the Title Page's "LogoPath", "Company" and "Author".
std::unique_ptr<QSettings> OpenProgramKey();

// The group of the profile's values: the application name, then the section.
inline constexpr const char* ProfileSection = "Report Writer/Brenmor Report Writer";
