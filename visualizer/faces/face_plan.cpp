#include "face_plan.h"

#include <algorithm>
#include <stdexcept>

FacePlan::FacePlan()
{
    entries_.reserve(16);
}

void FacePlan::append(FacePart part, Element element, bool shown)
{
    entries_.push_back({part, shown, std::move(element)});
}

std::vector<FacePlan::Entry>::iterator FacePlan::find(FacePart part)
{
    return std::find_if(entries_.begin(), entries_.end(),
                        [part](const Entry& entry) { return entry.part == part; });
}

std::vector<FacePlan::Entry>::const_iterator FacePlan::find(FacePart part) const
{
    return std::find_if(entries_.begin(), entries_.end(),
                        [part](const Entry& entry) { return entry.part == part; });
}

std::vector<FacePlan::Entry>::iterator FacePlan::require(FacePart part)
{
    const auto it = find(part);
    if (it == entries_.end() || part == FacePart::added)
        throw std::logic_error("FacePlan: the face has no such part");
    return it;
}

std::vector<FacePlan::Entry>::const_iterator FacePlan::require(FacePart part) const
{
    const auto it = find(part);
    if (it == entries_.end() || part == FacePart::added)
        throw std::logic_error("FacePlan: the face has no such part");
    return it;
}

bool FacePlan::contains(FacePart part) const
{
    return find(part) != entries_.end();
}

Element& FacePlan::operator[](FacePart part)
{
    return std::get<Element>(require(part)->step);
}

const Element& FacePlan::operator[](FacePart part) const
{
    return std::get<Element>(require(part)->step);
}

void FacePlan::show(FacePart part, bool shown)
{
    require(part)->shown = shown;
}

bool FacePlan::isShown(FacePart part) const
{
    return require(part)->shown;
}

void FacePlan::omit(FacePart part)
{
    entries_.erase(require(part));
}

void FacePlan::insertSteps(std::vector<Entry>::iterator position, std::vector<FaceStep> steps)
{
    std::vector<Entry> added;
    added.reserve(steps.size());
    for (FaceStep& step : steps)
        added.push_back({FacePart::added, true, std::move(step)});
    entries_.insert(position, added.begin(), added.end());
}

void FacePlan::replace(std::initializer_list<FacePart> parts, std::vector<FaceStep> steps)
{
    if (parts.size() == 0)
        throw std::logic_error("FacePlan: nothing to replace");
    const auto position = static_cast<std::size_t>(require(*parts.begin()) - entries_.begin());
    for (FacePart part : parts)
        omit(part);
    insertSteps(entries_.begin() + static_cast<std::ptrdiff_t>(std::min(position, entries_.size())),
                std::move(steps));
}

void FacePlan::insertAfter(FacePart part, std::vector<FaceStep> steps)
{
    insertSteps(require(part) + 1, std::move(steps));
}

namespace {

struct StepDrawer {
    Toge& surface;
    void operator()(const Element& element) const { drawElement(surface, element); }
    void operator()(const ColourStep& step) const { setColour(surface, step.colour); }
    void operator()(const QuadStep& quad) const
    {
        const auto& p = quad.corners;
        drawQuad(surface, p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y, p[3].x, p[3].y, quad.z);
    }
};

} // namespace

void FacePlan::draw(Toge& surface) const
{
    for (const Entry& entry : entries_)
        if (entry.shown)
            std::visit(StepDrawer{surface}, entry.step);
}
