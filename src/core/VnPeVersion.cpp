#include "core/VnPeVersion.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace {

// Offsets and constants of the format, written out here so that no platform
// header is needed and nothing is ever cast onto the untrusted bytes.
constexpr std::uint64_t kDosSignatureOffset = 0x00;     // "MZ"
constexpr std::uint64_t kDosNewHeaderOffset = 0x3C;     // e_lfanew
constexpr std::uint32_t kPeSignature = 0x00004550;      // "PE\0\0"
constexpr std::uint64_t kCoffSize = 20;                 // after the signature
constexpr std::uint64_t kCoffSectionCount = 2;          // within the COFF header
constexpr std::uint64_t kCoffOptionalHeaderSize = 16;   // within the COFF header
constexpr std::uint16_t kMagicPe32 = 0x10B;
constexpr std::uint16_t kMagicPe32Plus = 0x20B;
constexpr std::uint64_t kPe32DirectoryCount = 92;       // within the optional header
constexpr std::uint64_t kPe32PlusDirectoryCount = 108;  // within the optional header
constexpr std::uint32_t kResourceDirectoryIndex = 2;
constexpr std::uint64_t kDirectoryEntrySize = 8;        // RVA, size
constexpr std::uint64_t kSectionHeaderSize = 40;
constexpr std::uint64_t kSectionVirtualAddress = 12;
constexpr std::uint64_t kSectionRawSize = 16;
constexpr std::uint64_t kSectionRawPointer = 20;

constexpr std::uint64_t kResourceTableSize = 16;        // header of a resource directory
constexpr std::uint64_t kResourceNamedCount = 12;
constexpr std::uint64_t kResourceIdCount = 14;
constexpr std::uint64_t kResourceEntrySize = 8;         // name or id, offset
constexpr std::uint64_t kResourceDataEntrySize = 16;    // RVA, size, code page, reserved
constexpr std::uint32_t kResourceSubdirectoryFlag = 0x80000000u;
constexpr std::uint32_t kVersionResourceType = 16;
// A real root has a few dozen types; beyond this the table is not worth reading.
constexpr std::uint32_t kMaxResourceEntries = 4096;

constexpr std::uint64_t kVersionKeyOffset = 6;          // after wLength, wValueLength, wType
constexpr char16_t kVersionKey[] = u"VS_VERSION_INFO";  // compared with its terminating zero
constexpr std::uint64_t kVersionKeyUnits = sizeof(kVersionKey) / sizeof(char16_t);
constexpr std::uint64_t kFixedInfoSize = 52;
constexpr std::uint32_t kFixedInfoSignature = 0xFEEF04BDu;
constexpr std::uint64_t kFixedProductVersionMs = 16;
constexpr std::uint64_t kFixedProductVersionLs = 20;

/// The untrusted bytes with reads that check their bounds first. Offsets are
/// 64-bit and compared against the remaining size, so no sum can wrap.
class TVnBytes {
public:
  explicit TVnBytes(std::span<const unsigned char> bytes) : FBytes(bytes) {}

  std::uint64_t Size() const { return FBytes.size(); }

  /// True when `length` bytes from `offset` lie inside the buffer.
  bool Holds(std::uint64_t offset, std::uint64_t length) const {
    return offset <= Size() && length <= Size() - offset;
  }

  std::optional<std::uint16_t> U16(std::uint64_t offset) const {
    if (!Holds(offset, 2))
      return std::nullopt;
    return std::uint16_t(FBytes[offset] | FBytes[offset + 1] << 8);
  }

  std::optional<std::uint32_t> U32(std::uint64_t offset) const {
    if (!Holds(offset, 4))
      return std::nullopt;
    return std::uint32_t(FBytes[offset]) | std::uint32_t(FBytes[offset + 1]) << 8 |
           std::uint32_t(FBytes[offset + 2]) << 16 | std::uint32_t(FBytes[offset + 3]) << 24;
  }

private:
  std::span<const unsigned char> FBytes;
};

struct TVnSection {
  std::uint64_t VirtualAddress = 0;
  std::uint64_t RawSize = 0;
  std::uint64_t RawPointer = 0;
};

