// A fixture for tests that move the sources and the field time: it puts both
// back afterwards, so the rest of the binary sees the field it started with.
#pragma once

#include <gtest/gtest.h>

#include "field.h"

class FieldStateTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 3; i++) {
            asSavedSource[i] = sSourcePoint[i];
        }
        fSavedTime = fTime;
    }
    void TearDown() override {
        for (int i = 0; i < 3; i++) {
            sSourcePoint[i] = asSavedSource[i];
        }
        fTime = fSavedTime;
    }

private:
    GLvector asSavedSource[3];
    float fSavedTime = 0.0f;
};
