#pragma once

// Builds small but complete Windows executables (PE32 and PE32+) with a
// version resource, so that the reader is tested on images whose every byte
// the test knows, and damaged copies are made by patching one field.

#include <QByteArray>
#include <QtGlobal>

#include <array>

/// An image and the file offsets of the structures a test may want to damage.
struct TVnTestPe {
  // Layout, fixed for every image the builder makes.
  static constexpr int NewHeaderField = 0x3C; // holds PeHeader
  static constexpr int PeHeader = 0x80;       // "PE\0\0"
  static constexpr int Coff = PeHeader + 4;
  static constexpr int Optional = Coff + 20;
  static constexpr int Resources = 0x400;           // file offset of the resource root (RVA 0x2000)
  static constexpr int ResourceRva = 0x2000;
  static constexpr int RootEntries = Resources + 0x10;  // named entry, id 3, id 16
  static constexpr int VersionTypeEntry = RootEntries + 16;
  static constexpr int NameTable = Resources + 0x28;
  static constexpr int NameEntry = NameTable + 0x10;
  static constexpr int LanguageTable = Resources + 0x40;
  static constexpr int LanguageEntry = LanguageTable + 0x10;
  static constexpr int DataEntry = Resources + 0x58;
  static constexpr int VersionBlock = Resources + 0x68; // VS_VERSIONINFO, 92 bytes
  static constexpr int FixedInfo = VersionBlock + 40;
  static constexpr int VersionBlockSize = 92;
  static constexpr int ResourceSize = 0xD0;
  static constexpr int Size = 0x600;

  QByteArray Bytes;
  int OptionalSize = 0;
  int ResourceDirectory = 0; // data directory entry 2: RVA, size
  int SectionTable = 0;      // .text, then .rsrc

  int RsrcSection() const { return SectionTable + 40; }

  void Put16(int offset, quint16 value) {
    for (int i = 0; i < 2; ++i)
      Bytes[offset + i] = char(value >> (8 * i));
  }
  void Put32(int offset, quint32 value) {
    for (int i = 0; i < 4; ++i)
      Bytes[offset + i] = char(value >> (8 * i));
  }
};

/// An image whose fixed version information holds `product` as the product
/// version and 9.8.7.6 as the file version (which the reader must not take).
inline TVnTestPe VnTestPeImage(bool pe32Plus, std::array<quint16, 4> product) {
  TVnTestPe pe;
  pe.Bytes = QByteArray(TVnTestPe::Size, '\0');
  pe.OptionalSize = pe32Plus ? 0xF0 : 0xE0;
  const int directories = TVnTestPe::Optional + (pe32Plus ? 112 : 96);
  pe.ResourceDirectory = directories + 2 * 8;
  pe.SectionTable = TVnTestPe::Optional + pe.OptionalSize;

  pe.Put16(0, 'M' | 'Z' << 8);
  pe.Put32(TVnTestPe::NewHeaderField, TVnTestPe::PeHeader);
  pe.Put32(TVnTestPe::PeHeader, 'P' | 'E' << 8);
  pe.Put16(TVnTestPe::Coff, pe32Plus ? 0x8664 : 0x14C); // machine
  pe.Put16(TVnTestPe::Coff + 2, 2);                      // sections
  pe.Put16(TVnTestPe::Coff + 16, quint16(pe.OptionalSize));
  pe.Put16(TVnTestPe::Coff + 18, pe32Plus ? 0x22 : 0x102); // executable; large address aware / 32-bit
  pe.Put16(TVnTestPe::Optional, pe32Plus ? 0x20B : 0x10B);
  pe.Put32(TVnTestPe::Optional + 32, 0x1000); // section alignment
  pe.Put32(TVnTestPe::Optional + 36, 0x200);  // file alignment
  pe.Put32(directories - 4, 16);               // number of data directories
  pe.Put32(pe.ResourceDirectory, TVnTestPe::ResourceRva);
  pe.Put32(pe.ResourceDirectory + 4, TVnTestPe::ResourceSize);

  struct Section {
    const char *Name;
    quint32 VirtualSize, VirtualAddress, RawSize, RawPointer;
  };
  const Section sections[] = {{".text", 0x10, 0x1000, 0x200, 0x200},
                              {".rsrc", TVnTestPe::ResourceSize, TVnTestPe::ResourceRva, 0x200, 0x400}};
  for (int i = 0; i < 2; ++i) {
    const int header = pe.SectionTable + 40 * i;
    pe.Bytes.replace(header, int(qstrlen(sections[i].Name)), sections[i].Name);
    pe.Put32(header + 8, sections[i].VirtualSize);
    pe.Put32(header + 12, sections[i].VirtualAddress);
    pe.Put32(header + 16, sections[i].RawSize);
    pe.Put32(header + 20, sections[i].RawPointer);
  }

  // Resource tree, offsets relative to its root. The root lists a named type
  // and type 3 before type 16, so the reader has to pick the right one; type
  // 3 leads straight to data, which would fail if it were taken.
  constexpr quint32 dir = 0x80000000u;
  const int r = TVnTestPe::Resources;
  pe.Put16(r + 12, 1); // named entries
  pe.Put16(r + 14, 2); // id entries
  pe.Put32(TVnTestPe::RootEntries, dir | 0xC4);      // name string
  pe.Put32(TVnTestPe::RootEntries + 4, dir | 0x28);
  pe.Put32(TVnTestPe::RootEntries + 8, 3);
  pe.Put32(TVnTestPe::RootEntries + 12, 0x58);
  pe.Put32(TVnTestPe::VersionTypeEntry, 16);
  pe.Put32(TVnTestPe::VersionTypeEntry + 4, dir | 0x28);
  pe.Put16(TVnTestPe::NameTable + 14, 1);
  pe.Put32(TVnTestPe::NameEntry, 1);
  pe.Put32(TVnTestPe::NameEntry + 4, dir | 0x40);
  pe.Put16(TVnTestPe::LanguageTable + 14, 1);
  pe.Put32(TVnTestPe::LanguageEntry, 0x409);
  pe.Put32(TVnTestPe::LanguageEntry + 4, 0x58);
  pe.Put32(TVnTestPe::DataEntry, TVnTestPe::ResourceRva + 0x68);
  pe.Put32(TVnTestPe::DataEntry + 4, TVnTestPe::VersionBlockSize);
  pe.Put16(r + 0xC4, 4);
  for (int i = 0; i < 4; ++i)
    pe.Put16(r + 0xC6 + 2 * i, quint16("ICON"[i]));

  const int v = TVnTestPe::VersionBlock;
  pe.Put16(v, TVnTestPe::VersionBlockSize);
  pe.Put16(v + 2, 52);
  const char16_t key[] = u"VS_VERSION_INFO";
  for (int i = 0; i < 15; ++i)
    pe.Put16(v + 6 + 2 * i, quint16(key[i]));
  const int f = TVnTestPe::FixedInfo;
  pe.Put32(f, 0xFEEF04BDu);
  pe.Put32(f + 4, 0x10000);
  pe.Put32(f + 8, 9u << 16 | 8u);
  pe.Put32(f + 12, 7u << 16 | 6u);
  pe.Put32(f + 16, quint32(product[0]) << 16 | product[1]);
  pe.Put32(f + 20, quint32(product[2]) << 16 | product[3]);
  return pe;
}
