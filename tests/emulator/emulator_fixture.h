// An emulator with an open document and every suite held, as during a plug-in flow.
#pragma once

#include <gtest/gtest.h>

#include "emulator/emulator.h"
#include "host/suite_acquisition.h"
#include "host/suite_pointers.h"

namespace emulator {

class EmulatorTest : public ::testing::Test {
 protected:
  EmulatorTest() : document_(emulator_.NewDocument({100, 200})), suites_(emulator_.basic()) {}

  host::ArtHandle Group() {
    host::LayerHandle layer = nullptr;
    host::ArtHandle group = nullptr;
    EXPECT_EQ(host::sLayer->GetCurrentLayer(&layer), host::kNoError);
    EXPECT_EQ(host::sArt->GetFirstArtOfLayer(layer, &group), host::kNoError);
    return group;
  }

  Emulator emulator_;
  Document& document_;
  host::ScopedSuites suites_;
};

}  // namespace emulator
