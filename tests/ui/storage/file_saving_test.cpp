#include "storage/file_saving.h"

#include <sys/resource.h>

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>

#include "device_node_support.h"
#include "memory_store.h"
#include "storage/language.h"

using namespace kalmo;

namespace {

QByteArray fileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

// Files larger than `bytes` cannot be written while it lives: a full disk
// without filling one (the write fails with EFBIG instead of ENOSPC).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &old_);
    rlimit lower = old_;
    lower.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &lower);
  }
  ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old_); }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_{};
};

}  // namespace

class FileSavingTest : public QObject {
  Q_OBJECT

 private slots:
  // What is at the name decides: a file, new or old, gets the new bytes
  // whole; anything else is refused untouched; a write that fails leaves the
  // old file as it was and no temporary file beside it.
  void writesWholeFilesOrNothing_data() {
    QTest::addColumn<QString>("target");  // what stands at the name before
    QTest::addColumn<SaveOutcome>("outcome");
    QTest::newRow("new file") << "none" << SaveOutcome::Written;
    QTest::newRow("old file") << "file" << SaveOutcome::Written;
    QTest::newRow("link to a file") << "link to file" << SaveOutcome::Written;
    QTest::newRow("link to a device") << "link to device" << SaveOutcome::NotARegularFile;
    QTest::newRow("pipe") << "pipe" << SaveOutcome::NotARegularFile;
    QTest::newRow("folder") << "folder" << SaveOutcome::NotARegularFile;
    QTest::newRow("below a file") << "below file" << SaveOutcome::Failed;
    QTest::newRow("disk full, old file") << "file, full" << SaveOutcome::Failed;
    QTest::newRow("disk full, new file") << "none, full" << SaveOutcome::Failed;
  }
  void writesWholeFilesOrNothing() {
    QFETCH(QString, target);
    QTemporaryDir dir;
    const QByteArray old = "old contents";
    const QByteArray bytes(4096, 'x');
    QString path = dir.filePath(QStringLiteral("report.pdf"));
    const QString real = dir.filePath(QStringLiteral("real.pdf"));
    if (target.startsWith("file") || target == "link to file" || target == "below file") {
      QFile file(target == "link to file" ? real : path);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(old);
    }
    if (target == "link to file") QVERIFY(QFile::link(real, path));
    const QString device = test::deviceNode(dir.path());
    if (target == "link to device") QVERIFY(QFile::link(device, path));
    if (target == "pipe") QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    if (target == "folder") QVERIFY(QDir().mkdir(path));
    const QString checked = target == "below file" ? path : QString();
    if (target == "below file") path += QStringLiteral("/x.pdf");
    const QStringList before =
        QDir(dir.path())
            .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot | QDir::Hidden);
    SaveOutcome outcome = SaveOutcome::Written;
    if (target.endsWith("full")) {
      const FileSizeLimit limit(100);
      outcome = saveFile(path, bytes);
    } else {
      outcome = saveFile(path, bytes);
    }
    QTEST(outcome, "outcome");
    const QStringList after =
        QDir(dir.path())
            .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot | QDir::Hidden);
    if (outcome == SaveOutcome::Written) {
      QCOMPARE(fileBytes(path), bytes);
      QCOMPARE(QFileInfo(path).isSymLink(), target == "link to file");
      return;
    }
    QCOMPARE(after, before);  // no temporary file left
    const QFileInfo node(checked.isEmpty() ? path : checked);
    if (target.startsWith("file") || target == "below file")
      QCOMPARE(fileBytes(node.filePath()), old);
    if (target == "link to device") {
      QCOMPARE(node.symLinkTarget(), device);
      QVERIFY(!node.isFile());
    }
    if (target == "pipe") QVERIFY(!node.isFile() && node.exists());
    if (target == "folder") QVERIFY(node.isDir());
  }

  // "report" typed over an existing report.pdf: the question comes before
  // anything is replaced, and No keeps the dialog open.
  void asksBeforeReplacingTheCompletedName() {
    QTemporaryDir dir;
    const QString existing = dir.filePath(QStringLiteral("report.pdf"));
    {
      QFile file(existing);
      QVERIFY(file.open(QIODevice::WriteOnly));
    }
    test::MemoryStore store;
    Language language(store);
    language.InitLanguage();
    QString question;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
          ->setText(dir.filePath(QStringLiteral("report")));
      QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        question = box->text();
        box->button(QMessageBox::No)->click();
      });
      QMetaObject::invokeMethod(dialog, "accept");  // asks, and stays open after No
      QVERIFY(dialog->isVisible());
      dialog->reject();
    });
    const QString chosen =
        askSaveFileName(nullptr, QStringLiteral("Save"), language.text(TextId::PdfFiles),
                        QStringLiteral("pdf"), language);
    QVERIFY(chosen.isEmpty());
    QVERIFY2(question.contains(QStringLiteral("report.pdf")), qPrintable(question));
  }
};

QTEST_MAIN(FileSavingTest)
#include "file_saving_test.moc"
