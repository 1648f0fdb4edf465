// Compares the rows of random composite components with those of an independent encoder (zint,
// run as a black box): it builds the whole composite symbol, and the rows above its linear part
// are the component. Both sides are reduced to their modules without the margins. Every component
// of ours must read back as its element string and equal the peer's, except where ours is the
// smaller: then the peer's must read back as the same string and the two encodings must part at
// one of the points where this encoder makes a shorter choice than the standard procedure
// (Difference in composite_peer_cases.h). Where the peer refuses data as too long that ours fits,
// our own encodation by the standard procedure must be too long as well.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "composite/composite_component.h"
#include "composite/size_tables.h"
#include "core/encode_error.h"
#include "tests/composite/component_decoder.h"
#include "tests/composite/component_reader.h"
#include "tests/composite/composite_peer_cases.h"

extern char** environ;

namespace composite {
namespace {

using testing::Classify;
using testing::Difference;
using testing::Element;
using testing::ElementStringGenerator;
using testing::ExplainPeerRefusal;
using testing::kDifferenceNames;
using testing::OurText;
using testing::PeerText;

constexpr uint32_t kSeed = 20240611;
constexpr int kCasesPerForm = 1000;
constexpr int kTooLongCasesPerForm = 30;

struct ProcessOutput {
  int status = -1;
  std::string out;
};

ProcessOutput RunProgram(const std::vector<std::string>& args) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0)
    return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
  posix_spawn_file_actions_addclose(&actions, pipeFds[1]);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  std::vector<char*> argv;
  for (const std::string& arg : args)
    argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeFds[1]);
  ProcessOutput output;
  char chunk[4096];
  ssize_t n;
  while ((n = read(pipeFds[0], chunk, sizeof chunk)) > 0)
    output.out.append(chunk, n);
  close(pipeFds[0]);
  if (spawned != 0)
    return {};
  int status = 0;
  waitpid(pid, &status, 0);
  output.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return output;
}

// The module rows of a dump: hex digits, most significant bit first.
std::vector<std::string> DumpRows(const std::string& dump) {
  std::vector<std::string> rows;
  std::istringstream lines(dump);
  for (std::string line; std::getline(lines, line);) {
    std::string modules;
    for (char c : line) {
      if (!std::isxdigit(static_cast<unsigned char>(c)))
        continue;
      const int v = std::stoi(std::string(1, c), nullptr, 16);
      for (int bit = 3; bit >= 0; --bit)
        modules += (v >> bit & 1) ? '1' : '0';
    }
    if (!modules.empty())
      rows.push_back(modules);
  }
  return rows;
}

// Removes the light margin common to all rows and every row's trailing light modules.
std::vector<std::string> Normalise(std::vector<std::string> rows) {
  size_t margin = std::string::npos;
  for (const std::string& row : rows)
    margin = std::min(margin, row.find('1'));
  for (std::string& row : rows) {
    row.erase(0, std::min(margin, row.size()));
    row.erase(row.find_last_of('1') + 1);
  }
  return rows;
}

struct PeerForm {
  int columns;
  const char* compositeBarcode;  // the peer's composite symbology
  const char* linearBarcode;     // the same linear symbol without a component
  const char* primary;
};

struct Component {
  int rowCount = 0;
  int error = 0;
  std::vector<std::string> modules;  // normalised
  std::string bits;                  // the data bits read back from the rows
};

Component Encode(int columns, const std::string& text) {
  databar::CompositeRowBuffer rows{};
  Component ours{EncodeComposite(columns, text.c_str(), rows), databar::EncodeError, {}, {}};
  std::vector<testing::ReadRow> read;
  for (int r = 0; r < ours.rowCount; ++r) {
    ours.modules.push_back(testing::RowModules(rows[r]));
    read.push_back(testing::ReadComponentRow(rows[r]));
  }
  ours.modules = Normalise(ours.modules);
  ours.bits = testing::ComponentBits(columns, read);
  return ours;
}

Component PeerEncode(const PeerForm& form, const std::string& peerText, size_t linearLines) {
  const ProcessOutput peer =
      RunProgram({"zint", "-b", form.compositeBarcode, std::string("--primary=") + form.primary,
                  "--gs1nocheck", "-d", peerText, "--dump"});
  std::vector<std::string> rows = DumpRows(peer.out);
  Component component;
  if (peer.status != 0 || rows.size() <= linearLines)
    return component;
  rows.resize(rows.size() - linearLines);
  component.rowCount = static_cast<int>(rows.size());
  component.modules = Normalise(rows);
  std::vector<testing::ReadRow> read;
  for (const std::string& row : component.modules)
    read.push_back(testing::ReadModuleRow(row));
  component.bits = testing::ComponentBits(form.columns, read);
  return component;
}

