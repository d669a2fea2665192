// GDAL's messages while convert runs: warnings go to stderr in the tool's
// words, failures are counted so that none passes for success (some drivers
// report a failed write only through their messages, at closing).
#pragma once

#include <string>

class GdalMessages {
public:
    GdalMessages();  // takes GDAL's messages
    ~GdalMessages(); // gives them back
    GdalMessages(const GdalMessages&) = delete;
    GdalMessages& operator=(const GdalMessages&) = delete;

    int failures() const { return failures_; }
    const std::string& lastFailure() const { return lastFailure_; }

private:
    static void Take(int kind, int code, const char* message);

    int failures_ = 0;
    std::string lastFailure_;
};
