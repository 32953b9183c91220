#pragma once
// One QGuiApplication for the whole test binary (fonts and images need it).

#include <QGuiApplication>

namespace quorlak::test {

inline QGuiApplication& ensureGuiApp() {
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return *app;
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    static int argc = 1;
    static char name[] = "quorlak-tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: at exit its destructor would run after Qt's own statics
    // are gone, and crash once an application font was installed.
    static auto* app = new QGuiApplication(argc, argv);
    return *app;
}

}  // namespace quorlak::test
