// FLOAT_RECT: the values at the left, right, lower and upper edge of a rectangle, in a plot
// box's own units.
#pragma once

struct FLOAT_RECT {
    float xLeft;
    float xRight;
    float yLow;
    float yHigh;
};