class CompositePeerTest : public ::testing::TestWithParam<PeerForm> {};

TEST_P(CompositePeerTest, RowsEqualThePeersOrCarryTheSameData) {
  const PeerForm form = GetParam();
  std::printf("seed %u, %d columns (peer symbology %s)\n", kSeed + form.columns, form.columns,
              form.compositeBarcode);
  const ProcessOutput linear =
      RunProgram({"zint", "-b", form.linearBarcode, "-d", form.primary, "--dump"});
  ASSERT_EQ(linear.status, 0) << "zint is needed for this test";
  const size_t linearLines = DumpRows(linear.out).size() + 1;  // and the separator row

  ElementStringGenerator generator(kSeed + form.columns);
  int compared = 0, identical = 0, bothRefused = 0, failures = 0;
  std::map<Difference, int> differences;
  std::map<Difference, int> peerRefused;
  std::map<int, int> rowCounts;
  const auto rowsOf = [&](const std::vector<Element>& elements) {
    return Encode(form.columns, OurText(elements)).rowCount;
  };
  for (const std::vector<Element>& elements : testing::CasesForEverySize(
           *SizeTableFor(form.columns), kCasesPerForm, kTooLongCasesPerForm, generator, rowsOf)) {
    ++compared;
    const std::string text = OurText(elements);
    const Component ours = Encode(form.columns, text);
    const Component peer = PeerEncode(form, PeerText(elements), linearLines);
    std::string problem;
    const testing::DecodedData ourData = testing::DecodeElementString(ours.bits);
    if (ours.rowCount > 0)
      ++rowCounts[ours.rowCount];
    if (ours.rowCount > 0 && ourData.text != text) {
      problem = "ours reads back as " + ourData.text;
    } else if (ours.rowCount == 0 && peer.rowCount == 0 && ours.error == databar::kDataTooLong) {
      ++bothRefused;
    } else if (ours.rowCount == 0) {
      problem = "only ours refused the data";
    } else if (peer.rowCount == 0) {
      const Difference difference = ExplainPeerRefusal(form.columns, text, ourData);
      ++peerRefused[difference];
      if (difference == Difference::kUnexplained)
        problem = "only the peer refused the data, and not for a documented choice";
    } else if (ours.modules == peer.modules) {
      ++identical;
    } else {
      const testing::DecodedData peerData = testing::DecodeElementString(peer.bits);
      const Difference difference = Classify(ourData, peerData);
      ++differences[difference];
      if (peerData.text != text)
        problem = "the peer's reads back as " + peerData.text;
      else if (difference == Difference::kUnexplained)
        problem = "an unexplained difference";
      else if (ours.rowCount >= peer.rowCount)
        problem = "a documented choice that does not make the component smaller";
    }
    if (!problem.empty() && ++failures <= 5) {
      ADD_FAILURE() << problem << "\ntext " << text << "\npeer " << PeerText(elements) << "\nours "
                    << ours.rowCount << " rows (error " << ours.error << "), peer " << peer.rowCount
                    << " rows";
    }
  }
  std::printf("%d cases: %d identical, %d refused by both as too long, %d differ:", compared,
              identical, bothRefused, compared - identical - bothRefused);
  for (const auto& [difference, count] : differences) {
    std::printf(" %d smaller than the peer's by %s;", count,
                kDifferenceNames[static_cast<int>(difference)]);
  }
  for (const auto& [difference, count] : peerRefused) {
    std::printf(" %d too long for the peer by %s;", count,
                kDifferenceNames[static_cast<int>(difference)]);
  }
  std::printf("\nrows:");
  for (const auto& [rows, count] : rowCounts)
    std::printf(" %d:%d", rows, count);
  std::printf("\n");
  EXPECT_EQ(failures, 0);
  EXPECT_GE(bothRefused, kTooLongCasesPerForm / 2);
}

INSTANTIATE_TEST_SUITE_P(Forms, CompositePeerTest,
                         ::testing::Values(PeerForm{2, "137", "79", "0123456789012"},
                                           PeerForm{3, "133", "30", "0123456789012"},
                                           PeerForm{4, "132", "29", "0123456789012"}),
                         [](const auto& info) {
                           return std::to_string(info.param.columns) + "Columns";
                         });

}  // namespace
}  // namespace composite
