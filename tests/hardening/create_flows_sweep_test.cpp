// The host-failure sweep over the panels' create buttons: every DataBar type with and without a
// 2D component in each text mode, Expanded with and without one, and GS1-128, each run once for
// every host call it makes, with that call failing.
#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "core/symbol_records.h"
#include "emulator/emulator.h"
#include "host/suite_acquisition.h"
#include "host/suite_pointers.h"
#include "panels/databar_form.h"
#include "panels/expanded_form.h"
#include "panels/medical128_form.h"
#include "tests/hardening/failure_sweep.h"

namespace hardening {
namespace {

constexpr char kCompositeText[] = "(17)991231$(10)LOT1001";

// A create button pressed in the stand-in host: the suites held as between the plug-in's start-up
// and shut-down, a document open, the action inside an application context.
class CreateRun : public FlowRun {
 public:
  explicit CreateRun(std::function<FlowEnding()> create) : create_(std::move(create)) {
    emulator_.NewDocument();
    suites_.emplace(emulator_.basic());
  }

  emulator::Emulator& emulator() override { return emulator_; }

  FlowEnding Run() override {
    host::AppContextHandle context = nullptr;
    if (host::sContext->PushAppContext(nullptr, &context) != host::kNoError)
      return {false, "no application context"};
    const FlowEnding ending = create_();
    host::sContext->PopAppContext(context);
    return ending;
  }

  void Finish() override { suites_.reset(); }

 private:
  emulator::Emulator emulator_;
  std::optional<host::ScopedSuites> suites_;
  std::function<FlowEnding()> create_;
};

FlowEnding EndingOf(const panels::DataBarResult& result) {
  return {result.outcome == panels::DataBarOutcome::kCreated,
          "outcome " + std::to_string(static_cast<int>(result.outcome)) + " error " +
              std::to_string(result.error)};
}

enum class TextMode { kOcrB, kFrame, kNone };

FlowEnding CreateDataBar(int32_t type, bool withComposite, TextMode mode) {
  panels::DataBarForm form;
  form.type = type;
  form.ApplyDefaults();
  form.itemNumber = type == databar::kLimited ? "1501234567890" : "2001234567890";
  if (withComposite) {
    form.compositeText = kCompositeText;
    form.showCompositeText = true;
  }
  form.showText = mode != TextMode::kNone;
  form.textAsOutlines = mode == TextMode::kOcrB;
  form.textAsFrame = mode == TextMode::kFrame;
  return EndingOf(form.CreateSymbol());
}

FlowEnding CreateExpanded(bool withComposite) {
  panels::ExpandedForm form;
  form.code = "(01)98898765432106(3202)012345(15)991231";
  form.segmentsPerRow = 4;
  if (withComposite) {
    form.compositeText = kCompositeText;
    form.showCompositeText = true;
  }
  return EndingOf(form.CreateSymbol());
}

FlowEnding CreateMedical128(int lotCodeSet, const char* lot) {
  panels::Medical128Form form;
  form.productCode = "1234567890123";
  form.expiry = "011231";
  form.quantity = "5";
  form.lot = lot;
  form.lotCodeSet = lotCodeSet;
  const panels::Medical128Result result = form.CreateMedical128();
  return {result.outcome == panels::Medical128Outcome::kCreated,
          "outcome " + std::to_string(static_cast<int>(result.outcome)) + " error " +
              std::to_string(result.error)};
}

FlowFactory Flow(std::function<FlowEnding()> create) {
  return [create] { return std::make_unique<CreateRun>(create); };
}

// Sweeps the flow, expects no finding and adds its count of injected failures to the total.
void ExpectSurvives(const std::string& name, std::function<FlowEnding()> create, int& injected) {
  const SweepReport report = Sweep(name, Flow(std::move(create)));
  ReportSweep(name, report);
  EXPECT_GT(report.injected, 0) << name;
  EXPECT_EQ(report.escapes, 0) << name;
  EXPECT_EQ(report.leaks, 0) << name;
  EXPECT_EQ(report.brokenArt, 0) << name;
  injected += report.injected;
}

TEST(CreateFlowSweep, DataBarSurvivesEveryFailingHostCall) {
  int injected = 0;
  const char* modes[] = {"ocr-b", "frame", "none"};
  for (int32_t type = databar::kOmnidirectional; type <= databar::kLimited; ++type) {
    for (const bool withComposite : {false, true}) {
      for (const TextMode mode : {TextMode::kOcrB, TextMode::kFrame, TextMode::kNone}) {
        const std::string name = "DataBar type " + std::to_string(type) +
                                 (withComposite ? " with 2D" : "") + " text " +
                                 modes[static_cast<int>(mode)];
        ExpectSurvives(
            name, [=] { return CreateDataBar(type, withComposite, mode); }, injected);
      }
    }
  }
  std::cout << "DataBar, all flows: " << injected << " failures injected\n";
  RecordProperty("injected", injected);
  // Every host call of every flow is failed once. The total moves only when the flows' host
  // calls change; a drop would mean calls that the sweep no longer reaches.
  EXPECT_EQ(injected, 20990);
}

TEST(CreateFlowSweep, ExpandedAndGs1128SurviveEveryFailingHostCall) {
  int injected = 0;
  ExpectSurvives(
      "Expanded", [] { return CreateExpanded(false); }, injected);
  ExpectSurvives(
      "Expanded with 2D", [] { return CreateExpanded(true); }, injected);
  ExpectSurvives(
      "GS1-128 lot in code set A", [] { return CreateMedical128(0, "LOT1001"); }, injected);
  ExpectSurvives(
      "GS1-128 lot in code set C", [] { return CreateMedical128(2, "123456"); }, injected);
  std::cout << "Expanded and GS1-128, all flows: " << injected << " failures injected\n";
  RecordProperty("injected", injected);
  EXPECT_EQ(injected, 4522);
}

}  // namespace
}  // namespace hardening
