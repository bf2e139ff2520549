// SPDX-License-Identifier: GPL-3.0-or-later
#include "replacing_file.h"

#include "translation.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStorageInfo>

#include <filesystem>
#include <system_error>

namespace brevimo {
namespace {

QString Message(const char* text) { return TrMessage(QString::fromUtf8(text)); }

const char* const kDiskFull = QT_TRANSLATE_NOOP("brevimo", "на диске нет места");
const char* const kReadOnly = QT_TRANSLATE_NOOP("brevimo", "диск защищен от записи");
const char* const kNoFolder = QT_TRANSLATE_NOOP("brevimo", "такой папки нет");
const char* const kFolderLocked = QT_TRANSLATE_NOOP("brevimo", "нет прав на запись в папку");
const char* const kFolderInTheWay = QT_TRANSLATE_NOOP("brevimo", "под этим именем есть папка");
const char* const kNoReplace = QT_TRANSLATE_NOOP("brevimo", "нет прав на замену прежнего файла");

std::filesystem::path FsPath(const QString& path) {
  return std::filesystem::path(path.toStdU16String());
}

// Why the temporary file could not be put in place of the target.
QString RenameFailureReason(const std::error_code& error, const QString& folder) {
  if (error == std::errc::is_a_directory || error == std::errc::directory_not_empty ||
      error == std::errc::file_exists)
    return Message(kFolderInTheWay);
  if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted)
    return Message(kNoReplace);
  return WriteFailureReason(QFileDevice::RenameError, folder,
                            QString::fromLocal8Bit(error.message().c_str()));
}

} // namespace

ReplacingFile::ReplacingFile(const QString& path) : m_path(path) {}

ReplacingFile::~ReplacingFile() {
  if (m_file.isOpen()) Fail({});
}

bool ReplacingFile::Open() {
  const QFileInfo target(m_path);
  const QString folder = target.absolutePath();
  // A hidden name of the target's with a random ending; one that is taken
  // (by a file or a link) is passed over.
  for (int attempt = 0; attempt < 100; ++attempt) {
    const QString name =
        QStringLiteral(".%1.%2")
            .arg(target.fileName())
            .arg(QRandomGenerator::global()->bounded(0x1000000), 6, 16, QLatin1Char('0'));
    m_file.setFileName(QDir(folder).filePath(name));
    if (m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Text)) {
      m_created = true;
      return true;
    }
    const QFileInfo taken(m_file.fileName());
    if (!taken.exists() && !taken.isSymLink()) break;
  }
  Fail(WriteFailureReason(m_file.error(), folder, m_file.errorString()));
  return false;
}

void ReplacingFile::Write(const char* data, qsizetype size) {
  if (!m_file.isOpen()) return;
  if (m_file.write(data, size) != size)
    Fail(
        WriteFailureReason(m_file.error(), QFileInfo(m_path).absolutePath(), m_file.errorString()));
}

bool ReplacingFile::Commit() {
  if (!m_file.isOpen() || !m_reason.isEmpty()) return false;
  const QString folder = QFileInfo(m_path).absolutePath();
  // The write buffer goes out here, where its failure can be seen; close()
  // would drop it silently.
  if (!m_file.flush()) {
    Fail(WriteFailureReason(m_file.error(), folder, m_file.errorString()));
    return false;
  }
  m_file.close();
  if (m_file.error() != QFileDevice::NoError) {
    Fail(WriteFailureReason(m_file.error(), folder, m_file.errorString()));
    return false;
  }
  // rename() replaces the target's directory entry: a link is replaced, not
  // followed, and a folder of that name is refused.
  std::error_code error;
  std::filesystem::rename(FsPath(m_file.fileName()), FsPath(m_path), error);
  if (error) {
    Fail(RenameFailureReason(error, folder));
    return false;
  }
  return true;
}

void ReplacingFile::Fail(const QString& reason) {
  m_reason = reason;
  if (m_file.isOpen()) m_file.close();
  if (m_created) m_file.remove(); // only a file of our own
  m_created = false;
}

QString WriteFailureReason(QFileDevice::FileError error, const QString& folder,
                           const QString& systemText) {
  const QFileInfo dir(folder);
  if (!dir.isDir()) return Message(kNoFolder);
  const QStorageInfo storage(folder);
  if (error == QFileDevice::ResourceError || (storage.isValid() && storage.bytesAvailable() == 0))
    return Message(kDiskFull);
  if (storage.isValid() && storage.isReadOnly()) return Message(kReadOnly);
  if (!dir.isWritable()) return Message(kFolderLocked);
  return systemText;
}

QString WriteFailureMessage(const QString& path, const QString& reason) {
  return Message(QT_TRANSLATE_NOOP(
                     "brevimo",
                     "Не удалось записать файл %1: %2. Прежний файл, если он был, не изменен."))
      .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()), reason);
}

} // namespace brevimo
