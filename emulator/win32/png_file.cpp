#include "emulator/win32/png_file.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <vector>

namespace emulator {

namespace {

// A deflate block stored as is holds at most this many bytes.
constexpr size_t kStoredBlock = 65535;

std::array<uint32_t, 256> CrcTable() {
  std::array<uint32_t, 256> table{};
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t c = n;
    for (int bit = 0; bit < 8; ++bit)
      c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

uint32_t Crc32(std::span<const uint8_t> bytes) {
  static const std::array<uint32_t, 256> table = CrcTable();
  uint32_t crc = 0xFFFFFFFFu;
  for (const uint8_t byte : bytes)
    crc = table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

uint32_t Adler32(std::span<const uint8_t> bytes) {
  uint32_t a = 1;
  uint32_t b = 0;
  for (const uint8_t byte : bytes) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  return b << 16 | a;
}

void PutBigEndian(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<uint8_t>(value >> shift));
}

void PutChunk(std::vector<uint8_t>& out, const char (&type)[5], std::span<const uint8_t> data) {
  PutBigEndian(out, static_cast<uint32_t>(data.size()));
  const size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  PutBigEndian(out, Crc32(std::span<const uint8_t>(out).subspan(start)));
}

// The zlib stream of the bytes in stored deflate blocks.
std::vector<uint8_t> StoredZlib(std::span<const uint8_t> bytes) {
  std::vector<uint8_t> out{0x78, 0x01};
  size_t at = 0;
  do {
    const size_t length = std::min(kStoredBlock, bytes.size() - at);
    const bool last = at + length == bytes.size();
    out.push_back(last ? 1 : 0);
    out.push_back(static_cast<uint8_t>(length));
    out.push_back(static_cast<uint8_t>(length >> 8));
    out.push_back(static_cast<uint8_t>(~length));
    out.push_back(static_cast<uint8_t>(~length >> 8));
    out.insert(out.end(), bytes.begin() + at, bytes.begin() + at + length);
    at += length;
  } while (at < bytes.size());
  PutBigEndian(out, Adler32(bytes));
  return out;
}

}  // namespace

bool WritePngFile(const std::wstring& path, uint32_t width, uint32_t height,
                  std::span<const uint8_t> pixels) {
  const size_t stride = static_cast<size_t>(width) * 3;
  if (width == 0 || height == 0 || pixels.size() != stride * height)
    return false;
  // Each row starts with its filter type, 0: the bytes as they are.
  std::vector<uint8_t> rows;
  rows.reserve((stride + 1) * height);
  for (uint32_t y = 0; y < height; ++y) {
    rows.push_back(0);
    const auto row = pixels.subspan(y * stride, stride);
    rows.insert(rows.end(), row.begin(), row.end());
  }

  std::vector<uint8_t> header;
  PutBigEndian(header, width);
  PutBigEndian(header, height);
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits per channel, RGB, no interlace

  std::vector<uint8_t> file{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutChunk(file, "IHDR", header);
  PutChunk(file, "IDAT", StoredZlib(rows));
  PutChunk(file, "IEND", {});

  std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  return static_cast<bool>(out);
}

}  // namespace emulator
