// SPDX-License-Identifier: GPL-3.0-or-later
// A file that replaces the one of its name only once it is complete.
//
// The text goes into a new temporary file beside the target (created
// exclusively, so never through a symbolic link or into a file of someone
// else's), every write and the close are checked, and only then is the
// temporary file renamed over the target in one step; a link of the
// target's name is replaced, not followed. Any failure removes the
// temporary file and leaves a previous file as it was, and says why.
#pragma once

#include <QFile>
#include <QString>

namespace brevimo {

class ReplacingFile {
public:
  explicit ReplacingFile(const QString& path);
  ~ReplacingFile(); // a file not committed is removed
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  // Creates the temporary file; false (Reason() says why) when it cannot.
  bool Open();
  bool IsOpen() const { return m_file.isOpen(); }
  // After a failed write the file is gone: nothing more is written, and
  // Commit fails.
  void Write(const char* data, qsizetype size);
  // Writes out, closes and puts the file in place of the target.
  bool Commit();

  const QString& Path() const { return m_path; }
  // Why the file could not be written, in the interface language.
  const QString& Reason() const { return m_reason; }

private:
  void Fail(const QString& reason);

  QString m_path;
  QFile m_file; // the temporary file
  bool m_created = false;
  QString m_reason;
};

// Why writing a file in the folder failed, in the interface language: the
// disk is full or read-only, the folder is missing or may not be written,
// or else the system's own text.
QString WriteFailureReason(QFileDevice::FileError error, const QString& folder,
                           const QString& systemText);

// The message of a file that could not be written: its path and the reason,
// and that a previous file of that name is unchanged; in the interface
// language.
QString WriteFailureMessage(const QString& path, const QString& reason);

} // namespace brevimo
