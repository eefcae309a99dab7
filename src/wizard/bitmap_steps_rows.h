#pragma once
// The four toolbar bitmaps as rows: their code, where the bitmap manager
// keeps each one's file name and location, and where a command-set entry
// keeps its path. Always in the order
// LC, LM, SC, SM.

#include <array>
#include <string>
#include <string_view>

#include "connection/connection.h"
#include "platform/command_set.h"

namespace verbsmith {

struct BitmapRow {
  std::string_view code;  // "LC"
  std::string (IBitmapMgr::*name)() const;
  void (IBitmapMgr::*setName)(std::string);
  std::string (IBitmapMgr::*location)() const;
  void (IBitmapMgr::*setLocation)(std::string);
  // Where a command-set entry keeps the bitmap's full path.
  std::string CommandEntry::*entryPath;

  std::string Name(const IBitmapMgr& bitmaps) const { return (bitmaps.*name)(); }
  std::string Location(const IBitmapMgr& bitmaps) const { return (bitmaps.*location)(); }
  // The full path: the location followed by the file name.
  std::string Path(const IBitmapMgr& bitmaps) const { return Location(bitmaps) + Name(bitmaps); }
  void Set(IBitmapMgr& bitmaps, std::string location, std::string fileName) const {
    (bitmaps.*setLocation)(std::move(location));
    (bitmaps.*setName)(std::move(fileName));
  }
  void Clear(IBitmapMgr& bitmaps) const { Set(bitmaps, "", ""); }
  // The code says the kind: Large or Small, Color or Monochrome.
  bool Large() const { return code.front() == 'L'; }
  bool Monochrome() const { return code.back() == 'M'; }
  // The custom-bitmap step's text box for the row.
  std::string BoxName() const { return "txt" + std::string(code) + "CustomBMPName"; }
};

inline constexpr std::array<BitmapRow, 4> kBitmapRows{{
    {"LC", &IBitmapMgr::LCBMPFilename, &IBitmapMgr::SetLCBMPFilename, &IBitmapMgr::LCBitmapLocation,
     &IBitmapMgr::SetLCBitmapLocation, &CommandEntry::largeColorBitmap},
    {"LM", &IBitmapMgr::LMBMPFilename, &IBitmapMgr::SetLMBMPFilename, &IBitmapMgr::LMBitmapLocation,
     &IBitmapMgr::SetLMBitmapLocation, &CommandEntry::largeMonoBitmap},
    {"SC", &IBitmapMgr::SCBMPFilename, &IBitmapMgr::SetSCBMPFilename, &IBitmapMgr::SCBitmapLocation,
     &IBitmapMgr::SetSCBitmapLocation, &CommandEntry::smallColorBitmap},
    {"SM", &IBitmapMgr::SMBMPFilename, &IBitmapMgr::SetSMBMPFilename, &IBitmapMgr::SMBitmapLocation,
     &IBitmapMgr::SetSMBitmapLocation, &CommandEntry::smallMonoBitmap},
}};

}  // namespace verbsmith
