// A decoder, a folder of the test's own for the point files it writes, and
// the message boxes and unknown-command questions of a reading, recorded.
#pragma once

#include "decoder/CDecodeTxLine.h"
#include "decoder/decode_reports.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

struct Reading {
    uint32_t status = 0;
    uint32_t result = 0;
    uint32_t linesRead = 0;
    PolygonItemList items;
};

struct Question {
    uint32_t lineNumber;
    std::string lineText;
    std::string message;
};

class PointFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::random_device random;
        folder_ = std::filesystem::temp_directory_path() /
                  ("velor-points-" + std::string(test->name()) + "-" + std::to_string(random()));
        std::filesystem::create_directories(folder_);
        d = new CDecodeTxLine(nullptr);
        SetMessageBoxResponder(&RecordBox, this);
        SetUnknownCommandAnswerer(&Answer, this);
    }

    void TearDown() override
    {
        SetUnknownCommandAnswerer(nullptr, nullptr);
        SetMessageBoxResponder(nullptr, nullptr);
        d->NondelegatingRelease();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    std::string Write(const std::string& bytes)
    {
        path = (folder_ / ("p" + std::to_string(++files_) + ".txt")).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    Reading Read(const std::string& bytes, const char* format = "Y X cmt(; $ ! *)", int32_t firstLine = 0,
                 uint32_t lastLine = 0)
    {
        Write(bytes);
        return ReadPath(path.c_str(), format, firstLine, lastLine);
    }

    Reading ReadPath(const char* file, const char* format, int32_t firstLine = 0, uint32_t lastLine = 0)
    {
        Reading r;
        r.status = d->ReadPointFile(file, format, &r.items, firstLine, lastLine, 0, 0, &r.linesRead, &r.result);
        return r;
    }

    CDecodeTxLine* d = nullptr;
    std::string path;
    std::vector<std::string> boxes;     // texts of the message boxes shown
    std::vector<Question> questions;    // unknown commands asked about
    std::vector<uint16_t> answers;      // the answers to give, in order; then 1

private:
    static int RecordBox(void* context, HWND, const char* text, const char*, UINT, DWORD)
    {
        static_cast<PointFileTest*>(context)->boxes.push_back(text ? text : "");
        return IDOK;
    }

    static uint16_t Answer(void* context, const char* message, const char*, uint32_t lineNumber,
                           const char* lineText)
    {
        auto* self = static_cast<PointFileTest*>(context);
        self->questions.push_back({lineNumber, lineText, message});
        const size_t asked = self->questions.size();
        return asked <= self->answers.size() ? self->answers[asked - 1] : 1;
    }

    std::filesystem::path folder_;
    int files_ = 0;
};
