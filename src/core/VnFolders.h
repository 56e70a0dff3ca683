#pragma once

#include <QString>

/// The user's documents folder of the program ("~/Documents/Vantria/", or
/// $VANTRIA_DOCUMENTS), ending with a slash. Not created here.
QString VnUserDocumentsFolder();
/// The read-only data the program ships (help, demo projects, templates),
/// ending with a slash: $VANTRIA_DATA, else share/vantria beside the installed
/// program, else the source tree's data folder.
QString VnSharedDataFolder();
/// Where the user's copies of the demo projects live.
QString VnDemoProjectsFolder();

/// On first start, copies the shipped demo projects into the demo projects
/// folder. An existing folder is left alone: the user may have changed the
/// copies. Failures are silent; the program works without demos.
void VnEnsureDemoProjects();
