#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

struct chmFile;

namespace kalmo {

// Read access to a compiled help file (.chm) through chmlib. Objects are
// addressed by their path inside the file, such as "/TISO286EN.htm"; letter
// case does not matter. A file that cannot be opened gives an archive that
// holds nothing.
class ChmArchive {
 public:
  ChmArchive() = default;
  explicit ChmArchive(const QString& filePath);

  bool isOpen() const { return file_ != nullptr; }
  bool contains(const QString& objectPath) const;
  // The object's bytes; nullopt when it is missing, unreadable or larger than
  // kMaxObjectBytes (a damaged file may claim any length).
  std::optional<QByteArray> read(const QString& objectPath) const;

  static constexpr qint64 kMaxObjectBytes = 64 * 1024 * 1024;

 private:
  struct Closer {
    void operator()(chmFile* file) const;
  };
  std::unique_ptr<chmFile, Closer> file_;
};

}  // namespace kalmo
