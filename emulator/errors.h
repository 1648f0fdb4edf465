// The error codes the emulator answers with when a suite call cannot be carried out. Injected
// failures use kInjectedError (emulator.h) or the code the test gave.
#pragma once

#include "host/error.h"

namespace emulator {

// Acquisition of a suite name and version this host does not offer.
constexpr host::ErrorCode kSuiteNotFound = host::FourCharCode("S!Fd");
// A suite function was called on a thread without a current emulator.
constexpr host::ErrorCode kNoEmulator = host::FourCharCode("NoEm");
// The operation needs an open document.
constexpr host::ErrorCode kNoDocument = host::FourCharCode("DOC?");
// A handle this host never gave out, or one already disposed of.
constexpr host::ErrorCode kBadHandle = host::FourCharCode("HND?");
// A null output pointer, a negative count or an option this host does not support.
constexpr host::ErrorCode kBadParameter = host::FourCharCode("PARM");
// The art exists but is of a kind the operation does not apply to.
constexpr host::ErrorCode kWrongArtKind = host::FourCharCode("ART?");
// A named resource, font or menu group that does not exist.
constexpr host::ErrorCode kNotFound = host::FourCharCode("!Fnd");
// The destination could not hold the whole result; what fit was written.
constexpr host::ErrorCode kBufferTooSmall = host::FourCharCode("BUF!");
// Application contexts are nested: only the innermost one can be popped.
constexpr host::ErrorCode kContextOrder = host::FourCharCode("CTX?");

}  // namespace emulator
