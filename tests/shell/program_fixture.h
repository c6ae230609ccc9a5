#pragma once

#include "shell/application.h"
#include "shell/eisagogiko.h"
#include "tests/support/scripteddialogs.h"
#include "windows/hyperbolic/elsahl.h"
#include "windows/single_ray/moniaktina.h"
#include "windows/workbench/lentoi.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// The whole program started as Main starts it, on a 1280x800 screen.
class ProgramTest : public ::testing::Test {
  public:
    static std::unique_ptr<shell::Application> start(testing_support::ScriptedDialogs& dialogs,
                                                     bool& ended) {
        auto program =
            std::make_unique<shell::Application>(dialogs, windows::ScreenInfo{1280, 800, 96});
        program->setEndProgram([&ended] { ended = true; });
        program->Main();
        return program;
    }

  protected:
    void SetUp() override { app = start(dialogs, ended); }

    static std::vector<std::uint32_t> picture(const canvas::Surface& surface) {
        return {surface.pixels(),
                surface.pixels() + surface.deviceWidthPx() * surface.deviceHeightPx()};
    }

    windows::Lentoi& lentoi() { return app->lentoi(); }
    shell::Eisagogiko& choice() { return app->eisagogiko(); }
    windows::ElSahl& sahl() { return app->elSahl(); }

    testing_support::ScriptedDialogs dialogs;
    bool ended = false;
    std::unique_ptr<shell::Application> app;
};
