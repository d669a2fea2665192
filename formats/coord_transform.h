// The axis conversion of point files: a point in the internal orientation
// (JTSK: X south, Y west) written in one of the eight axis conventions. The
// module exports it as it is (server/exports.h).
#pragma once

// (x, y) in the internal orientation turned into the given file system.
extern "C" void FromDtmEx(double* outX, double* outY, double x, double y, short system);
