#pragma once

#include "shell/application.h"
#include "tests/support/pixels.h"
#include "tests/support/scripteddialogs.h"
#include "windows/workbench/lentoi.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <memory>

// A program with its workbench loaded (Form_Load run) on a 1280x800 screen.
class WorkbenchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        app = std::make_unique<shell::Application>(dialogs, windows::ScreenInfo{1280, 800, 96});
        app->setEndProgram([this] { ended = true; });
        lentoi = &app->lentoi();
    }

    canvas::Surface& surface() { return lentoi->surface(); }
    optics::spherical::Poreiaaktinon& lens() { return app->spherical(); }
    optics::SharedSource& source() { return app->source(); }

    testing_support::ScriptedDialogs dialogs;
    std::unique_ptr<shell::Application> app;
    windows::Lentoi* lentoi = nullptr;
    bool ended = false;
};
