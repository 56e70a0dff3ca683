#include "core/VnPeVersion.h"

#include "VnPeTestImage.h"
#include "VnTestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr std::array<quint16, 4> kProduct{2, 10, 65535, 7};
const QString kProductText = QStringLiteral("2.10.65535.7");

class VnPeVersionTest : public testing::TestWithParam<bool> {
protected:
  TVnTestPe Image() const { return VnTestPeImage(GetParam(), kProduct); }
};

INSTANTIATE_TEST_SUITE_P(Formats, VnPeVersionTest, testing::Values(false, true),
                         [](const auto &info) { return info.param ? "Pe32Plus" : "Pe32"; });

TEST_P(VnPeVersionTest, ReadsTheProductVersion) {
  EXPECT_EQ(VnPeFileVersion(Image().Bytes), kProductText);
  EXPECT_EQ(VnPeFileVersion(VnTestPeImage(GetParam(), {0, 0, 0, 0}).Bytes), QStringLiteral("0.0.0.0"));
}

TEST_P(VnPeVersionTest, ToleratesWhatRealFilesVary) {
  struct Case {
    const char *Name;
    std::function<void(TVnTestPe &)> Change;
  };
  const Case cases[] = {
      {"data after the image", [](TVnTestPe &pe) { pe.Bytes.append(QByteArray(5000, 'x')); }},
      {"version block longer than its fixed part (children)",
       [](TVnTestPe &pe) { pe.Put16(TVnTestPe::VersionBlock, 0x3FF); }},
      {"resource size larger than the section's data",
       [](TVnTestPe &pe) { pe.Put32(pe.ResourceDirectory + 4, 0x7FFFFFFF); }},
  };
  for (const Case &c : cases) {
    TVnTestPe pe = Image();
    c.Change(pe);
    EXPECT_EQ(VnPeFileVersion(pe.Bytes), kProductText) << c.Name;
  }
}

TEST_P(VnPeVersionTest, EveryTruncationGivesNothing) {
  const QByteArray image = Image().Bytes;
  for (qsizetype length = 0; length < image.size(); ++length)
    ASSERT_EQ(VnPeFileVersion(image.left(length)), QString()) << length;
}

