#pragma once

#include <functional>

// The system's default alert sound, answering a rejected key or a step on a
// read-only field. Replaceable so that tests can count the beeps.
void beep();

// Installs the sound; an empty function restores QApplication::beep().
void setBeepFunction(std::function<void()> function);
