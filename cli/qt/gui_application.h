#pragma once
// Qt's font rasteriser and PDF writer need a GUI application; without a display the
// off-screen platform serves (unless the caller chose a platform).
#include <QGuiApplication>

#include <memory>

namespace omvera::cli {

// The application it made, if there was none yet.
std::unique_ptr<QGuiApplication> EnsureGuiApplication();

} // namespace omvera::cli
