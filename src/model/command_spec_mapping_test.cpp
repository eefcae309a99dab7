// The command specification to and from a command-set entry, the
// initialisation file's keys and the manifest's named values.

#include "model/command_spec_mapping.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace verbsmith {
namespace {

TEST(CommandSpecMappingTest, AnEntryReadIntoTheSpecIsTheEntryItRegistersAndItsIniKeys) {
  CommandEntry entry;
  entry.progId = "Proj.Cmd";
  entry.commandType = 3;
  entry.enableMask = 5;
  entry.listenerMask = 7;
  entry.description = "Zooms";
  entry.toolTip = "Zoom";
  entry.smallMonoBitmap = "sm.bmp";
  entry.smallColorBitmap = "C:\\c\\sc.bmp";
  entry.largeMonoBitmap = "C:\\b\\lm.bmp";
  entry.largeColorBitmap = "C:\\a\\lc.bmp";
  CommandSpec spec;
  spec.projectName = "Proj";
  spec.classname = "Cmd";
  spec.commandDesc = "Zooms";
  spec.commandToolTip = "Zoom";
  ReadEntry(entry, spec);
  EXPECT_EQ(EntryOf(spec), entry);
  EXPECT_TRUE(spec.commandIsModeless && spec.isMapViewListener && spec.resourceType == 1);
  EXPECT_EQ(spec.lcBitmapLocation + "|" + spec.lcBmpFilename, "C:\\a\\|lc.bmp");

  ProfileFiles::KeyValues keys = IniCommandKeys(entry);
  EXPECT_EQ(keys[1], (std::pair<std::string, std::string>{"CommandType", "3"}));
  EXPECT_EQ(keys[4], (std::pair<std::string, std::string>{"IsModal", "0"}));
  EXPECT_EQ(IniBitmapKeys(entry).front(),
            (std::pair<std::string, std::string>{"SmallMonoBitmapPath", "sm.bmp"}));
}

TEST(CommandSpecMappingTest, NamedValuesNameEachPropertyOnceWithItsValue) {
  CommandSpec spec;
  spec.classname = "Cmd";
  spec.formPosition = 2;
  std::map<std::string, SpecValue> named;
  for (const auto& [name, value] : NamedValues(spec)) EXPECT_TRUE(named.emplace(name, value).second) << name;
  EXPECT_EQ(named.at("Classname"), SpecValue(std::string("Cmd")));
  EXPECT_EQ(named.at("FormPosition"), SpecValue(int32_t{2}));
}

}  // namespace
}  // namespace verbsmith
