// Compares the rows of random composite components with those of an independent encoder (zint,
// run as a black box): it builds the whole composite symbol, and the rows above its linear part
// are the component. Both sides are reduced to their modules without the margins. Every component
// of ours must read back as its element string; where the rows differ from the peer's, the
// peer's must read back as the same string and the two encodings must part at one of the known
// points where this encoder makes a different, equally valid choice (Difference below).
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
#include "databar/encode_error.h"
#include "tests/composite/component_decoder.h"
#include "tests/composite/component_reader.h"

extern char** environ;

namespace composite {
namespace {

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

struct Element {
  std::string ai;
  std::string data;
  bool variableLength;
};

// Our text ('#' after a variable-length field that is not the last) and the peer's bracketed
// form, which inserts FNC1 itself.
std::string OurText(const std::vector<Element>& elements) {
  std::string text;
  for (size_t i = 0; i < elements.size(); ++i) {
    text += elements[i].ai + elements[i].data;
    if (elements[i].variableLength && i + 1 < elements.size())
      text += '#';
  }
  return text;
}

std::string PeerText(const std::vector<Element>& elements) {
  std::string text;
  for (const Element& e : elements)
    text += "[" + e.ai + "]" + e.data;
  return text;
}

// Random element strings that lead with each encodation method and mix the three
// general-purpose modes in runs of every length.
class ElementStringGenerator {
 public:
  explicit ElementStringGenerator(uint32_t seed) : rng_(seed) {}

  std::vector<Element> Next(int dataCharacters) {
    std::vector<Element> elements;
    int length = 0;
    const auto add = [&](Element e) {
      length += static_cast<int>(e.ai.size() + e.data.size());
      elements.push_back(std::move(e));
    };
    switch (Uniform(0, 4)) {
      case 0:  // date, usually with a lot number
        add({Pick({"11", "17"}), Date(), false});
        if (Uniform(0, 2) > 0)
          add({"10", Data(Uniform(1, 20)), true});
        break;
      case 1:
        add({"10", Data(Uniform(1, 20)), true});
        break;
      case 2:  // AI 90 with a number and letter, maybe followed by AI 21 or AI 8004
        add({"90", Ai90Data(), true});
        if (Uniform(0, 1))
          add({Pick({"21", "8004"}), Data(Uniform(1, 20)), true});
        break;
      default:
        add(RandomElement());
        break;
    }
    while (length < dataCharacters)
      add(RandomElement());
    return elements;
  }

  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

 private:
  static constexpr const char* kDigits = "0123456789";
  static constexpr const char* kAlphanumeric = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ*,-./";
  static constexpr const char* kUpperAndDigits = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  static constexpr const char* kIso646 =
      "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ*,-./abcdefghijklmnopqrstuvwxyz!\"%&'()+:;<=>?_ ";

  const char* Pick(std::initializer_list<const char*> choices) {
    return *(choices.begin() + Uniform(0, static_cast<int>(choices.size()) - 1));
  }

  std::string Characters(const char* set, int count) {
    const int size = static_cast<int>(std::char_traits<char>::length(set));
    std::string s;
    for (int i = 0; i < count; ++i)
      s += set[Uniform(0, size - 1)];
    return s;
  }

  std::string TwoDigits(int value) {
    char s[3];
    std::snprintf(s, sizeof s, "%02d", value);
    return s;
  }

  // Mostly valid dates (DD 00 included), sometimes a month the date method must refuse.
  std::string Date() {
    const int month = Uniform(0, 9) == 0 ? Uniform(13, 99) : Uniform(1, 12);
    return TwoDigits(Uniform(0, 99)) + TwoDigits(month) + TwoDigits(Uniform(0, 31));
  }

  // Runs of digits, alphanumeric and ISO/IEC 646 characters of random lengths.
  std::string Data(int length) {
    std::string s;
    while (static_cast<int>(s.size()) < length) {
      const char* set = Pick({kDigits, kAlphanumeric, kIso646, kUpperAndDigits});
      s += Characters(set, std::min(length - static_cast<int>(s.size()), Uniform(1, 10)));
    }
    return s;
  }

  std::string Ai90Data() {
    std::string prefix;
    switch (Uniform(0, 3)) {
      case 0:
        break;  // letter only
      case 1:
        prefix = std::to_string(Uniform(1, 30));
        break;
      case 2:
        prefix = std::to_string(Uniform(1, 999));
        break;
      default:
        prefix = Characters(kDigits, Uniform(1, 4));  // may fail the number rule
        break;
    }
    const std::string letter = Characters("ABCDEFGHIJKLMNOPQRSTUVWXYZ", 1);
    const int length = Uniform(0, 24);
    const std::string rest =
        Uniform(0, 2) == 0 ? Characters(kUpperAndDigits, length) : Data(length);
    return prefix + letter + rest;
  }

