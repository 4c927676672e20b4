#pragma once

#include "programondoubles.h"

#include <QLatin1String>

#include <cstdio>
#include <cstdlib>

// The whole program on the doubles, started in a folder of its own with its port open and
// nothing to ask: what a benchmark of a whole-program path measures against.
struct BenchProgram : ProgramOnDoubles {
    const char* benchName;

    explicit BenchProgram(const char* name)
        : ProgramOnDoubles(QStringLiteral("RPW"))
        , benchName(name) {
        if (!writeFile(QStringLiteral("RPW.ini"), "[Anzeige]\r\nSeriellerCOM-Port=1\r\n"))
            fail("cannot write the settings file");
        start();
        if (!main().startupDone() || !prompter.finished())
            fail(prompter.report().constData());
    }
    ~BenchProgram() {
        if (!prompter.finished())
            std::fprintf(stderr, "%s: unexpected boxes: %s\n", benchName,
                         prompter.report().constData());
    }
    BenchProgram(const BenchProgram&) = delete;
    BenchProgram& operator=(const BenchProgram&) = delete;

    [[noreturn]] void fail(const char* why) const {
        std::fprintf(stderr, "%s: %s\n", benchName, why);
        std::exit(1);
    }
    template <typename T> T* widget(const char* name) {
        T* w = main().findChild<T*>(QLatin1String(name));
        if (!w)
            fail(name);
        return w;
    }
};
