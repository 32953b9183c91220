#pragma once
// The one application object a fuzz target needs for fonts and images.

#include <QGuiApplication>

namespace quorlak::fuzz {

inline QGuiApplication& app(const char* name) {
    static int argc = 1;
    static char* argv[] = {const_cast<char*>(name), nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: at exit it would outlive Qt's own statics and crash.
    static auto* instance = new QGuiApplication(argc, argv);
    return *instance;
}

}  // namespace quorlak::fuzz
