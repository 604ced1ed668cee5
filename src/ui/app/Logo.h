#pragma once
#include <QPixmap>

namespace averoz {
// The program's emblem: a waveform trace on an instrument-screen square.
QPixmap ProgramLogo(int size);
}  // namespace averoz
