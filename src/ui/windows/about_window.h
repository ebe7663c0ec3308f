#pragma once

#include <QBitmap>
#include <QDialog>
#include <QLabel>
#include <QUrl>

namespace kalmo {

// The window's outline: every pixel of the picture except the pure yellow
// ones (red 255, green 255, blue 0), which are see-through.
QBitmap seeThroughMask(const QImage& picture);

// A text that opens its address with the platform's handler when clicked and
// is underlined while the pointer is over it.
class LinkLabel final : public QLabel {
  Q_OBJECT

 public:
  LinkLabel(const QString& text, QUrl url, QWidget* parent = nullptr);
  const QUrl& url() const { return url_; }

 signals:
  void opened(const QUrl& url);

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void setUnderlined(bool underlined);
  QUrl url_;
};

// The about window: borderless, centred, shaped like its picture, with the
// maker's mail and web address. A click anywhere but on a link closes it.
class AboutWindow final : public QDialog {
  Q_OBJECT

 public:
  explicit AboutWindow(QWidget* parent = nullptr);

  LinkLabel* mailLink() const { return mail_; }
  LinkLabel* webLink() const { return web_; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  LinkLabel* mail_;
  LinkLabel* web_;
};

// Shows the about window modally; it is released when it closes.
void showAboutWindow(QWidget* parent);

}  // namespace kalmo
