// Renders an SVG picture of the help pages to PNG, at its own size, for help
// viewers that cannot show SVG. Usage: kalmo_help_render in.svg out.png
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[]) {
  // Text in the pictures needs the font database, hence the application
  // object; the offscreen platform keeps the build free of a display. Qt's
  // own notes (such as a missing runtime folder) would only clutter the
  // build log; failures are reported below.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  QGuiApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  if (args.size() != 3) {
    std::fputs("usage: kalmo_help_render in.svg out.png\n", stderr);
    return 2;
  }
  QSvgRenderer renderer(args[1]);
  if (!renderer.isValid()) {
    std::fprintf(stderr, "cannot read %s\n", qPrintable(args[1]));
    return 1;
  }
  QImage image(renderer.defaultSize(), QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  renderer.render(&painter);
  painter.end();
  if (!image.save(args[2], "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(args[2]));
    return 1;
  }
  return 0;
}
