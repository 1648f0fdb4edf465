#include "emulator/whole_file.h"

#include <fstream>

namespace emulator {

WriteResult WriteWholeFile(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out)
    return {"cannot open " + path + " for writing"};
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out)
    return {"cannot write " + path};
  return {};
}

}  // namespace emulator
