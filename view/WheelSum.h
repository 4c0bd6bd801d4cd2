#pragma once

// The wheel's deltas added up. A high-resolution wheel or a touchpad sends
// many small deltas for one notch's worth of movement; a plain wheel sends
// one delta of 120 a notch.
class WheelSum {
public:
    // Adds a message's delta and returns the whole notches completed: positive
    // away from the user. A turn the other way drops what was left of the last one.
    int Add(short delta);

private:
    int sum = 0;
};
