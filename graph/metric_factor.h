// The metric factor scales every pixel setting of the graph (margins, tick
// lengths, pen widths, font heights) to the surface it is drawn on, so one set
// of settings fits a window, a printed page and a vector picture.
#pragma once

// On the screen: the control's mean side in thousands, times the screen's
// aspect ratio.
float ScreenMetricFactor(int screenWidth, int screenHeight, int width, int height);
// On a printed page: the graph's mean side in thousands, times its own
// aspect ratio.
float PrintMetricFactor(int width, int height);
// In a vector picture: the picture's mean side in thousands.
float PictureMetricFactor(int width, int height);
