#include "project/VnPackageArchive.h"

#include "core/VnError.h"
#include "core/VnSafeFile.h"

#include <QDir>
#include <QFileInfo>

#include <zip.h>

#include <memory>

namespace {

struct TZipCloser {
  void operator()(zip_t *z) const { zip_discard(z); }
};
struct TZipFileCloser {
  void operator()(zip_file_t *f) const { zip_fclose(f); }
};

[[noreturn]] void Fail(const QString &archive, const QString &reason) {
  throw EVnError(QStringLiteral("The exchange package \"%1\" could not be extracted: %2").arg(archive, reason));
}

// A name is safe when it stays inside the target folder: relative, no "..".
bool SafeEntryName(const QString &name) {
  if (name.isEmpty() || QDir::isAbsolutePath(name) || name.contains(QLatin1Char('\\')) ||
      name.contains(QLatin1Char(':')))
    return false;
  const QStringList parts = name.split(QLatin1Char('/'));
  return !parts.contains(QStringLiteral(".."));
}

QByteArray ReadEntry(zip_t *zip, zip_uint64_t index, const QString &archive) {
  zip_stat_t stat;
  if (zip_stat_index(zip, index, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE))
    Fail(archive, QString::fromUtf8(zip_strerror(zip)));
  std::unique_ptr<zip_file_t, TZipFileCloser> file(zip_fopen_index(zip, index, 0));
  if (!file)
    Fail(archive, QString::fromUtf8(zip_strerror(zip)));
  QByteArray bytes(qsizetype(stat.size), Qt::Uninitialized);
  if (zip_fread(file.get(), bytes.data(), stat.size) != zip_int64_t(stat.size))
    Fail(archive, QStringLiteral("an entry is damaged"));
  return bytes;
}

} // namespace

QString VnExtractPackage(const QString &archive) {
  int error = 0;
  std::unique_ptr<zip_t, TZipCloser> zip(zip_open(QFile::encodeName(archive).constData(), ZIP_RDONLY, &error));
  if (!zip) {
    zip_error_t ze;
    zip_error_init_with_code(&ze, error);
    const QString reason = QString::fromUtf8(zip_error_strerror(&ze));
    zip_error_fini(&ze);
    Fail(archive, reason);
  }
  const QDir folder = QFileInfo(archive).absoluteDir();
  const zip_int64_t count = zip_get_num_entries(zip.get(), 0);
  if (count <= 0)
    Fail(archive, QStringLiteral("the package is empty"));
  QString first;
  for (zip_uint64_t i = 0; i < zip_uint64_t(count); ++i) {
    const QString name = QString::fromUtf8(zip_get_name(zip.get(), i, 0));
    if (!SafeEntryName(name))
      Fail(archive, QStringLiteral("the entry \"%1\" would be written outside its folder").arg(name));
    const QString path = folder.filePath(name);
    if (name.endsWith(QLatin1Char('/'))) {
      folder.mkpath(name);
    } else {
      QDir().mkpath(QFileInfo(path).absolutePath());
      VnWriteFile(path, ReadEntry(zip.get(), i, archive));
    }
    if (i == 0)
      first = path;
  }
  return first;
}