TEST_P(VnPeVersionTest, DamagedImagesGiveNothing) {
  constexpr quint32 dir = 0x80000000u;
  struct Case {
    const char *Name;
    std::function<void(TVnTestPe &)> Damage;
  };
  const Case cases[] = {
      {"no MZ", [](TVnTestPe &pe) { pe.Bytes[0] = 'Z'; }},
      {"no PE signature", [](TVnTestPe &pe) { pe.Bytes[TVnTestPe::PeHeader + 2] = 'X'; }},
      {"new header far outside", [](TVnTestPe &pe) { pe.Put32(TVnTestPe::NewHeaderField, 0xFFFFFFFFu); }},
      {"new header at the very end",
       [](TVnTestPe &pe) { pe.Put32(TVnTestPe::NewHeaderField, quint32(pe.Bytes.size() - 2)); }},
      {"unknown optional header magic", [](TVnTestPe &pe) { pe.Put16(TVnTestPe::Optional, 0x107); }},
      {"32-bit magic on a 64-bit layout and back",
       [](TVnTestPe &pe) { pe.Put16(TVnTestPe::Optional, pe.OptionalSize == 0xF0 ? 0x10B : 0x20B); }},
      {"only two data directories", [](TVnTestPe &pe) { pe.Put32(pe.ResourceDirectory - 20, 2); }},
      {"optional header too short for the resource entry",
       [](TVnTestPe &pe) {
         // The section table moves up with it, and the first section's name
         // is made to read as a valid resource entry: only the check of the
         // header's size can refuse it.
         const int size = pe.ResourceDirectory - TVnTestPe::Optional;
         pe.Put16(TVnTestPe::Coff + 16, quint16(size));
         pe.Bytes.replace(TVnTestPe::Optional + size, 80, pe.Bytes.mid(pe.SectionTable, 80));
         pe.Put32(pe.ResourceDirectory, TVnTestPe::ResourceRva);
         pe.Put32(pe.ResourceDirectory + 4, TVnTestPe::ResourceSize);
       }},
      {"optional header runs past the end", [](TVnTestPe &pe) { pe.Put16(TVnTestPe::Coff + 16, 0xFFFF); }},
      {"no sections", [](TVnTestPe &pe) { pe.Put16(TVnTestPe::Coff + 2, 0); }},
      {"section table runs past the end", [](TVnTestPe &pe) { pe.Put16(TVnTestPe::Coff + 2, 0xFFFF); }},
      {"no resource directory", [](TVnTestPe &pe) { pe.Put32(pe.ResourceDirectory, 0); }},
      {"resource directory of size 0", [](TVnTestPe &pe) { pe.Put32(pe.ResourceDirectory + 4, 0); }},
      {"resource RVA in no section", [](TVnTestPe &pe) { pe.Put32(pe.ResourceDirectory, 0x9000); }},
      {"resource RVA at the top of the address space",
       [](TVnTestPe &pe) { pe.Put32(pe.ResourceDirectory, 0xFFFFFFF8u); }},
      {"resource RVA in the code section", [](TVnTestPe &pe) { pe.Put32(pe.ResourceDirectory, 0x1000); }},
      {"section data outside the file", [](TVnTestPe &pe) { pe.Put32(pe.RsrcSection() + 20, 0xFFFFFE00u); }},
      {"section data size huge", [](TVnTestPe &pe) { pe.Put32(pe.RsrcSection() + 16, 0xFFFFFFFFu); }},
      {"section address wraps", [](TVnTestPe &pe) { pe.Put32(pe.RsrcSection() + 12, 0xFFFFFF00u); }},
      {"no version type", [](TVnTestPe &pe) { pe.Put32(TVnTestPe::VersionTypeEntry, 17); }},
      {"version type only as a name",
       [](TVnTestPe &pe) { pe.Put32(TVnTestPe::VersionTypeEntry, 0x80000000u | 16); }},
      {"root with the most entries a table can count",
       [](TVnTestPe &pe) {
         pe.Put16(TVnTestPe::Resources + 12, 0xFFFF);
         pe.Put16(TVnTestPe::Resources + 14, 0xFFFF);
       }},
      {"version type leads to data", [](TVnTestPe &pe) { pe.Put32(TVnTestPe::VersionTypeEntry + 4, 0x58); }},
      {"version type leads to the root", [=](TVnTestPe &pe) { pe.Put32(TVnTestPe::VersionTypeEntry + 4, dir); }},
      {"name table leads to itself", [=](TVnTestPe &pe) { pe.Put32(TVnTestPe::NameEntry + 4, dir | 0x28); }},
      {"language table leads to itself",
       [=](TVnTestPe &pe) { pe.Put32(TVnTestPe::LanguageEntry + 4, dir | 0x40); }},
      {"subdirectory far outside", [=](TVnTestPe &pe) { pe.Put32(TVnTestPe::NameEntry + 4, dir | 0x7FFFFFF0u); }},
      {"empty language table", [](TVnTestPe &pe) { pe.Put16(TVnTestPe::LanguageTable + 14, 0); }},
      {"data entry outside", [](TVnTestPe &pe) { pe.Put32(TVnTestPe::LanguageEntry + 4, 0x7FFFFFF0u); }},
      {"data RVA in no section", [](TVnTestPe &pe) { pe.Put32(TVnTestPe::DataEntry, 0xFFFFFFF0u); }},
      {"data size huge", [](TVnTestPe &pe) { pe.Put32(TVnTestPe::DataEntry + 4, 0xFFFFFFFFu); }},
      {"data size cuts the fixed part short",
       [](TVnTestPe &pe) { pe.Put32(TVnTestPe::DataEntry + 4, TVnTestPe::VersionBlockSize - 1); }},
      {"block length cuts the fixed part short", [](TVnTestPe &pe) { pe.Put16(TVnTestPe::VersionBlock, 50); }},
      {"no fixed part", [](TVnTestPe &pe) { pe.Put16(TVnTestPe::VersionBlock + 2, 0); }},
      {"wrong key", [](TVnTestPe &pe) { pe.Bytes[TVnTestPe::VersionBlock + 6 + 2 * 14] = 'X'; }},
      {"key without its end", [](TVnTestPe &pe) { pe.Bytes[TVnTestPe::VersionBlock + 6 + 2 * 15] = 'X'; }},
      {"wrong fixed signature", [](TVnTestPe &pe) { pe.Put32(TVnTestPe::FixedInfo, 0xFEEF04BCu); }},
  };
  for (const Case &c : cases) {
    TVnTestPe pe = Image();
    c.Damage(pe);
    EXPECT_EQ(VnPeFileVersion(pe.Bytes), QString()) << c.Name;
  }
}

TEST(VnPeVersion, ReadsFilesAndAnswersEmptyForEverythingElse) {
  QTemporaryDir dir;
  const QString exe = dir.filePath(QStringLiteral("app.exe"));
  const QString text = dir.filePath(QStringLiteral("readme.txt"));
  ASSERT_TRUE(VnTestWriteBytes(exe, VnTestPeImage(true, kProduct).Bytes));
  ASSERT_TRUE(VnTestWriteBytes(text, "MZ but nothing else"));
  ASSERT_TRUE(VnTestWriteBytes(dir.filePath(QStringLiteral("empty.exe")), QByteArray()));
  EXPECT_EQ(VnPeFileVersion(exe), kProductText);
  for (const QString &name : {text, dir.filePath(QStringLiteral("empty.exe")),
                              dir.filePath(QStringLiteral("missing.exe")), dir.path(), QStringLiteral("/dev/zero")})
    EXPECT_EQ(VnPeFileVersion(name), QString()) << name.toStdString();
}

// The fuzz target's seeds are this builder's images; keep them in step.
TEST(VnPeVersion, FuzzSeedsAreTheBuildersImages) {
  for (bool pe32Plus : {false, true}) {
    const QString name = VnTestData(pe32Plus ? QStringLiteral("pe/version64.exe") : QStringLiteral("pe/version32.exe"));
    const QByteArray image = VnTestPeImage(pe32Plus, kProduct).Bytes;
    if (qEnvironmentVariableIsSet("VN_WRITE_PE_SEEDS")) {
      ASSERT_TRUE(VnTestWriteBytes(name, image));
    }
    EXPECT_EQ(VnTestReadBytes(name), image) << name.toStdString() << " (rewrite with VN_WRITE_PE_SEEDS=1)";
  }
}

} // namespace
