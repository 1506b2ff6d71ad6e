#pragma once

#include <QApplication>
#include <QTest>

// The main function of a test program whose windows show the page view. The browser engine,
// loaded from a plugin, needs shared OpenGL contexts before the application exists. Under
// AddressSanitizer the engine frees one of its own objects on closing a page with a size that
// differs from the one it was made with; the check stays on for our code in every other test
// program.
#define QUILLMARK_PAGE_VIEW_TEST_MAIN(TestClass)                                                   \
    extern "C" const char* __asan_default_options() {                                              \
        return "new_delete_type_mismatch=0";                                                       \
    }                                                                                              \
    int main(int argc, char* argv[]) {                                                             \
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);                                \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
