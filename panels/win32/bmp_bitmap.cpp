#include "panels/win32/bmp_bitmap.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace panels {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kLargestInfoHeader = 124;  // the version 5 header
constexpr int32_t kLargestSide = 4096;

template <typename Value>
Value ReadAt(std::span<const char> bytes, size_t offset) {
  Value value{};
  std::memcpy(&value, bytes.data() + offset, sizeof value);
  return value;
}

// The bitmap information: the header and its colour table, copied into aligned storage.
struct BitmapInfo {
  alignas(BITMAPINFO) unsigned char bytes[kLargestInfoHeader + 256 * sizeof(RGBQUAD)];
  const BITMAPINFOHEADER& header() const {
    return *reinterpret_cast<const BITMAPINFOHEADER*>(bytes);
  }
  const BITMAPINFO* info() const { return reinterpret_cast<const BITMAPINFO*>(bytes); }
};

bool IsSupportedDepth(WORD bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

size_t ColourTableEntries(const BITMAPINFOHEADER& header) {
  if (header.biClrUsed != 0)
    return header.biClrUsed;
  return header.biBitCount <= 8 ? size_t{1} << header.biBitCount : 0;
}

// The information header and colour table after the file header, when they are whole and
// describe an uncompressed bitmap of reasonable size.
bool ReadInfo(std::span<const char> file, BitmapInfo& info) {
  if (file.size() < kFileHeaderSize + sizeof(BITMAPINFOHEADER) || file[0] != 'B' || file[1] != 'M')
    return false;
  const auto headerSize = ReadAt<uint32_t>(file, kFileHeaderSize);
  if (headerSize < sizeof(BITMAPINFOHEADER) || headerSize > kLargestInfoHeader)
    return false;
  const auto header = ReadAt<BITMAPINFOHEADER>(file, kFileHeaderSize);
  if (header.biWidth <= 0 || header.biWidth > kLargestSide || header.biHeight == 0 ||
      header.biHeight < -kLargestSide || header.biHeight > kLargestSide || header.biPlanes != 1 ||
      !IsSupportedDepth(header.biBitCount) || header.biCompression != BI_RGB) {
    return false;
  }
  const size_t entries = ColourTableEntries(header);
  if (entries > 256)
    return false;
  const size_t infoSize = headerSize + entries * sizeof(RGBQUAD);
  if (kFileHeaderSize + infoSize > file.size())
    return false;
  std::memcpy(info.bytes, file.data() + kFileHeaderSize, infoSize);
  return true;
}

size_t PixelBytes(const BITMAPINFOHEADER& header) {
  const size_t stride = ((static_cast<size_t>(header.biWidth) * header.biBitCount + 31) / 32) * 4;
  const auto rows = static_cast<size_t>(std::abs(static_cast<int64_t>(header.biHeight)));
  return stride * rows;
}

}  // namespace

HBITMAP BitmapFromBmpFile(std::span<const char> file) {
  BitmapInfo info;
  if (!ReadInfo(file, info))
    return nullptr;
  // The image size the header gives, but never more than the bitmap section holds.
  const size_t capacity = PixelBytes(info.header());
  const size_t given = info.header().biSizeImage != 0 ? info.header().biSizeImage : capacity;
  const size_t copied = std::min(given, capacity);
  const size_t offset = ReadAt<uint32_t>(file, 10);
  if (offset > file.size() || file.size() - offset < copied)
    return nullptr;
  void* pixels = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, info.info(), DIB_RGB_COLORS, &pixels, nullptr, 0);
  if (bitmap == nullptr || pixels == nullptr) {
    if (bitmap != nullptr)
      DeleteObject(bitmap);
    return nullptr;
  }
  std::memcpy(pixels, file.data() + offset, copied);
  return bitmap;
}

}  // namespace panels
