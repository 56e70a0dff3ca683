#pragma once

// Choosing a project's languages: what the Project Languages dialog applies.

#include <QString>
#include <QStringList>

class TVnV7Project;

/// Brings every target's output language list in step with the project
/// languages: entries without a code go, and each project language without an
/// entry gets one (with an empty encoding), in project order.
void SyncOutputLanguageLists(TVnV7Project &project);

/// Applies a choice of languages: the first target's native language becomes
/// `nativeCode`; project languages not among `targetCodes` are removed with
/// all their translations, and the missing ones are appended in the given
/// order (the others keep their places). The active language follows its code,
/// or becomes the first one when it was removed. The output language lists are
/// always brought in step. True when anything changed (the project is then
/// marked modified).
bool ApplyProjectLanguages(TVnV7Project &project, const QString &nativeCode, const QStringList &targetCodes);
