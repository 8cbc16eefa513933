#pragma once

#include "app/window/main_window.h"
#include "editor_fixture.h"

#include <QTest>

// The main window over an editor with the phone's screens, shown and through its first
// activation, with scripted dialogs.
struct WindowFixture {
    WindowFixture() : window(phone.f.editor, QString()) {
        // The first activation, once the window is on screen, clears the modified flag.
        phone.f.editor.document.modified = true;
        window.show();
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("the main window did not become active");
        QTRY_VERIFY(!phone.f.editor.document.modified);
    }

    template <typename T> T* find(const char* name) {
        T* child = window.findChild<T*>(QLatin1String(name));
        if (!child)
            qFatal("no control named %s", name);
        return child;
    }
    Editor& editor() { return phone.f.editor; }

    PhoneFixture phone{32};
    MainWindow window;
};