/// The file offset of `length` bytes at `rva`, when they all lie in the file
/// data of one section. A section whose data runs past the end of the buffer
/// (a truncated file, or a hostile size) is not used at all.
std::optional<std::uint64_t> MapRva(const TVnBytes &bytes, const std::vector<TVnSection> &sections,
                                    std::uint64_t rva, std::uint64_t length) {
  for (const TVnSection &section : sections) {
    if (rva < section.VirtualAddress || !bytes.Holds(section.RawPointer, section.RawSize))
      continue;
    const std::uint64_t delta = rva - section.VirtualAddress;
    if (delta < section.RawSize && length <= section.RawSize - delta)
      return section.RawPointer + delta;
  }
  return std::nullopt;
}

struct TVnImageHeaders {
  std::vector<TVnSection> Sections;
  std::uint64_t ResourceRva = 0;
};

/// The section table and the resource directory's RVA, when the headers hold together.
std::optional<TVnImageHeaders> ReadHeaders(const TVnBytes &bytes) {
  if (bytes.U16(kDosSignatureOffset) != std::uint16_t('M' | 'Z' << 8))
    return std::nullopt;
  const auto peOffset = bytes.U32(kDosNewHeaderOffset);
  if (!peOffset || bytes.U32(*peOffset) != kPeSignature)
    return std::nullopt;
  const std::uint64_t coff = std::uint64_t(*peOffset) + 4;
  const auto sectionCount = bytes.U16(coff + kCoffSectionCount);
  const auto optionalSize = bytes.U16(coff + kCoffOptionalHeaderSize);
  if (!sectionCount || !optionalSize)
    return std::nullopt;

  const std::uint64_t optional = coff + kCoffSize;
  if (!bytes.Holds(optional, *optionalSize))
    return std::nullopt;
  const auto magic = bytes.U16(optional);
  std::uint64_t countOffset = 0;
  if (magic == kMagicPe32)
    countOffset = kPe32DirectoryCount;
  else if (magic == kMagicPe32Plus)
    countOffset = kPe32PlusDirectoryCount;
  else
    return std::nullopt;
  const auto directoryCount = bytes.U32(optional + countOffset);
  const std::uint64_t resourceEntry = countOffset + 4 + kResourceDirectoryIndex * kDirectoryEntrySize;
  // The entry must be both announced and inside the declared optional header.
  if (!directoryCount || *directoryCount <= kResourceDirectoryIndex ||
      resourceEntry + kDirectoryEntrySize > *optionalSize)
    return std::nullopt;
  const auto resourceRva = bytes.U32(optional + resourceEntry);
  const auto resourceSize = bytes.U32(optional + resourceEntry + 4);
  if (!resourceRva || !resourceSize || *resourceRva == 0 || *resourceSize == 0)
    return std::nullopt;

  const std::uint64_t table = optional + *optionalSize;
  if (!bytes.Holds(table, std::uint64_t(*sectionCount) * kSectionHeaderSize))
    return std::nullopt;
  TVnImageHeaders headers;
  headers.ResourceRva = *resourceRva;
  headers.Sections.reserve(*sectionCount);
  for (std::uint64_t i = 0; i < *sectionCount; ++i) {
    const std::uint64_t header = table + i * kSectionHeaderSize;
    headers.Sections.push_back({*bytes.U32(header + kSectionVirtualAddress),
                                *bytes.U32(header + kSectionRawSize), *bytes.U32(header + kSectionRawPointer)});
  }
  return headers;
}

/// One entry of a resource directory: its name or id, and where it leads.
struct TVnResourceEntry {
  std::uint32_t NameOrId = 0;
  std::uint32_t Target = 0;
};

/// Walks the resource tree of `headers` by RVA; every structure is mapped
/// through the section table on its own, so a pointer anywhere fails cleanly.
class TVnResourceReader {
public:
  TVnResourceReader(const TVnBytes &bytes, const TVnImageHeaders &headers) : FBytes(bytes), FHeaders(headers) {}

  /// The entry of the directory at `offset` (relative to the resource
  /// directory): the first whose id is `id`, or the very first when `id` is
  /// empty.
  std::optional<TVnResourceEntry> Find(std::uint32_t offset, std::optional<std::uint32_t> id) const {
    const auto table = Map(offset, kResourceTableSize);
    if (!table)
      return std::nullopt;
    const std::uint32_t count = *FBytes.U16(*table + kResourceNamedCount) + *FBytes.U16(*table + kResourceIdCount);
    if (count > kMaxResourceEntries)
      return std::nullopt;
    const auto entries = Map(std::uint64_t(offset) + kResourceTableSize, count * kResourceEntrySize);
    if (!entries)
      return std::nullopt;
    for (std::uint32_t i = 0; i < count; ++i) {
      const TVnResourceEntry entry{*FBytes.U32(*entries + i * kResourceEntrySize),
                                   *FBytes.U32(*entries + i * kResourceEntrySize + 4)};
      // A named entry has the top bit set, so it never equals an id.
      if (!id || entry.NameOrId == *id)
        return entry;
    }
    return std::nullopt;
  }

