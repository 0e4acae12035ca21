// The one fixture of the unit tests. Each test starts with an empty recorder
// that keeps every call and has no hook, and leaves every setting, both slots,
// the field time and the source points as it found them, whatever it changed,
// so the tests run in any order in one process. Done in the constructor and
// destructor, so a fixture built on this one need not remember to call it.
//
// The spin angles and the frame clock are statics of the display callback
// that nothing can put back: a test of frames works from the values it reads
// before its own frames.
#pragma once

#include <gtest/gtest.h>

#include "gl_record.h"
#include "settings_snapshot.h"

class OrvaneTest : public ::testing::Test {
protected:
    OrvaneTest() : sSaved(sTakeSnapshot()) {
        vResetRecorderFully();
    }
    ~OrvaneTest() override {
        vRestoreSnapshot(sSaved);
        vResetRecorderFully();
    }

    // What the test found: the start values, unless a test before it failed
    // to restore them.
    const SettingsSnapshot sSaved;
};
