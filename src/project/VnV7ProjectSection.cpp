#include "project/VnV7ProjectSection.h"

#include "project/VnV7Project.h"
#include "project/VnV7ProjectTarget.h"

#include "core/VnError.h"
#include "core/VnXml.h"

#include <vector>

namespace {

int ElementCount(pugi::xml_node parent) {
  int count = 0;
  for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling())
    if (child.type() == pugi::node_element)
      ++count;
  return count;
}

pugi::xml_node ElementAt(pugi::xml_node parent, int index) {
  if (index < 0)
    return {};
  for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling())
    if (child.type() == pugi::node_element && index-- == 0)
      return child;
  return {};
}

// Deletes every "lang" element with this id anywhere below `root`.
void DeleteTranslations(pugi::xml_node root, const QString &code) {
  std::vector<pugi::xml_node> doomed;
  VnXmlWalk(
      root,
      [&](pugi::xml_node node) {
        if (node.type() != pugi::node_element)
          return false;
        if (qstrcmp(node.name(), "lang") == 0 && VnXmlAttr(node, "id") == code) {
          doomed.push_back(node);
          return false;
        }
        return true;
      },
      [](pugi::xml_node) {});
  for (pugi::xml_node lang : doomed)
    lang.parent().remove_child(lang);
}

} // namespace

TVnV7ProjectSection::TVnV7ProjectSection(TVnV7Project &project, QString name)
    : FProject(project), FName(std::move(name)), FItemElement(FName.toUtf8()),
      FContainerElement(FItemElement + 's') {
  if (FName == QLatin1String("target"))
    FAllTargets = std::make_unique<TVnV7ProjectTarget>(FProject, pugi::xml_node());
}

TVnV7ProjectSection::~TVnV7ProjectSection() = default;

pugi::xml_node TVnV7ProjectSection::Container() const {
  return FProject.Root().child(FContainerElement.constData());
}

int TVnV7ProjectSection::Count() const { return ElementCount(Container()); }

pugi::xml_node TVnV7ProjectSection::Item(int index) const { return ElementAt(Container(), index); }

void TVnV7ProjectSection::SetItemIndex(int index) {
  const int count = Count();
  if (index >= count) {
    if (count == 0) {
      FItemIndex = -1;
      if (FName == QLatin1String("language"))
        FProject.InvalidateActiveLanguage();
      return;
    }
    index = 0;
  }
  FItemIndex = index;
  if (FName == QLatin1String("language"))
    FProject.InvalidateActiveLanguage();
  if (FName == QLatin1String("target")) {
    FProject.BindScannerOfCurrentTarget();
    FProject.Update(1, false);
  } else if (FName == QLatin1String("language")) {
    FProject.LanguageChanged();
  }
}

int TVnV7ProjectSection::Add(const QString &value, const QString &kind) {
  pugi::xml_node container = VnXmlEnsureChild(FProject.EnsureRoot(), FContainerElement.constData());
  pugi::xml_node item = container.append_child(FItemElement.constData());
  const int index = ElementCount(container) - 1;
  if (FName == QLatin1String("target")) {
    FProject.StructureChanged();
    TVnTargetInfo info = FProject.GetTargetInfo(index);
    info.FileName = value;
    FProject.SetTargetInfo(index, info);
    FProject.FOpened = true;
  } else if (FName == QLatin1String("language")) {
    VnXmlSetText(item, value);
    FProject.SetLanguage(index, value);
  } else if (FName == QLatin1String("exclude")) {
    VnXmlSetText(item, value);
    VnXmlSetAttr(item, "type", kind);
  }
  return index;
}

int TVnV7ProjectSection::Delete(int index) {
  pugi::xml_node item = Item(index);
  if (!item)
    return Count();
  const bool isLanguage = FName == QLatin1String("language");
  const QString code = isLanguage ? VnXmlText(item) : QString();
  if (isLanguage)
    DeleteTranslations(FProject.Root(), code);
  Container().remove_child(item);
  if (isLanguage) {
    FProject.InvalidateActiveLanguage();
    TVnV7ProjectSection &targets = FProject.Targets();
    for (int t = 0; t < targets.Count(); ++t) {
      pugi::xml_node list = targets.Item(t).child("options").child("encodings").child("output_language_list");
      for (pugi::xml_node entry : list.children("language"))
        if (VnXmlText(entry.child("code")) == code) {
          list.remove_child(entry);
          break;
        }
    }
  }
  if (FName == QLatin1String("target"))
    FProject.StructureChanged();

  const int count = Count();
  if (FItemIndex < count)
    SetItemIndex(FItemIndex > 0 ? FItemIndex - 1 : 0);
  else
    SetItemIndex(count - 1);
  if (FName == QLatin1String("target"))
    FProject.Update(0, false);
  FProject.SetModified(true);
  return count;
}

bool TVnV7ProjectSection::TargetsStale(int index) const {
  // Targets come and go only with the structure counter: one comparison
  // answers for every cell of the grid.
  if (FTargetsAt == FProject.StructureCounter())
    return false;
  const pugi::xml_node container = Container();
  if (!container || container != FSeenContainer || int(FTargets.size()) != Count())
    return true;
  return index >= 0 && index < int(FTargets.size()) && FTargets[index]->Element() != Item(index);
}

void TVnV7ProjectSection::EnsureTargets() {
  VnAssert(FAllTargets != nullptr, "TVnCustomProjectSection.GetTarget invalid request");
  if (TargetsStale(-1))
    Reload();
  FTargetsAt = FProject.StructureCounter();
}

TVnV7ProjectTarget &TVnV7ProjectSection::GetTarget(int index) {
  EnsureTargets();
  if (index == -1)
    return *FAllTargets;
  VnAssert(index >= 0 && index < int(FTargets.size()), "TVnV7ProjectSection.GetTarget: no such target");
  return *FTargets[index];
}

TVnV7ProjectTarget &TVnV7ProjectSection::GetCurrentTarget() {
  EnsureTargets();
  const bool valid = FItemIndex >= 0 && FItemIndex < int(FTargets.size());
  return valid ? *FTargets[FItemIndex] : *FAllTargets;
}

int TVnV7ProjectSection::TargetOfRow(int row, int *localRow) {
  return GetTarget(-1).TargetOfRow(row, localRow);
}

void TVnV7ProjectSection::Reload() {
  if (!FAllTargets)
    return;
  const pugi::xml_node container = Container();
  std::vector<std::unique_ptr<TVnV7ProjectTarget>> targets;
  int i = 0;
  for (pugi::xml_node element = container.first_child(); element; element = element.next_sibling()) {
    if (element.type() != pugi::node_element)
      continue;
    // Keep the view (and its row index) of a target that did not move.
    if (i < int(FTargets.size()) && FTargets[i] && FTargets[i]->Element() == element)
      targets.push_back(std::move(FTargets[i]));
    else
      targets.push_back(std::make_unique<TVnV7ProjectTarget>(FProject, element));
    ++i;
  }
  FTargets = std::move(targets);
  FSeenContainer = container;
  FTargetsAt = FProject.StructureCounter();
  FAllTargets->Recount(); // the targets it spans may have changed
}

void TVnV7ProjectSection::DropTargets() {
  FTargets.clear();
  FSeenContainer = pugi::xml_node();
  FTargetsAt = 0;
  if (FAllTargets)
    FAllTargets->Recount();
}
