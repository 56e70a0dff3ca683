#include "project/VnPackageArchive.h"

#include "core/VnError.h"
#include "core/VnMessages.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include <zip.h>

#include <memory>

namespace {

// Far above any real project file, far below what would exhaust memory or disk.
constexpr qint64 kLargestEntry = qint64(4) << 30;

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

// Copies one entry into a file in chunks, never trusting the size the archive
// declares: a damaged or hostile package cannot make it read without bound.
void ExtractEntry(zip_t *zip, zip_uint64_t index, const QString &path, const QString &archive) {
  std::unique_ptr<zip_file_t, TZipFileCloser> entry(zip_fopen_index(zip, index, 0));
  if (!entry)
    Fail(archive, QString::fromUtf8(zip_strerror(zip)));
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
    Fail(archive, QStringLiteral("\"%1\" cannot be written: %2").arg(path, file.errorString()));
  QByteArray chunk(1 << 20, Qt::Uninitialized);
  qint64 total = 0;
  for (;;) {
    const zip_int64_t read = zip_fread(entry.get(), chunk.data(), zip_uint64_t(chunk.size()));
    if (read < 0)
      Fail(archive, QStringLiteral("an entry is damaged"));
    if (read == 0)
      break;
    total += read;
    if (total > kLargestEntry)
      Fail(archive, QStringLiteral("an entry is larger than any project"));
    if (file.write(chunk.constData(), read) != read)
      Fail(archive, QStringLiteral("\"%1\" cannot be written: %2").arg(path, file.errorString()));
  }
  if (!file.commit())
    Fail(archive, QStringLiteral("\"%1\" cannot be written: %2").arg(path, file.errorString()));
}

// The entry names, each checked before anything is written.
QStringList CheckedNames(zip_t *zip, const QString &archive) {
  const zip_int64_t count = zip_get_num_entries(zip, 0);
  QStringList names;
  for (zip_int64_t i = 0; i < count; ++i) {
    const QString name = QString::fromUtf8(zip_get_name(zip, zip_uint64_t(i), 0));
    if (!SafeEntryName(name))
      Fail(archive, QStringLiteral("the entry \"%1\" would be written outside its folder").arg(name));
    names.append(name);
  }
  return names;
}

enum class TVnExtractChoice { Overwrite, KeepExisting, Cancel };

// Files of the package that already lie beside it are the user's: they are
// replaced only when the user agrees.
TVnExtractChoice AskAboutExistingFiles(const QDir &folder, const QStringList &names, const QString &archive) {
  QStringList existing;
  for (const QString &name : names)
    if (!name.endsWith(QLatin1Char('/')) && QFileInfo::exists(folder.filePath(name)))
      existing.append(folder.filePath(name));
  if (existing.isEmpty())
    return TVnExtractChoice::Overwrite;
  const TVnMsgButton answer = VnMessageDlg(
      QStringLiteral("The exchange package \"%1\" holds files that already exist:\n\n%2\n\n"
                     "Replace them with the files of the package? Answer No to keep your files.")
          .arg(archive, existing.join(QLatin1Char('\n'))),
      TVnMsgType::Confirmation, TVnMsgButton::Yes | TVnMsgButton::No | TVnMsgButton::Cancel);
  if (answer == TVnMsgButton::Yes)
    return TVnExtractChoice::Overwrite;
  return answer == TVnMsgButton::No ? TVnExtractChoice::KeepExisting : TVnExtractChoice::Cancel;
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
  const QStringList names = CheckedNames(zip.get(), archive);
  const TVnExtractChoice choice = AskAboutExistingFiles(folder, names, archive);
  if (choice == TVnExtractChoice::Cancel)
    return {};
  QString first;
  for (qsizetype i = 0; i < names.size(); ++i) {
    const QString path = folder.filePath(names[i]);
    if (names[i].endsWith(QLatin1Char('/'))) {
      folder.mkpath(names[i]);
      continue;
    }
    if (first.isEmpty())
      first = path;
    if (choice == TVnExtractChoice::KeepExisting && QFileInfo::exists(path))
      continue;
    QDir().mkpath(QFileInfo(path).absolutePath());
    ExtractEntry(zip.get(), zip_uint64_t(i), path, archive);
  }
  if (first.isEmpty())
    Fail(archive, QStringLiteral("the package holds no project"));
  return first;
}
