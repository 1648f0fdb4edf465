#include "emulator/emulator.h"

#include "emulator/art.h"
#include "emulator/emulator_state.h"
#include "emulator/suite_tables.h"

namespace emulator {

Emulator::Emulator() : state_(std::make_unique<State>()), previous_(current_) {
  current_ = this;
}

Emulator::~Emulator() {
  if (current_ == this)
    current_ = previous_;
  state_.reset();
  if (current_ == nullptr)
    ReleaseFreeArts();
}

const host::BasicSuite* Emulator::basic() const {
  return &kBasicSuite;
}

Document& Emulator::NewDocument(host::RealPoint viewCentre) {
  state_->document = std::make_unique<Document>(viewCentre);
  return *state_->document;
}

void Emulator::CloseDocument() {
  state_->document.reset();
}

Document* Emulator::document() {
  return state_->document.get();
}

std::unique_ptr<Document> Emulator::TakeDocument() {
  return std::move(state_->document);
}

void Emulator::FailCall(std::string_view operation, int nth, host::ErrorCode code) {
  state_->calls.Fail(operation, nth, code);
}

void Emulator::FailAcquire(std::string_view suiteName, int nth, host::ErrorCode code) {
  state_->calls.Fail(AcquisitionOperation(suiteName), nth, code);
}

void Emulator::ClearFailures() {
  state_->calls.ClearFailures();
}

int Emulator::CallCount(std::string_view operation) const {
  return state_->calls.Count(operation);
}

std::vector<std::string> Emulator::CalledOperations() const {
  return state_->calls.Operations();
}

Balance Emulator::balance() const {
  Balance balance;
  for (const auto& [name, count] : state_->suites) {
    balance.suitesHeld += count.acquired - count.released;
  }
  balance.blocksHeld = state_->blocks.held();
  balance.contextsHeld = state_->framework.contexts.size();
  balance.stringsHeld = state_->strings.size();
  balance.textObjectsHeld = state_->text.held();
  balance.filtersHeld = state_->resources.filters.size();
  return balance;
}

SuiteCount Emulator::suiteCount(std::string_view suiteName) const {
  const auto found = state_->suites.find(suiteName);
  return found == state_->suites.end() ? SuiteCount{} : found->second;
}

const std::vector<std::string>& Emulator::alerts() const {
  return state_->framework.alerts;
}

const std::vector<host::ErrorCode>& Emulator::errorAlerts() const {
  return state_->framework.errorAlerts;
}

const FrameworkRecords& Emulator::framework() const {
  return state_->framework;
}

const MenuRecords& Emulator::menus() const {
  return state_->menus;
}

const PanelHost& Emulator::panels() const {
  return state_->panels;
}

host::ErrorCode Emulator::SetPanelState(host::PanelHandle panel, int16_t state) {
  return state_->panels.SetState(panel, state);
}

host::ErrorCode Emulator::SetPanelShown(host::PanelHandle panel, bool shown) {
  return state_->panels.Show(panel, shown);
}

host::ErrorCode Emulator::OpenFlyoutMenu(host::PanelHandle panel) {
  return state_->panels.OpenFlyout(panel);
}

host::ErrorCode Emulator::ChooseFlyoutItem(host::PanelHandle panel, uint32_t item) {
  return state_->panels.ChooseFlyoutItem(panel, item);
}

void Emulator::SetPanelWindows(std::unique_ptr<PanelWindows> windows) {
  state_->panels.SetWindows(std::move(windows));
}

void Emulator::AddResource(uint32_t type, std::string_view name, std::vector<uint8_t> bytes) {
  state_->resources.Add(type, name, std::move(bytes));
}

}  // namespace emulator
