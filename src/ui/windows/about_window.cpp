#include "windows/about_window.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

#include "widgets/app_images.h"

namespace kalmo {

namespace {

const QColor kTextColour(235, 242, 252);
const QColor kLinkColour(255, 214, 90);

QLabel* plainText(QWidget* parent, const QString& text, const QRect& place, int pixelSize) {
  auto* label = new QLabel(text, parent);
  QFont font = parent->font();
  font.setPixelSize(pixelSize);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, kTextColour);
  label->setPalette(palette);
  label->setGeometry(place);
  // Clicks on the text close the window like clicks on the picture.
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

}  // namespace

QBitmap seeThroughMask(const QImage& picture) {
  // For a pixmap, MaskInColor makes the matching pixels the transparent ones.
  return QPixmap::fromImage(picture).createMaskFromColor(QColor(255, 255, 0), Qt::MaskInColor);
}

LinkLabel::LinkLabel(const QString& text, QUrl url, QWidget* parent)
    : QLabel(text, parent), url_(std::move(url)) {
  setCursor(Qt::PointingHandCursor);
  QPalette palette = this->palette();
  palette.setColor(QPalette::WindowText, kLinkColour);
  setPalette(palette);
}

void LinkLabel::setUnderlined(bool underlined) {
  QFont f = font();
  f.setUnderline(underlined);
  setFont(f);
}

void LinkLabel::enterEvent(QEnterEvent* event) {
  setUnderlined(true);
  QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event) {
  setUnderlined(false);
  QLabel::leaveEvent(event);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
  event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit opened(url_);
    QDesktopServices::openUrl(url_);
  }
}

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("frmSplash"));
  const QPixmap picture = splashPicture();
  setFixedSize(picture.size());

  auto* background = new QLabel(this);
  background->setPixmap(picture);
  background->setGeometry(rect());
  background->setAttribute(Qt::WA_TransparentForMouseEvents);
  setMask(seeThroughMask(picture.toImage()));

  const QString version = QCoreApplication::applicationVersion();
  plainText(this, version.isEmpty() ? QString() : QStringLiteral("Version %1").arg(version),
            {28, 140, 300, 16}, 12);
  plainText(this, QStringLiteral("\u00a9 Brenholt Ltd."), {28, 158, 150, 16}, 12);

  QFont linkFont = font();
  linkFont.setPixelSize(12);
  mail_ = new LinkLabel(QStringLiteral("info@brenholt.example"),
                        QUrl(QStringLiteral("mailto:info@brenholt.example")), this);
  mail_->setObjectName(QStringLiteral("lblMail"));
  mail_->setFont(linkFont);
  mail_->setGeometry(28, 176, mail_->sizeHint().width(), 16);
  web_ = new LinkLabel(QStringLiteral("brenholt.example"),
                       QUrl(QStringLiteral("https://brenholt.example")), this);
  web_->setObjectName(QStringLiteral("lblWeb"));
  web_->setFont(linkFont);
  web_->setGeometry(200, 176, web_->sizeHint().width(), 16);

  if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

void AboutWindow::mousePressEvent(QMouseEvent* event) {
  event->accept();
  accept();
}

void showAboutWindow(QWidget* parent) {
  AboutWindow window(parent);
  window.exec();
}

}  // namespace kalmo
