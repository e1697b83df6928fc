#pragma once
// What the program says about itself in its window, its log and the files it exports.
#include <QString>

constexpr int kApplicationMajorVersion = 2;
constexpr int kApplicationMinorVersion = 7;

// The brand's application name, a blank and its organisation name.
QString applicationFileName();
