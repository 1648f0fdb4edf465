// The element-string checks against bwip-js's GS1 linter, used as a black box: random messages
// in both input forms, half valid and half with one fault of each kind, must get the same
// accept or refuse from both, except for the listed differences between bwip-js's AI dictionary
// and the data file the checks are generated from. The same holds through the panels' forms,
// for messages that keep within what their fields take: the Expanded panel's code field, and the
// DataBar panel's 2D text beside its item number.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "gs1/ai_syntax_rows.h"
#include "gs1/element_checker.h"
#include "panels/ai_table.h"
#include "panels/databar_form.h"
#include "panels/element_string.h"
#include "panels/expanded_form.h"
#include "tests/peers/gs1_cases.h"
#include "tests/peers/peer_support.h"

namespace {

using gs1::FaultKind;
using peers::Gs1Case;
using peers::Gs1Form;

constexpr int kValidCasesPerForm = 1000;
constexpr int kFaultyCasesPerForm = 1000;

// Where the installed bwip-js judges differently from the data file and iso-codes: the AI (and
// for a pair the other AI), bwip-js's verdict (its error's name, or "OK"), this project's, an
// example, and why.
struct KnownDifference {
  std::string_view ai;
  std::string_view otherAi;
  std::string_view bwipVerdict;
  FaultKind ours;
  std::string_view example;
  std::string_view why;
};

constexpr KnownDifference kKnownDifferences[] = {
    {"03", "235", "OK", FaultKind::kExcludedPair, "(03)12345678901231(235)A",
     "the data file has (03) exclude (235); bwip-js's dictionary lets them go together"},
    {"03", "7240", "OK", FaultKind::kExcludedPair, "(03)12345678901231(7240)A",
     "the data file has (7240) exclude (03); bwip-js's dictionary does not"},
    {"03", "8006", "OK", FaultKind::kExcludedPair, "(03)12345678901231(8006)123456789012310102",
     "the data file has (8006) exclude (03); bwip-js's dictionary does not"},
    {"03", "8026", "OK", FaultKind::kExcludedPair, "(03)12345678901231(8026)123456789012310102",
     "the data file has (8026) exclude (03); bwip-js's dictionary does not"},
    {"8030", "", "OK", FaultKind::kBadCharacter, "(8030)AB=",
     "bwip-js takes '=' as base 64 padding in set Z; the data file's set Z has no '='"},
    {"8004", "", "GS1badGCP", FaultKind::kNone, "(8004)1A",
     "bwip-js wants a company prefix to begin with digits; without the prefix tables the data "
     "file's README says to accept (gcppos1)"},
    {"8010", "", "GS1gcpTooShort", FaultKind::kNone, "(8010)1",
     "bwip-js wants room for a company prefix; the README says to accept (gcppos1)"},
    {"7041", "", "GS1unknownPackageType", FaultKind::kNone, "(7041)ZZZ",
     "bwip-js knows the package types of UN/ECE Recommendation 21; without the list the README "
     "says to accept"},
    {"8110", "", "GS1couponTooShortGCP", FaultKind::kNone, "(8110)0",
     "bwip-js checks the North American coupon's fields; without their rules the README says to "
     "accept"},
    {"8112", "", "GS1couponTooShortFunderVLI", FaultKind::kNone, "(8112)0",
     "as (8110), for the paperless coupon"},
    {"3910", "", "OK", FaultKind::kCurrency, "(3910)3961",
     "ISO 4217 396 (XAD, 2024) is newer than the installed iso-codes; bwip-js has it"},
    {"3910", "", "GS1UnknownCurrency", FaultKind::kNone, "(3910)9261",
     "ISO 4217 926 (VED, 2021) is in iso-codes; bwip-js's list lacks it"},
};

// "(03) with (7240)", "(8030)": the AIs a listed difference is about.
std::string Label(const KnownDifference& known) {
  std::string label = "(" + std::string(known.ai) + ")";
  return known.otherAi.empty() ? label : label + " with (" + std::string(known.otherAi) + ")";
}

std::string_view FaultName(FaultKind fault) {
  constexpr std::string_view kNames[] = {"none",
                                         "malformed",
                                         "too many element strings",
                                         "unknown AI",
                                         "data too short",
                                         "data too long",
                                         "bad character",
                                         "check digit",
                                         "check characters",
                                         "month",
                                         "day",
                                         "hour",
                                         "minute",
                                         "second",
                                         "not zero",
                                         "all zeros",
                                         "leading zero",
                                         "only digits",
                                         "not yes/no",
                                         "winding",
                                         "piece of total",
                                         "position in sequence",
                                         "not hyphen",
                                         "percent encoding",
                                         "country",
                                         "country or 999",
                                         "country alpha-2",
                                         "currency",
                                         "sex",
                                         "IBAN",
                                         "IBAN check digits",
                                         "latitude",
                                         "longitude",
                                         "importer index",
                                         "media type",
                                         "excluded pair",
                                         "conflicting duplicate"};
  static_assert(std::size(kNames) == gs1::kFaultKindCount);
  return kNames[static_cast<int>(fault)];
}

// The AI that bwip-js's message names, "AI 8004: ..." or "AIs (03) and (7240) ...".
std::string BwipAi(const std::string& message) {
  const size_t at = message.find("AI ");
  if (at == std::string::npos) {
    return {};
  }
  const size_t end = message.find(':', at);
  return message.substr(at + 3, end == std::string::npos ? std::string::npos : end - at - 3);
}

gs1::Verdict OurVerdict(const Gs1Case& c, Gs1Form form, gs1::ElementStrings& elements) {
  if (form == Gs1Form::kExpandedCode) {
    const gs1::Verdict read = gs1::ReadBracketedForm(c.code, elements);
    return read.ok() ? gs1::CheckElementStrings(elements.View()) : read;
  }
  elements.Add({c.elements.front().ai, c.elements.front().data});  // the linear item number
  const gs1::Verdict read = gs1::ReadInternalForm(c.code, elements);
  return read.ok() ? gs1::CheckElementStrings(elements.View()) : read;
}

const KnownDifference* ListedDifference(const gs1::Verdict& ours, const peers::LintVerdict& bwip) {
  for (const KnownDifference& known : kKnownDifferences) {
    const bool ai = known.otherAi.empty()
                        ? ours.ai == known.ai || BwipAi(bwip.message) == known.ai
                        : (ours.ai == known.ai && ours.otherAi == known.otherAi) ||
                              (ours.ai == known.otherAi && ours.otherAi == known.ai);
    if (ai && bwip.name == known.bwipVerdict && ours.fault == known.ours) {
      return &known;
    }
  }
  return nullptr;
}

// The AIs of the Expanded panel's table whose lengths and characters it judges as the checks do
// (for the others the table decides, or takes fewer characters than GS1 allows).
bool JudgedByTheTableAsTheChecks(std::string_view ai) {
  const panels::AiTableRow* table = panels::FindAiRow(ai);
  const gs1::AiSyntax* row = gs1::FindAiSyntax(ai);
  if (table == nullptr || row == nullptr) {
    return false;
  }
  int minLength = 0;
  int maxLength = 0;
  bool digitsOnly = true;
  for (const gs1::DataPart& part : row->Parts()) {
    minLength += part.optional ? 0 : part.minLength;
    maxLength += part.maxLength;
    digitsOnly = digitsOnly && part.set == gs1::CharacterSet::kN;
  }
  const int tableMax = table->maxLength - table->aiDigits;
  const bool lengths = table->variableLength ? minLength <= 1 && maxLength == tableMax
                                             : minLength == tableMax && maxLength == tableMax;
  return lengths && maxLength <= panels::kMaxAiDataLength && (table->alphanumeric || digitsOnly);
}

bool InTheExpandedTable(std::string_view ai) {
  return panels::FindAiRow(ai) != nullptr;
}

constexpr peers::Gs1FieldLimits kExpandedCodeField{panels::kMaxCodeLength,
                                                   JudgedByTheTableAsTheChecks, InTheExpandedTable};
// The 2D field's 100 characters beside the 18 of the linear "(01)..." in the bracketed message.
constexpr peers::Gs1FieldLimits kCompositeField{100 + 18, nullptr, nullptr};
constexpr size_t kCompositeFieldCharacters = 100;

struct FormCases {
  Gs1Form form;
  bool throughPanel;
  peers::Gs1FieldLimits limits;
  std::vector<Gs1Case> cases;
  std::set<const gs1::AiSyntax*> validRows;
  std::set<FaultKind> faultKinds;
};

// Whether the panel's form accepts the case: its create action's checks, up to the lengths.
bool PanelAccepts(const Gs1Case& c, Gs1Form form) {
  if (form == Gs1Form::kExpandedCode) {
    panels::ExpandedForm panel;
    panel.code = c.code;
    panels::ExpandedRequest accepted;
    return !panel.Validate(accepted);
  }
  panels::DataBarForm panel;
  panel.itemNumber = c.elements.front().data.substr(0, 13);
  panel.compositeText = c.code;
  panels::DataBarLengths accepted;
  return !panel.Validate(accepted);
}

FormCases MakeCases(Gs1Form form, uint64_t seed, bool throughPanel = false,
                    peers::Gs1FieldLimits limits = {}) {
  peers::Gs1CaseMaker maker(seed, form, limits);
  FormCases made{form, throughPanel, limits, {}, {}, {}};
  std::vector<const gs1::AiSyntax*> rows;
  for (const gs1::AiSyntax& row : gs1::kAiSyntaxRows) {
    if (maker.Fits(row)) {
      rows.push_back(&row);
    }
  }
  for (int i = 0; i < kValidCasesPerForm; ++i) {
    const gs1::AiSyntax* row = rows[i % rows.size()];
    made.cases.push_back(maker.Valid(*row));
    made.validRows.insert(row);
  }
  const std::vector<FaultKind> kinds = maker.FaultKinds();
  for (int i = 0; i < kFaultyCasesPerForm; ++i) {
    made.cases.push_back(maker.WithFault(kinds[i % kinds.size()]));
    made.faultKinds.insert(kinds[i % kinds.size()]);
  }
  for (Gs1Case& pair : maker.EveryExcludedPair()) {
    made.cases.push_back(std::move(pair));
  }
  return made;
}

class Gs1LintComparison : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const uint64_t seed = peers::CaseSeed(20240614);
    forms_ = {MakeCases(Gs1Form::kExpandedCode, seed),
              MakeCases(Gs1Form::kCompositeWithItemNumber, seed + 1),
              MakeCases(Gs1Form::kExpandedCode, seed + 2, true, kExpandedCodeField),
              MakeCases(Gs1Form::kCompositeWithItemNumber, seed + 3, true, kCompositeField)};
    std::vector<std::string> texts;
    for (const FormCases& form : forms_) {
      for (const Gs1Case& c : form.cases) {
        texts.push_back(c.bracketed);
      }
    }
    for (const KnownDifference& known : kKnownDifferences) {
      texts.emplace_back(known.example);
    }
    verdicts_ = peers::LintGs1(texts);  // one node process for every case
  }

  static void Compare(size_t formIndex) {
    const FormCases& form = forms_[formIndex];
    size_t first = 0;
    for (size_t i = 0; i < formIndex; ++i) {
      first += forms_[i].cases.size();
    }
    int agreed = 0;
    std::map<std::string, int> listed;
    for (size_t i = 0; i < form.cases.size(); ++i) {
      const Gs1Case& c = form.cases[i];
      const peers::LintVerdict& bwip = verdicts_[first + i];
      gs1::ElementStrings elements;
      const gs1::Verdict ours = OurVerdict(c, form.form, elements);
      ASSERT_NE(bwip.name, "gs1128inputTooLong") << "a case beyond bwip-js's symbol: " << c.code;
      if (form.throughPanel) {
        // The panel refuses what the checks refuse, and nothing valid.
        ASSERT_LE(c.code.size(), form.form == Gs1Form::kExpandedCode
                                     ? static_cast<size_t>(panels::kMaxCodeLength)
                                     : kCompositeFieldCharacters);
        EXPECT_EQ(PanelAccepts(c, form.form), ours.ok())
            << c.code << ": the checks say " << FaultName(ours.fault);
      }
      EXPECT_EQ(FaultName(ours.fault), FaultName(c.intended))
          << c.code << "\nbwip-js: " << bwip.name << " " << bwip.message;
      if (ours.ok() == bwip.ok()) {
        ++agreed;
        continue;
      }
      const KnownDifference* known = ListedDifference(ours, bwip);
      EXPECT_NE(known, nullptr) << "bwip-js " << (bwip.ok() ? "accepts" : "refuses") << " "
                                << c.bracketed << " (" << bwip.name << " " << bwip.message
                                << "); the checks say " << FaultName(ours.fault) << " at AI ("
                                << ours.ai << ")";
      if (known != nullptr) {
        ++listed[Label(*known)];
      }
    }
    std::cout << (form.throughPanel ? "through the panel's form: " : "") << form.cases.size()
              << " cases (" << kValidCasesPerForm << " valid, " << kFaultyCasesPerForm
              << " with one fault, " << form.cases.size() - kValidCasesPerForm - kFaultyCasesPerForm
              << " with each excluded pair): " << agreed << " agree with bwip-js";
    for (const auto& [label, count] : listed) {
      std::cout << ", " << count << " differ as listed for " << label;
    }
    std::cout << "\n";
  }

  static inline std::vector<FormCases> forms_;
  static inline std::vector<peers::LintVerdict> verdicts_;
};

