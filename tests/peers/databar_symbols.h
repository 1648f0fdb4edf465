// GS1 DataBar symbols of this project for the peer tests: module rows, and PNG files made by
// the panel's create action through the stand-in host's writer.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "emulator/emulator.h"
#include "host/suite_acquisition.h"
#include "tests/peers/peer_support.h"

namespace peers {

struct DataBarKind {
  const char* name;
  int32_t type;           // DataBarType
  int zintSymbology;      // zint's -b number
  int rows;               // module rows of a symbol without 2D component
  uint64_t itemLimit;     // item numbers lie below this
  const char* decodedAs;  // zxing's name of the symbology
};

extern const DataBarKind kDataBarKinds[5];

// An emulator with the plug-in's suites held, for making symbols in this process.
class DataBarMaker {
 public:
  DataBarMaker();

  // The rows of the symbol, with a 2D component when `compositeText` (as typed into the panel)
  // is not empty; no rows when it is refused, with the encoder's result in `result`.
  ModuleRows Rows(int32_t type, const std::string& itemNumber,
                  const std::string& compositeText = "", int32_t* result = nullptr);

  // Creates the symbol with the panel's defaults in a new document and writes it as a PNG.
  // Returns an empty text, or what went wrong.
  std::string WritePng(int32_t type, const std::string& itemNumber,
                       const std::filesystem::path& file, int dpi);

 private:
  emulator::Emulator emulator_;
  host::ScopedSuites suites_{emulator_.basic()};
};

}  // namespace peers
