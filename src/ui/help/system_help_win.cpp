#include "help/system_help.h"

#ifdef Q_OS_WIN

#include <windows.h>

#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QSettings>
#include <string>

namespace kalmo {

namespace {

using HtmlHelpW = HWND(WINAPI*)(HWND owner, LPCWSTR file, UINT command, DWORD_PTR data);
constexpr UINT kDisplayTopic = 0;  // HH_DISPLAY_TOPIC

// The registry may name the library with %SystemRoot% and the like.
QString expandEnvironment(const QString& text) {
  const std::wstring in = text.toStdWString();
  const DWORD size = ExpandEnvironmentStringsW(in.c_str(), nullptr, 0);
  if (size == 0) return text;
  std::wstring out(size, L'\0');
  if (ExpandEnvironmentStringsW(in.c_str(), out.data(), size) == 0) return text;
  out.resize(size - 1);
  return QString::fromStdWString(out);
}

HtmlHelpW htmlHelpEntry() {
  static const HtmlHelpW entry = []() -> HtmlHelpW {
    const QSettings registration(
        QStringLiteral("HKEY_CLASSES_ROOT\\CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}"
                       "\\InprocServer32"),
        QSettings::NativeFormat);
    const QString path =
        expandEnvironment(registration.value(QStringLiteral("Default")).toString());
    if (path.isEmpty() || !QFileInfo(path).isFile()) return nullptr;
    static QLibrary library(path);
    return reinterpret_cast<HtmlHelpW>(library.resolve("HtmlHelpW"));
  }();
  return entry;
}

}  // namespace

bool openSystemHelp(const QString& filePath, const QString& topic) {
  const HtmlHelpW entry = htmlHelpEntry();
  if (!entry) return false;
  // The wide-character entry and a string of any length: a path with
  // characters outside the ANSI code page, or longer than 260 characters,
  // still reaches the viewer whole.
  const std::wstring target = (QDir::toNativeSeparators(filePath) + topic).toStdWString();
  entry(GetDesktopWindow(), target.c_str(), kDisplayTopic, 0);
  return true;
}

}  // namespace kalmo

#endif  // Q_OS_WIN
