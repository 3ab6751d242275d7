// SPDX-License-Identifier: MIT
#include "ui/window_system.h"

#include <QList>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// A message Qt gave while the window system was opening, held back until it is open.
struct HeldMessage {
  QtMsgType type;
  QByteArray category;
  QString text;
};

QList<HeldMessage> held;
// The platform and display named by -platform and -display, read before Qt takes them out.
std::string namedPlatform, namedDisplay;

std::string environment(const char* variable) {
  return qEnvironmentVariable(variable).toStdString();
}

// What could not be reached, and which setting to correct, for the platform Qt was to use.
std::string failureLine(const QString& reason) {
  const std::string platform =
      namedPlatform.empty() ? environment("QT_QPA_PLATFORM") : namedPlatform;
  const std::string display = namedDisplay.empty() ? environment("DISPLAY") : namedDisplay;
  const std::string waylandDisplay = environment("WAYLAND_DISPLAY");
  const bool wayland = platform.find("wayland") != std::string::npos ||
                       (platform.empty() && environment("XDG_SESSION_TYPE") == "wayland");
  const std::string advice =
      "set QT_QPA_PLATFORM=offscreen to run it without a display, or use musterwright-cli\n";

  if (!wayland && (platform.empty() || platform.starts_with("xcb")) && display.empty()) {
    return std::string("musterwright: no display to open the window on (") +
           (waylandDisplay.empty() ? "neither DISPLAY nor WAYLAND_DISPLAY is set"
                                   : "DISPLAY is not set") +
           "); run it from a desktop session, " + advice;
  }
  std::string where, setting;
  if (wayland) {
    where = "the Wayland display \"" + (waylandDisplay.empty() ? "wayland-0" : waylandDisplay);
    setting = "WAYLAND_DISPLAY and QT_QPA_PLATFORM";
  } else if (platform.empty() || platform.starts_with("xcb")) {
    where = "the X display \"" + display;
    setting = "DISPLAY";
  } else {
    where = "the window system \"" + platform;
    setting = "QT_QPA_PLATFORM";
  }
  return "musterwright: cannot open the window on " + where +
         "\": " + reason.section(u'\n', 0, 0).trimmed().toStdString() + "; check " + setting +
         ", " + advice;
}

void whileOpening(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) {
    held.append({type, QByteArray(context.category), message});
    return;
  }
  const std::string line = failureLine(held.isEmpty() ? message : held.first().text);
  std::fputs(line.c_str(), stderr);
  std::fflush(stderr);
  std::_Exit(1);
}

}  // namespace

std::unique_ptr<QApplication> openApplication(int& argc, char** argv) {
  for (int i = 1; i + 1 < argc; ++i) {
    const std::string_view option(argv[i]);
    if (option == "-platform" || option == "--platform") namedPlatform = argv[i + 1];
    if (option == "-display" || option == "--display") namedDisplay = argv[i + 1];
  }
  const QtMessageHandler passOn = qInstallMessageHandler(whileOpening);
  auto application = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(passOn);
  for (const HeldMessage& message : held) {
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
    qt_message_output(message.type, context, message.text);
  }
  held.clear();
  return application;
}
