#include "frame/error_report.h"

#include <algorithm>
#include <iterator>

namespace frame {

namespace {

using host::FourCharCode;

constexpr host::ErrorCode kSilentErrors[] = {
    FourCharCode("FMT?"),
    FourCharCode("RFSE"),
    FourCharCode("AFTR"),
    FourCharCode("VALD"),
    FourCharCode("MOOT"),
    FourCharCode("TRSH"),
    FourCharCode("CHEK"),
    FourCharCode("CHIT"),
    FourCharCode("TLTK"),
    FourCharCode("pFls"),
    FourCharCode("S!Fd"),
    FourCharCode("!Acq"),
    FourCharCode("dsRP"),
    FourCharCode("skpE"),
    FourCharCode("DONE"),
    FourCharCode("STOP"),
    361,
};

}  // namespace

bool IsSilentError(host::ErrorCode error) {
  return std::find(std::begin(kSilentErrors), std::end(kSilentErrors), error) !=
         std::end(kSilentErrors);
}

bool ErrorReport::Record(host::ErrorCode error, int64_t now) {
  if (IsSilentError(error))
    return false;
  if (suppressRepeats_ && error == lastError_ && now - lastTime_ < repeatWindowSeconds_) {
    return false;
  }
  lastError_ = error;
  lastTime_ = now;
  return true;
}

}  // namespace frame
