#pragma once

#include "config/VnConfigSection.h"

/// The main window's state as the configuration stores it.
enum class TVnWindowState { Normal = 0, Minimized = 1, Maximized = 2 };

/// The main window's normal (not maximized) bounds in pixels, and its state.
struct TVnWindowGeometry {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  TVnWindowState State = TVnWindowState::Normal;

  bool operator==(const TVnWindowGeometry &) const = default;
};

/// One bound of the main window, stored as an attribute of "environment".
enum class TVnWindowBound { Left, Top, Width, Height };

/// Section "environment": main window geometry, tool bar positions and
/// general program switches.
class TVnConfigEnvironment : public TVnConfigSection {
public:
  explicit TVnConfigEnvironment(pugi::xml_document &doc) : TVnConfigSection(doc, "environment") {}

  int GetBound(TVnWindowBound bound, int def);
  void SetBound(TVnWindowBound bound, int value);
  TVnWindowState GetWindowState(TVnWindowState def);
  void SetWindowState(TVnWindowState state);

  /// Stores the window: its bounds only while it is not maximized (so the
  /// normal bounds survive a maximized session), its state always.
  void SaveMainWindow(const TVnWindowGeometry &current);
  /// The geometry to give the window, each value defaulting to `current`. The
  /// normal bounds come back even for a maximized window, so that leaving the
  /// maximized state returns to them.
  TVnWindowGeometry RestoreMainWindow(const TVnWindowGeometry &current);

  /// Left position of tool bar `index`; the entry is created on first access.
  int GetToolbarLeft(int index, int def);
  void SetToolbarLeft(int index, int left);

private:
  pugi::xml_node ToolbarNode(int index);
};
