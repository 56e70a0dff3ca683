#include "project/VnProjectLanguages.h"

#include "project/VnV7Project.h"

#include "core/VnXml.h"

#include <vector>

void SyncOutputLanguageLists(TVnV7Project &project) {
  TVnV7ProjectSection &targets = project.Targets();
  for (int t = 0; t < targets.Count(); ++t) {
    project.GetTargetInfo(t); // makes sure the target has its options skeleton
    pugi::xml_node list =
        VnXmlEnsureChild(targets.Item(t).child("options").child("encodings"), "output_language_list");
    std::vector<pugi::xml_node> invalid;
    QStringList present;
    for (pugi::xml_node entry : list.children("language")) {
      const QString code = VnXmlText(entry.child("code"));
      if (code.isEmpty())
        invalid.push_back(entry);
      else
        present.append(code);
    }
    for (pugi::xml_node entry : invalid)
      list.remove_child(entry);
    for (int l = 0; l < project.Languages().Count(); ++l) {
      const QString code = project.GetLanguage(l);
      if (code.isEmpty() || present.contains(code))
        continue;
      pugi::xml_node entry = list.append_child("language");
      VnXmlSetText(entry.append_child("code"), code);
      entry.append_child("encoding");
      present.append(code);
    }
  }
}

namespace {

int IndexOfLanguage(TVnV7Project &project, const QString &code) {
  for (int l = 0; l < project.Languages().Count(); ++l)
    if (project.GetLanguage(l) == code)
      return l;
  return -1;
}

} // namespace

bool ApplyProjectLanguages(TVnV7Project &project, const QString &nativeCode, const QStringList &targetCodes) {
  const QString current = project.GetActiveLanguage();
  const int currentIndex = project.Languages().ItemIndex();
  bool changed = false;
  if (!project.IsEmpty()) {
    TVnTargetInfo first = project.GetTargetInfo(0);
    if (first.NativeLanguage != nativeCode) {
      first.NativeLanguage = nativeCode;
      project.SetTargetInfo(0, first);
      changed = true;
    }
  }
  {
    TVnUpdateScope update(project);
    TVnV7ProjectSection &languages = project.Languages();
    for (int l = languages.Count() - 1; l >= 0; --l)
      if (!targetCodes.contains(project.GetLanguage(l))) {
        languages.Delete(l);
        changed = true;
      }
    for (const QString &code : targetCodes)
      if (IndexOfLanguage(project, code) < 0) {
        languages.Add(code);
        changed = true;
      }
    update.End(true);
  }
  const int now = IndexOfLanguage(project, current);
  if (now < 0 && project.Languages().Count() > 0)
    project.Languages().SetItemIndex(0);
  else if (now >= 0 && now != currentIndex)
    project.Languages().SetItemIndex(now);
  // Every choice leaves the output lists in step, whatever happened to the active language.
  SyncOutputLanguageLists(project);
  if (changed)
    project.SetModified(true);
  return changed;
}
