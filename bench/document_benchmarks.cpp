// A symbol made as the panels' create buttons make it, into a new document of the stand-in
// host, and written as an SVG file; beside zint encoding the same symbol and printing it as SVG.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "bench/encoder_benchmarks.h"
#include "bench/zint_peer.h"
#include "emulator/document_writer.h"
#include "emulator/emulator.h"
#include "host/suite_acquisition.h"
#include "host/suite_pointers.h"
#include "panels/databar_form.h"
#include "panels/expanded_form.h"
#include "panels/medical128_form.h"

namespace bench {

namespace {

// Fills a form and runs its create action; true when the symbol was made.
using CreateAction = std::function<bool()>;

bool Create(const CreateAction& create) {
  host::AppContextHandle context = nullptr;
  if (host::sContext->PushAppContext(nullptr, &context) != host::kNoError)
    return false;
  const bool made = create();
  return host::sContext->PopAppContext(context) == host::kNoError && made;
}

CreateAction DataBar(int32_t type, const char* item, const char* composite) {
  return [=] {
    panels::DataBarForm form;
    form.type = type;
    form.ApplyDefaults();
    form.itemNumber = item;
    form.RefreshCheckDigit();
    form.compositeText = composite;
    return form.CreateSymbol().outcome == panels::DataBarOutcome::kCreated;
  };
}

CreateAction Expanded(const char* code, int segmentsPerRow) {
  return [=] {
    panels::ExpandedForm form;
    form.code = code;
    form.segmentsPerRow = segmentsPerRow;
    return form.CreateSymbol().outcome == panels::DataBarOutcome::kCreated;
  };
}

CreateAction Medical128(const char* product, const char* expiry, const char* quantity,
                        const char* lot) {
  return [=] {
    panels::Medical128Form form;
    form.productCode = product;
    form.RefreshCheckDigit();
    form.expiry = expiry;
    form.quantity = quantity;
    form.lot = lot;
    return form.CreateMedical128().outcome == panels::Medical128Outcome::kCreated;
  };
}

void RegisterDocument(const std::string& name, CreateAction create, const ZintRequest& zint,
                      const std::string& directory) {
  const std::string ours = directory + "/barquill.svg";
  const std::string theirs = directory + "/zint.svg";
  benchmark::RegisterBenchmark(
      ("document/" + name + "/barquill").c_str(), [create, ours](benchmark::State& state) {
        emulator::Emulator host;
        host::ScopedSuites suites(host.basic());
        for (auto _ : state) {
          host.NewDocument();
          if (!Create(create) || !emulator::WriteDocument(*host.document(), ours).ok()) {
            state.SkipWithError("the symbol was not made");
            break;
          }
        }
      });
  benchmark::RegisterBenchmark(("document/" + name + "/zint").c_str(),
                               [zint, theirs](benchmark::State& state) {
                                 for (auto _ : state) {
                                   if (!ZintSucceeded(ZintEncodeToSvg(zint, theirs.c_str()))) {
                                     state.SkipWithError("zint did not make the symbol");
                                     break;
                                   }
                                 }
                               });
}

}  // namespace

void RegisterDocumentBenchmarks(const char* directory) {
  const std::string dir = directory;
  RegisterDocument("Omnidirectional", DataBar(0, "2001234567890", ""),
                   {.symbology = 29, .data = "2001234567890"}, dir);
  RegisterDocument(
      "Stacked+CC-A", DataBar(2, "2001234567890", "(17)991231(10)LOT1001"),
      {.symbology = 137, .data = "[17]991231[10]LOT1001", .primary = "2001234567890", .option1 = 1},
      dir);
  RegisterDocument(
      "ExpandedStacked", Expanded("(01)98898765432106(3202)012345(15)991231", 4),
      {.symbology = 81, .data = "[01]98898765432106[3202]012345[15]991231", .option2 = 2}, dir);
  RegisterDocument("GS1-128", Medical128("1498765432101", "251231", "120", "ABC123"),
                   {.symbology = 16, .data = "[01]14987654321015[17]251231[30]120[10]ABC123"}, dir);
}

}  // namespace bench
