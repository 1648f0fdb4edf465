#include "tests/hardening/failure_sweep.h"

#include <gtest/gtest.h>

#include <iostream>
#include <map>
#include <sstream>
#include <string_view>

#include "tests/hardening/art_checks.h"

namespace hardening {

namespace {

using CallCounts = std::map<std::string, int>;

CallCounts CountCalls(const emulator::Emulator& emulator) {
  CallCounts counts;
  for (const std::string& operation : emulator.CalledOperations())
    counts[operation] = emulator.CallCount(operation);
  return counts;
}

int CountOf(const CallCounts& counts, const std::string& operation) {
  const auto found = counts.find(operation);
  return found == counts.end() ? 0 : found->second;
}

bool CanFail(std::string_view operation) {
  return !operation.starts_with("RealMath.") && !operation.starts_with("FixedMath.");
}

// What a refused release leaves held: the host kept it, the plug-in offered it back.
emulator::Balance RefusedRelease(std::string_view operation) {
  emulator::Balance allowed;
  if (operation == "Basic.ReleaseSuite")
    allowed.suitesHeld = 1;
  if (operation == "Blocks.FreeBlock")
    allowed.blocksHeld = 1;
  if (operation == "Context.PopAppContext")
    allowed.contextsHeld = 1;
  if (operation == "UnicodeString.Dispose")
    allowed.stringsHeld = 1;
  // Character features the host keeps also keep their font.
  if (operation == "TextRange.Release" || operation == "CharFeatures.Release" ||
      operation == "TextEngineFont.Release") {
    allowed.textObjectsHeld = 2;
  }
  if (operation == "DataFilter.Close")
    allowed.filtersHeld = 1;
  return allowed;
}

std::string Excess(const emulator::Balance& held, const emulator::Balance& allowed) {
  std::ostringstream out;
  auto check = [&](const char* what, int count, int limit) {
    if (count < 0 || count > limit)
      out << " " << what << " " << count;
  };
  check("suites", held.suitesHeld, allowed.suitesHeld);
  check("blocks", held.blocksHeld, allowed.blocksHeld);
  check("contexts", held.contextsHeld, allowed.contextsHeld);
  check("strings", held.stringsHeld, allowed.stringsHeld);
  check("text objects", held.textObjectsHeld, allowed.textObjectsHeld);
  check("filters", held.filtersHeld, allowed.filtersHeld);
  return out.str();
}

bool IsBeginningOf(const std::string& part, const std::string& whole) {
  return whole.compare(0, part.size(), part) == 0 &&
         (part.size() == whole.size() || part.back() == '\n');
}

bool HasEmptySymbolGroup(const emulator::Document& document) {
  for (const auto& art : document.group().children) {
    if (art->kind == emulator::ArtKind::kGroup && art->children.empty())
      return true;
  }
  return false;
}

struct Baseline {
  CallCounts before;      // calls of the run's preparation
  CallCounts during;      // calls of the flow itself
  CallCounts untilGroup;  // calls of the flow up to the first new art, the symbol's group
  std::string art;        // snapshot of the document, empty without one
};

CallCounts Difference(const CallCounts& after, const CallCounts& before) {
  CallCounts difference;
  for (const auto& [operation, count] : after)
    difference[operation] = count - CountOf(before, operation);
  return difference;
}

class Sweeper {
 public:
  Sweeper(const std::string& name, const FlowFactory& makeRun) : name_(name), makeRun_(makeRun) {}

  SweepReport Run() {
    if (!MeasureBaseline())
      return report_;
    for (const auto& [operation, calls] : baseline_.during) {
      if (!CanFail(operation))
        continue;
      for (int call = 1; call <= calls; ++call)
        RunFailing(operation, call);
    }
    return report_;
  }

 private:
  void Fault(int SweepReport::*counter, const std::string& what) {
    if (counter != nullptr)
      ++(report_.*counter);
    report_.faults.push_back(name_ + ": " + what);
  }

