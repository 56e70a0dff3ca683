#include "core/VnCodePageConversion.h"

#include "core/VnCodePages.h"
#include "core/VnTextParser.h"

#include <unicode/ucnv.h>

#include <limits>
#include <memory>

namespace {

struct TVnConverterCloser {
  void operator()(UConverter *converter) const { ucnv_close(converter); }
};
using TVnConverter = std::unique_ptr<UConverter, TVnConverterCloser>;

constexpr qint64 kMaxIcuLength = std::numeric_limits<int32_t>::max();

// One converter per call: ICU converters hold state and must not be shared
// between threads.
TVnConversionStatus OpenConverter(int codePage, TVnConverter &converter) {
  const char *name = VnConverterOfCodePage(codePage);
  if (!name)
    return TVnConversionStatus::UnknownCodePage;
  UErrorCode error = U_ZERO_ERROR;
  converter.reset(ucnv_open(name, &error));
  if (U_FAILURE(error))
    return TVnConversionStatus::OpenFailed;
  // The system's converters write "?" for characters a code page lacks; ICU's own
  // substitute differs between converters (0x1A in many single-byte pages).
  ucnv_setSubstString(converter.get(), u"?", 1, &error);
  return U_SUCCESS(error) ? TVnConversionStatus::Done : TVnConversionStatus::OpenFailed;
}

// Code pages whose code units are wider than a byte (UTF-16) hold zero bytes inside
// ordinary characters, so their text must not be split at NULs.
bool HasByteUnits(UConverter *converter) {
  return ucnv_getMinCharSize(converter) == 1;
}

// The output is sized for the worst case the converter reports, and a too small
// estimate is retried with the length ICU asks for, so a multi-byte code page never
// cuts the text short.
TVnConversionStatus FromUnicodePiece(UConverter *converter, QStringView text, QByteArray &out) {
  out.clear();
  if (text.isEmpty())
    return TVnConversionStatus::Done;
  if (text.size() > kMaxIcuLength)
    return TVnConversionStatus::Failed;
  qint64 capacity = qint64(text.size() + 10) * ucnv_getMaxCharSize(converter);
  for (int attempt = 0; attempt < 2; ++attempt) {
    capacity = qMin(capacity, kMaxIcuLength);
    out.resize(capacity);
    UErrorCode error = U_ZERO_ERROR;
    const int32_t length =
        ucnv_fromUChars(converter, out.data(), int32_t(capacity), text.utf16(), int32_t(text.size()), &error);
    if (error == U_BUFFER_OVERFLOW_ERROR && length > capacity) {
      capacity = length;
      continue;
    }
    if (U_FAILURE(error))
      break;
    out.resize(length);
    return TVnConversionStatus::Done;
  }
  out.clear();
  return TVnConversionStatus::Failed;
}

TVnConversionStatus ToUnicodePiece(UConverter *converter, QByteArrayView text, QString &out) {
  out.clear();
  if (text.isEmpty())
    return TVnConversionStatus::Done;
  if (text.size() > kMaxIcuLength)
    return TVnConversionStatus::Failed;
  // Most bytes give at most one UTF-16 unit; the retry covers the rest.
  qint64 capacity = text.size() + 16;
  for (int attempt = 0; attempt < 2; ++attempt) {
    capacity = qMin(capacity, kMaxIcuLength);
    out.resize(capacity);
    UErrorCode error = U_ZERO_ERROR;
    const int32_t length = ucnv_toUChars(converter, reinterpret_cast<UChar *>(out.data()), int32_t(capacity),
                                         text.data(), int32_t(text.size()), &error);
    if (error == U_BUFFER_OVERFLOW_ERROR && length > capacity) {
      capacity = length;
      continue;
    }
    if (U_FAILURE(error))
      break;
    out.resize(length);
    return TVnConversionStatus::Done;
  }
  out.clear();
  return TVnConversionStatus::Failed;
}

// Splits `text` at NULs, converts each piece with `convertPiece` and joins the
// results with one NUL each; a NUL that ends the text stays as one NUL. A failing
// piece fails the whole text, so no caller stores a result with pieces missing.
template <typename TParser, typename TIn, typename TOut, typename TConvert>
bool ConvertAroundNuls(const TIn &text, typename TIn::value_type inNul, TOut &out,
                       typename TOut::value_type outNul, TConvert convertPiece) {
  out.clear();
  TParser parser(text, inNul);
  TOut piece;
  while (!parser.AtEnd()) {
    if (convertPiece(parser.Next(), piece) != TVnConversionStatus::Done) {
      out.clear();
      return false;
    }
    out += piece;
    if (!parser.AtEnd() || text.endsWith(inNul))
      out += outNul;
  }
  return true;
}

} // namespace

TVnConversionStatus VnFromUnicode(QStringView text, int codePage, QByteArray &out) {
  out.clear();
  TVnConverter converter;
  if (const TVnConversionStatus opened = OpenConverter(codePage, converter);
      opened != TVnConversionStatus::Done)
    return opened;
  return FromUnicodePiece(converter.get(), text, out);
}

TVnConversionStatus VnToUnicode(QByteArrayView text, int codePage, QString &out) {
  out.clear();
  TVnConverter converter;
  if (const TVnConversionStatus opened = OpenConverter(codePage, converter);
      opened != TVnConversionStatus::Done)
    return opened;
  return ToUnicodePiece(converter.get(), text, out);
}

bool WideToCodePage(const QString &text, int codePage, QByteArray &out) {
  out.clear();
  TVnConverter converter;
  if (OpenConverter(codePage, converter) != TVnConversionStatus::Done)
    return false;
  if (!text.contains(QChar(0)) || !HasByteUnits(converter.get()))
    return FromUnicodePiece(converter.get(), text, out) == TVnConversionStatus::Done;
  return ConvertAroundNuls<TVnWideParser>(text, QChar(0), out, '\0',
                                          [&](const QString &piece, QByteArray &converted) {
                                            return FromUnicodePiece(converter.get(), piece, converted);
                                          });
}

QByteArray WideToCodePage(const QString &text, int codePage) {
  QByteArray out;
  WideToCodePage(text, codePage, out);
  return out;
}

bool CodePageToWide(const QByteArray &text, int codePage, QString &out) {
  out.clear();
  TVnConverter converter;
  if (OpenConverter(codePage, converter) != TVnConversionStatus::Done)
    return false;
  if (!text.contains('\0') || !HasByteUnits(converter.get()))
    return ToUnicodePiece(converter.get(), text, out) == TVnConversionStatus::Done;
  return ConvertAroundNuls<TVnAnsiParser>(text, '\0', out, QChar(0),
                                          [&](const QByteArray &piece, QString &converted) {
                                            return ToUnicodePiece(converter.get(), piece, converted);
                                          });
}

QString CodePageToWide(const QByteArray &text, int codePage) {
  QString out;
  CodePageToWide(text, codePage, out);
  return out;
}
