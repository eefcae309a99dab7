#pragma once
// The three integers through which the Carthex application learns when a
// command is enabled, whether it listens to map views and what kind of
// listener it is: their bit tables, and turning the wizard's check boxes and
// option buttons into them and back. Everything here works on control names
// and flags only, so the wizard window is free to lay the controls out.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace verbsmith::masks {

// Answers whether the named check box is checked (or option selected).
using IsChecked = std::function<bool(std::string_view controlName)>;

// ---- Enabling mask (CommandsEnablingConditions) ----

struct EnablingCondition {
  int32_t bit;
  std::string_view checkBox;
  std::string_view caption;
};

// The standard conditions in the order the boxes are examined, which is the
// order of their recap lines; the bits do not follow it.
inline constexpr std::array<EnablingCondition, 29> kEnablingConditions{{
    {0x2, "chkDataviewActive", "Data view is active"},
    {0x10000000, "chkDataViewUpdateable", "Data view is updateable"},
    {0x4000000, "chkDataViewHasRows", "Data view has rows"},
    {0x8000000, "chkDataViewHasColumns", "Data view has columns"},
    {0x4, "chkDataviewOneColumnSelected", "Data view one column selected"},
    {0x8, "chkDataviewColumnsSelected", "Data view columns selected"},
    {0x10, "chkDataviewOneRowSelected", "Data view one row selected"},
    {0x20, "chkDataViewRowsSelected", "Data view rows selected"},
    {0x40, "chkDataViewOneCellSelected", "Data view one cell selected"},
    {0x80, "chkDataViewCellsSelected", "Data view cells selected"},
    {0x100, "chkDataViewColumnTypeIsNumber", "Data view column type is number"},
    {0x200, "chkDataViewColumnTypeIsHypertext", "Data view column type is hypertext"},
    {0x400, "chkDataViewRowBeingEdited", "Data view row being edited"},
    {0x800, "chkPlotspaceIsOpen", "Plotspace is open"},
    {0x1000, "chkOneOrMoreQueriesExist", "One or more queries exist"},
    {0x2000, "chkOneorMoreConnectionsExist", "One or more connections exist"},
    {0x4000, "chkReadableConnectionsExist", "Readable connections exist"},
    {0x8000, "chkWritableConnectionsExist", "Writable connections exist"},
    {0x10000, "chkMapViewIsActive", "Map view is active"},
    {0x20000, "chkDataViewOrMapViewIsActive", "Data view or map view is active"},
    {0x40000, "chkSelectSetCountIsOne", "Select set count is one"},
    {0x80000, "chkSelectSetCountIsOneOrMore", "Select set count is one or more"},
    {0x100000, "chkSelectSetHasGeometryFeature", "Select set has geometry feature"},
    {0x200000, "chkSelectSetHasRaster", "Select set has raster"},
    {0x800000, "chkSelectSetHasNonRaster", "Select set has non-raster"},
    {0x2000000, "chkSelectSetDeleteEnabled",
     "Select set count is one or more OR Data view has cells or columns selected"},
    {0x400000, "chkSelectSetHasRecords", "Select set has records"},
    {0x20000000, "chkTwoOrMoreConnectionsExist", "Two or more connections exist"},
    {0x40000000, "chkLegendIsVisible", "Legend is visible"},
}};

// The custom box excludes every standard one; its mask is exactly 1.
inline constexpr int32_t kCustomEnablingMask = 1;
inline constexpr std::string_view kCustomEnablingCheckBox = "chkCustomEnablingRequirements";
inline constexpr std::string_view kCustomEnablingCaption = "&Custom enabling requirements";

struct EnablingEncoding {
  int32_t mask = 0;
  // The enabling piece of the recap: empty line, heading, one line per
  // condition (or the no-conditions line), each ended by CR LF.
  std::string recap;
};

// Encodes the enabling mask from the boxes. A checked custom box wins and
// the standard boxes are then not looked at.
EnablingEncoding EncodeEnablingMask(const IsChecked& isChecked);

// The boxes to check for a stored mask: none for 0, the custom box alone
// for 1, otherwise the standard boxes whose bits are set (bit 0x1 and
// unassigned bits ignored). Boxes are only ever checked, never cleared.
std::vector<std::string_view> DecodeEnablingMask(int32_t mask);

// ---- View listener (ViewListener, ViewListenerRequirements) ----

struct ListenerOption {
  int32_t value;
  std::string_view option;
  std::string_view caption;
  std::string_view recapLine;  // the requirements recap line, without CR LF
};

// In the order the options are tested when the step is left.
inline constexpr std::array<ListenerOption, 3> kListenerOptions{{
    {1, "optHasCustomStartupRequirements", "&Has custom startup requirements",
     "                + Custom startup requirements"},
    {2, "optListenToActiveMapView", "Listen to a&ctive map view",
     "                + Listen to active map window"},
    {8, "optListenToAllMapViews", "Listen to &all map views", "                + Listen to all map windows"},
}};

inline constexpr int32_t kNewViewsBit = 16;
inline constexpr std::string_view kNewViewsCheckBox = "chkTellMeAboutNewViews";
inline constexpr std::string_view kNewViewsCaption = "&Tell me about new views";

// ViewListener after leaving the listener step: the value of the first
// selected option, or previous when none is selected.
int32_t EncodeViewListener(const IsChecked& isSelected, int32_t previous);

// ViewListenerRequirements: the listener kind plus 16 for new views.
int32_t EncodeListenerRequirements(int32_t viewListener, bool tellMeAboutNewViews);

// The requirements piece of the recap for the step's controls.
std::string ListenerRequirementsRecap(const IsChecked& isChecked);

struct ListenerChoice {
  bool newViews = false;
  std::string_view option;  // empty: no option selected
};

// The listener step's controls for stored requirements.
ListenerChoice DecodeListenerRequirements(int32_t requirements);

// ---- Listener command type (ViewListenerCommandType) ----

struct CommandTypeOption {
  int32_t value;
  std::string_view option;
  std::string_view caption;
  std::string_view recapLine;  // without CR LF
};

// In the order the options are tested when the step is left.
inline constexpr std::array<CommandTypeOption, 6> kCommandTypeOptions{{
    {2, "optSelection", "&Selection command", "                + Selection command"},
    {3, "optPlacement", "&Placement command", "                + Placement command"},
    {4, "optEdit", "&Edit command", "                + Edit command"},
    {5, "optViewChange", "&View change command", "                + View change command"},
    {6, "optDefineSubView", "&Define subview command", "                + Define subview command"},
    {1, "optTracker", "&Tracker command", "                + Tracker command"},
}};

// The value of the first selected option, or previous when none is.
int32_t EncodeCommandType(const IsChecked& isSelected, int32_t previous);

// The command-type piece of the recap for the step's controls.
std::string CommandTypeRecap(const IsChecked& isSelected);

// The option to select for a stored value (thresholds: 6 or more is Define
// subview); empty for 0 or less.
std::string_view DecodeCommandType(int32_t commandType);

}  // namespace verbsmith::masks
