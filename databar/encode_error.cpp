#include "databar/encode_error.h"

namespace databar {

thread_local int32_t EncodeError = kEncodeOk;

}  // namespace databar
