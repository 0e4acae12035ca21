// A fresh layer for every test: OpenGL's initial state for a 640 by 480
// window, an empty frame and no primitive open.
#pragma once

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <vector>

#include "frame.h"
#include "state.h"

class WebLayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        vResetGlState(640, 480);
        vStartFrame();
    }
    void TearDown() override {
        glEnd();
        vStartFrame();
    }
};

// The draws of the frame, in order.
inline std::vector<FrameCommand> asDraws() {
    std::vector<FrameCommand> asResult;
    for (const FrameCommand& sCommand : sFrame.asCommand) {
        if (sCommand.eKind == CommandKind::Draw) {
            asResult.push_back(sCommand);
        }
    }
    return asResult;
}
