#pragma once

#include <QGuiApplication>

namespace zindra::cli {

// The Qt side of the helper programs: an application on the offscreen platform
// with our bar-code faces registered. Nothing is ever shown, so the platform is
// forced: one named by the caller's environment that cannot start (xcb without
// a display) would abort the run. Qt's warnings about the caller's session
// (XDG_RUNTIME_DIR unset or with the wrong mode) are dropped: the runtime folder
// is never used here, and the user of a command-line tool can do nothing about it.
class QtSession {
  public:
    QtSession();

  private:
    int argc_ = 1;
    char name_[14] = "zindra-encode";
    char* argv_[2] = {name_, nullptr};
    QGuiApplication app_;
};

} // namespace zindra::cli
