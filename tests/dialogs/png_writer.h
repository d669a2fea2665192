// A PNG file of 24-bit pixels, written without compression (stored
// deflate blocks), for the screenshots of the dialog tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// pixels: width * height values 0x00RRGGBB, top row first. False when the
// file cannot be written.
bool WritePng(const std::string& path, int width, int height, const std::vector<uint32_t>& pixels);
