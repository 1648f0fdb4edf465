#include "bench/zint_peer.h"

#include <zint.h>

#include <cstring>

namespace bench {

namespace {

zint_symbol* Prepare(const ZintRequest& request) {
  zint_symbol* symbol = ZBarcode_Create();
  symbol->symbology = request.symbology;
  symbol->option_1 = request.option1;
  symbol->option_2 = request.option2;
  std::strncpy(symbol->primary, request.primary.c_str(), sizeof symbol->primary - 1);
  if (request.data[0] == '[')
    symbol->input_mode = GS1_MODE;
  return symbol;
}

int Encode(zint_symbol* symbol, const ZintRequest& request) {
  return ZBarcode_Encode(symbol, reinterpret_cast<const unsigned char*>(request.data.data()),
                         static_cast<int>(request.data.size()));
}

}  // namespace

int ZintEncode(const ZintRequest& request) {
  zint_symbol* symbol = Prepare(request);
  const int result = Encode(symbol, request);
  ZBarcode_Delete(symbol);
  return result;
}

int ZintEncodeToSvg(const ZintRequest& request, const char* path) {
  zint_symbol* symbol = Prepare(request);
  std::strncpy(symbol->outfile, path, sizeof symbol->outfile - 1);
  int result = Encode(symbol, request);
  if (ZintSucceeded(result))
    result = ZBarcode_Print(symbol, 0);
  ZBarcode_Delete(symbol);
  return result;
}

}  // namespace bench
