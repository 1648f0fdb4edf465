// The least a batch can cost on this machine for its files alone: makes COUNT files of SIZE bytes
// in DIRECTORY, each opened, written in one write and closed, and with --renamed under a
// temporary name first and then renamed to its own, as barquill writes every file so that only
// whole files ever carry an output's name. bench/batch_vs_zint.py times it beside both sides.
//
// usage: write_floor DIRECTORY COUNT SIZE [--renamed]
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

bool WriteFile(const std::string& name, const std::string& bytes) {
  const int file = open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (file < 0)
    return false;
  const bool written =
      write(file, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
  return close(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4 || argc > 5 || (argc == 5 && std::string_view(argv[4]) != "--renamed")) {
    std::fprintf(stderr, "usage: write_floor DIRECTORY COUNT SIZE [--renamed]\n");
    return 2;
  }
  const std::string directory = argv[1];
  const long count = std::strtol(argv[2], nullptr, 10);
  const std::string bytes(static_cast<size_t>(std::strtol(argv[3], nullptr, 10)), 'x');
  const bool renamed = argc == 5;
  for (long i = 1; i <= count; ++i) {
    const std::string name = directory + "/" + std::to_string(i) + ".svg";
    const std::string temporary = directory + "/." + std::to_string(i) + ".svg.tmp-floor";
    if (!WriteFile(renamed ? temporary : name, bytes) ||
        (renamed && std::rename(temporary.c_str(), name.c_str()) != 0)) {
      std::perror(name.c_str());
      return 1;
    }
  }
  return 0;
}
