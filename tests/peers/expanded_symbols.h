// GS1 DataBar Expanded symbols for the peer tests: random element strings typed as a user types
// them into the Expanded panel (AIs of the panel's table, each compressed method, up to the
// symbol's 252 data bits and beyond), optional 2D data, and the symbols the panel's form makes of
// them as module rows or PNG files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "emulator/emulator.h"
#include "host/suite_acquisition.h"
#include "tests/composite/composite_peer_cases.h"
#include "tests/peers/peer_support.h"

namespace peers {

using composite::testing::Element;

struct ExpandedCase {
  std::vector<Element> elements;           // the element string
  std::vector<Element> compositeElements;  // the 2D data; empty for none

  // As typed into the code field: "(AI)data", parentheses in the data escaped.
  std::string Code() const;
  // As typed into the 2D field: "(AI)data", '#' after a variable-length field that another
  // follows.
  std::string CompositeText() const;
  // The encoder's text: AIs and data, '#' after a variable-length field that another follows.
  std::string EncoderText() const { return composite::testing::OurText(elements); }
  std::string CompositeEncoderText() const {
    return composite::testing::OurText(compositeElements);
  }
  // The peer's input, "[AI]data".
  std::string PeerText() const { return composite::testing::PeerText(elements); }
  std::string CompositePeerText() const { return composite::testing::PeerText(compositeElements); }
  // What a reader reports: "(AI)data".
  std::string Decoded() const;
};

// Random cases: a tenth for each compressed method (GTIN with indicator 9 and a weight, a price
// or a weight and date), the rest AIs drawn from the panel's table, in codes up to the code
// field's 70 characters; every fourth case with 2D data that the panel accepts.
class ExpandedCaseGenerator {
 public:
  explicit ExpandedCaseGenerator(uint64_t seed)
      : random_(seed), compositeGenerator_(static_cast<uint32_t>(seed)) {}
  ExpandedCase Next();

 private:
  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  std::string Digits(int count);
  std::string Gtin(bool indicator9);
  std::string Date();
  Element FromTable();
  std::vector<Element> CompositeElements(const ExpandedCase& c);

  std::mt19937_64 random_;
  composite::testing::ElementStringGenerator compositeGenerator_;
  int count_ = 0;
};

// An emulator with the plug-in's suites held, making symbols through the Expanded panel's form.
class ExpandedMaker {
 public:
  ExpandedMaker();

  struct Made {
    int32_t result = 0;   // EncodeDataBar's result; the form's refusal leaves it 0
    std::string refusal;  // the form's message when a field was refused
    ModuleRows rows;      // top row first; empty when nothing was made
  };
  Made Rows(const ExpandedCase& c, int segmentsPerRow);

  // Creates the symbol with the panel's defaults in a new document and writes it as a PNG.
  // Returns an empty text, or what went wrong.
  std::string WritePng(const ExpandedCase& c, int segmentsPerRow, const std::filesystem::path& file,
                       int dpi);

 private:
  emulator::Emulator emulator_;
  host::ScopedSuites suites_{emulator_.basic()};
};

}  // namespace peers
