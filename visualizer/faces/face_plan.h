#pragma once

#include "element.h"
#include "primitives.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <variant>
#include <vector>

class Toge;

// The named parts of the face template, in the template's drawing order.
enum class FacePart : std::uint8_t {
    rightEye,
    leftEye,
    rightPupil,
    leftPupil,
    nose,
    mouth,
    upperLip,
    lowerLip,
    rightInnerShape,
    leftInnerShape,
    added, // a step a face brings in that is none of the template's parts
};

// A material change made outside any matrix push (the dot arches and the eye marks set their
// black once for several shapes).
struct ColourStep {
    Colour colour;
};
// A flat quadrilateral drawn with drawQuad, outside any matrix push.
struct QuadStep {
    std::array<Point2, 4> corners;
    double z;
};
using FaceStep = std::variant<Element, ColourStep, QuadStep>;

// One frame of a face as an ordered list of drawing steps. Faces are written as the template
// plus their differences: they take the template's plan, change the parts that differ, omit,
// replace or insert steps, and draw it.
class FacePlan {
public:
    FacePlan();

    void append(FacePart part, Element element, bool shown = true);

    bool contains(FacePart part) const;
    // The element of a template part; the part must be in the plan.
    Element& operator[](FacePart part);
    const Element& operator[](FacePart part) const;
    // Whether a part is drawn: the template's inner shapes are shown only when excited.
    void show(FacePart part, bool shown = true);
    bool isShown(FacePart part) const;

    // Applies a change to the element of every template part in the plan (added steps aside).
    template <typename Change>
    void forEachPart(Change change)
    {
        for (Entry& entry : entries_)
            if (entry.part != FacePart::added)
                change(std::get<Element>(entry.step));
    }

    void omit(FacePart part);
    // Takes the given parts out and puts the steps where the first of them stood.
    void replace(std::initializer_list<FacePart> parts, std::vector<FaceStep> steps);
    void insertAfter(FacePart part, std::vector<FaceStep> steps);

    void draw(Toge& surface) const;

private:
    struct Entry {
        FacePart part;
        bool shown;
        FaceStep step;
    };
    std::vector<Entry>::iterator find(FacePart part);
    std::vector<Entry>::const_iterator find(FacePart part) const;
    std::vector<Entry>::iterator require(FacePart part);
    std::vector<Entry>::const_iterator require(FacePart part) const;
    void insertSteps(std::vector<Entry>::iterator position, std::vector<FaceStep> steps);

    std::vector<Entry> entries_;
};