  Element RandomElement() {
    switch (Uniform(0, 9)) {
      case 0:
        return {"01", Characters(kDigits, 14), false};
      case 1:
        return {Pick({"11", "13", "17"}), Date(), false};
      case 2:
        return {"20", Characters(kDigits, 2), false};
      case 3:
        return {"3103", Characters(kDigits, 6), false};
      case 4:
        return {"30", Characters(kDigits, Uniform(1, 8)), true};
      case 5:
        return {Pick({"10", "21", "22", "91", "92"}), Data(Uniform(1, 20)), true};
      case 6:
        return {Pick({"240", "250", "8004"}), Data(Uniform(1, 30)), true};
      case 7:
        return {"90", Ai90Data(), true};
      case 8:
        return {"98", Characters(kDigits, Uniform(1, 40)), true};
      default:
        return {"99", Characters(kAlphanumeric, Uniform(1, 40)), true};
    }
  }

  std::mt19937 rng_;
};

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

// Data that lands in each size in turn, so that every size of the column count is covered, and
// some data too long for every size.
std::vector<std::vector<Element>> Cases(const PeerForm& form, ElementStringGenerator& generator) {
  const CompositeSizeTable& table = *SizeTableFor(form.columns);
  std::vector<std::vector<Element>> cases;
  for (int i = 0; i < kCasesPerForm; ++i) {
    const int target = i % table.count;
    const int lowBits = target == 0 ? 0 : table.sizes[target - 1].bits;
    const int highBits = table.sizes[target].bits;
    std::vector<Element> chosen;
    for (int attempt = 0; attempt < 500; ++attempt) {
      chosen = generator.Next(generator.Uniform(lowBits / 8, highBits / 3));
      if (Encode(form.columns, OurText(chosen)).rowCount == table.sizes[target].rows)
        break;
    }
    cases.push_back(chosen);
  }
  const int longest = table.sizes[table.count - 1].bits;
  for (int i = 0; i < kTooLongCasesPerForm; ++i) {
    cases.push_back(generator.Next(generator.Uniform(longest / 4, longest / 2)));
  }
  return cases;
}

// Where this encoder and the peer choose different, equally readable encodings of the same data.
enum class Difference {
  kFnc1InNumericPair,     // the peer pairs a digit with the FNC1 after it; we latch first
  kLookAheadThroughFnc1,  // the peer counts FNC1 in the runs that decide a latch; we stop
  kAi90RunMode,           // AI 90 data whose first non-digit is late: we start numeric
  kFinalDigitSpareBits,   // a final digit whose 7 bits overflow the size: we add 4 zeros
  kUnexplained,
};

constexpr const char* kDifferenceNames[] = {"digit and FNC1 paired by the peer",
                                            "peer look-ahead through FNC1", "AI 90 run mode",
                                            "final digit spare bits", "unexplained"};

Difference Classify(const testing::DecodedData& ours, const testing::DecodedData& peer) {
  size_t k = 0;
  while (k < ours.steps.size() && k < peer.steps.size() && ours.steps[k] == peer.steps[k])
    ++k;
  const std::string a = k < ours.steps.size() ? ours.steps[k] : "";
  const std::string b = k < peer.steps.size() ? peer.steps[k] : "";
  size_t decoded = 0;  // general-purpose characters before the difference
  for (size_t i = 0; i < k; ++i) {
    const std::string& step = peer.steps[i];
    const bool latch = step.size() == 3 && step[1] == '>';
    if (std::string("NAIL").find(step[0]) != std::string::npos && !latch) {
      decoded += step.size() - 1;
    }
  }
  const std::string ahead =
      peer.generalPurpose.substr(std::min(decoded, peer.generalPurpose.size()));
  if (a == "M11:N" && b == "M11:A")
    return Difference::kAi90RunMode;
  if (a == "N>A" && b.size() == 3 && b[0] == 'N' && b[2] == '#')
    return Difference::kFnc1InNumericPair;
  if ((b == "A>N" || b == "I>N" || b == "I>A") && a.size() == 2 && a[0] == b[0] &&
      ahead.substr(0, 10).find('#') != std::string::npos) {
    return Difference::kLookAheadThroughFnc1;
  }
  if (a == "N>A" && b == "end" && ahead.empty())
    return Difference::kFinalDigitSpareBits;
  return Difference::kUnexplained;
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
  std::map<int, int> rowCounts;
  for (const std::vector<Element>& elements : Cases(form, generator)) {
    ++compared;
    const std::string text = OurText(elements);
    const Component ours = Encode(form.columns, text);
    const Component peer = PeerEncode(form, PeerText(elements), linearLines);
    std::string problem;
    if (ours.rowCount == 0 || peer.rowCount == 0) {
      if (ours.rowCount == 0 && peer.rowCount == 0 && ours.error == databar::kDataTooLong) {
        ++bothRefused;
      } else {
        problem = "only one side refused the data";
      }
    } else {
      ++rowCounts[ours.rowCount];
      const testing::DecodedData ourData = testing::DecodeElementString(ours.bits);
      if (ourData.text != text) {
        problem = "ours reads back as " + ourData.text;
      } else if (ours.modules == peer.modules) {
        ++identical;
      } else {
        const testing::DecodedData peerData = testing::DecodeElementString(peer.bits);
        const Difference difference = Classify(ourData, peerData);
        ++differences[difference];
        if (peerData.text != text)
          problem = "the peer's reads back as " + peerData.text;
        if (difference == Difference::kUnexplained)
          problem = "an unexplained difference";
      }
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
    std::printf(" %s %d;", kDifferenceNames[static_cast<int>(difference)], count);
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
