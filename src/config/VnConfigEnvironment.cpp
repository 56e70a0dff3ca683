#include "config/VnConfigEnvironment.h"

#include "config/VnConfigValues.h"
#include "core/VnXml.h"

namespace {

const char *BoundName(TVnWindowBound bound) {
  switch (bound) {
  case TVnWindowBound::Left: return "left";
  case TVnWindowBound::Top: return "top";
  case TVnWindowBound::Width: return "width";
  case TVnWindowBound::Height: return "height";
  }
  return "";
}

} // namespace

int TVnConfigEnvironment::GetBound(TVnWindowBound bound, int def) {
  return VnConfigGetAttrInt(GetSectionNode(), BoundName(bound), def);
}

void TVnConfigEnvironment::SetBound(TVnWindowBound bound, int value) {
  VnConfigSetAttrInt(GetSectionNode(), BoundName(bound), value);
}

TVnWindowState TVnConfigEnvironment::GetWindowState(TVnWindowState def) {
  int state = VnConfigGetAttrInt(GetSectionNode(), "windowstate", int(def));
  if (state < int(TVnWindowState::Normal) || state > int(TVnWindowState::Maximized))
    return def;
  return TVnWindowState(state);
}

void TVnConfigEnvironment::SetWindowState(TVnWindowState state) {
  VnConfigSetAttrInt(GetSectionNode(), "windowstate", int(state));
}

void TVnConfigEnvironment::SaveMainWindow(const TVnWindowGeometry &current) {
  if (current.State != TVnWindowState::Maximized) {
    SetBound(TVnWindowBound::Left, current.Left);
    SetBound(TVnWindowBound::Top, current.Top);
    SetBound(TVnWindowBound::Width, current.Width);
    SetBound(TVnWindowBound::Height, current.Height);
  }
  SetWindowState(current.State);
}

TVnWindowGeometry TVnConfigEnvironment::RestoreMainWindow(const TVnWindowGeometry &current) {
  return TVnWindowGeometry{
      GetBound(TVnWindowBound::Left, current.Left),
      GetBound(TVnWindowBound::Top, current.Top),
      GetBound(TVnWindowBound::Width, current.Width),
      GetBound(TVnWindowBound::Height, current.Height),
      GetWindowState(current.State),
  };
}

pugi::xml_node TVnConfigEnvironment::ToolbarNode(int index) {
  pugi::xml_node toolbars = VnXmlEnsureChild(GetSectionNode(), "toolbars");
  return VnXmlEnsureChildWith(toolbars, "toolbar", "no", QString::number(index));
}

int TVnConfigEnvironment::GetToolbarLeft(int index, int def) {
  return VnXmlParseInt(VnXmlText(ToolbarNode(index))).value_or(def);
}

void TVnConfigEnvironment::SetToolbarLeft(int index, int left) {
  VnXmlSetText(ToolbarNode(index), QString::number(left));
}
