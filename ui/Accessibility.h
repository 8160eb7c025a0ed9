#pragma once
// How a screen reader sees the program: each window as a window with its
// caption, each example figure described once, and the lines and outlines
// the figures are drawn with kept out of a listener's way.

void InstallAccessibility();