TEST_F(Gs1LintComparison, ExpandedCodeFormAgrees) {
  Compare(0);
}

TEST_F(Gs1LintComparison, CompositeTextBesideItemNumberAgrees) {
  Compare(1);
}

TEST_F(Gs1LintComparison, ExpandedCodeFieldAgrees) {
  Compare(2);
}

TEST_F(Gs1LintComparison, DataBarTwoDFieldBesideItsItemNumberAgrees) {
  Compare(3);
}

TEST_F(Gs1LintComparison, CasesCoverEveryRowCheckAndFaultKind) {
  for (const FormCases& form : forms_) {
    peers::Gs1CaseMaker maker(0, form.form, form.limits);
    std::set<gs1::Check> checks;
    for (const gs1::AiSyntax& row : gs1::kAiSyntaxRows) {
      if (!maker.Fits(row)) {
        continue;
      }
      EXPECT_EQ(form.validRows.count(&row), 1u) << row.firstAi;
      for (const gs1::DataPart& part : row.Parts()) {
        checks.insert(part.Checks().begin(), part.Checks().end());
      }
    }
    if (form.form == Gs1Form::kExpandedCode && !form.throughPanel) {
      EXPECT_EQ(checks.size(), static_cast<size_t>(gs1::Check::kCouponPosOffer) + 1);
    }
    const std::vector<FaultKind> kinds = maker.FaultKinds();
    EXPECT_EQ(form.faultKinds, std::set<FaultKind>(kinds.begin(), kinds.end()));
  }
}

TEST_F(Gs1LintComparison, ListedDifferencesStillHold) {
  size_t first = 0;
  for (const FormCases& form : forms_) {
    first += form.cases.size();
  }
  for (size_t i = 0; i < std::size(kKnownDifferences); ++i) {
    const KnownDifference& known = kKnownDifferences[i];
    gs1::ElementStrings elements;
    ASSERT_TRUE(gs1::ReadBracketedForm(known.example, elements).ok());
    const gs1::Verdict ours = gs1::CheckElementStrings(elements.View());
    EXPECT_EQ(FaultName(ours.fault), FaultName(known.ours)) << known.example;
    EXPECT_EQ(verdicts_[first + i].name, known.bwipVerdict)
        << known.example << ": bwip-js no longer differs this way (" << known.why << ")";
  }
}

}  // namespace
