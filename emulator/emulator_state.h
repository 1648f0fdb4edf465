// Everything an emulator holds. Shared by the suite implementations, which reach it through the
// emulator current on the calling thread.
#pragma once

#include <memory>

#include "emulator/block_ledger.h"
#include "emulator/call_log.h"
#include "emulator/document.h"
#include "emulator/emulator.h"
#include "emulator/font_system.h"
#include "emulator/framework_records.h"
#include "emulator/menu_records.h"
#include "emulator/panel_host.h"
#include "emulator/resource_store.h"
#include "emulator/string_key.h"
#include "emulator/svg_writer.h"
#include "emulator/text_objects.h"

namespace emulator {

struct Emulator::State {
  CallLog calls;
  StringKeyMap<SuiteCount> suites;  // by suite name
  BlockLedger blocks;
  FrameworkRecords framework;
  HandleTable<host::UnicodeStringHandle, std::u16string> strings;
  MenuRecords menus;
  PanelHost panels;
  ResourceStore resources;
  FontSystem fonts;
  TextObjects text;
  std::unique_ptr<Document> document;
  SvgBuffersPointer svgBuffers;  // made by the first SVG file written
};

}  // namespace emulator
