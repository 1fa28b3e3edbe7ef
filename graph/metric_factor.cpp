#include "graph/metric_factor.h"

float ScreenMetricFactor(int screenWidth, int screenHeight, int width, int height)
{
    if (screenHeight <= 0)
        return 1;
    return float(screenWidth * ((width + height) * 0.5) / screenHeight * 0.001);
}

float PrintMetricFactor(int width, int height)
{
    if (height <= 0)
        return 1;
    return float((width + height) * 0.5 * width / height * 0.001);
}

float PictureMetricFactor(int width, int height)
{
    return float((width + height) * 0.5 * 0.001);
}
