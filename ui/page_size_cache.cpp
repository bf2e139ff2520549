// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_size_cache.h"

#include "replacing_file.h"
#include "translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStandardPaths>
#include <QStyle>
#include <QWidget>

namespace brevimo {
namespace {

constexpr char kHeader[] = "Brevimo page sizes 1";
// Sizes kept per page: one for each language a user switches between, and
// some room; more are dropped.
constexpr int kPerPage = 4;

QString& FileOverride() {
  static QString path;
  return path;
}

// FNV-1a: a fingerprint of what a page is built from.
class Fingerprint {
public:
  void Add(const QByteArray& bytes) {
    for (char c : bytes)
      Mix(static_cast<unsigned char>(c));
    Mix(0xff); // ends the field: "ab","c" differs from "a","bc"
  }
  void Add(long long value) { Add(QByteArray::number(value)); }
  quint64 Value() const { return m_hash; }

private:
  void Mix(unsigned char byte) {
    m_hash ^= byte;
    m_hash *= 1099511628211ull;
  }
  quint64 m_hash = 14695981039346656037ull;
};

quint64 TemplateFingerprint(const res::DlgTemplate& tmpl) {
  Fingerprint print;
  print.Add(tmpl.cx);
  print.Add(tmpl.cy);
  for (const res::DlgItem& item : tmpl.items) {
    for (long long field : {static_cast<long long>(item.id), static_cast<long long>(item.kind),
                            static_cast<long long>(item.x), static_cast<long long>(item.y),
                            static_cast<long long>(item.cx), static_cast<long long>(item.cy),
                            static_cast<long long>(item.style)})
      print.Add(field);
    print.Add(TrTemplate(item.text).toUtf8()); // the caption as it is shown now
    for (const char* entry : item.items)
      print.Add(TrTemplate(entry).toUtf8());
  }
  return print.Value();
}

// Everything besides the template that a measured size depends on.
QString Key(const QWidget* host) {
  const QFont font = host->font();
  const QFontInfo resolved(font);
  const QFontMetrics metrics(font);
  const int latin = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789.,()%°"));
  const int cyrillic = metrics.horizontalAdvance(
      QStringLiteral("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдеёжзийклмнопрстуфхцчшщъыьэюя"));
  return QStringList{QCoreApplication::applicationVersion(),
                     QString::fromLatin1(qVersion()),
                     host->style()->name(),
                     font.toString(),
                     resolved.family(),
                     resolved.styleName(),
                     QString::number(latin),
                     QString::number(cyrillic),
                     QString::number(metrics.height()),
                     QString::number(host->logicalDpiX()),
                     QString::number(host->logicalDpiY()),
                     QString::number(host->devicePixelRatioF(), 'g', 6)}
      .join(QLatin1Char('|'));
}

} // namespace

QString PageSizeCache::File() {
  if (!FileOverride().isEmpty()) return FileOverride();
  return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
         QStringLiteral("/Brevimo/page-sizes");
}

void PageSizeCache::SetFile(const QString& path) { FileOverride() = path; }

PageSizeCache::PageSizeCache(const QWidget* host) : m_key(Key(host)), m_units(host->font()) {
  // Only a regular file: opening a FIFO would wait for a writer for ever,
  // and a device may never end.
  if (!QFileInfo(File()).isFile()) return;
  QFile file(File());
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text) || file.isSequential()) return;
  // Small as it is, a file far larger than its sizes is not this one.
  constexpr qint64 kLargest = 64 * 1024;
  const QByteArray text = file.read(kLargest + 1);
  if (text.size() > kLargest) return;
  const QList<QByteArray> lines = text.split('\n');
  if (lines.size() < 2 || lines[0] != kHeader || QString::fromUtf8(lines[1]) != m_key) return;
  for (qsizetype i = 2; i < lines.size(); ++i) {
    // "<width> <height> <fingerprint> <caption>"
    const QList<QByteArray> fields = lines[i].split(' ');
    if (fields.size() < 4) continue;
    bool okW = false, okH = false, okF = false;
    const int width = fields[0].toInt(&okW);
    const int height = fields[1].toInt(&okH);
    const quint64 print = fields[2].toULongLong(&okF, 16);
    if (!okW || !okH || !okF || width <= 0 || height <= 0) continue;
    const QString caption =
        QString::fromUtf8(lines[i].mid(fields[0].size() + fields[1].size() + fields[2].size() + 3));
    m_sizes[{caption, print}] = QSize(width, height);
  }
}

bool PageSizeCache::Find(const res::DlgTemplate& tmpl, QSize* size) const {
  const auto it = m_sizes.find({QString::fromUtf8(tmpl.caption), TemplateFingerprint(tmpl)});
  if (it == m_sizes.end()) return false;
  // A page is built in the font's units, widened or heightened for its
  // captions as needed, never narrowed: a kept size below that, or beyond
  // kMostGrowth times it, is no size of this page on this screen.
  constexpr int kMostGrowth = 3;
  const QSize least = m_units.Size(tmpl.cx, tmpl.cy);
  const QSize kept = it->second;
  if (kept.width() < least.width() || kept.height() < least.height() ||
      kept.width() > kMostGrowth * least.width() || kept.height() > kMostGrowth * least.height())
    return false;
  *size = kept;
  return true;
}

void PageSizeCache::Put(const res::DlgTemplate& tmpl, QSize size) {
  if (size.width() <= 0 || size.height() <= 0) return;
  const QString caption = QString::fromUtf8(tmpl.caption);
  const std::pair<QString, quint64> key{caption, TemplateFingerprint(tmpl)};
  const auto known = m_sizes.find(key);
  if (known != m_sizes.end() && known->second == size) return;
  if (known == m_sizes.end()) {
    int kept = 0;
    for (const auto& [other, _] : m_sizes)
      kept += other.first == caption;
    if (kept >= kPerPage)
      std::erase_if(m_sizes, [&](const auto& e) { return e.first.first == caption; });
  }
  m_sizes[key] = size;
  m_changed = true;
}

void PageSizeCache::Save() {
  if (!m_changed) return;
  m_changed = false;
  const QString path = File();
  QDir().mkpath(QFileInfo(path).absolutePath());
  QByteArray text = QByteArray(kHeader) + '\n' + m_key.toUtf8() + '\n';
  for (const auto& [key, size] : m_sizes)
    text += QByteArray::number(size.width()) + ' ' + QByteArray::number(size.height()) + ' ' +
            QByteArray::number(key.second, 16) + ' ' + key.first.toUtf8() + '\n';
  // Written whole or not at all; a cache not written is measured again.
  ReplacingFile file(path);
  if (!file.Open()) return;
  file.Write(text.constData(), text.size());
  file.Commit();
}

} // namespace brevimo