  bool MeasureBaseline() {
    std::unique_ptr<FlowRun> run = makeRun_();
    baseline_.before = CountCalls(run->emulator());
    const FlowEnding ending = run->Run();
    baseline_.during = Difference(CountCalls(run->emulator()), baseline_.before);
    run->Finish();
    if (!ending.created || !run->emulator().balance().balanced() || !run->Fault().empty()) {
      Fault(nullptr,
            "the undisturbed flow did not succeed: " + ending.description + " " + run->Fault());
      return false;
    }
    if (const emulator::Document* document = run->emulator().document())
      baseline_.art = Snapshot(*document);

    // The same flow with its first new art refused shows which calls come before it.
    std::unique_ptr<FlowRun> refused = makeRun_();
    refused->emulator().FailCall("Art.NewArt", CountOf(baseline_.before, "Art.NewArt") + 1);
    refused->Run();
    baseline_.untilGroup = Difference(CountCalls(refused->emulator()), baseline_.before);
    refused->Finish();
    return true;
  }

  void RunFailing(const std::string& operation, int call) {
    std::unique_ptr<FlowRun> run = makeRun_();
    run->emulator().FailCall(operation, CountOf(baseline_.before, operation) + call);
    ++report_.injected;
    const std::string where = operation + " call " + std::to_string(call) + ": ";
    FlowEnding ending;
    try {
      ending = run->Run();
    } catch (const std::exception& exception) {
      Fault(&SweepReport::escapes, where + "exception escaped: " + exception.what());
    } catch (...) {
      Fault(&SweepReport::escapes, where + "exception escaped");
    }
    report_.failed += ending.created ? 0 : 1;
    run->Finish();
    if (const std::string excess = Excess(run->emulator().balance(), RefusedRelease(operation));
        !excess.empty()) {
      Fault(&SweepReport::leaks, where + "still held:" + excess);
    }
    if (const std::string fault = run->Fault(); !fault.empty())
      Fault(&SweepReport::leaks, where + fault);
    if (const emulator::Document* document = run->emulator().document())
      CheckArt(*document, ending, where, call <= CountOf(baseline_.untilGroup, operation));
  }

  void CheckArt(const emulator::Document& document, const FlowEnding& ending,
                const std::string& where, bool beforeGroup) {
    const std::string art = Snapshot(document);
    if (ending.created) {
      if (art != baseline_.art)
        Fault(&SweepReport::brokenArt, where + "reported as created with other art");
      return;
    }
    if (const std::string broken = FindBrokenArt(document, EmptyGroups::kAllowed); !broken.empty())
      Fault(&SweepReport::brokenArt, where + ending.description + " left " + broken);
    else if (!IsBeginningOf(art, baseline_.art))
      Fault(&SweepReport::brokenArt, where + ending.description + " left art not drawn so");
    else if (beforeGroup && HasEmptySymbolGroup(document))
      Fault(&SweepReport::brokenArt, where + ending.description + " left an empty group");
  }

  const std::string& name_;
  const FlowFactory& makeRun_;
  Baseline baseline_;
  SweepReport report_;
};

}  // namespace

SweepReport Sweep(const std::string& name, const FlowFactory& makeRun) {
  return Sweeper(name, makeRun).Run();
}

void ReportSweep(const std::string& name, const SweepReport& report) {
  std::cout << name << ": " << report.injected << " failures injected (" << report.failed
            << " reported by the flow), " << report.escapes << " exceptions escaped, "
            << report.leaks << " leaks, " << report.brokenArt << " with broken art\n";
  constexpr size_t kShown = 20;
  for (size_t i = 0; i < report.faults.size() && i < kShown; ++i)
    ADD_FAILURE() << report.faults[i];
  if (report.faults.size() > kShown)
    ADD_FAILURE() << "and " << report.faults.size() - kShown << " more findings";
}

}  // namespace hardening
