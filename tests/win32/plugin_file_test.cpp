// Barquill.aip as the host sees it: a DLL that loads on its own, with PluginMain and the
// resources the host and the panels read.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::wstring PluginPath() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring directory(path, length);
  return directory.substr(0, directory.find_last_of(L"\\/") + 1) + L"Barquill.aip";
}

class PluginFile : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { module_ = LoadLibraryW(PluginPath().c_str()); }
  static void TearDownTestSuite() {
    if (module_ != nullptr)
      FreeLibrary(module_);
  }
  void SetUp() override { ASSERT_NE(module_, nullptr) << "LoadLibrary: " << GetLastError(); }

  // The bytes of a resource; empty when it is missing.
  static std::vector<uint8_t> Resource(const wchar_t* type, const wchar_t* name,
                                       WORD language = MAKELANGID(LANG_ENGLISH,
                                                                  SUBLANG_ENGLISH_US)) {
    HRSRC found = FindResourceExW(module_, type, name, language);
    if (found == nullptr)
      return {};
    const auto* bytes = static_cast<const uint8_t*>(LockResource(LoadResource(module_, found)));
    return {bytes, bytes + SizeofResource(module_, found)};
  }

  static HMODULE module_;
};

HMODULE PluginFile::module_ = nullptr;

void Put16(std::vector<uint8_t>& out, uint16_t value) {
  out.push_back(value & 0xFF);
  out.push_back(value >> 8);
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8)
    out.push_back((value >> shift) & 0xFF);
}

// A four-character code as the PIPL stores it: byte-reversed.
void PutCode(std::vector<uint8_t>& out, const char (&code)[5]) {
  for (int i = 3; i >= 0; --i)
    out.push_back(static_cast<uint8_t>(code[i]));
}

void PutProperty(std::vector<uint8_t>& out, const char (&key)[5],
                 const std::vector<uint8_t>& data) {
  PutCode(out, "ADBE");
  PutCode(out, key);
  Put32(out, 0);
  Put32(out, static_cast<uint32_t>(data.size()));
  out.insert(out.end(), data.begin(), data.end());
}

std::vector<uint8_t> ExpectedPipl() {
  std::vector<uint8_t> pipl;
  Put16(pipl, 1);
  Put32(pipl, 0);
  Put32(pipl, 4);
  std::vector<uint8_t> kind;
  PutCode(kind, "SPEA");
  PutProperty(pipl, "kind", kind);
  std::vector<uint8_t> version;
  Put32(version, 2);
  PutProperty(pipl, "ivrs", version);
  std::vector<uint8_t> entry(12, 0);
  std::memcpy(entry.data(), "PluginMain", 10);
  PutProperty(pipl, "wx86", entry);
  const char name[] = "Barquill";
  PutProperty(pipl, "pinm", std::vector<uint8_t>(name, name + 8));
  return pipl;
}

uint32_t Read32(const std::vector<uint8_t>& bytes, size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
         static_cast<uint32_t>(bytes[at + 3]) << 24;
}

uint32_t Read32BigEndian(const std::vector<uint8_t>& bytes, size_t at) {
  return static_cast<uint32_t>(bytes[at]) << 24 | bytes[at + 1] << 16 | bytes[at + 2] << 8 |
         bytes[at + 3];
}

TEST_F(PluginFile, ExportsPluginMain) {
  EXPECT_NE(GetProcAddress(module_, "PluginMain"), nullptr);
}

TEST_F(PluginFile, PiplIsLaidOutForTheHost) {
  EXPECT_EQ(Resource(L"PIPL", MAKEINTRESOURCEW(16000)), ExpectedPipl());
}

TEST_F(PluginFile, PanelIconIsAPng) {
  const std::vector<uint8_t> png = Resource(L"PNGI", L"PANEL_ICON");
  ASSERT_GT(png.size(), 24u);
  const uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  EXPECT_EQ(std::memcmp(png.data(), signature, sizeof signature), 0);
  EXPECT_EQ(std::memcmp(png.data() + 12, "IHDR", 4), 0);
  EXPECT_GT(Read32BigEndian(png, 16), 0u);
  EXPECT_EQ(Read32BigEndian(png, 16), Read32BigEndian(png, 20)) << "square icon";
}

// The panels read a button bitmap into a 2048-byte buffer and copy the image size the header
// gives from the offset the file header gives; both must lie inside the file.
TEST_F(PluginFile, ButtonBitmapsFitThePanelsBuffer) {
  for (const wchar_t* name : {L"bmpClear", L"bmpInput"}) {
    SCOPED_TRACE(testing::Message() << (name[3] == L'C' ? "bmpClear" : "bmpInput"));
    const std::vector<uint8_t> bmp = Resource(L"BMPI", name);
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_LT(bmp.size(), 2048u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(Read32(bmp, 2), bmp.size());
    const uint32_t offset = Read32(bmp, 10);
    EXPECT_EQ(Read32(bmp, 14), 40u);  // information header size
    EXPECT_EQ(Read32(bmp, 18), 18u);  // width
    EXPECT_EQ(Read32(bmp, 22), 18u);  // height, bottom-up
    const uint32_t imageSize = Read32(bmp, 34);
    EXPECT_GT(imageSize, 0u);
    EXPECT_LE(offset + imageSize, bmp.size());
  }
}

}  // namespace
