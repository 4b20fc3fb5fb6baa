// The block diagram of the laboratory bench, drawn for each of the three setups.
#pragma once

#include <QImage>

// Where the two switches of the bench stand; the three setups differ only in these.
struct BenchWiring {
    bool signalOn;          // the signal source is joined to the adder
    bool outputToThreshold; // the filter output feeds the threshold device and the counter,
                            // otherwise the squarer, integrator and recorder
};

// A black line drawing on white, 680 x 242 pixels at 96 dots per inch.
QImage drawSchematic(BenchWiring wiring);
