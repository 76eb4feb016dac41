#pragma once
#include <gtest/gtest.h>

#include "core/DataModule.h"
#include "core/myFun.h"

// A freshly started program: global objects, start-up values, the built-in
// model and the image as the main window's first show leaves it.
class ModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitDataModule("/nonexistent/");
        All().ModelCode = MacList().GetItem(0)->Code;
        DeriveOnFirstShow();
    }
    std::uint8_t& Byte(std::size_t offset) { return All().Image[offset]; }
    std::vector<std::uint8_t> Bytes(std::size_t offset, std::size_t n) {
        return {All().Image.begin() + offset, All().Image.begin() + offset + n};
    }
};
