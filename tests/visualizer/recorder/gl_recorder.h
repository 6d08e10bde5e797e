#pragma once

// A stand-in for GL and GLU in test binaries: the renderer's objects are linked against these
// fake gl* and glu* functions, which record every call instead of drawing. A stand-in binding of
// the render surface comes with it: createContext gives the surface a context handle, present
// records a "present" call.

#include "element.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace glrecord {

struct Call {
    std::string name;         // "glTranslatef", "gluSphere", "present", ...
    std::vector<double> args; // in call order; enums as their values; for glMaterialfv and
                              // glLightfv the face or light, the parameter, then its values
    bool operator==(const Call&) const = default;
};

// Forgets every call and quadric, and any planned quadric failure.
void reset();
const std::vector<Call>& calls();
std::vector<Call> callsNamed(std::string_view name);
std::size_t count(std::string_view name);

// From the n-th gluNewQuadric after the last reset on (counting from 1), GLU "runs out of
// memory" and returns null.
void failQuadricsFrom(int n);
int quadricsCreated(); // successful gluNewQuadric calls
int quadricsDeleted();

// Matrix bookkeeping over the recording.
struct MatrixBalance {
    int pushes = 0;
    int pops = 0;
    int deepest = 0;
    bool neverBelowStart = true; // no pop without a push before it
};
MatrixBalance matrixBalance();

// A shape as it reached GL, read from the recording.
struct DrawnShape {
    enum class Kind { sphere, disk, cylinder, polygon };
    Kind kind;
    std::vector<double> params;                  // sphere: radius, slices, stacks; disk: inner,
                                                 // outer, slices, loops; cylinder: base, top,
                                                 // height, slices, stacks; polygon: normal xyz
    std::vector<std::array<double, 3>> vertices; // polygon only
    std::array<double, 4> diffuse{};             // front diffuse material in force
    bool colouredInside = false;                 // setColour came after the innermost push
    std::vector<Transform> transforms;           // transform calls since the innermost push
    int depth = 0;                               // matrix pushes open around it
};
std::vector<DrawnShape> shapes();

} // namespace glrecord