  /// The file offset and size of the bytes a data entry at `offset` describes.
  std::optional<std::pair<std::uint64_t, std::uint64_t>> Data(std::uint32_t offset) const {
    const auto entry = Map(offset, kResourceDataEntrySize);
    if (!entry)
      return std::nullopt;
    const std::uint32_t rva = *FBytes.U32(*entry);
    const std::uint32_t size = *FBytes.U32(*entry + 4);
    const auto data = MapRva(FBytes, FHeaders.Sections, rva, size);
    if (!data)
      return std::nullopt;
    return std::pair{*data, std::uint64_t(size)};
  }

private:
  std::optional<std::uint64_t> Map(std::uint64_t offset, std::uint64_t length) const {
    return MapRva(FBytes, FHeaders.Sections, FHeaders.ResourceRva + offset, length);
  }

  const TVnBytes &FBytes;
  const TVnImageHeaders &FHeaders;
};

/// The product version from the VS_VERSIONINFO block of `size` bytes at `offset`.
QString ReadVersionBlock(const TVnBytes &bytes, std::uint64_t offset, std::uint64_t size) {
  const auto length = bytes.U16(offset);
  const auto valueLength = bytes.U16(offset + 2);
  if (!length || !valueLength || *valueLength < kFixedInfoSize)
    return {};
  // The block may claim less than its resource holds, never more.
  const std::uint64_t block = std::min<std::uint64_t>(size, *length);
  const std::uint64_t keyEnd = kVersionKeyOffset + kVersionKeyUnits * 2;
  const std::uint64_t fixed = (keyEnd + 3) & ~std::uint64_t(3);
  if (fixed + kFixedInfoSize > block || !bytes.Holds(offset, block))
    return {};
  for (std::uint64_t i = 0; i < kVersionKeyUnits; ++i)
    if (bytes.U16(offset + kVersionKeyOffset + 2 * i) != std::uint16_t(kVersionKey[i]))
      return {};
  if (bytes.U32(offset + fixed) != kFixedInfoSignature)
    return {};
  const std::uint32_t ms = *bytes.U32(offset + fixed + kFixedProductVersionMs);
  const std::uint32_t ls = *bytes.U32(offset + fixed + kFixedProductVersionLs);
  return QStringLiteral("%1.%2.%3.%4").arg(ms >> 16).arg(ms & 0xFFFF).arg(ls >> 16).arg(ls & 0xFFFF);
}

QString ReadVersion(std::span<const unsigned char> image) {
  const TVnBytes bytes(image);
  const auto headers = ReadHeaders(bytes);
  if (!headers)
    return {};
  const TVnResourceReader reader(bytes, *headers);
  // Type 16, then its first name, then its first language, whose entry holds
  // the data. The depth is fixed, so a directory that points at itself or at
  // an ancestor ends the walk instead of looping.
  std::uint32_t directory = 0;
  std::optional<std::uint32_t> id = kVersionResourceType;
  for (int level = 0; level < 2; ++level, id.reset()) {
    const auto entry = reader.Find(directory, id);
    if (!entry || (entry->Target & kResourceSubdirectoryFlag) == 0)
      return {};
    directory = entry->Target & ~kResourceSubdirectoryFlag;
  }
  const auto language = reader.Find(directory, std::nullopt);
  if (!language || (language->Target & kResourceSubdirectoryFlag) != 0)
    return {};
  const auto data = reader.Data(language->Target);
  if (!data)
    return {};
  return ReadVersionBlock(bytes, data->first, data->second);
}

} // namespace

QString VnPeFileVersion(const QByteArray &image) {
  return ReadVersion({reinterpret_cast<const unsigned char *>(image.constData()), std::size_t(image.size())});
}

QString VnPeFileVersion(const QString &fileName) {
  // Only regular files: a device or a pipe could be endless. Mapping instead
  // of reading keeps a large installer from being copied into memory.
  if (!QFileInfo(fileName).isFile())
    return {};
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly) || file.size() <= 0)
    return {};
  const uchar *mapped = file.map(0, file.size());
  if (!mapped)
    return {};
  const QString version = ReadVersion({mapped, std::size_t(file.size())});
  file.unmap(const_cast<uchar *>(mapped));
  return version;
}
