#pragma once

#include "tests/support/program.h"

#include <QLocale>

// A program with its workbench loaded (Form_Load run), and no other window.
class WorkbenchTest : public testing_support::ProgramFixture<testing_support::Start::Bare> {
  protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        lentoi = &app->lentoi();
    }

    canvas::Surface& surface() { return lentoi->surface(); }
    optics::spherical::Poreiaaktinon& lens() { return app->spherical(); }
    optics::SharedSource& source() { return app->source(); }

    windows::Lentoi* lentoi = nullptr;
};
