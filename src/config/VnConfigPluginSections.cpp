#include "config/VnConfigPluginSections.h"

#include "config/VnConfigValues.h"
#include "core/VnError.h"
#include "core/VnXml.h"

namespace {

const struct {
  const char *Name;
  bool Default;
} kSaveStatuses[] = {
    {"fuzzy", false}, {"auto", false}, {"translated", false}, {"qaed", true}, {"ready", true},
};
static_assert(std::size(kSaveStatuses) == VnSaveStatusCount);

const auto &SaveStatusInfo(int status) {
  VnAssert(status >= 0 && status < VnSaveStatusCount, "TVnConfigTM: no such translation status");
  return kSaveStatuses[status];
}

} // namespace

bool TVnConfigTM::GetSaveStatus(int status) {
  const auto &info = SaveStatusInfo(status);
  return VnConfigGetElementBool(VnXmlEnsureChild(GetSectionNode(), "save_statuses"), info.Name, info.Default);
}

void TVnConfigTM::SetSaveStatus(int status, bool save) {
  const auto &info = SaveStatusInfo(status);
  VnConfigSetElementBool(VnXmlEnsureChild(GetSectionNode(), "save_statuses"), info.Name, save);
}

int TVnConfigTM::GetLiveIndex() { return VnConfigGetElementInt(GetSectionNode(), "liveindex", -1); }

void TVnConfigTM::SetLiveIndex(int index) { VnConfigSetElementInt(GetSectionNode(), "liveindex", index); }
