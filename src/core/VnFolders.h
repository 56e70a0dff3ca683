#pragma once

#include <QString>

// The program's folders, each ending with a slash so that callers append
// relative names directly. They are computed on every call and not created.

/// The user's documents folder of the program ("~/Documents/Vantria/", or
/// $VANTRIA_DOCUMENTS): reports, templates, demo projects.
QString UserDocumentsFolder();
/// The read-only data the program ships (help, demo projects, report styles,
/// templates): $VANTRIA_DATA, else share/vantria beside the installed
/// program, else the source tree's data folder.
QString SharedApplicationFolder();
/// Data the program writes for every project of the user (settings/customlangs.xml,
/// dictionaries the user adds): QStandardPaths::AppDataLocation
/// ("~/.local/share/vantria/").
QString WritableSharedDataFolder();
/// The plug-ins folder: $VANTRIA_PLUGINS, else lib/vantria/plugins beside
/// the installed program, else the build tree's plugins folder.
QString PluginsFolder();
/// Where the user's copies of the demo projects live.
QString DemoProjectsFolder();

/// On first start, copies the shipped demo projects into the demo projects
/// folder. An existing folder is left alone: the user may have changed the
/// copies. Failures are silent; the program works without demos.
void VnEnsureDemoProjects();
