// Support for comparing this project's symbols with the peers, used as black boxes: zint's module
// dump, decoding images with zxing-wasm through decode.mjs, and bwip-js's verdicts on GS1 data
// through gs1_lint.mjs. Shared by every symbology's peer tests.
#pragma once

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace peers {

using ModuleRows = std::vector<std::string>;  // '1' dark, '0' light, top row first

// The seed of a test's random cases: BARQUILL_PEER_SEED when set, else the given one. Prints it,
// so that a failing run can be repeated.
uint64_t CaseSeed(uint64_t fallback);

// count random decimal numbers below `limit`, each padded with zeros to `digits` characters.
std::vector<std::string> RandomNumbers(std::mt19937_64& random, int count, uint64_t limit,
                                       int digits);

// Runs a shell command and returns its standard output; throws when it cannot be run or exits
// with a failure.
std::string RunCommand(const std::string& command);

// The module rows zint makes for each input (one input per line of a batch run), rowsPerSymbol
// rows each. symbology is zint's -b number. Throws when zint's output does not have the expected
// number of rows.
std::vector<ModuleRows> ZintRows(int symbology, const std::vector<std::string>& inputs,
                                 int rowsPerSymbol, const std::string& extraOptions = "");

// The module rows of one symbol from `zint ARGUMENTS --dump`, run without a shell; empty when
// zint refuses the input.
ModuleRows ZintDump(const std::vector<std::string>& arguments);

// Removes the light margin common to all rows and every row's trailing light modules, so rows
// from different encoders can be compared.
ModuleRows NormaliseRows(ModuleRows rows);

struct Decoded {
  std::string format;  // zxing's name of the symbology, empty when nothing was found
  std::string text;    // the decoded text, or the reason the file could not be read
};

// Decodes PNG files with zxing-wasm, one result per file, in order.
std::vector<Decoded> DecodePngs(const std::vector<std::filesystem::path>& files);

// bwip-js's verdict on one GS1 message: "OK", or the name of its error ("GS1badChecksum") and
// the error's message ("AI 01: Bad checksum").
struct LintVerdict {
  std::string name;
  std::string message;

  bool ok() const { return name == "OK"; }
};

// bwip-js's verdicts on bracketed GS1 messages, "(01)...(17)...", in order; one node process
// judges them all.
std::vector<LintVerdict> LintGs1(const std::vector<std::string>& texts);

// A directory for a test's files, removed with everything in it at destruction.
class ScratchDirectory {
 public:
  ScratchDirectory();
  ~ScratchDirectory();
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace peers
