#include "help/chm_archive.h"

#include <chm_lib.h>

#include <QFile>

namespace kalmo {

void ChmArchive::Closer::operator()(chmFile* file) const {
  chm_close(file);
}

ChmArchive::ChmArchive(const QString& filePath) {
  const QByteArray name = QFile::encodeName(filePath);
  file_.reset(chm_open(name.constData()));
}

bool ChmArchive::contains(const QString& objectPath) const {
  if (!file_) return false;
  chmUnitInfo unit{};
  return chm_resolve_object(file_.get(), objectPath.toUtf8().constData(), &unit) ==
         CHM_RESOLVE_SUCCESS;
}

std::optional<QByteArray> ChmArchive::read(const QString& objectPath) const {
  if (!file_) return std::nullopt;
  chmUnitInfo unit{};
  if (chm_resolve_object(file_.get(), objectPath.toUtf8().constData(), &unit) !=
      CHM_RESOLVE_SUCCESS) {
    return std::nullopt;
  }
  if (unit.length > static_cast<LONGUINT64>(kMaxObjectBytes)) return std::nullopt;
  const auto length = static_cast<LONGINT64>(unit.length);
  QByteArray bytes(static_cast<qsizetype>(length), Qt::Uninitialized);
  const LONGINT64 got = chm_retrieve_object(
      file_.get(), &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0, length);
  if (got != length) return std::nullopt;
  return bytes;
}

}  // namespace kalmo
