// The document view and the current layer; both fail without an open document, which is how
// the plug-in learns that there is none.
#include "emulator/suite_call.h"
#include "emulator/suite_tables.h"

namespace emulator {

namespace {

host::ErrorCode GetNthDocumentView(int32_t n, host::DocumentViewHandle* view) {
  return RunOperation("DocumentView.GetNthDocumentView", [&](Emulator::State& state) {
    if (view == nullptr || n != 0)
      return kBadParameter;
    if (!state.document)
      return kNoDocument;
    *view = HandleOf(&state.document->view());
    return host::kNoError;
  });
}

host::ErrorCode GetDocumentViewCenter(host::DocumentViewHandle view, host::RealPoint* center) {
  return RunOperation("DocumentView.GetDocumentViewCenter", [&](Emulator::State& state) {
    if (center == nullptr)
      return kBadParameter;
    if (!state.document)
      return kNoDocument;
    if (!state.document->Owns(view))
      return kBadHandle;
    *center = state.document->view().centre;
    return host::kNoError;
  });
}

host::ErrorCode GetCurrentLayer(host::LayerHandle* layer) {
  return RunOperation("Layer.GetCurrentLayer", [&](Emulator::State& state) {
    if (layer == nullptr)
      return kBadParameter;
    if (!state.document)
      return kNoDocument;
    *layer = HandleOf(&state.document->currentLayer());
    return host::kNoError;
  });
}

}  // namespace

const host::DocumentViewSuite kDocumentViewSuite = {GetNthDocumentView, GetDocumentViewCenter};
const host::LayerSuite kLayerSuite = {GetCurrentLayer};

}  // namespace emulator
